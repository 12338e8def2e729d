#include "core/Collections.h"

#include <stdexcept>

#include "core/Errors.h"
#include "core/TextTools.h"

namespace gd {

namespace {

void CheckIndex(std::size_t index, std::size_t count, const char* what) {
  if (index >= count)
    throw std::out_of_range(std::string(what) + ": index " + std::to_string(index) +
                            " outside 0.." + std::to_string(count) + "-1");
}

}  // namespace

void TTabCollection::Add(ByteView record) {
  if (record.size() != recordSize_)
    throw EGaugData("table record of " + std::to_string(record.size()) + " bytes where " +
                    std::to_string(recordSize_) + " are expected");
  records_.emplace_back(record.begin(), record.end());
}

ByteView TTabCollection::Item(std::size_t index) const {
  CheckIndex(index, records_.size(), "table record");
  return records_[index];
}

std::span<std::uint8_t> TTabCollection::MutableItem(std::size_t index) {
  CheckIndex(index, records_.size(), "table record");
  return records_[index];
}

const std::string& TNoSortStringCollection::Item(std::size_t index) const {
  CheckIndex(index, items_.size(), "string list");
  return items_[index];
}

int TNoSortStringCollection::IndexOf(std::string_view text) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == text) return static_cast<int>(i);
  return -1;
}

void TNoSortStringCollection::ExchangeDOSSonderzeichen() { DosToWindowsList(items_); }

MediMatItem ReadMediMatItem(ByteReader& reader) {
  MediMatItem item;
  item.name = reader.CountedString();
  item.code = reader.I16();
  item.kind = reader.U8();
  item.extra = reader.U8();
  return item;
}

const MediMatItem& TMediMatStrColl::Item(std::size_t index) const {
  CheckIndex(index, items_.size(), "name list");
  return items_[index];
}

const MediMatItem* TMediMatStrColl::Find(std::int16_t code) const {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it)
    if (it->code == code) return &*it;
  return nullptr;
}

std::string TMediMatStrColl::NameOf(std::int16_t code) const {
  const MediMatItem* item = Find(code);
  if (item == nullptr) item = Find(defaultCode_);
  return item != nullptr ? item->name : std::string();
}

bool TMediMatStrColl::IsSpecial(std::int16_t code) const {
  const MediMatItem* item = Find(code);
  return item != nullptr && item->kind == kBuiltInKind && code != defaultCode_;
}

void TMediMatStrColl::ConvertNames() {
  for (MediMatItem& item : items_) item.name = DosToWindows(item.name);
}

}  // namespace gd
