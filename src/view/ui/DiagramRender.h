// Drawing a diagram's graph outside its window: as an image (PNG), as a
// vector drawing (SVG) or as the printed page with its header block on a
// printer or a PDF file. The diagram window's "Bild speichern..." and
// printing and `gaugdata-cli plot` all draw through here, so a saved or
// printed diagram is the one on the screen.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <string>
#include <vector>

#include "view/DiagramPrint.h"
#include "view/GraphModel.h"

class QPagedPaintDevice;

namespace gd::ui {

// The screen resolution the graph is laid out for (logical dots per inch).
inline constexpr int kGraphScreenDpi = 96;

// Lays the graph out in `size` and draws it (no crosshair).
QImage RenderDiagramImage(GraphModel& graph, QSize size, bool blackAndWhite = false);

// Saves the graph drawn in `size`: PNG for ".png", SVG for ".svg" (by the
// extension, any case). False with `error` set when the kind is unknown or
// the file could not be written whole; nothing is left behind then.
bool SaveDiagramImage(GraphModel& graph, QSize size, const QString& path, QString* error);

// The printed page: the header rows at the top margin, the graph (laid out
// in `graphSize` screen pixels) scaled onto the rest of the page, its texts
// keeping their size relative to the graph. `device` is a QPrinter or a
// QPdfWriter; the page's full size is used.
bool PrintDiagramPage(QPagedPaintDevice& device, GraphModel& graph, QSize graphSize,
                      const std::vector<PrintHeaderLine>& header, bool blackAndWhite,
                      QString* error);

}  // namespace gd::ui
