// The coefficient dialog (TDLG_WMMKOEFFS) without its window: the library of
// sets in the meter, the download list of sets the meter shall hold after
// sending, the edit area, the medium combo, the limit of user sets and the
// whole send sequence with its verify-and-resend step.
//
// The window only displays what this model holds and forwards the user's
// actions. The meter is reached through CoefficientMeter (the link in the
// program, a fake in tests), the modal wait through WaitWindow, questions and
// messages through IMessages.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Bytes.h"
#include "device/Coefficients.h"
#include "device/DeviceTables.h"

namespace gd {

class IFileStore;
class IMessages;

// What the coefficient dialog needs of a connected meter. Every operation
// throws on link or firmware errors.
class CoefficientMeter {
 public:
  virtual ~CoefficientMeter() = default;
  virtual void LoadMediaTable(TFRD_MenuAndTab& table) = 0;  // named table kind 2
  virtual void LoadUserSets(TFRD_Tabelle& table) = 0;       // table kind 27
  virtual void LoadFactorySets(TFRD_Tabelle& table) = 0;    // table kind 26
  // Sends one user set (62-byte record) to `slot` (1-based); 0 when the meter
  // took it, non-zero when it has no such slot.
  virtual std::uint8_t SendUserSet(std::uint8_t slot, ByteView record) = 0;
  virtual void StoreUserSets() = 0;
  virtual void RecallUserSets() = 0;
  // Shows or hides the communication window while the tables load.
  virtual void ShowCommunicationWindow(bool /*visible*/) {}
};

// The modal wait window (TWaitWindow): shows `text` with a gauge for about
// `milliseconds`; true when it ran to its end, false when it was closed early.
class WaitWindow {
 public:
  virtual ~WaitWindow() = default;
  virtual bool WaitFor(const std::string& text, int milliseconds) = 0;
};

// Position and code of a medium, owned by a combo item.
struct TIdxAndDescObj {
  std::int32_t index = 0;        // position in the meter's media table
  std::uint16_t descriptor = 0;  // medium code
};

struct CoefficientListItem {
  std::string text;  // "F", "*" or "U", a tab, the medium's name
  TWMMKoeffs set;
};

struct MediumComboItem {
  std::string text;  // the medium's name
  TIdxAndDescObj medium;
};

struct LabelStyle {
  bool bold = false;
  bool italic = false;
  friend bool operator==(const LabelStyle&, const LabelStyle&) = default;
};

class CoefficientDialogModel {
 public:
  static constexpr int kWaitMilliseconds = 1500;

  CoefficientDialogModel(CoefficientMeter& meter, DeviceTables& tables, WaitWindow& wait,
                         IMessages& messages, std::string deviceName = "GAUGEUNIT");

  // --- Texts the window shows (translated) ---------------------------------
  std::string Caption() const;
  std::string MediumLabel() const;     // "für %s-Medium"
  std::string AvailableLabel() const;  // LAB_NachDemSendenVerfuegbar
  std::string SendButtonText() const;  // "Zum %s Senden"
  std::string SortHint() const;        // hint of SB_SortSdxMedienCombo
  // The fixed texts of the window, translated.
  struct Texts {
    std::string libraryLabel;     // above LBX_SONDMedienWithWMM
    std::string descriptorLabel;  // beside ED_DESC
    std::string toEditsHint;      // BT_SdxWmmMedien2Edits
    std::string toDownloadHint;   // BT_AktEdits2DownLoadList
    std::string saveListItem;     // pop-up of the download list
    std::string openListItem;
    std::string fontItem;      // pop-up of Panel2
    std::string panelCaption;  // Panel2
    std::string saveDialogTitle;
    std::string saveFilter;  // "name|pattern|..." pairs
    std::string openFilter;
    std::string defaultExtension;
    std::string waitCaption;  // TWaitWindow
  };
  static Texts WindowTexts();

  // --- Start -----------------------------------------------------------------
  // Loads media, user and factory sets from the meter and fills the lists.
  void Start();

