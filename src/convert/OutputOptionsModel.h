// Model of the text-output options dialog `TTextOutOptioDlg`.
//
// It holds the state of every control of the dialog (checked, enabled,
// visible, values, the language list), loads it from the text output options,
// stores it back and keeps the coupling between controls. The Qt dialog binds
// its widgets to this state and forwards user actions to the Choose/Set
// methods; it computes nothing itself.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "convert/TextStyle.h"

namespace gd {

class OutputOptionsModel {
 public:
  // GRP_DezimalTrenner: RB_KommaWindows, RB_Punkt, RB_Komma.
  enum class DecimalChoice { Windows, Point, Comma };
  // GRP_SpaltenTrenner: RB_ColSepaSemikolon, RB_ColSepaTabulator,
  // RB_ColSepaLeerzeichen, RB_ColSepaAnderer.
  enum class SeparatorChoice { Semicolon, Tab, Space, Other };
  // GRP_Mengenzaehlung: RB_MengeUnterdruecken, RB_MengeNurGespeichert, RB_MengeAlwayS.
  enum class QuantityChoice { Suppress, OnlyStored, Always };
  // GRP_Temperatur: RB_TempIfStored, RB_TempAllIfStored.
  enum class TemperatureChoice { IfStored, AllIfStored };
  // The check boxes that map one to one onto a style bit.
  enum class Check {
    ParaShowAllData,   // CB_ParaShowAllData
    ParaDelimited,     // CB_ParaDelimited
    PSnebenPS,         // CB_PSnebenPS
    MakeHeadlines,     // CB_MakeHeadlines
    Date,              // CB_Date
    Time,              // CB_Time
    ShowVeloc,         // CB_ShowVeloc
    TrimStrings,       // CB_TrimStrings
    WrComments,        // CB_WrComments
    DOSSonderzeichen,  // CB_DOSSonderzeichen
  };
  static constexpr int kCheckCount = 10;
  static std::uint32_t CheckBit(Check check);

  OutputOptionsModel();

  // Sets every control from the options. With a language list the combo takes
  // its lines (sorted), and selects the first line whose first three
  // characters equal the language code, else line 0. Without a list the combo
  // keeps its lines.
  void Load(const TextOutputOptions& options, const std::vector<std::string>* languageList);
  // Reads every control back. Style bits that no control owns (11, 22..31)
  // come from the loaded options (the defaults after SetDefault). The result
  // always has bits 4 and 16 and exactly one of bits 17 and 18. While the
  // system separator is chosen, the decimal-comma bit keeps its loaded value;
  // the separate-quantity bit is the user's own choice even while the box
  // is forced (the conversion reads it only for "only stored" quantities).
  TextOutputOptions Store() const;
  // SetDefaultBtn: ColLength 9, separator "@", the default style bits loaded
  // into the controls, language line 0.
  void SetDefault();

  // Spin_cEdiSize (7..16; values outside are brought into range).
  int ColLength() const { return colLength_; }
  void SetColLength(int value) { colLength_ = ClampColLength(value); }
  static constexpr int ColLengthMin() { return kMinColLength; }
  static constexpr int ColLengthMax() { return kMaxColLength; }

  // ED_OtherSepa: holds at most one character; visible only with
  // RB_ColSepaAnderer.
  const std::string& OtherSepaText() const { return otherSepa_; }
  void SetOtherSepaText(const std::string& text) { otherSepa_ = text.substr(0, 1); }
  bool OtherSepaVisible() const { return separator_ == SeparatorChoice::Other; }
  // True once after choosing RB_ColSepaAnderer: the view moves the focus to
  // ED_OtherSepa and calls this to clear the request.
  bool TakeOtherSepaFocusRequest();

  DecimalChoice Decimal() const { return decimal_; }
  void ChooseDecimal(DecimalChoice choice) { decimal_ = choice; }

  SeparatorChoice Separator() const { return separator_; }
  void ChooseSeparator(SeparatorChoice choice);

  QuantityChoice Quantity() const { return quantity_; }
  void ChooseQuantity(QuantityChoice choice);

  // CB_SeprateQuantCols: unchecked and disabled while quantities are
  // suppressed, checked and disabled while they are always written, the
  // user's own state while only stored quantities are written.
  bool SeprateQuantColsChecked() const;
  bool SeprateQuantColsEnabled() const { return quantity_ == QuantityChoice::OnlyStored; }
  // A click on the box; ignored while it is disabled.
  void ClickSeprateQuantCols(bool checked);

  TemperatureChoice Temperature() const { return temperature_; }
  void ChooseTemperature(TemperatureChoice choice) { temperature_ = choice; }

  bool Checked(Check check) const { return checks_[static_cast<int>(check)]; }
  void SetChecked(Check check, bool checked) { checks_[static_cast<int>(check)] = checked; }

  // CB_Sprache.
  const std::vector<std::string>& LanguageLines() const { return languages_; }
  int LanguageIndex() const { return languageIndex_; }
  void SelectLanguage(int index);

 private:
  void LoadControls(const TextOutputOptions& options);

  TextOutputOptions loaded_;
  int colLength_ = kDefaultColLength;
  std::string otherSepa_;
  bool otherSepaFocusRequest_ = false;
  DecimalChoice decimal_ = DecimalChoice::Point;
  SeparatorChoice separator_ = SeparatorChoice::Semicolon;
  QuantityChoice quantity_ = QuantityChoice::OnlyStored;
  bool seprateQuantColsUser_ = false;  // the state the user last gave the box
  TemperatureChoice temperature_ = TemperatureChoice::IfStored;
  std::array<bool, kCheckCount> checks_{};
  std::vector<std::string> languages_;
  int languageIndex_ = -1;
};

}  // namespace gd
