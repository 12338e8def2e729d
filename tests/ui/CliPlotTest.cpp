// gaugdata-cli plot run as a process: the PNG, SVG and PDF it writes,
// read back and looked at, and the same picture as the diagram draws.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class CliPlotTest : public QObject {
  Q_OBJECT
 private slots:
  void PngHasAxesAndCurves();
  void ZoomedSvgAndPdfPage();

 private:
  static int Run(const QStringList& arguments, QString* err = nullptr) {
    QProcess p;
    p.setProgram(QStringLiteral(GAUGDATA_CLI_BINARY));
    p.setArguments(arguments);
    p.start();
    if (!p.waitForFinished(60000)) return -1;
    if (err) *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  }
};

namespace {

int CountColour(const QImage& image, QRect area, bool (*match)(QRgb)) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += match(image.pixel(x, y));
  return n;
}

bool Reddish(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }
bool Dark(QRgb c) { return qGray(c) < 100; }
bool Ink(QRgb c) { return qGray(c) < 200; }

}  // namespace

void CliPlotTest::PngHasAxesAndCurves() {
  QTemporaryDir dir;
  const QString png = dir.filePath(QStringLiteral("s2.png"));
  QString err;
  QCOMPARE(Run({QStringLiteral("plot"), QStringLiteral(GAUGDATA_DEMO_FILE), QStringLiteral("2"),
                QStringLiteral("-o"), png, QStringLiteral("--size"), QStringLiteral("800x500")},
               &err),
           0);
  const QImage image(png);
  QVERIFY2(!image.isNull(), qPrintable(err));
  QCOMPARE(image.size(), QSize(800, 500));
  // Axis labels on the left, the first curve (red by default) in the plot.
  QVERIFY(CountColour(image, QRect(0, 0, 120, 480), Dark) > 300);
  QVERIFY(CountColour(image, QRect(150, 0, 650, 460), Reddish) > 200);
  QVERIFY(image.pixel(790, 10) == qRgb(255, 255, 255) || qGray(image.pixel(790, 10)) > 200);
}

void CliPlotTest::ZoomedSvgAndPdfPage() {
  QTemporaryDir dir;
  const QString svg = dir.filePath(QStringLiteral("z.svg"));
  QCOMPARE(Run({QStringLiteral("plot"), QStringLiteral(GAUGDATA_DEMO_FILE), QStringLiteral("1"),
                QStringLiteral("-o"), svg, QStringLiteral("--from"), QStringLiteral("06:00"),
                QStringLiteral("--to"), QStringLiteral("12:00")}),
           0);
  QFile f(svg);
  QVERIFY(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  QVERIFY(text.contains("<svg"));
  QVERIFY(text.contains("polyline"));
  QVERIFY(text.contains("06:"));  // tick labels of the zoomed range
  // Zoomed, the picture is another one than the whole series.
  const QString whole = dir.filePath(QStringLiteral("whole.png"));
  const QString part = dir.filePath(QStringLiteral("part.png"));
  QCOMPARE(Run({QStringLiteral("plot"), QStringLiteral(GAUGDATA_DEMO_FILE), QStringLiteral("1"),
                QStringLiteral("-o"), whole}),
           0);
  QCOMPARE(Run({QStringLiteral("plot"), QStringLiteral(GAUGDATA_DEMO_FILE), QStringLiteral("1"),
                QStringLiteral("-o"), part, QStringLiteral("--from"), QStringLiteral("06:00"),
                QStringLiteral("--to"), QStringLiteral("+43200")}),
           0);
  const QImage a(whole), b(part);
  QCOMPARE(a.size(), b.size());
  QVERIFY(a != b);
  QVERIFY(CountColour(b, QRect(150, 0, b.width() - 150, b.height() - 40), Reddish) > 200);

  const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
  QCOMPARE(Run({QStringLiteral("plot"), QStringLiteral(GAUGDATA_DEMO_FILE), QStringLiteral("2"),
                QStringLiteral("-o"), pdf}),
           0);
  QFile p(pdf);
  QVERIFY(p.open(QIODevice::ReadOnly));
  QVERIFY(p.read(5) == "%PDF-");
  if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
    QSKIP("pdftoppm is not installed");
  QProcess r;
  r.start(QStringLiteral("pdftoppm"),
          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
           dir.filePath(QStringLiteral("page"))});
  QVERIFY(r.waitForFinished(30000));
  const QImage page(dir.filePath(QStringLiteral("page-1.png")));
  QVERIFY(!page.isNull());
  QVERIFY(page.width() > page.height());  // A4 landscape
  QVERIFY(CountColour(page, QRect(0, 0, page.width(), page.height() / 5), Ink) > 30);
  QVERIFY(CountColour(page, QRect(0, page.height() / 4, page.width(), page.height() / 2), Reddish) >
          20);
}

QTEST_GUILESS_MAIN(CliPlotTest)
#include "CliPlotTest.moc"
