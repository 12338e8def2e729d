#include "app/MainWindowModel.h"

#include <algorithm>
#include <cctype>

#include "convert/LabelTable.h"
#include "core/FileStore.h"
#include "core/FormatText.h"
#include "core/PathText.h"
#include "core/TextTools.h"

namespace gd {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The extension from the last '.' of the last path component, in lower case;
// "" when there is none.
std::string LowerExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return Lower(path.substr(dot));
}

bool HasStreamToSave(const MainWindowState& state) {
  return state.converterExists && (state.seriesCount > 0 || state.saveEmpty);
}

}  // namespace

std::string DisplayName(bool received, const std::string& currentFileName) {
  if (received) return "(" + Translate("empfangene Daten") + ")";
  return PathText(currentFileName);
}

std::string MainWindowCaption(const std::string& programName, const std::string& displayName) {
  return FormatText("%s - (%s)", {programName, displayName});
}

std::string SeriesLabelText(bool open, bool received) {
  if (!open) return Translate("Messwertreihen");
  return received ? Translate("EMPFANGENE MESS&WERTREIHEN:")
                  : Translate("MESS&WERTREIHEN DER DATEI: ");
}

MainCommandStates CommandStates(const MainWindowState& state) {
  MainCommandStates s;
  s.save = s.diagram = s.parameterSets = s.table = HasStreamToSave(state);
  s.fileInformation = state.converterExists;
  s.commentSwitches = state.converterExists && state.seriesCount > 0;
  return s;
}

bool CloseQuery(const MainWindowState& state, IMessages& messages, const CloseQuerySteps& steps) {
  if (state.received && (state.seriesCount > 0 || state.saveEmpty)) {
    switch (
        messages.Ask(MessageKind::Confirmation, Translate("Empfangene Daten erst speichern ?"))) {
      case Answer::Cancel:
        return false;
      case Answer::Yes:
        if (!steps.save()) return false;
        break;
      case Answer::No:
        break;
    }
  }
  if (!steps.commentsChanged()) return true;
  switch (messages.Ask(MessageKind::Confirmation,
                       Translate("Bemerkungen wurden geaendert. Speichern?"))) {
    case Answer::Yes:
      return steps.saveMeasurementFile();
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

bool RunSave(int seriesCount, const SaveSteps& steps) {
  SeriesSelection selection;
  if (seriesCount > 1) {
    std::optional<SeriesSelection> chosen = steps.chooseSeries();
    if (!chosen) return false;
    selection = std::move(*chosen);
  } else {
    selection = SeriesSelection::All(std::max(seriesCount, 0));
  }
  if (!steps.saveDialog(selection)) return false;
  return steps.saveMeasurementFile();
}

const std::vector<SaveFileFilter>& SaveDialogFilters() {
  static const std::vector<SaveFileFilter> filters = {
      {"ASCII Text  (*.txt)", "*.txt", ".txt"},
      {"Binary file (*.sdx)", "*.sdx", ".sdx"},
      {"Excel (*.xls)", "*.xls", ".xls"},
      {"Excel 2007+ (*.xlsx)", "*.xlsx", ".xlsx"},
      {"CSV (*.csv)", "*.csv", ".csv"},
      {"CSV, Semikolon und Dezimalkomma (*.csv)", "*.csv", ".csv"},
  };
  return filters;
}

std::string SaveDialogFilterString() {
  std::string text;
  for (const SaveFileFilter& f : SaveDialogFilters()) {
    if (!text.empty()) text += '|';
    text += f.caption + '|' + f.pattern;
  }
  return text;
}

std::string SaveDialogPresetName(const std::string& preset) {
  return LowerExtension(preset) == ".sdx" ? std::string() : preset;
}

std::string ApplySaveFilter(const std::string& name, int filterIndex) {
  if (name.empty()) return name;
  switch (filterIndex) {
    case kSaveFilterText: {
      // A name without an extension gets the filter's, as with the others.
      const std::string ext = LowerExtension(name);
      return ext == ".sdx" || ext.empty() ? ChangeFileExt(name, ".txt") : name;
    }
    case kSaveFilterMeasurement:
      return ChangeFileExt(name, ".sdx");
    case kSaveFilterSpreadsheet:
      return ChangeFileExt(name, ".xls");
    case kSaveFilterWorkbook:
      return ChangeFileExt(name, ".xlsx");
    case kSaveFilterDataTable:
    case kSaveFilterDataTableDe:
      return ChangeFileExt(name, ".csv");
    default:
      return name;
  }
}

CsvOptions SaveFilterCsvOptions(int filterIndex) {
  CsvOptions options;
  options.excelDe = filterIndex == kSaveFilterDataTableDe;
  return options;
}

bool SaveReceivedFirst(const MainWindowState& state) {
  return state.received && (state.seriesCount > 0 || state.saveEmpty);
}

std::vector<std::string> TextOutputLanguageList(const std::string& deviceName) {
  std::vector<std::string> lines;
  lines.push_back(FormatText(Translate("000 = %s-Sprache"), {deviceName}));
  for (int i = 0; i < TLabelTable::kLanguageCount; ++i) {
    const LabelLanguage& language = TLabelTable::Language(i);
    lines.push_back(FormatText("%s = %s", {language.code, language.name}));
  }
  return lines;
}

std::string DoubleClickActionCaption(DoubleClickAction action) {
  switch (action) {
    case DoubleClickAction::kInfo:
      return Translate("&Info");
    case DoubleClickAction::kParameterSets:
      return Translate("&Parametersaetze");
    case DoubleClickAction::kTable:
      return Translate("&Tabelle");
    case DoubleClickAction::kDiagram:
      return Translate("&Diagramm");
  }
  return {};
}

}  // namespace gd
