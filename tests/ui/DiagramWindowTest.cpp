// The diagram window on the demo file, offscreen: curve names with and
// without channel prefixes, shared axes, zoom to markers, Y scaling,
// statistics, hiding curves, the rebuild skip, printing to PDF and saving
// PNG and SVG pictures. With GAUGDATA_SCREENSHOT_DIR set, pictures of the
// window are saved there (German and English).
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <functional>
#include <set>

#include "ScreenshotSupport.h"
#include "app/InterfaceLanguage.h"
#include "app/ui/Dictionary.h"
#include "app/ui/MainWindow.h"
#include "view/ui/CrvGraph.h"
#include "view/ui/DiagrammDlg.h"
#include "view/ui/StatisticsDlg.h"
#include "view/ui/YscalingDlg.h"

using gd::ui::TDLG_Diagramm;

namespace {

// Opens the demo file, selects `row` and runs `check` inside the diagram
// window while it is shown modally; the window is closed afterwards.
void WithDiagram(gd::ui::TVELTRIXMAIN& w, int row,
                 const std::function<void(TDLG_Diagramm&)>& check) {
  w.SeriesList()->selectRow(row);
  bool ran = false;
  auto* timer = new QTimer(&w);
  timer->setInterval(20);
  int ticks = 0;
  QObject::connect(timer, &QTimer::timeout, [&] {
    auto* dlg = qobject_cast<TDLG_Diagramm*>(QApplication::activeModalWidget());
    if (++ticks > 500) {  // a window that never shows ends the test
      timer->stop();
      if (dlg) dlg->reject();
      return;
    }
    if (!dlg || !dlg->isVisible()) return;
    timer->stop();
    dlg->resize(900, 600);
    QCoreApplication::processEvents();
    check(*dlg);
    ran = true;
    dlg->reject();
  });
  timer->start();
  w.ShowDiagram();
  delete timer;
  QVERIFY(ran);
}

std::set<std::string> Names(TDLG_Diagramm& d) {
  std::set<std::string> names;
  for (int k = 0; k < d.Curves().CurveCount(); ++k) names.insert(d.Curves().Item(k).Name());
  return names;
}

}  // namespace

class DiagramWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { gd::ui::Dictionary::Instance().SetLanguage(gd::kLanguageGerman); }
  void TwoChannelSeriesHasPrefixesAndSharedAxes();
  void SingleChannelZoomScalingStatisticsAndRebuildSkip();
  void HidingAllCurvesDisablesPrinting();
  void CrosshairReadOuts();
  void PrintsToPdfAndSavesPictures();
  void ScreenshotsInEnglish();
};

void DiagramWindowTest::TwoChannelSeriesHasPrefixesAndSharedAxes() {
  gd::ui::TVELTRIXMAIN w;
  QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
  QVERIFY(w.MEN_DIAGRAMM()->isEnabled());
  WithDiagram(w, 1, [](TDLG_Diagramm& d) {
    QCOMPARE(d.windowTitle(), QStringLiteral("demo.sdx[2]"));
    const int n = d.Curves().CurveCount();
    QVERIFY(n >= 2);
    QCOMPARE(d.CB_LayerInDiagramm()->count(), n);
    std::set<int> channels;
    for (int k = 0; k < n; ++k) {
      const std::string name = d.Curves().Item(k).Name();
      QVERIFY2(name.rfind("A:", 0) == 0 || name.rfind("B:", 0) == 0, name.c_str());
      QCOMPARE(d.CB_LayerInDiagramm()->itemText(k).toStdString(), name);
      channels.insert(d.Curves().Item(k).channel);
    }
    QCOMPARE(channels.size(), std::size_t{2});
    // Channels of one quantity and unit share their axis.
    gd::GraphModel& g = d.Graph()->Model();
    QVERIFY(g.VerticalAxisCount() < g.LayerCount());
    std::set<std::string> captions;
    for (int i = 0; i < g.VerticalAxisCount(); ++i) captions.insert(g.VerticalAxis(i)->caption);
    QCOMPARE(static_cast<int>(captions.size()), g.VerticalAxisCount());
    QCOMPARE(d.SelectedCurve(), 0);
    QVERIFY(d.PAN_LayersName()->text().startsWith(QStringLiteral("A:")));
    gd::testing::SaveScreenshot(d, "diagram-de-two-channels.png");
  });
}

