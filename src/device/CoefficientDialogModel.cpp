#include "device/CoefficientDialogModel.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "core/Errors.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "device/MessageText.h"

namespace gd {
namespace {

constexpr const char* kCaption = "Koeffizienten f\xFCr Waermestrommessung";
constexpr const char* kMediumLabel = "f\xFCr %s-Medium";
constexpr const char* kAvailable = "Nach dem Senden%Sverfuegbare Medien fuer%SWaermestrommessung";
constexpr const char* kSendButton = "Zum %s Senden";
constexpr const char* kSortOff = "Medien nicht sortieren";
constexpr const char* kSortOn = "Medien sortieren";
constexpr const char* kLimitQuestion =
    "%s kann nur %d %s von USER-Koeffizienten speichern%SDen Koeffizientensatz fuer '%s' "
    "trotzdem %s ?";
constexpr const char* kSet = "Satz";
constexpr const char* kSets = "Saetze";
constexpr const char* kInsert = "einfuegen";
constexpr const char* kReplace = "ersetzen";
constexpr const char* kSaving = "Daten werden gespeichert";
constexpr const char* kOnlySaved = "%s konnte nur USER-Koeffizientensaetze%Sfuer %d %s speichern";
constexpr const char* kMedium = "Medium";
constexpr const char* kMedia = "Medien";
constexpr const char* kNotACoefficient = "'%s' ist keine gueltige Zahl fuer %s";

// The highest slot a one-byte slot number can name.
constexpr int kLastSlot = 255;

struct Medium {
  std::string name;
  std::uint16_t descriptor;
};

std::vector<Medium> MediaOf(const TFRD_MenuAndTab& media) {
  std::vector<Medium> out;
  for (std::size_t i = 0; i < media.EntryCount(); ++i) {
    const std::uint16_t descriptor =
        i < media.records.Count() ? MediumRecord::From(media.records[i]).descriptor : 0;
    out.push_back({media.entryNames[i], descriptor});
  }
  return out;
}

std::vector<TWMMKoeffs> SetsOf(const TFRD_Tabelle& table, std::uint8_t flags) {
  std::vector<TWMMKoeffs> out;
  for (std::size_t i = 0; i < table.records.Count(); ++i) {
    TWMMKoeffs set = TWMMKoeffs::FromRecord(table.records[i]);
    set.flags = flags;
    out.push_back(std::move(set));
  }
  return out;
}

std::string ItemText(char prefix, const std::string& name) {
  return std::string(1, prefix) + "\t" + name;
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(LowerAscii(x)) < static_cast<unsigned char>(LowerAscii(y));
  });
}

}  // namespace

std::string CoefficientEditText(const Real48& value, char decimalSeparator) {
  const long double v = Real48ToLongDouble(value);
  char buffer[64];
  std::string text;
  for (int precision = 1; precision <= 21; ++precision) {
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, precision);
    if (r.ec != std::errc()) continue;
    text.assign(buffer, r.ptr);
    long double back = 0;
    if (ParseCoefficientValue(text, back) && LongDoubleToReal48(back) == value) break;
  }
  for (char& c : text) {
    if (c == '.') c = decimalSeparator;
  }
  return text;
}

bool ParseCoefficientText(const std::string& text, Real48& value) {
  long double v = 0;
  if (!ParseCoefficientValue(std::string(TrimBlanks(text)), v)) return false;
  value = LongDoubleToReal48(v);
  return true;
}

CoefficientDialogModel::CoefficientDialogModel(CoefficientMeter& meter, DeviceTables& tables,
                                               WaitWindow& wait, IMessages& messages,
                                               std::string deviceName)
    : meter_(meter),
      tables_(tables),
      wait_(wait),
      messages_(messages),
      deviceName_(std::move(deviceName)) {}

