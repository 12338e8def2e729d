#include "app/ui/HelpBrowser.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

#include <string>
#include <vector>

#include "app/ui/Dictionary.h"
#include "core/HelpTopics.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"

namespace gd::ui {
namespace {

std::vector<std::string> FolderList() {
#ifdef GAUGDATA_MANUAL_SOURCE_DIR
  const char* fallback = GAUGDATA_MANUAL_SOURCE_DIR;
#else
  const char* fallback = "";
#endif
  return help::ManualFolders(ToPath(QCoreApplication::applicationDirPath()), fallback);
}

std::string LanguageCode() { return Dictionary::Instance().State().CurrentLanguage().code; }

// F1 anywhere: the topic of the control that has the focus, else of the
// window the key was pressed in, else the contents.
class ContextHelpFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    if (type == QEvent::ShortcutOverride) {
      // F1 is context help everywhere: no window's shortcut takes it.
      event->accept();
      return true;
    }
    // An open menu first: it has the keyboard while it is open.
    const QObject* from = QApplication::activePopupWidget();
    if (from == nullptr) from = QApplication::focusWidget();
    if (from == nullptr) from = watched;
    int topic = HelpTopicOf(from);
    if (topic == 0) topic = help::kContents;
    ShowHelpTopic(topic, QApplication::activeWindow());
    return true;
  }
};

}  // namespace

QStringList ManualFolders() {
  QStringList folders;
  for (const std::string& folder : FolderList()) folders << FromPath(folder);
  return folders;
}

bool ManualAvailable() { return help::ManualExists(LanguageCode(), FolderList()); }

QUrl HelpTopicUrl(int topic) {
  const std::optional<help::ManualPage> page =
      help::FindManualPage(topic, LanguageCode(), FolderList());
  if (!page) return {};
  QUrl url = QUrl::fromLocalFile(QDir(FromPath(page->file)).absolutePath());
  if (!page->anchor.empty()) url.setFragment(QString::fromStdString(page->anchor));
  return url;
}

void ShowHelpTopic(int topic, QWidget* parent) {
  const QUrl url = HelpTopicUrl(topic);
  if (url.isEmpty()) {
    QMessageBox::warning(parent, QApplication::applicationName(),
                         Tr("Das Handbuch wurde nicht gefunden."));
    return;
  }
  if (!QDesktopServices::openUrl(url)) {
    QMessageBox::warning(parent, QApplication::applicationName(),
                         Tr("Das Handbuch konnte nicht im Browser ge\xF6"
                            "ffnet werden:") +
                             QStringLiteral("\n") + url.toLocalFile());
  }
}

void InstallContextHelp() {
  static bool installed = false;
  if (installed || qApp == nullptr) return;
  installed = true;
  SetHelpHandler([](int topic) { ShowHelpTopic(topic, QApplication::activeWindow()); });
  qApp->installEventFilter(new ContextHelpFilter(qApp));
}

}  // namespace gd::ui
