#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ScreenshotSupport.h"
#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/Messages.h"
#include "export/ui/Save2TxtFileDialog.h"

using gd::ui::TDLG_Save2TxtFile;

namespace {

struct RecordedMessages final : gd::IMessages {
  void Show(gd::MessageKind, const std::string& text) override { shown.push_back(text); }
  gd::Answer Ask(gd::MessageKind, const std::string&) override { return gd::Answer::Cancel; }
  std::vector<std::string> shown;
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

template <typename T>
T* Control(QWidget& dialog, const char* name) {
  T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
  if (!widget) qFatal("control %s missing", name);
  return widget;
}

}  // namespace

class Save2TxtFileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    stream_ = disk_.ReadWhole(GAUGDATA_DEMO_FILE);
    converter_ =
        std::make_unique<gd::TVXASCIIOUT>("demo.sdx", gd::TranslateFunction{}, nullptr, "",
                                          gd::kDefaultTextStyle, nullptr, nullptr, stream_);
    QVERIFY(converter_->Usable());
  }

  void cleanup() { converter_.reset(); }

  void savesTheSelectedSeriesAndShowsThemSaved() {
    TDLG_Save2TxtFile dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Speichern in Text-Datei"));
    QCOMPARE(Control<QLabel>(dialog, "LAB_AktReihe")->text(), QStringLiteral("Reihe 00 ->>"));
    QCOMPARE(Control<QLabel>(dialog, "LAB_ReiheXvonY")->text(), QStringLiteral("X von Y"));
    QCOMPARE(Control<QPushButton>(dialog, "CancelBtn")->text(), QStringLiteral("Abbruch"));

    gd::SaveSeriesJob job(disk_, messages_, dialog);
    const QString target = dir_.filePath(QStringLiteral("reihen.txt"));
    job.Prepare(Request({1, 3}, target));
    // What the dialog shows while the second series is converted.
    QString titleMeanwhile, currentMeanwhile, ofMeanwhile, savedMeanwhile, pendingMeanwhile;
    auto* gauge = Control<QProgressBar>(dialog, "GAU_Ablagen");
    connect(gauge, &QProgressBar::valueChanged, &dialog, [&] {
      if (Control<QLabel>(dialog, "LAB_ReiheXvonY")->text() != QStringLiteral("2/2")) return;
      if (!currentMeanwhile.isEmpty()) return;
      QMetaObject::invokeMethod(
          &dialog,
          [&] {
            titleMeanwhile = dialog.windowTitle();
            currentMeanwhile = Control<QLabel>(dialog, "LAB_AktReihe")->text();
            ofMeanwhile = Control<QLabel>(dialog, "LAB_ReiheXvonY")->text();
            savedMeanwhile = Control<QPlainTextEdit>(dialog, "MEM_Gespeichert")->toPlainText();
            pendingMeanwhile = Control<QPlainTextEdit>(dialog, "MEM_NochOffen")->toPlainText();
            gd::testing::SaveScreenshot(dialog, "TDLG_Save2TxtFile.png");
          },
          Qt::QueuedConnection);
    });

    QVERIFY(dialog.Run(job));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(titleMeanwhile, QStringLiteral("Speichern in reihen.txt"));
    QCOMPARE(currentMeanwhile, QStringLiteral("Reihe 03-->"));
    QCOMPARE(ofMeanwhile, QStringLiteral("2/2"));
    QCOMPARE(savedMeanwhile, QStringLiteral("Nr01 (144)"));
    QCOMPARE(pendingMeanwhile, QString());
    QCOMPARE(Control<QPlainTextEdit>(dialog, "MEM_Gespeichert")->toPlainText(),
             QStringLiteral("Nr01 (144)\nNr03 (64)"));
    QCOMPARE(Control<QLabel>(dialog, "LAB_AktReihe")->text(), QString());
    QVERIFY(gauge->value() > 0);

    const QByteArray text = ReadAll(target);
    QVERIFY(text.contains("demo.sdx[01]"));
    QVERIFY(text.contains("\\END_OF_SET[1]\r\n"));
    QVERIFY(text.contains("\\END_OF_SET[3]\r\n"));
    QVERIFY(!text.contains("\\BREAK"));
  }

  // The cancel button, pressed while the first series is converted, ends it
  // with "\BREAK"; the second series stays open and is not written.
  void cancelEndsTheFileWithBreak() {
    TDLG_Save2TxtFile dialog;
    gd::SaveSeriesJob job(disk_, messages_, dialog);
    const QString target = dir_.filePath(QStringLiteral("abbruch.txt"));
    job.Prepare(Request({1, 3}, target));
    auto* gauge = Control<QProgressBar>(dialog, "GAU_Ablagen");
    auto* cancel = Control<QPushButton>(dialog, "CancelBtn");
    bool clicked = false;
    connect(gauge, &QProgressBar::valueChanged, &dialog, [&](int value) {
      if (clicked || value < 20) return;
      clicked = true;
      // Reaches the button only when the job lets events run.
      QMetaObject::invokeMethod(
          cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); }, Qt::QueuedConnection);
    });

    QVERIFY(!dialog.Run(job));
    QVERIFY(clicked);
    QVERIFY(!dialog.isVisible());
    const QByteArray text = ReadAll(target);
    QVERIFY(text.contains("demo.sdx[01]"));
    QVERIFY(text.contains("\\BREAK\r\n"));
    QVERIFY(!text.contains("[03]"));
    QCOMPARE(Control<QPlainTextEdit>(dialog, "MEM_NochOffen")->toPlainText(),
             QStringLiteral("Nr03 (64)"));
  }

  // Escape while the job runs is a cancel too, not a close that leaves the
  // job running behind a vanished dialog.
  void escapeCancelsInsteadOfClosing() {
    std::string caption;
    TDLG_Save2TxtFile dialog;
    gd::SaveSeriesJob job(disk_, messages_, dialog);
    const QString target = dir_.filePath(QStringLiteral("escape.txt"));
    job.Prepare(Request({1}, target));
    bool pressed = false;
    connect(Control<QProgressBar>(dialog, "GAU_Ablagen"), &QProgressBar::valueChanged, &dialog,
            [&](int value) {
              if (pressed || value < 20) return;
              pressed = true;
              QMetaObject::invokeMethod(
                  &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }, Qt::QueuedConnection);
            });
    QVERIFY(!dialog.Run(job));
    QVERIFY(ReadAll(target).contains("\\BREAK\r\n"));
  }

  // A job that throws closes the dialog first; the caller gets the exception.
  void anErrorOfTheJobReachesTheCaller() {
    const QString folderTarget = dir_.path();  // a folder is refused as a target
    bool thrown = false;
    try {
      gd::ui::RunSaveDialog(nullptr, disk_, messages_, Request({1}, folderTarget));
    } catch (const gd::EGaugData&) {
      thrown = true;
    }
    QVERIFY(thrown);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    // The same entry point saves a spreadsheet and hands back the caption.
    std::string caption;
    const QString sheet = dir_.filePath(QStringLiteral("TABELLE.XLS"));
    QVERIFY(gd::ui::RunSaveDialog(nullptr, disk_, messages_, Request({2}, sheet), &caption));
    QCOMPARE(caption, std::string("Speichern in TABELLE.XLS"));
    QVERIFY(ReadAll(sheet).startsWith(QByteArray("\x09\x00\x04\x00", 4)));  // a BIFF record
  }

 private:
  gd::SaveRequest Request(std::vector<int> selection, const QString& target) {
    gd::SaveRequest request;
    request.converter = converter_.get();
    request.stream = stream_;
    request.openFileName = GAUGDATA_DEMO_FILE;
    request.selection = std::move(selection);
    request.target = target.toStdString();
    return request;
  }

  QTemporaryDir dir_;
  gd::DiskFileStore disk_;
  RecordedMessages messages_;
  gd::Bytes stream_;
  std::unique_ptr<gd::TVXASCIIOUT> converter_;
};

QTEST_MAIN(Save2TxtFileDialogTest)
#include "Save2TxtFileDialogTest.moc"
