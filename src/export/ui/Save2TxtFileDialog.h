// The save progress dialog `TDLG_Save2TxtFile`: a thin view over
// SaveSeriesJob (export/SaveSeries.h).
//
// The dialog is the job's progress (gd::IProgress): the job moves its gauge,
// asks it whether the user cancelled, and lets events run through it; at each
// of those moments the dialog shows what the job holds (caption, the series
// still open in MEM_NochOffen, the saved ones in MEM_Gespeichert,
// LAB_AktReihe, LAB_ReiheXvonY). CancelBtn, Escape and the window's close
// button set the cancel flag while the job runs; the job then ends at its
// next check and the dialog closes itself.
//
// Use, with the dialog as the job's progress:
//   TDLG_Save2TxtFile dialog(this);
//   SaveSeriesJob job(files, messages, dialog);
//   job.Prepare(std::move(request));
//   const bool written = dialog.Run(job);   // modal; throws what the job throws
//   ... job.Caption(), job.Written() ...
// or in one call: RunSaveDialog(this, files, messages, std::move(request)).
#pragma once

#include <QDialog>

#include <cstdint>
#include <exception>
#include <string>

#include "core/Progress.h"
#include "export/SaveSeries.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace gd::ui {

class TDLG_Save2TxtFile final : public QDialog, public IProgress {
  Q_OBJECT

 public:
  explicit TDLG_Save2TxtFile(QWidget* parent = nullptr);

  // Shows the dialog modally; once it is on the screen the prepared job runs,
  // and the dialog closes itself when the job ends. Returns the job's result:
  // true when the file was written whole, false after a cancel or a refused
  // target. An exception of the job is thrown on after the dialog has closed.
  bool Run(SaveSeriesJob& job);

  // IProgress.
  void SetMaximum(std::int64_t maximum) override;
  void Advance(std::int64_t steps) override;
  void LetEventsRun() override;
  bool Cancelled() const override { return cancelled_; }

  // CancelBtn: asks the running job to stop.
  void CancelBtnClick() { cancelled_ = true; }

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void StartWork();
  // Shows what the job holds now.
  void Refresh();
  void ShowGauge();

  QLabel* labAktReihe_ = nullptr;
  QLabel* labReiheXvonY_ = nullptr;
  QProgressBar* gauAblagen_ = nullptr;
  QPlainTextEdit* memGespeichert_ = nullptr;
  QPlainTextEdit* memNochOffen_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;

  SaveSeriesJob* job_ = nullptr;
  bool started_ = false;
  bool running_ = false;
  bool cancelled_ = false;
  bool result_ = false;
  std::exception_ptr error_;
  std::int64_t maximum_ = 0;
  std::int64_t position_ = 0;
  std::size_t shownPending_ = static_cast<std::size_t>(-1);
  std::size_t shownSaved_ = static_cast<std::size_t>(-1);
};

// Builds the dialog and a save job over it, prepares the job with `request`
// and runs it (see TDLG_Save2TxtFile::Run). `caption`, when given, receives
// the job's caption ("Speichern in <file name>").
bool RunSaveDialog(QWidget* parent, IFileStore& files, IMessages& messages, SaveRequest request,
                   std::string* caption = nullptr);

}  // namespace gd::ui
