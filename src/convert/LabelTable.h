// The built-in multilingual label table of the text output.
//
// It holds the fixed marker labels of the series header, the unit texts of
// the parameter-set grid, the nine label languages, the unit names of the
// totalizer columns and the labelled text entries of the parameter-set text.
// The table is constant; an object only remembers which language is selected.
//
// The entry texts are kept as the meter's firmware keeps them: the German
// letters a/o/u-umlaut, A/U-umlaut and sharp s in their DOS codes, every other
// character in Windows-1252. LabelText converts them, so callers always get
// Windows-1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gd {

// One label language: its 3-character code, its name and its country number.
struct LabelLanguage {
  std::string_view code;
  std::string_view name;
  int country;
};

class TLabelTable {
 public:
  // Fixed labels of the series header, in table order.
  enum FixedLabel : int {
    kLabelData = 0,   // "\DATA"
    kLabelDevice,     // "DEVICE"
    kLabelMode,       // "MODE"
    kLabelStored,     // "STORED"
    kLabelStatistic,  // "STATISTIC"
    kLabelName,       // "NAME"
    kLabelChan,       // "CHAN"
    kLabelStart,      // "START"
  };
  static constexpr int kFixedLabelCount = 8;
  static constexpr int kUnitTextCount = 19;
  static constexpr int kLanguageCount = 9;
  static constexpr int kVolumeUnitCount = 8;
  static constexpr int kMassUnitCount = 4;
  static constexpr int kHeatUnitCount = 3;
  // Text entries are numbered kFirstEntry..kLastEntry.
  static constexpr int kFirstEntry = -5;
  static constexpr int kLastEntry = 197;

  // Unit texts of the parameter-set grid used by name.
  enum UnitText : int {
    kUnitBlank = 0,
    kUnitMm = 1,
    kUnitMPerS = 2,
    kUnitMm2PerS = 3,
    kUnitGPerCm3 = 4,
    kUnitCelsius = 5,
    kUnitMs = 6,
    kUnitS = 7,
    kUnitH = 8,
    kUnitNum = 9,
    kUnitAdr = 10,
    kUnitDat = 11,
    kUnitMA = 12,
    kUnitUm = 13,
    kUnitMmPerS = 14,
    kUnitMHz = 15,
    kUnitF = 16,
    kUnitCmPerS = 17,
    kUnitBar = 18,
  };

  // The empty text for an index outside the table (also below).
  static std::string_view Fixed(int index);
  static std::string_view Unit(int index);
  static std::string_view VelocityUnit(int index);   // 0 "m/s", 1 "in/s"
  static std::string_view VolumeUnit(int flowUnit);  // by flow unit number 0..7
  static std::string_view MassUnit(int index);       // 0..3
  // Heat units 0..2 of the Wh group ("Wh", "kWh", "MWh") or the J group.
  static std::string_view HeatUnit(bool whGroup, int index);

  // Language index 0..8; a number outside yields the first language.
  static const LabelLanguage& Language(int index);
  // The index of the language with this code (compared on its first three
  // characters), or -1 when none has it.
  static int FindLanguage(std::string_view code);

  // Selects by code: only the first three characters count; an empty code
  // keeps the current language; a code of none of the nine languages selects
  // the first one (German, "049"). Returns whether the code was found.
  bool SetLanguage(std::string_view code);
  // Selects by index; an index outside 0..8 selects the first language.
  void SelectLanguage(int index);
  int LanguageIndex() const { return language_; }
  std::string_view LanguageCode() const { return Language(language_).code; }

  // Entry n in the selected language, converted to Windows-1252; the empty
  // text for an entry this program has no text for.
  std::string LabelText(int entry) const;
  // Entry n in a given language (index 0..8), as LabelText.
  static std::string LabelTextIn(int languageIndex, int entry);

 private:
  int language_ = 0;
};

}  // namespace gd
