#include "device/DeviceTables.h"

#include <charconv>
#include <cstdio>
#include <system_error>

#include "core/Real48.h"
#include "core/TextTools.h"

namespace gd {
namespace {

constexpr const char* kCannotLoad = ">>KANN LISTE NICHT LADEN<<";
constexpr const char* kLanguagesTitle = "*** SPRACHEN ***";
constexpr const char* kMaterialsTitle = "*** MATERIALIEN ***";
constexpr const char* kMediaTitle = "*** MEDIEN ***";
constexpr const char* kEditable = "EDITIERBAR";

// The record padded with zeros to at least `size` bytes.
Bytes Padded(ByteView record, std::size_t size) {
  Bytes out(record.begin(), record.end());
  if (out.size() < size) out.resize(size, 0);
  return out;
}

template <class Table>
void LoadFirst(TNoSortStringCollection& list, Table& table, const TableLoad& load) {
  if (table.loaded) return;
  try {
    if (load) load();
  } catch (...) {
    list.Add(Translate(kCannotLoad));
    throw;
  }
  if (!table.loaded) list.Add(Translate(kCannotLoad));
}

std::string EntryLine(const TFRD_MenuAndTab& table, std::size_t i) {
  std::string name = table.entryNames[i];
  if (name.size() < 16) name.append(16 - name.size(), ' ');
  return "-" + name + " " + table.EditMark(i);
}

std::string ValueLine(const char* label, long double value, int decimals, const char* unit) {
  return std::string(label) + FixedText(value, 8, decimals) + " " + unit;
}

}  // namespace

void TFRD_MenuAndTab::Clear() {
  name.clear();
  editable.reset();
  entryNames.Clear();
  records.Clear();
  loaded = false;
}

std::string TFRD_MenuAndTab::EditMark(std::size_t index) const {
  return index < editable.size() && editable.test(index) ? kEditable : "";
}

LanguageRecord LanguageRecord::From(ByteView record) {
  const Bytes r = Padded(record, 6);
  LanguageRecord out;
  out.code = DosToWindows(CountedField(r.data(), 4));
  out.name = DosToWindows(CountedField(r.data() + 5, r.size() - 6));
  return out;
}

MaterialRecord MaterialRecord::From(ByteView record) {
  const Bytes r = Padded(record, 8);
  return {LoadU16(&r[0]), LoadU16(&r[2]), LoadU16(&r[4]), LoadU16(&r[6])};
}

MediumRecord MediumRecord::From(ByteView record) {
  const Bytes r = Padded(record, 24);
  MediumRecord out;
  out.descriptor = LoadU16(&r[0]);
  out.minSoundSpeed = LoadU16(&r[2]);
  out.maxSoundSpeed = LoadU16(&r[4]);
  out.minViscosity = Real48ToLongDouble(&r[6]);
  out.maxViscosity = Real48ToLongDouble(&r[12]);
  out.density = Real48ToLongDouble(&r[18]);
  return out;
}

std::string FixedText(long double value, int width, int decimals) {
  char buffer[96];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                    std::chars_format::fixed, decimals);
  std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
  if (result.ec != std::errc()) text = "?";
  if (text.size() < static_cast<std::size_t>(width)) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  }
  return text;
}

void RenderLanguages(TNoSortStringCollection& list, TFRD_Tabelle& table, const TableLoad& load) {
  list.Add(Translate(kLanguagesTitle));
  LoadFirst(list, table, load);
  for (std::size_t i = 0; i < table.records.Count(); ++i) {
    const LanguageRecord language = LanguageRecord::From(table.records[i]);
    std::string line = (language.code + "= ").substr(0, 5) + language.name;
    if (line.size() > 15) line.resize(15);
    list.Add(std::move(line));
  }
  list.Add(" ");
}

void RenderMaterials(TNoSortStringCollection& list, TFRD_MenuAndTab& table, bool withValues,
                     const TableLoad& load) {
  list.Add(Translate(kMaterialsTitle));
  LoadFirst(list, table, load);
  for (std::size_t i = 0; i < table.EntryCount(); ++i) {
    list.Add(EntryLine(table, i));
    if (!withValues || i >= table.records.Count()) continue;
    const MaterialRecord m = MaterialRecord::From(table.records[i]);
    list.Add(Sprintf(" Descriptor      : %5.5d", static_cast<int>(m.descriptor)));
    list.Add(ValueLine(" c_trans_MIN     : ", m.minTransversalSpeed / 10.0L, 1, " m/s"));
    list.Add(ValueLine(" c_trans_MAX     : ", m.maxTransversalSpeed / 10.0L, 1, " m/s"));
    list.Add(ValueLine(" Rauhigkeit      : ", m.roughness / 10.0L, 1, " mm"));
  }
  list.Add(" ");
}

void RenderMedia(TNoSortStringCollection& list, TFRD_MenuAndTab& table, bool withValues,
                 const TableLoad& load) {
  list.Add(Translate(kMediaTitle));
  LoadFirst(list, table, load);
  for (std::size_t i = 0; i < table.EntryCount(); ++i) {
    list.Add(EntryLine(table, i));
    if (!withValues || i >= table.records.Count()) continue;
    const MediumRecord m = MediumRecord::From(table.records[i]);
    list.Add(Sprintf(" Descriptor      : %5.5d", static_cast<int>(m.descriptor)));
    list.Add(ValueLine(" Roh             : ", m.density, 2, " g/cm\xB3"));
    list.Add(ValueLine(" Viskositaet_MIN : ", m.minViscosity, 2, " mm\xB2/s"));
    list.Add(ValueLine(" Viskositaet_MAX : ", m.maxViscosity, 2, " mm\xB2/s"));
    list.Add(ValueLine(" c_medium_MIN    : ", m.minSoundSpeed / 10.0L, 1, " m/s"));
    list.Add(ValueLine(" c_medium_MAX    : ", m.maxSoundSpeed / 10.0L, 1, " m/s"));
  }
  list.Add(" ");
}

}  // namespace gd
