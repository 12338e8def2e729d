// Device tables: the renderings' exact lines, loading on demand and the
// failure line, and records too short for their layout.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/Real48.h"
#include "device/DeviceTableDialogModel.h"
#include "device/DeviceTables.h"

namespace gd {
namespace {

Bytes Counted(const std::string& text, std::size_t capacity) {
  Bytes out(capacity + 1, 0);
  StoreCountedField(out.data(), capacity, text);
  return out;
}

Bytes LanguageRecordBytes(const std::string& code, const std::string& name) {
  Bytes r = Counted(code, 4);
  const Bytes n = Counted(name, 20);
  r.insert(r.end(), n.begin(), n.end());
  return r;
}

std::vector<std::string> Lines(const TNoSortStringCollection& list) { return list.Items(); }

TEST(DeviceTableRendering, Languages) {
  TFRD_Tabelle table;
  table.records = TTabCollection(26);
  table.records.Add(LanguageRecordBytes("DE", "Deutsch"));
  table.records.Add(LanguageRecordBytes("ENGL", "English language pack"));
  table.records.Add(LanguageRecordBytes("D",
                                        "Fran\x87"
                                        "ais \x81"));  // DOS u-umlaut
  table.loaded = true;
  TNoSortStringCollection list;
  RenderLanguages(list, table, nullptr);
  EXPECT_EQ(Lines(list),
            (std::vector<std::string>{"*** SPRACHEN ***", "DE= Deutsch", "ENGL=English la",
                                      "D= Fran\x87"
                                      "ais \xFC",
                                      " "}));
}

TFRD_MenuAndTab Materials() {
  TFRD_MenuAndTab t;
  t.records = TTabCollection(8);
  t.entryNames.Add("Stahl");
  t.entryNames.Add(".");
  t.records.Add(Bytes{0x05, 0x00, 0x39, 0x30, 0x3A, 0x30, 0x0F, 0x00});
  t.records.Add(Bytes(8, 0));
  t.editable.set(1);
  t.loaded = true;
  return t;
}

TEST(DeviceTableRendering, MaterialsWithAndWithoutValues) {
  TFRD_MenuAndTab table = Materials();
  TNoSortStringCollection plain;
  RenderMaterials(plain, table, false, nullptr);
  EXPECT_EQ(Lines(plain), (std::vector<std::string>{"*** MATERIALIEN ***", "-Stahl            ",
                                                    "-.                EDITIERBAR", " "}));
  TNoSortStringCollection values;
  RenderMaterials(values, table, true, nullptr);
  ASSERT_EQ(values.Count(), 12u);
  EXPECT_EQ(values[2], " Descriptor      : 00005");
  EXPECT_EQ(values[3], " c_trans_MIN     :   1234.5  m/s");
  EXPECT_EQ(values[4], " c_trans_MAX     :   1234.6  m/s");
  EXPECT_EQ(values[5], " Rauhigkeit      :      1.5  mm");
  EXPECT_EQ(values[6], "-.                EDITIERBAR");
  EXPECT_EQ(values[7], " Descriptor      : 00000");
}

TEST(DeviceTableRendering, MediaWithValues) {
  TFRD_MenuAndTab table;
  table.records = TTabCollection(24);
  Bytes r(24, 0);
  StoreU16(&r[0], 10001);
  StoreU16(&r[2], 14000);
  StoreU16(&r[4], 15555);
  StoreReal48(&r[6], 0.5L);
  StoreReal48(&r[12], 1.25L);
  StoreReal48(&r[18], 0.998L);
  table.records.Add(r);
  table.entryNames.Add("Wasser");
  table.loaded = true;
  TNoSortStringCollection list;
  RenderMedia(list, table, true, nullptr);
  EXPECT_EQ(Lines(list),
            (std::vector<std::string>{
                "*** MEDIEN ***", "-Wasser           ", " Descriptor      : 10001",
                " Roh             :     1.00  g/cm\xB3", " Viskositaet_MIN :     0.50  mm\xB2/s",
                " Viskositaet_MAX :     1.25  mm\xB2/s", " c_medium_MIN    :   1400.0  m/s",
                " c_medium_MAX    :   1555.5  m/s", " "}));
}

TEST(DeviceTableRendering, LoadsFirstAndReportsAFailedLoad) {
  TFRD_MenuAndTab table;
  int loads = 0;
  TNoSortStringCollection list;
  RenderMaterials(list, table, false, [&] {
    ++loads;
    table = Materials();
  });
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(list.Count(), 4u);
  RenderMaterials(list, table, false, [&] { ++loads; });
  EXPECT_EQ(loads, 1);  // a loaded table is not loaded again

  TFRD_Tabelle languages;
  TNoSortStringCollection failed;
  EXPECT_THROW(
      RenderLanguages(failed, languages, [] { throw std::runtime_error("RECEIVE TIMEOUT"); }),
      std::runtime_error);
  EXPECT_EQ(Lines(failed),
            (std::vector<std::string>{"*** SPRACHEN ***", ">>KANN LISTE NICHT LADEN<<"}));
}

TEST(DeviceTableRendering, ShortRecordsShowZerosInsteadOfReadingPastThem) {
  TFRD_MenuAndTab table;
  table.records = TTabCollection(3);
  table.records.Add(Bytes{0x10, 0x27, 0x55});
  table.entryNames.Add("Kurz");
  table.loaded = true;
  TNoSortStringCollection list;
  RenderMedia(list, table, true, nullptr);
  EXPECT_EQ(list[2], " Descriptor      : 10000");
  EXPECT_EQ(list[3], " Roh             :     0.00  g/cm\xB3");

  TFRD_Tabelle languages;
  languages.records = TTabCollection(2);
  languages.records.Add(Bytes{9, 'D'});  // a length byte larger than the record
  languages.loaded = true;
  TNoSortStringCollection names;
  RenderLanguages(names, languages, nullptr);
  EXPECT_EQ(names[1], std::string("D\0\0\0=", 5));
}

TEST(DeviceTables, MenuAndTabClearAndEditMarks) {
  TFRD_MenuAndTab table = Materials();
  table.name = "MATERIAL";
  EXPECT_EQ(table.EditMark(0), "");
  EXPECT_EQ(table.EditMark(1), "EDITIERBAR");
  EXPECT_EQ(table.EditMark(999), "");
  table.Clear();
  EXPECT_EQ(table.EntryCount(), 0u);
  EXPECT_EQ(table.records.Count(), 0u);
  EXPECT_TRUE(table.name.empty());
  EXPECT_FALSE(table.loaded);
  EXPECT_TRUE(table.editable.none());
}

TEST(DeviceTableDialogModel, OpenAlwaysReloadsAndTheCheckBoxOnlyRenders) {
  DeviceTables tables;
  int loads = 0;
  bool fail = false;
  DeviceTableDialogModel dialog(
      DeviceTableMode::kMaterials, tables,
      [&](DeviceTableMode mode, DeviceTables& t) {
        EXPECT_EQ(mode, DeviceTableMode::kMaterials);
        ++loads;
        if (fail) throw std::runtime_error("RECEIVE TIMEOUT");
        t.materials = Materials();
      },
      [] { return std::string("SN4711"); });
  EXPECT_TRUE(dialog.CheckBoxVisible());
  EXPECT_EQ(DeviceTableDialogModel::CheckBoxText(), "Tabellenwerte zeigen");
  dialog.Open();
  dialog.Open();
  EXPECT_EQ(loads, 2);  // loaded again on every opening
  EXPECT_EQ(dialog.Caption(), "SN4711");
  EXPECT_EQ(dialog.Lines().size(), 4u);
  dialog.SetShowValues(true);
  EXPECT_EQ(loads, 2);
  EXPECT_EQ(dialog.Lines().size(), 12u);
  dialog.SetShowValues(false);
  EXPECT_EQ(dialog.Lines().size(), 4u);

  fail = true;
  EXPECT_THROW(dialog.Open(), std::runtime_error);
  EXPECT_EQ(dialog.Caption(), "");
  EXPECT_FALSE(tables.materials.loaded);  // the old table is gone
  EXPECT_EQ(dialog.Lines(),
            (std::vector<std::string>{"*** MATERIALIEN ***", ">>KANN LISTE NICHT LADEN<<"}));

  DeviceTableDialogModel languages(DeviceTableMode::kLanguages, tables, nullptr, nullptr);
  EXPECT_FALSE(languages.CheckBoxVisible());
}

}  // namespace
}  // namespace gd