void DiagramWindowTest::SingleChannelZoomScalingStatisticsAndRebuildSkip() {
  gd::ui::TVELTRIXMAIN w;
  QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
  long double start = 0, end = 0;
  WithDiagram(w, 0, [&](TDLG_Diagramm& d) {
    QVERIFY(d.Curves().CurveCount() >= 1);
    for (const std::string& name : Names(d))
      QVERIFY2(name.find(':') == std::string::npos, name.c_str());

    // Markers at a quarter and at half of the time axis, then zoom to them.
    gd::TcrvHorizontalGraphAxis& time = *d.Curves().TimeAxis();
    start = time.min + (time.max - time.min) / 4;
    end = time.min + (time.max - time.min) / 2;
    d.Curves().ToggleStartMarker(start);
    d.Curves().ToggleEndMarker(end);
    d.ACT_ZoomMarkersExecute();
    QCOMPARE(d.StatisticsImage(), 33);
    QVERIFY(!d.BUT_Statistics()->icon().isNull());
    QVERIFY(d.Graph()->FixedWidth() > d.Graph()->width());
    QCOMPARE(d.SB_FixeWidth()->value(), d.Graph()->FixedWidth());
    const int xs = time.ValueToPixel(start), xe = time.ValueToPixel(end);
    const gd::GraphRect plot = d.Graph()->Model().PlotRect();
    QVERIFY2(xs >= plot.left && xe <= d.Graph()->width(),
             qPrintable(QString("%1 %2").arg(xs).arg(xe)));
    gd::testing::SaveScreenshot(d, "diagram-de-zoomed.png");

    // Statistics: the dialog's text is the model's; OK marks min and max.
    QString shown;
    d.execDialog = [&](QDialog& dialog) {
      auto* s = qobject_cast<gd::ui::TDLG_Statistics*>(&dialog);
      if (!s) return int(QDialog::Rejected);
      shown = s->Memo1()->toPlainText();
      s->show();
      s->resize(640, 330);
      gd::testing::SaveScreenshot(*s, "diagram-de-statistics.png");
      return int(QDialog::Accepted);
    };
    d.ACT_StatisticsExecute();
    QString expected = QString::fromLatin1(d.StatisticsText().c_str());
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(shown, expected);
    QVERIFY(shown.contains(QStringLiteral("Calculate:         \tSubSet")));
    const gd::StatisticsRecord r = d.Curves().Statistics(0);
    QCOMPARE(d.Curves().Layer(0).minMarkerIndex, r.minimumSample);
    QCOMPARE(d.Curves().Layer(0).maxMarkerIndex, r.maximumSample);
    QVERIFY(r.minimumSample >= 0);

    // Y scaling through the dialog.
    gd::TcrvVerticalGraphAxis* axis = d.Curves().Layer(0).yAxis;
    d.SetScalingTarget(axis);
    d.execDialog = [&](QDialog& dialog) {
      auto* y = qobject_cast<gd::ui::TDLG_Yscaling*>(&dialog);
      if (!y) return int(QDialog::Rejected);
      y->CB_AutoScale()->setChecked(false);
      y->EDI_YMIN()->setText(QStringLiteral("-200"));
      y->EDI_YMAX()->setText(QStringLiteral("1000,0"));
      return y->OKBtnClick() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    };
    d.ACT_ScalingDlgExecute();
    QVERIFY(axis->manualScale);
    QCOMPARE(static_cast<double>(axis->userMin), -200.0);
    QCOMPARE(static_cast<double>(axis->userMax), 1000.0);
    QCOMPARE(static_cast<double>(axis->displayedMin), -200.0);
    QCOMPARE(static_cast<double>(axis->displayedMax), 1000.0);
    d.ACT_ScaleAutoAllExecute();
    QVERIFY(!axis->manualScale);
    d.execDialog = nullptr;
  });
  // Opened again on the same series: zoom and markers stay.
  WithDiagram(w, 0, [&](TDLG_Diagramm& d) {
    QCOMPARE(static_cast<double>(d.Graph()->Model().startMarker), static_cast<double>(start));
    QVERIFY(d.Graph()->FixedWidth() > 0);
  });
  // Another series: built anew.
  WithDiagram(w, 2, [&](TDLG_Diagramm& d) {
    QCOMPARE(static_cast<double>(d.Graph()->Model().startMarker), -1.0);
    QCOMPARE(d.Graph()->FixedWidth(), 0);
  });
}

