#include "export/ui/Save2TxtFileDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"

namespace gd::ui {
namespace {

template <typename Lines>
QString JoinLines(const Lines& lines) {
  QStringList out;
  for (const std::string& line : lines) out << FromAnsi(line);
  return out.join(QLatin1Char('\n'));
}

QPlainTextEdit* Memo(const char* name, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setFocusPolicy(Qt::NoFocus);
  return memo;
}

}  // namespace

TDLG_Save2TxtFile::TDLG_Save2TxtFile(QWidget* parent) : QDialog(parent) {
  setObjectName("DLG_Save2TxtFile");
  SetHelpTopic(this, help::kSaveText);
  setWindowTitle(FromAnsi(Translate("Speichern in Text-Datei")));
  setModal(true);

  labAktReihe_ = new QLabel(FromAnsi(Translate("Reihe 00 ->>")), this);
  labAktReihe_->setObjectName("LAB_AktReihe");
  labReiheXvonY_ = new QLabel(FromAnsi(Translate("X von Y")), this);
  labReiheXvonY_->setObjectName("LAB_ReiheXvonY");
  labReiheXvonY_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  gauAblagen_ = new QProgressBar(this);
  gauAblagen_->setObjectName("GAU_Ablagen");
  gauAblagen_->setRange(0, 1);
  gauAblagen_->setValue(0);
  memGespeichert_ = Memo("MEM_Gespeichert", this);
  memNochOffen_ = Memo("MEM_NochOffen", this);
  cancelBtn_ = new QPushButton(FromAnsi(Translate("Abbruch")), this);
  cancelBtn_->setObjectName("CancelBtn");
  connect(cancelBtn_, &QPushButton::clicked, this, [this] { CancelBtnClick(); });

  auto* current = new QHBoxLayout;
  current->addWidget(labAktReihe_, 1);
  current->addWidget(labReiheXvonY_);

  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel(FromAnsi(Translate("gespeichert:")), this), 0, 0);
  lists->addWidget(new QLabel(FromAnsi(Translate("noch offen:")), this), 0, 1);
  lists->addWidget(memGespeichert_, 1, 0);
  lists->addWidget(memNochOffen_, 1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cancelBtn_);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(current);
  layout->addWidget(gauAblagen_);
  layout->addLayout(lists, 1);
  layout->addLayout(buttons);
  resize(420, 300);
}

bool TDLG_Save2TxtFile::Run(SaveSeriesJob& job) {
  job_ = &job;
  started_ = false;
  running_ = false;
  cancelled_ = false;
  result_ = false;
  error_ = nullptr;
  maximum_ = 0;
  position_ = 0;
  shownPending_ = shownSaved_ = static_cast<std::size_t>(-1);
  gauAblagen_->setRange(0, 1);
  gauAblagen_->setValue(0);
  memGespeichert_->clear();
  memNochOffen_->clear();
  Refresh();

  exec();  // StartWork runs from the show event and closes the dialog
  job_ = nullptr;
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
  return result_;
}

void TDLG_Save2TxtFile::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (job_ && !started_) {
    started_ = true;
    // The work starts once the dialog is on the screen, from the event loop.
    QMetaObject::invokeMethod(this, &TDLG_Save2TxtFile::StartWork, Qt::QueuedConnection);
  }
}

void TDLG_Save2TxtFile::StartWork() {
  if (!job_ || running_) return;
  running_ = true;
  QApplication::setOverrideCursor(Qt::BusyCursor);
  {
    const auto restore = qScopeGuard([this] {
      QApplication::restoreOverrideCursor();
      running_ = false;
    });
    try {
      result_ = job_->Run();
    } catch (...) {
      // Exceptions do not cross the event loop; Run() throws this one on.
      error_ = std::current_exception();
      result_ = false;
    }
  }
  Refresh();
  done(result_ ? QDialog::Accepted : QDialog::Rejected);
}

void TDLG_Save2TxtFile::reject() {
  // While the job runs, Escape asks it to stop; the dialog closes when it has.
  if (running_) {
    CancelBtnClick();
    return;
  }
  QDialog::reject();
}

void TDLG_Save2TxtFile::closeEvent(QCloseEvent* event) {
  if (running_) {
    CancelBtnClick();
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TDLG_Save2TxtFile::SetMaximum(std::int64_t maximum) {
  maximum_ = std::max<std::int64_t>(0, maximum);
  position_ = 0;
  ShowGauge();
  Refresh();
}

void TDLG_Save2TxtFile::Advance(std::int64_t steps) {
  position_ = std::clamp<std::int64_t>(position_ + steps, 0, std::max<std::int64_t>(maximum_, 1));
  ShowGauge();
}

void TDLG_Save2TxtFile::LetEventsRun() {
  Refresh();
  QCoreApplication::processEvents();
}

void TDLG_Save2TxtFile::ShowGauge() {
  // A progress bar counts in int; very long runs are shown in coarser steps.
  constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();
  const std::int64_t maximum = std::max<std::int64_t>(maximum_, 1);
  const std::int64_t divisor = maximum / kIntMax + 1;
  gauAblagen_->setRange(0, static_cast<int>(maximum / divisor));
  gauAblagen_->setValue(static_cast<int>(std::min(position_, maximum) / divisor));
}

void TDLG_Save2TxtFile::Refresh() {
  if (!job_) return;
  setWindowTitle(FromAnsi(job_->Caption()));
  if (job_->Pending().size() != shownPending_) {
    shownPending_ = job_->Pending().size();
    memNochOffen_->setPlainText(JoinLines(job_->Pending()));
  }
  if (job_->Saved().size() != shownSaved_) {
    shownSaved_ = job_->Saved().size();
    memGespeichert_->setPlainText(JoinLines(job_->Saved()));
  }
  // The form's own texts stay until the first series is under way.
  if (!job_->SeriesOf().empty()) {
    labAktReihe_->setText(FromAnsi(job_->CurrentSeries()));
    labReiheXvonY_->setText(FromAnsi(job_->SeriesOf()));
  }
}

bool RunSaveDialog(QWidget* parent, IFileStore& files, IMessages& messages, SaveRequest request,
                   std::string* caption) {
  TDLG_Save2TxtFile dialog(parent);
  SaveSeriesJob job(files, messages, dialog);
  job.Prepare(std::move(request));
  if (caption) *caption = job.Caption();
  return dialog.Run(job);
}

}  // namespace gd::ui
