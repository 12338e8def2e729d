// The details panel in its two modes (details of the selected series, or its
// comment for editing), and the close query that guards closing and opening.
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>

#include "app/ui/MainWindow.h"
#include "app/ui/QtMessages.h"
#include "core/Errors.h"
#include "core/ui/AnsiText.h"

namespace gd::ui {
void TVELTRIXMAIN::SetCommentMode(bool commentMode) {
  CommitComment();
  list_->setFocus();
  commentMode_ = commentMode;
  details_->setReadOnly(!commentMode);
  // Details on the window face, an editable comment on the edit colour.
  QPalette palette = details_->palette();
  const QPalette standard = QApplication::palette(details_);
  palette.setColor(QPalette::Base,
                   commentMode ? standard.color(QPalette::Base) : standard.color(QPalette::Window));
  details_->setPalette(palette);
  menComments_->setChecked(commentMode);
  sbMemoAsValues_->setChecked(!commentMode);
  sbMemoAsComment_->setChecked(commentMode);
  ShowPanel();
}

void TVELTRIXMAIN::ShowPanel() {
  const int selected = SelectedSeriesNumber();
  detailsLabel_->setText(FromAnsi(DetailsPanelLabel(commentMode_, selected)));
  commentRow_ = 0;
  // Typing is taken only where it has a comment to go to.
  const bool hasRow = selected > 0 && selected <= document_->SeriesCount();
  details_->setReadOnly(!commentMode_ || !hasRow);
  if (!hasRow) {
    details_->clear();
    return;
  }
  if (!commentMode_) {
    details_->setPlainText(FromAnsi(
        SeriesDetailsText(selected, document_->List().Description(selected - 1), locale_)));
    return;
  }
  MemoField memo;
  document_->File().Row(selected).PutToMemo(memo);
  details_->setPlainText(MemoToField(memo.text));
  details_->document()->setModified(memo.modified);
  commentRow_ = selected;
}

// The selected row takes the panel's text when the panel leaves comment mode,
// loses the focus or another row is selected, so no edit is lost.
void TVELTRIXMAIN::CommitComment() {
  if (!commentMode_ || commentRow_ <= 0 || commentRow_ > document_->SeriesCount()) return;
  MemoField memo{FieldToMemo(details_->toPlainText()), details_->document()->isModified()};
  try {
    document_->File().Row(commentRow_).TakeFromMemo(memo);
  } catch (const EGaugData& e) {
    messages_->Show(MessageKind::Error, e.what());
  }
}

bool TVELTRIXMAIN::CommentsChanged() {
  CommitComment();
  return document_->Comments().Changed();
}

bool TVELTRIXMAIN::eventFilter(QObject* watched, QEvent* event) {
  if (watched == details_ && event->type() == QEvent::FocusOut) CommitComment();
  // A measurement file dropped on the panel opens; it is not comment text.
  const QEvent::Type type = event->type();
  if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
      details_ != nullptr && watched == details_->viewport() && TakeDragEvent(event))
    return true;
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && SelectedSeriesNumber() > 0) {
      RunDoubleClickAction(doubleClick_);
      return true;
    }
    // Copy: the selected rows with the captions, as the command-line list
    // prints them, for a spreadsheet or a report.
    if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
      std::vector<int> rows;
      for (int n : SelectedRowNumbers()) rows.push_back(n - 1);
      CopyRows(rows);
      return true;
    }
  }
  // The Quick-Save list copies the rows of its selected entries, in its order.
  if (watched == quickSaveList_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    std::vector<int> rows;
    for (int i = 0; i < quickSaveList_->count(); ++i)
      if (quickSaveList_->item(i)->isSelected() &&
          static_cast<std::size_t>(i) < quickSave_.Entries().size())
        rows.push_back(quickSave_.Entries()[static_cast<std::size_t>(i)] - 1);
    CopyRows(rows);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TVELTRIXMAIN::CopyRows(const std::vector<int>& rows) const {
  const std::string text = document_->List().CopyText(rows);
  if (!text.empty()) QApplication::clipboard()->setText(FromAnsi(text));
}

bool TVELTRIXMAIN::SaveMeasurementFile() {
  CommitComment();
  try {
    if (!document_->Save()) return false;
  } catch (const EGaugData& e) {
    messages_->Show(MessageKind::Error, e.what());
    return false;
  }
  // The comments are saved: the panel's text counts as unchanged again.
  if (commentRow_ > 0) {
    details_->document()->setModified(false);
    document_->File().Row(commentRow_).SetModified(false);
  }
  return true;
}

bool TVELTRIXMAIN::CloseQueryAllows() {
  list_->setFocus();
  CommitComment();
  CloseQuerySteps steps;
  steps.save = [this] { return MEN_SAVEFILEClick(); };
  steps.commentsChanged = [this] { return CommentsChanged(); };
  steps.saveMeasurementFile = [this] { return SaveMeasurementFile(); };
  return CloseQuery(State(), *messages_, steps);
}

void TVELTRIXMAIN::closeEvent(QCloseEvent* event) {
  if (CloseQueryAllows()) {
    WriteConfigurationFile();
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace gd::ui