std::string CoefficientDialogModel::Caption() const { return Translate(kCaption); }
std::string CoefficientDialogModel::MediumLabel() const {
  return FillMessage(Translate(kMediumLabel), {deviceName_});
}
std::string CoefficientDialogModel::AvailableLabel() const {
  return FillMessage(Translate(kAvailable));
}
std::string CoefficientDialogModel::SendButtonText() const {
  return FillMessage(Translate(kSendButton), {deviceName_});
}
std::string CoefficientDialogModel::SortHint() const {
  return Translate(sortDown_ ? kSortOff : kSortOn);
}

CoefficientDialogModel::Texts CoefficientDialogModel::WindowTexts() {
  Texts t;
  t.libraryLabel = Translate("Koeffizienten-Bibliothek");
  t.descriptorLabel = "DESCRIPTOR";
  t.toEditsHint = Translate("Koeffizienten in EDIT-Area");
  t.toDownloadHint = Translate("Koeffizienten in Download-Liste");
  t.saveListItem = Translate("Liste &speichern");
  t.openListItem = Translate("Liste oe&ffnen");
  t.fontItem = Translate("FONT...");
  t.panelCaption = Translate("Waermestrom-Koeffizienten");
  t.saveDialogTitle = Translate("USER-W\xE4rmestromkoeffizienten");
  t.saveFilter = Translate("Koeffizienten-S\xE4tze (*.wmm)|*.wmm|Alle Dateien (*.*)|*.*");
  t.openFilter = Translate("Koeffizienten-S\xE4tze (*.wmm)|*.wmm");
  t.defaultExtension = "wmm";
  t.waitCaption = Translate("BITTE WARTEN");
  return t;
}

// --- Start ---------------------------------------------------------------------

void CoefficientDialogModel::Start() {
  meter_.ShowCommunicationWindow(true);
  limit_ = -1;
  ClearEditArea();
  busy_ = false;
  sendEnabled_ = true;
  library_.clear();
  download_.clear();
  combo_.clear();
  librarySelection_ = downloadSelection_ = comboSelection_ = -1;

  meter_.LoadMediaTable(tables_.media);
  meter_.LoadUserSets(tables_.userCoefficients);
  meter_.LoadFactorySets(tables_.factoryCoefficients);
  meter_.ShowCommunicationWindow(false);

  FillLibrary();
  FillCombo(0, false);

  const std::vector<TWMMKoeffs> factory = SetsOf(tables_.factoryCoefficients, TWMMKoeffs::kFactory);
  for (const Medium& medium : MediaOf(tables_.media)) {
    for (const TWMMKoeffs& set : factory) {
      if (set.descriptor == medium.descriptor)
        download_.push_back({ItemText('F', medium.name), set});
    }
  }

  const std::vector<CoefficientListItem> library = library_;
  for (const CoefficientListItem& item : library) {
    if (item.set.IsFactory()) continue;
    LoadSetIntoEdits(item.set);
    AddEditsToDownload(false);
  }
  ClearEditArea();
  RefreshLabelStyle();
}

void CoefficientDialogModel::FillLibrary() {
  library_.clear();
  const std::vector<TWMMKoeffs> factory = SetsOf(tables_.factoryCoefficients, TWMMKoeffs::kFactory);
  const std::vector<TWMMKoeffs> user = SetsOf(tables_.userCoefficients, TWMMKoeffs::kSelected);
  for (const Medium& medium : MediaOf(tables_.media)) {
    for (const TWMMKoeffs& set : factory) {
      if (set.descriptor == medium.descriptor)
        library_.push_back({ItemText('F', medium.name), set});
    }
    for (const TWMMKoeffs& set : user) {
      if (set.descriptor == medium.descriptor)
        library_.push_back({ItemText('U', medium.name), set});
    }
  }
  librarySelection_ = library_.empty() ? -1 : 0;
}

