#include "cli/ui/PlotRenderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdlib>
#include <memory>

#include "view/ui/CrvGraph.h"
#include "view/ui/DiagramRender.h"

namespace gd::cli {

bool RenderPlot(PlotJob& job, std::string& error) {
  // The application the drawing needs, for this command only; the
  // offscreen platform unless the caller chose one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "gaugdata-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  const QString path = QString::fromLocal8Bit(job.output.c_str());
  const QString suffix = QFileInfo(path).suffix().toLower();
  const QSize size(job.width, job.height);
  if (suffix != "png" && suffix != "svg" && suffix != "pdf") {
    error = "OUT must end in .png, .svg or .pdf: " + job.output;
    return false;
  }
  if (job.zoom) {
    // Laid out first in the size of the picture, as the window would be.
    QImage probe(size, QImage::Format_ARGB32_Premultiplied);
    ui::QtGraphTextMetrics metrics(&probe);
    ZoomGraphTo(*job.graph, metrics, GraphRect{0, 0, size.width(), size.height()}, *job.zoom,
                job.diagram->OneSecond());
  }
  QString message;
  if (suffix == "pdf") {
    // Into memory first, so a failed page leaves no half-written file.
    QByteArray bytes;
    {
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      QPdfWriter pdf(&buffer);
      pdf.setResolution(300);
      pdf.setPageLayout(
          QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
      pdf.setTitle(QStringLiteral("GaugData"));
      if (!ui::PrintDiagramPage(pdf, *job.graph, size, job.header, false, &message)) {
        error = message.toStdString();
        return false;
      }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
      error = "cannot write " + job.output;
      return false;
    }
    return true;
  }
  if (!ui::SaveDiagramImage(*job.graph, size, path, &message)) {
    error = message.toStdString();
    return false;
  }
  return true;
}

}  // namespace gd::cli
