// Opening a measurement file whose directory is full (2 114 series, a few
// records each) in the main window: parse, describe every series, fill the
// series list and select the first row. Goal: well under 100 ms, so opening
// such a file feels immediate; the list reads its cells from the model on
// demand instead of building an item per cell.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include "app/ui/MainWindow.h"
#include "core/StreamLayout.h"
#include "support/StreamBuilder.h"

namespace {

void BM_OpenFullDirectory(benchmark::State& state) {
  const int series = static_cast<int>(gd::kMaxDirectoryEntries);
  const gd::sb::ByteVec bytes = gd::sb::BuildStream(gd::sb::LargeSpec(series, 3));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("full.sdx"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    state.SkipWithError("cannot write the generated file");
    return;
  }
  file.close();
  gd::ui::TVELTRIXMAIN window;
  window.show();
  for (auto _ : state) {
    if (!window.OpenMeasurementFile(path)) {
      state.SkipWithError("generated file does not open");
      return;
    }
    QApplication::processEvents();  // the list paints its visible rows
  }
  state.counters["rows"] = window.SeriesList()->model()->rowCount();
}
BENCHMARK(BM_OpenFullDirectory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