void CoefficientDialogModel::FillCombo(std::int32_t keepIndex, bool keep) {
  combo_.clear();
  const std::vector<Medium> media = MediaOf(tables_.media);
  for (std::size_t i = 0; i < media.size(); ++i) {
    combo_.push_back({media[i].name, {static_cast<std::int32_t>(i), media[i].descriptor}});
  }
  if (sortDown_) {
    std::stable_sort(combo_.begin(), combo_.end(),
                     [](const MediumComboItem& a, const MediumComboItem& b) {
                       return LessNoCase(a.text, b.text);
                     });
  }
  comboSelection_ = -1;
  if (!keep) return;
  for (std::size_t i = 0; i < combo_.size(); ++i) {
    if (combo_[i].medium.index == keepIndex) comboSelection_ = static_cast<int>(i);
  }
}

// --- Lists and edit area ---------------------------------------------------------

void CoefficientDialogModel::SelectLibrary(int index) {
  librarySelection_ = index >= 0 && index < static_cast<int>(library_.size()) ? index : -1;
}

void CoefficientDialogModel::SelectDownload(int index) {
  downloadSelection_ = index >= 0 && index < static_cast<int>(download_.size()) ? index : -1;
}

int CoefficientDialogModel::SelectedCount() const {
  return static_cast<int>(std::count_if(download_.begin(), download_.end(),
                                        [](const auto& item) { return item.set.IsSelected(); }));
}

int CoefficientDialogModel::ComboIndexOf(std::uint16_t descriptor) const {
  for (std::size_t i = 0; i < combo_.size(); ++i) {
    if (combo_[i].medium.descriptor == descriptor) return static_cast<int>(i);
  }
  return -1;
}

std::string CoefficientDialogModel::MediumNameOf(std::uint16_t descriptor) const {
  const int i = ComboIndexOf(descriptor);
  return i < 0 ? std::string() : combo_[static_cast<std::size_t>(i)].text;
}

void CoefficientDialogModel::SetDescriptorText(std::string text) {
  descriptorText_ = std::move(text);
  const std::string_view digits = TrimBlanks(descriptorText_);
  int value = -1;
  const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || r.ec != std::errc() || r.ptr != digits.data() + digits.size() ||
      value < 0 || value > 65535) {
    value = -1;
  }
  comboSelection_ = value < 0 ? -1 : ComboIndexOf(static_cast<std::uint16_t>(value));
}

void CoefficientDialogModel::SetCoefficientText(std::size_t k, std::string text) {
  coefficientTexts_.at(k) = std::move(text);
}

void CoefficientDialogModel::ClearEditArea() {
  descriptorText_.clear();
  for (std::string& t : coefficientTexts_) t.clear();
  comboSelection_ = -1;
}

void CoefficientDialogModel::SelectCombo(int index) {
  if (index < 0 || index >= static_cast<int>(combo_.size())) {
    comboSelection_ = -1;
    return;
  }
  comboSelection_ = index;
  descriptorText_ = std::to_string(combo_[static_cast<std::size_t>(index)].medium.descriptor);
}

void CoefficientDialogModel::ToggleSort() {
  sortDown_ = !sortDown_;
  if (combo_.empty()) return;
  const std::int32_t keepIndex =
      comboSelection_ >= 0 ? combo_[static_cast<std::size_t>(comboSelection_)].medium.index
                           : combo_.front().medium.index;
  FillCombo(keepIndex, true);
  SelectCombo(comboSelection_);
}

void CoefficientDialogModel::LoadSetIntoEdits(const TWMMKoeffs& set) {
  SetDescriptorText(std::to_string(set.descriptor));
  for (std::size_t k = 0; k < TWMMKoeffs::kCoefficientCount; ++k) {
    coefficientTexts_[k] = CoefficientEditText(set.coefficients[k]);
  }
}

void CoefficientDialogModel::LibraryToEdits() {
  if (librarySelection_ < 0) return;
  LoadSetIntoEdits(library_[static_cast<std::size_t>(librarySelection_)].set);
}