void DiagramWindowTest::HidingAllCurvesDisablesPrinting() {
  gd::ui::TVELTRIXMAIN w;
  QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
  WithDiagram(w, 1, [](TDLG_Diagramm& d) {
    QVERIFY(d.BUT_Print()->isEnabled());
    d.SetAllVisible(false);
    QVERIFY(!d.BUT_Print()->isEnabled());
    QVERIFY(d.PAN_ZeitSeitStart()->isHidden());
    QVERIFY(d.CBX_Visible()->isEnabled());
    QCOMPARE(d.Graph()->Model().PlotRect().left, 3);  // no axis strips left
    d.SetAllVisible(true);
    QVERIFY(d.BUT_Print()->isEnabled());
    QVERIFY(!d.PAN_ZeitSeitStart()->isHidden());
  });
}

void DiagramWindowTest::CrosshairReadOuts() {
  gd::ui::TVELTRIXMAIN w;
  QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
  WithDiagram(w, 0, [](TDLG_Diagramm& d) {
    // Series 1 starts 12.03.2007 00:00:00, a value every 10 minutes.
    gd::TcrvHorizontalGraphAxis& time = *d.Curves().TimeAxis();
    const int x = time.ValueToPixel(600 * 20);  // sample 21, 03:20:00
    const gd::GraphRect plot = d.Graph()->Model().PlotRect();
    auto move = [&](QPoint p) {
      QMouseEvent event(QEvent::MouseMove, QPointF(p), QPointF(d.Graph()->mapToGlobal(p)),
                        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(d.Graph(), &event);
    };
    move(QPoint(x, (plot.top + plot.bottom) / 2));
    QCOMPARE(d.LAV_RealTime()->text(), QStringLiteral("03:20:00\n12.03.2007 [21] "));
    QCOMPARE(d.PAN_ZeitSeitStart()->text(), QStringLiteral("03:20:00"));
    const gd::TcrvLineGraphLayer& layer = d.Curves().Layer(0);
    const QString value = d.LAV_AktVal()->text();
    QVERIFY2(value.endsWith(QStringLiteral(" m3/h")), qPrintable(value));
    QCOMPARE(value.section(QLatin1Char(' '), 0, 0)
                 .replace(QLatin1Char(','), QLatin1Char('.'))
                 .toDouble(),
             std::round(static_cast<double>(layer.y.GetValue(20)) * 100) / 100);
    gd::testing::SaveScreenshot(d, "diagram-de-crosshair.png");
    // Out of the plot: the read-outs empty again.
    move(QPoint(1, 1));
    QVERIFY(d.LAV_AktVal()->text().isEmpty());
    QVERIFY(d.LAV_RealTime()->text().isEmpty());
  });
}

void DiagramWindowTest::PrintsToPdfAndSavesPictures() {
  gd::ui::TVELTRIXMAIN w;
  QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
  QTemporaryDir dir;
  WithDiagram(w, 1, [&](TDLG_Diagramm& d) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("diagramm.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    QVERIFY(d.PrintTo(printer, false));
    QString error;
    QVERIFY2(d.SaveImage(dir.filePath(QStringLiteral("diagramm.png")), &error), qPrintable(error));
    QVERIFY2(d.SaveImage(dir.filePath(QStringLiteral("diagramm.svg")), &error), qPrintable(error));
    QVERIFY(!d.SaveImage(dir.filePath(QStringLiteral("diagramm.bmp")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("diagramm.bmp"))));
    const QImage png(dir.filePath(QStringLiteral("diagramm.png")));
    QCOMPARE(png.size(), d.Graph()->size());
  });
  QFile pdf(dir.filePath(QStringLiteral("diagramm.pdf")));
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  QVERIFY(pdf.read(5) == "%PDF-");
  QFile svg(dir.filePath(QStringLiteral("diagramm.svg")));
  QVERIFY(svg.open(QIODevice::ReadOnly));
  const QByteArray svgText = svg.readAll();
  QVERIFY(svgText.contains("<svg"));
  QVERIFY(svgText.contains("polyline"));
  // The page rendered back: ink in the header area and in the graph area.
  if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
    QSKIP("pdftoppm is not installed");
  QProcess p;
  p.start(QStringLiteral("pdftoppm"),
          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), pdf.fileName(),
           dir.filePath(QStringLiteral("page"))});
  QVERIFY(p.waitForFinished(30000));
  QCOMPARE(p.exitCode(), 0);
  const QImage page(dir.filePath(QStringLiteral("page-1.png")));
  QVERIFY(!page.isNull());
  QVERIFY(page.width() > page.height());  // landscape
  auto inkIn = [&](QRect r) {
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) ink += qGray(page.pixel(x, y)) < 128;
    return ink;
  };
  const int h = page.height(), wd = page.width();
  QVERIFY(inkIn(QRect(0, 0, wd, h / 5)) > 50);               // header rows
  QVERIFY(inkIn(QRect(0, h / 4, wd, h * 3 / 4 - 1)) > 500);  // axes and curves
  const QByteArray keep = qgetenv("GAUGDATA_SCREENSHOT_DIR");
  if (!keep.isEmpty()) {
    QFile::remove(QDir(QString::fromLocal8Bit(keep)).filePath(QStringLiteral("diagram-print.png")));
    QFile::copy(dir.filePath(QStringLiteral("page-1.png")),
                QDir(QString::fromLocal8Bit(keep)).filePath(QStringLiteral("diagram-print.png")));
  }
}

