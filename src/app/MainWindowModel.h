// The rules of the main window that do not depend on widgets: its caption and
// labels, which commands are enabled, the close query, the steps of a save and
// the save dialog's file name rules. The window asks these functions and only
// shows what they give.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Messages.h"
#include "export/CsvExport.h"
#include "view/SeriesSelection.h"

namespace gd {

// --- Caption and labels ------------------------------------------------------

// "(" + translated "empfangene Daten" + ")" for received data, else the
// current file name as a text (PathText).
std::string DisplayName(bool received, const std::string& currentFileName);
// "%s - (%s)" with the program's name and the display name.
std::string MainWindowCaption(const std::string& programName, const std::string& displayName);
// The label above the series list: "Messwertreihen" while nothing is open,
// "EMPFANGENE MESS&WERTREIHEN:" for received data, else
// "MESS&WERTREIHEN DER DATEI: ".
std::string SeriesLabelText(bool open, bool received);

// --- Enable rules ------------------------------------------------------------

struct MainWindowState {
  bool converterExists = false;  // a stream was opened and its conversion object built
  int seriesCount = 0;
  bool received = false;
  bool saveEmpty = false;  // the option that allows saving streams without series
};

struct MainCommandStates {
  // Save, diagram, parameter sets and table view: a stream with series, or
  // any open stream when saving empty files is allowed.
  bool save = false;
  bool diagram = false;
  bool parameterSets = false;
  bool table = false;
  bool fileInformation = false;  // whenever a conversion object exists
  bool commentSwitches = false;  // the details/comment switches: only with series
};

MainCommandStates CommandStates(const MainWindowState& state);

// --- Close query -------------------------------------------------------------

// What the close query runs; each returns whether it succeeded. The window
// shows the error box of a failing step itself.
struct CloseQuerySteps {
  std::function<bool()> save;                 // the Save command
  std::function<bool()> commentsChanged;      // file comment or any series comment changed
  std::function<bool()> saveMeasurementFile;  // rewrite the current file with the comments
};

// Asks "Empfangene Daten erst speichern ?" for unsaved received data (with
// series, or when saving empty files is allowed): Cancel stays, Yes saves and
// stays when that fails, No goes on. Then, when a comment changed, asks
// "Bemerkungen wurden geaendert. Speichern?": Cancel stays, Yes rewrites the
// file and closes only when that succeeds, No closes. Returns whether the
// window may close (or the next file may be opened).
bool CloseQuery(const MainWindowState& state, IMessages& messages, const CloseQuerySteps& steps);

// --- Save --------------------------------------------------------------------

struct SaveSteps {
  // The series selection dialog over the rows; none when cancelled.
  std::function<std::optional<SeriesSelection>()> chooseSeries;
  // The save dialog with the selection; whether it succeeded.
  std::function<bool(const SeriesSelection&)> saveDialog;
  // Rewrites the current file with the comments; whether it succeeded.
  std::function<bool()> saveMeasurementFile;
};

// With more than one series the selection dialog chooses, with one the
// selection is that series, with none it is empty; then the save dialog runs
// and, when it succeeds, the current file is rewritten with its comments.
// Returns whether everything succeeded.
bool RunSave(int seriesCount, const SaveSteps& steps);

// --- Save dialog -------------------------------------------------------------

struct SaveFileFilter {
  std::string caption;    // "ASCII Text  (*.txt)"
  std::string pattern;    // "*.txt"
  std::string extension;  // ".txt"
};

// 1: text, 2: measurement file, 3: spreadsheet, 4: workbook, 5: data table,
// 6: data table with semicolons and decimal commas.
inline constexpr int kSaveFilterText = 1;
inline constexpr int kSaveFilterMeasurement = 2;
inline constexpr int kSaveFilterSpreadsheet = 3;
inline constexpr int kSaveFilterWorkbook = 4;
inline constexpr int kSaveFilterDataTable = 5;
inline constexpr int kSaveFilterDataTableDe = 6;

const std::vector<SaveFileFilter>& SaveDialogFilters();
// The filters as "caption|pattern|caption|pattern...".
std::string SaveDialogFilterString();
// The name the dialog starts with: a preset whose extension is ".sdx" (in
// any case) is cleared, so that a text export never proposes the open file.
std::string SaveDialogPresetName(const std::string& preset);
// The chosen name after the filter's rule: with the text filter a name ending
// in ".sdx" gets ".txt"; with the measurement-file filter the name gets
// ".sdx"; with the spreadsheet filter ".xls", the workbook filter ".xlsx" and
// the data-table filters ".csv". Other names stay as chosen.
std::string ApplySaveFilter(const std::string& name, int filterIndex);
// The layout of a data table saved with that filter.
CsvOptions SaveFilterCsvOptions(int filterIndex);
// Whether the save dialog must first save the received stream as a
// measurement file under the chosen name.
bool SaveReceivedFirst(const MainWindowState& state);

// --- Text output ---------------------------------------------------------------

// The languages offered by the text-output dialog: "000 = %s-Sprache" with
// the device name, then "%s = %s" with code and name of each label language.
std::vector<std::string> TextOutputLanguageList(const std::string& deviceName);

// --- Double-click action -----------------------------------------------------

enum class DoubleClickAction { kInfo, kParameterSets, kTable, kDiagram };
// "&Info", "&Parametersaetze", "&Tabelle", "&Diagramm".
std::string DoubleClickActionCaption(DoubleClickAction action);

}  // namespace gd