void CoefficientDialogModel::DownloadToEdits() {
  if (downloadSelection_ < 0) return;
  LoadSetIntoEdits(download_[static_cast<std::size_t>(downloadSelection_)].set);
}

void CoefficientDialogModel::AddEditsToDownload(bool ask) {
  if (comboSelection_ < 0) {
    RefreshLabelStyle();
    return;
  }
  const MediumComboItem& medium = combo_[static_cast<std::size_t>(comboSelection_)];
  const std::uint16_t descriptor = medium.medium.descriptor;
  std::array<Real48, TWMMKoeffs::kCoefficientCount> values{};
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (!ParseCoefficientText(coefficientTexts_[k], values[k])) {
      throw EGaugData(
          FillMessage(Translate(kNotACoefficient), {coefficientTexts_[k], kCoefficientNames[k]}));
    }
  }

  const int selected = SelectedCount();
  const bool hasDescriptor =
      std::any_of(download_.begin(), download_.end(), [&](const CoefficientListItem& item) {
        return item.set.IsSelected() && item.set.descriptor == descriptor;
      });
  if (ask && limit_ >= 0 && selected >= limit_ && (!hasDescriptor || limit_ < selected)) {
    const std::string question = FillMessage(
        Translate(kLimitQuestion), {deviceName_, limit_, Translate(limit_ == 1 ? kSet : kSets),
                                    medium.text, Translate(hasDescriptor ? kReplace : kInsert)});
    if (messages_.Ask(MessageKind::Confirmation, question) != Answer::Yes) return;
  }

  bool overridden = false;
  const auto first = std::find_if(
      download_.begin(), download_.end(),
      [&](const CoefficientListItem& item) { return item.set.descriptor == descriptor; });
  if (first != download_.end()) {
    if (first->set.IsFactory()) {
      first->text[0] = '*';
      first->set.descriptor = descriptor;
      first->set.coefficients = values;
      first->set.flags |= TWMMKoeffs::kSelected;
      overridden = true;
    } else {
      download_.erase(first);
    }
  }
  if (!overridden) {
    CoefficientListItem item{ItemText('U', medium.text), {}};
    item.set.descriptor = descriptor;
    item.set.coefficients = values;
    item.set.flags = TWMMKoeffs::kSelected;
    download_.push_back(std::move(item));
  }
  downloadSelection_ = -1;
  for (std::size_t i = 0; i < download_.size(); ++i) {
    if (download_[i].set.descriptor == descriptor) downloadSelection_ = static_cast<int>(i);
  }
  RefreshLabelStyle();
}

void CoefficientDialogModel::RemoveDownloadItem() {
  if (downloadSelection_ < 0) return;
  const auto at = static_cast<std::size_t>(downloadSelection_);
  CoefficientListItem& item = download_[at];
  if (item.set.IsFactory()) {
    const auto original = std::find_if(
        library_.begin(), library_.end(),
        [&](const CoefficientListItem& l) { return l.set.descriptor == item.set.descriptor; });
    if (original != library_.end()) item.set = original->set;
    item.set.flags &= static_cast<std::uint8_t>(~TWMMKoeffs::kSelected);
    item.text[0] = 'F';
  } else {
    download_.erase(download_.begin() + static_cast<std::ptrdiff_t>(at));
    downloadSelection_ = std::min(downloadSelection_, static_cast<int>(download_.size()) - 1);
  }
  RefreshLabelStyle();
}

void CoefficientDialogModel::RefreshLabelStyle() {
  if (limit_ < 0) {
    labelStyle_ = {false, false};
  } else if (SelectedCount() > limit_) {
    labelStyle_ = {true, true};
  } else {
    labelStyle_ = {true, false};
  }
}

// --- Files -------------------------------------------------------------------------

