#include "app/HistoryList.h"

#include "app/InterfaceLanguage.h"

namespace gd {
namespace {

constexpr int kLargestMaximum = 100;

std::string HistoryKey(int k) { return "History" + std::to_string(k); }

}  // namespace

void THistoryList::SetMaximum(int maximum) {
  if (maximum < 1 || maximum > kLargestMaximum) return;
  maximum_ = maximum;
  if (Count() > maximum_) entries_.resize(static_cast<std::size_t>(maximum_));
}

void THistoryList::Add(const std::string& path) {
  if (path.empty()) return;
  const std::string upper = UpperAnsi(path);
  std::erase_if(entries_, [&](const std::string& e) { return UpperAnsi(e) == upper; });
  entries_.insert(entries_.begin(), path);
  if (Count() > maximum_) entries_.resize(static_cast<std::size_t>(maximum_));
}

void THistoryList::Load(const IniFile& ini, std::string_view section) {
  entries_.clear();
  for (int k = 0; k < maximum_; ++k) {
    std::string value = ini.ReadString(section, HistoryKey(k), "");
    if (!value.empty()) entries_.push_back(std::move(value));
  }
}

void THistoryList::Save(IniFile& ini, std::string_view section) const {
  for (int k = 0; k < Count(); ++k)
    ini.WriteString(section, HistoryKey(k), entries_[static_cast<std::size_t>(k)]);
  for (int k = Count(); k < kLargestMaximum; ++k) ini.DeleteKey(section, HistoryKey(k));
}

std::vector<std::string> THistoryList::MenuCaptions() const {
  std::vector<std::string> captions;
  for (int k = 0; k < Count(); ++k)
    captions.push_back("&" + std::to_string(k + 1) + " " + entries_[static_cast<std::size_t>(k)]);
  return captions;
}

std::optional<std::string> THistoryList::PathOfCaption(std::string_view caption) const {
  const std::size_t amp = caption.find('&');
  if (amp == std::string_view::npos) return std::nullopt;
  const std::size_t blank = caption.find(' ', amp + 1);
  if (blank == std::string_view::npos) return std::nullopt;
  const std::string_view digits = caption.substr(amp + 1, blank - amp - 1);
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number < 1 || number > Count()) return std::nullopt;
  return entries_[static_cast<std::size_t>(number - 1)];
}

}  // namespace gd
