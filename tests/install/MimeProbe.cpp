// Prints, one line per file, the file type the shared MIME database gives it:
// mimeprobe content FILE... (by the bytes alone) or mimeprobe name FILE...
// (by the name alone). Qt reads the databases of XDG_DATA_HOME and
// XDG_DATA_DIRS, as the desktop's file managers do.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 3 || (args[1] != QLatin1String("content") && args[1] != QLatin1String("name")))
    return 2;
  const auto mode = args[1] == QLatin1String("content") ? QMimeDatabase::MatchContent
                                                        : QMimeDatabase::MatchExtension;
  QMimeDatabase db;
  QTextStream out(stdout);
  for (qsizetype i = 2; i < args.size(); ++i)
    out << db.mimeTypeForFile(args[i], mode).name() << '\n';
  return 0;
}