void CoefficientDialogModel::SaveList(IFileStore& files, const std::string& path,
                                      const CoefficientFileStyle& style) const {
  std::vector<NamedCoefficientSet> sets;
  for (const CoefficientListItem& item : download_) {
    if (item.set.IsSelected()) sets.push_back({MediumNameOf(item.set.descriptor), item.set});
  }
  WriteCoefficientFile(files, path, sets, style);
}

std::size_t CoefficientDialogModel::LoadList(IFileStore& files, const std::string& path) {
  const std::vector<NamedCoefficientSet> sets = ReadCoefficientFile(files, path, messages_);
  if (sets.empty()) return 0;
  // Check every set before the list changes, so a bad one loses nothing.
  for (const NamedCoefficientSet& entry : sets) {
    for (const Real48& c : entry.set.coefficients) {
      Real48 back{};
      if (!ParseCoefficientText(CoefficientEditText(c), back) || back != c) {
        throw EGaugData(
            FillMessage(Translate(kNotACoefficient), {CoefficientEditText(c), entry.name}));
      }
    }
  }
  for (int i = static_cast<int>(download_.size()) - 1; i >= 0; --i) {
    SelectDownload(i);
    RemoveDownloadItem();
  }
  for (const NamedCoefficientSet& entry : sets) {
    LoadSetIntoEdits(entry.set);
    AddEditsToDownload(false);
  }
  return sets.size();
}

// --- Sending -----------------------------------------------------------------------

std::vector<TWMMKoeffs> CoefficientDialogModel::SendAllSets() {
  std::vector<TWMMKoeffs> sent;
  std::uint8_t status = 0;
  for (const CoefficientListItem& item : download_) {
    if (!item.set.IsSelected()) continue;
    if (static_cast<int>(sent.size()) >= kLastSlot) {
      status = 0xFF;  // no slot number left: as if the meter had no more slots
      break;
    }
    status = meter_.SendUserSet(static_cast<std::uint8_t>(sent.size() + 1), item.set.ToRecord());
    if (status != 0) break;
    sent.push_back(item.set);
  }
  limit_ = static_cast<int>(sent.size());
  RefreshLabelStyle();
  if (status != 0) return sent;

  const Bytes zeros(TWMMKoeffs::kRecordSize, 0);
  for (int slot = limit_ + 1; slot <= kLastSlot; ++slot) {
    if (meter_.SendUserSet(static_cast<std::uint8_t>(slot), zeros) != 0) break;
    ++limit_;
    RefreshLabelStyle();
  }
  return sent;
}

void CoefficientDialogModel::Send() {
  if (busy_) return;
  busy_ = true;
  sendEnabled_ = false;
  struct Restore {
    CoefficientDialogModel& m;
    ~Restore() {
      m.sendEnabled_ = true;
      m.busy_ = false;
    }
  } restore{*this};

  const int wanted = SelectedCount();
  std::vector<TWMMKoeffs> sent = SendAllSets();
  meter_.StoreUserSets();
  wait_.WaitFor(Translate(kSaving), kWaitMilliseconds);
  meter_.RecallUserSets();

  TFRD_Tabelle readBack;
  meter_.LoadUserSets(readBack);
  bool differs = false;
  for (std::size_t k = 0; k < sent.size() && !differs; ++k) {
    if (k >= readBack.records.Count()) {
      differs = true;
      break;
    }
    const ByteView record = readBack.records[k];
    const Bytes expected = sent[k].ToRecord();
    differs = record.size() < expected.size() ||
              !std::equal(expected.begin(), expected.end(), record.begin());
  }
  if (differs) sent = SendAllSets();

  meter_.LoadUserSets(tables_.userCoefficients);
  meter_.LoadFactorySets(tables_.factoryCoefficients);
  FillLibrary();

  const int stored = static_cast<int>(sent.size());
  if (stored < wanted) {
    messages_.Show(MessageKind::Information,
                   FillMessage(Translate(kOnlySaved),
                               {deviceName_, stored, Translate(stored == 1 ? kMedium : kMedia)}));
  }
}

}  // namespace gd
