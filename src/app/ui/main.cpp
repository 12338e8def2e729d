#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include <cstring>

#include "app/Edition.h"
#include "app/ui/MainWindow.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      QTextStream(stdout) << gd::CurrentEdition().programName << ' ' << gd::kProgramVersion << '\n';
      return 0;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(gd::CurrentEdition().programName));
  QApplication::setApplicationVersion(QString::fromLatin1(gd::kProgramVersion));
  // The desktop entry and the icon installed with the program: the desktop
  // shows that icon for the windows (none when the program is not installed).
  QGuiApplication::setDesktopFileName(QStringLiteral("gaugdata"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("gaugdata")));
  gd::ui::TVELTRIXMAIN::SetConfigurationFile(gd::ui::TVELTRIXMAIN::DefaultConfigurationFile());
  gd::ui::TVELTRIXMAIN window;
  window.show();
  // A file named on the command line is opened like one chosen in the dialog.
  const QStringList args = QApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (!args[i].startsWith('-')) {
      window.OpenCommandLineFile(args[i]);
      break;
    }
  }
  return QApplication::exec();
}
