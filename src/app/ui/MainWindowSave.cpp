// Saving from the main window (the series selection, the save dialog, the
// save progress dialog), the Quick-Save list and the parameter sets in the text window.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ParameterSetCommand.h"
#include "app/ui/FontSettings.h"
#include "app/ui/LanguageMenu.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtMessages.h"
#include "app/ui/WindowGeometry.h"
#include "convert/VXASCIIOUT.h"
#include "core/Errors.h"
#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "export/SaveSeries.h"
#include "export/ui/Save2TxtFileDialog.h"
#include "view/ui/DualListDlg.h"
#include "view/ui/ShowMemoLines.h"

namespace gd::ui {

// --- Save ----------------------------------------------------------------------

bool TVELTRIXMAIN::MEN_SAVEFILEClick() {
  if (!document_->IsOpen()) return false;
  SaveSteps steps;
  steps.chooseSeries = [this] { return ChooseSeries(); };
  steps.saveDialog = [this](const SeriesSelection& s) { return SaveDialog(s); };
  steps.saveMeasurementFile = [this] { return SaveMeasurementFile(); };
  return RunSave(document_->SeriesCount(), steps);
}

std::optional<SeriesSelection> TVELTRIXMAIN::ChooseSeries() {
  TDualListDlg dialog(this);
  dialog.Prepare(SelectionDialogItems(document_->List(), SelectedRowNumbers(), locale_));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Result();
}

bool TVELTRIXMAIN::SaveDialog(const SeriesSelection& selection) {
  list_->setFocus();
  CommitComment();
  QString preset = lastSaveName_;
  if (preset.isEmpty() && !document_->Received() && document_->File().IsOpen())
    preset = FromPath(document_->CurrentFileName());
  QString name = FromPath(SaveDialogPresetName(ToPath(preset)));
  // The dialog opens in the folder of the last save (LastSavePath) when the
  // preset names none.
  if (!config_.lastSavePath.empty() &&
      (name.isEmpty() || QFileInfo(name).path() == QStringLiteral(".")))
    name = name.isEmpty() ? QDir(FromPath(config_.lastSavePath)).path() + QLatin1Char('/')
                          : QDir(FromPath(config_.lastSavePath)).filePath(name);
  int filterIndex = kSaveFilterText;
  if (!dialogs_.saveName(this, name, filterIndex)) return false;
  const std::string target = ApplySaveFilter(ToPath(QDir::toNativeSeparators(name)), filterIndex);

  if (SaveReceivedFirst(State())) {
    // Received data become a measurement file under the chosen name first;
    // that file then holds them whole, so nothing else is written to it.
    bool saved = false;
    try {
      saved = document_->SaveReceivedAs(target);
      if (saved) {
        // The received data are now a measurement file of the user's.
        history_.opened.Add(target);
        RebuildHistoryMenu();
      }
    } catch (const EGaugData& e) {
      messages_->Show(MessageKind::Error, e.what());
    }
    UpdateCaption();
    seriesLabel_->setText(FromAnsi(SeriesLabelText(true, document_->Received())));
    return saved;
  }

  lastSaveName_ = FromPath(target);
  RememberSaved(lastSaveName_);
  const bool written = SaveSeries(lastSaveName_, selection, SaveFilterCsvOptions(filterIndex));
  UpdateCaption();
  return written;
}

bool TVELTRIXMAIN::SaveSeries(const QString& target, const SeriesSelection& selection,
                              const CsvOptions& csv) {
  if (!document_->IsOpen()) return false;
  CommitComment();
  SaveRequest request;
  request.converter = document_->Converter();
  request.stream = document_->File().Stream();
  request.openFileName = document_->CurrentFileName();
  request.comments = &document_->Comments();
  request.selection = selection.Numbers();
  request.target = ToPath(QDir::toNativeSeparators(target));
  request.csv = csv;
  try {
    std::string caption;
    const bool written = RunSaveDialog(this, files_, *messages_, std::move(request), &caption);
    if (written) statusBar()->showMessage(FromAnsi(caption));
    return written;
  } catch (const EGaugData& e) {
    messages_->Show(MessageKind::Error, e.what());
    return false;
  }
}

// --- Quick-Save --------------------------------------------------------------------

void TVELTRIXMAIN::SetQuickSaveVisible(bool visible) {
  menQuickSave_->setChecked(visible);
  quickSaveButtons_->setVisible(visible);
  quickSavePanel_->setVisible(visible);
}

void TVELTRIXMAIN::FillQuickSaveList(std::optional<std::size_t> selectIndex) {
  quickSaveList_->clear();
  for (std::size_t i = 0; i < quickSave_.Size(); ++i)
    quickSaveList_->addItem(FromAnsi(quickSave_.Caption(i)));
  if (selectIndex && *selectIndex < quickSave_.Size())
    quickSaveList_->setCurrentRow(static_cast<int>(*selectIndex));
}

void TVELTRIXMAIN::UpdateQuickSaveButtons() {
  const QuickSaveList::Buttons b =
      quickSave_.ButtonStates(document_->List().RowCount(), SelectedRowNumbers());
  includeBtn_->setEnabled(b.include);
  incAllBtn_->setEnabled(b.includeAll);
  excludeBtn_->setEnabled(b.exclude);
  exAllBtn_->setEnabled(b.excludeAll);
  btnSaveFromSelected_->setEnabled(b.save);
}

void TVELTRIXMAIN::IncludeBtnClick() {
  FillQuickSaveList(quickSave_.Include(SelectedRowNumbers()));
  UpdateQuickSaveButtons();
}

void TVELTRIXMAIN::IncAllBtnClick() {
  quickSave_.IncludeAll(document_->List().RowCount());
  FillQuickSaveList();
  UpdateQuickSaveButtons();
}

void TVELTRIXMAIN::ExcludeBtnClick() {
  std::vector<std::size_t> selected;
  for (int i = 0; i < quickSaveList_->count(); ++i)
    if (quickSaveList_->item(i)->isSelected()) selected.push_back(static_cast<std::size_t>(i));
  quickSave_.Exclude(selected);
  FillQuickSaveList();
  UpdateQuickSaveButtons();
}

void TVELTRIXMAIN::ExAllBtnClick() {
  quickSave_.Clear();
  FillQuickSaveList();
  UpdateQuickSaveButtons();
}

bool TVELTRIXMAIN::BTN_SaveFromSelectedClick() {
  if (!document_->IsOpen() || quickSave_.Size() == 0) return false;
  return SaveDialog(quickSave_.Selection());
}

// --- Parameter sets ------------------------------------------------------------------

void TVELTRIXMAIN::ShowParameterSets() {
  if (!document_->IsOpen()) return;
  ParameterSetRequest request;
  request.streamOpen = document_->File().IsOpen();
  request.seriesCount = document_->SeriesCount();
  request.directoryCount = static_cast<int>(document_->Parsed().directory.size());
  request.selected = SelectedSeriesNumber();
  request.describe = [this](int n) -> const TSeriesDescription* {
    if (n < 1 || n > document_->SeriesCount()) return nullptr;
    return document_->File().Row(n).Description();
  };
  request.textStyle = document_->TextOptions().style;
  request.windowName = document_->WindowName();
  const ParameterSetWindow window =
      BuildParameterSetWindow(request, ParameterSetWindowWriter(*document_->Converter()));
  if (window.outcome != ParameterSetWindow::Outcome::kShown) {
    messages_->Show(window.outcome == ParameterSetWindow::Outcome::kNoSeries
                        ? MessageKind::Information
                        : MessageKind::Error,
                    window.message);
    return;
  }
  auto* dialog = new TDLG_ShowMemoLines(this);
  dialog->setObjectName("ParameterSetWindow");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(FromAnsi(window.caption));
  dialog->SetLines(window.lines);
  RememberDialogSize(*dialog, layout_, "ParameterSets");
  dialog->Memo()->setFont(FontFromString(dialog->Memo()->font(), config_.fonts.parameterSets));
  connect(dialog, &TDLG_ShowMemoLines::FontChosen, this, [this](const QFont& font) {
    config_.fonts.parameterSets = FontStringOf(font, config_.fonts.parameterSets);
  });
  dialog->SetHelpTopic(help::kParameterSets);
  dialog->show();
}

}  // namespace gd::ui