void DiagramWindowTest::ScreenshotsInEnglish() {
  QVERIFY(gd::ui::Dictionary::Instance().SetLanguage(gd::kLanguageEnglish));
  gd::ui::TVELTRIXMAIN w;
  QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
  WithDiagram(w, 1, [](TDLG_Diagramm& d) {
    QCOMPARE(d.BUT_Print()->text(), QStringLiteral("&Print..."));
    gd::testing::SaveScreenshot(d, "diagram-en-two-channels.png");
    d.Curves().SetMinMaxMarkers(0);
    d.Graph()->RepaintPlot();
    QString shown;
    d.execDialog = [&](QDialog& dialog) {
      dialog.show();
      dialog.resize(640, 330);
      gd::testing::SaveScreenshot(dialog, "diagram-en-statistics.png");
      return int(QDialog::Rejected);
    };
    d.ACT_StatisticsExecute();
    d.execDialog = nullptr;
  });
  WithDiagram(w, 0, [](TDLG_Diagramm& d) {
    gd::TcrvHorizontalGraphAxis& time = *d.Curves().TimeAxis();
    d.ZoomTo(
        gd::ZoomRange{time.min + (time.max - time.min) / 3, time.min + (time.max - time.min) / 2});
    gd::testing::SaveScreenshot(d, "diagram-en-zoomed.png");
  });
}

QTEST_MAIN(DiagramWindowTest)
#include "DiagramWindowTest.moc"
