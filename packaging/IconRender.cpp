// Renders the program's scalable icon as the fixed-size PNG icons of the
// desktop's icon theme: gaugdata_iconrender SVG FOLDER NAME SIZE... writes
// FOLDER/<SIZE>x<SIZE>/apps/NAME.png for each size.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fputs("usage: gaugdata_iconrender SVG FOLDER NAME SIZE...\n", stderr);
    return 2;
  }
  // Drawing shapes into an image needs no display (and no fonts: the icon
  // holds no text).
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  QTextStream err(stderr);

  std::vector<int> sizes;
  for (qsizetype i = 4; i < args.size(); ++i) {
    bool ok = false;
    const int size = args[i].toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
      err << "gaugdata_iconrender: bad size " << args[i] << '\n';
      return 2;
    }
    sizes.push_back(size);
  }

  QSvgRenderer renderer(args[1]);
  if (!renderer.isValid()) {
    err << "gaugdata_iconrender: cannot read " << args[1] << '\n';
    return 1;
  }
  for (const int size : sizes) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      renderer.render(&painter, QRectF(0, 0, size, size));
    }
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
    const QString target = QStringLiteral("%1/%2.png").arg(folder, args[3]);
    if (!QDir().mkpath(folder) || !image.save(target, "PNG")) {
      err << "gaugdata_iconrender: cannot write " << target << '\n';
      return 1;
    }
  }
  return 0;
}
