#include <QApplication>
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
  gd::ui::TVELTRIXMAIN window;
  window.show();
  return QApplication::exec();
}