  // --- Lists -----------------------------------------------------------------
  const std::vector<CoefficientListItem>& Library() const { return library_; }
  const std::vector<CoefficientListItem>& DownloadList() const { return download_; }
  int LibrarySelection() const { return librarySelection_; }
  int DownloadSelection() const { return downloadSelection_; }
  void SelectLibrary(int index);
  void SelectDownload(int index);
  // Sets in the download list marked for sending.
  int SelectedCount() const;

  // --- Edit area -------------------------------------------------------------
  const std::string& DescriptorText() const { return descriptorText_; }
  const std::string& CoefficientText(std::size_t k) const { return coefficientTexts_.at(k); }
  // Typing in ED_DESC: selects the combo item with that descriptor, or none.
  void SetDescriptorText(std::string text);
  void SetCoefficientText(std::size_t k, std::string text);
  void ClearEditArea();

  const std::vector<MediumComboItem>& Combo() const { return combo_; }
  int ComboSelection() const { return comboSelection_; }
  // Choosing a medium sets ED_DESC to its descriptor (-1: no selection).
  void SelectCombo(int index);
  bool SortDown() const { return sortDown_; }
  // SB_SortSdxMedienCombo: sorts or unsorts the combo, keeping the selected
  // medium (the first item when none was selected). The window then focuses
  // the combo and drops it down.
  void ToggleSort();

  // ">" beside the library, or a double click on it.
  void LibraryToEdits();
  // "<" beside the download list, or a double click on it.
  void DownloadToEdits();
  // ">" beside the edit area (asks when the meter's limit is reached). Throws
  // EGaugData, changing nothing, when a coefficient is not a number.
  void AddEditsToDownload(bool ask = true);
  // The Del key in the download list.
  void RemoveDownloadItem();

  // --- Files -----------------------------------------------------------------
  // "Liste &speichern": the sets marked for sending, each named after its medium.
  void SaveList(IFileStore& files, const std::string& path,
                const CoefficientFileStyle& style = {}) const;
  // "Liste oe&ffnen": replaces the download list by the file's sets (when it
  // has any). Returns the number of sets read.
  std::size_t LoadList(IFileStore& files, const std::string& path);

  // --- Sending ---------------------------------------------------------------
  void Send();
  bool Busy() const { return busy_; }
  bool SendEnabled() const { return sendEnabled_; }
  int Limit() const { return limit_; }
  LabelStyle AvailableLabelStyle() const { return labelStyle_; }

 private:
  void FillLibrary();
  void FillCombo(std::int32_t keepIndex, bool keep);
  void LoadSetIntoEdits(const TWMMKoeffs& set);
  void RefreshLabelStyle();
  // Sends the marked sets to slots 1, 2, ... and clears the meter's other
  // slots. Returns the sets the meter took, in slot order.
  std::vector<TWMMKoeffs> SendAllSets();
  std::string MediumNameOf(std::uint16_t descriptor) const;
  int ComboIndexOf(std::uint16_t descriptor) const;

  CoefficientMeter& meter_;
  DeviceTables& tables_;
  WaitWindow& wait_;
  IMessages& messages_;
  std::string deviceName_;

  std::vector<CoefficientListItem> library_;
  std::vector<CoefficientListItem> download_;
  int librarySelection_ = -1;
  int downloadSelection_ = -1;

  std::string descriptorText_;
  std::array<std::string, TWMMKoeffs::kCoefficientCount> coefficientTexts_;
  std::vector<MediumComboItem> combo_;
  int comboSelection_ = -1;
  bool sortDown_ = false;

  int limit_ = -1;
  bool busy_ = false;
  bool sendEnabled_ = true;
  LabelStyle labelStyle_;
};

// The shortest text of a coefficient that reads back as the same 6-byte
// value, with `decimalSeparator` (what the edit shows).
std::string CoefficientEditText(const Real48& value, char decimalSeparator = '.');
// Reads a coefficient typed into an edit ("," or "." as decimal separator);
// false when it is no number or lies beyond the meter's range.
bool ParseCoefficientText(const std::string& text, Real48& value);

}  // namespace gd
