#include "app/ui/Dictionary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>

#include "core/TextTools.h"
#include "core/ui/AnsiText.h"

namespace gd::ui {

Dictionary& Dictionary::Instance() {
  static QPointer<Dictionary> instance;
  if (instance.isNull()) instance = new Dictionary(QCoreApplication::instance());
  return *instance;
}

Dictionary::Dictionary(QObject* parent) : QObject(parent) {}

std::string Dictionary::TranslateAnsi(std::string_view text) {
  if (text.empty()) return {};
  const std::string bytes(text);
  const QString source = FromAnsi(bytes);
  const QByteArray key = source.toUtf8();
  const QString translated = QCoreApplication::translate(kPureContext, key.constData());
  // The source itself keeps bytes that do not survive the trip to Unicode.
  if (translated == source) return bytes;
  return ToAnsi(translated);
}

void Dictionary::Activate() {
  if (!active_) SetTranslateFunction([](std::string_view text) { return TranslateAnsi(text); });
  active_ = true;
  Load(state_.CurrentLanguage());
}

QString Dictionary::BuiltInFile(const InterfaceLanguage& language) {
  return QStringLiteral(":/i18n/gaugdata_%1.qm").arg(QLatin1String(language.code));
}

QString Dictionary::FileOf(const InterfaceLanguage& language) const {
  const QString builtIn = BuiltInFile(language);
  if (externalFolder_.isEmpty()) return builtIn;
  const std::string path =
      ExternalDictionaryPath(externalFolder_.toStdString(), builtIn.toStdString());
  const QString external = QString::fromStdString(path);
  // A language the external folder lacks comes from the built-in files.
  return QFileInfo::exists(external) ? external : builtIn;
}

// Qt's own texts (standard buttons, file and font dialogs) in the interface
// language, from the translations installed with Qt. Without them those stay
// English; a missing file changes nothing else.
void Dictionary::LoadQtTexts(const InterfaceLanguage& language) {
  if (qtTranslator_) QCoreApplication::removeTranslator(qtTranslator_.get());
  qtTranslator_.reset();
  auto next = std::make_unique<QTranslator>();
  if (!next->load(QStringLiteral("qtbase_%1").arg(QLatin1String(language.code)),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  qtTranslator_ = std::move(next);
  QCoreApplication::installTranslator(qtTranslator_.get());
}

bool Dictionary::Load(const InterfaceLanguage& language) {
  auto next = std::make_unique<QTranslator>();
  if (!next->load(FileOf(language))) {
    // German is the source language: a German file without corrections
    // (lrelease leaves it empty) means no translator at all.
    if (language.number != kLanguageGerman) return false;
    next.reset();
  }
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
  translator_ = std::move(next);
  if (translator_) QCoreApplication::installTranslator(translator_.get());
  LoadQtTexts(language);
  return true;
}

bool Dictionary::SetLanguage(int number) {
  const InterfaceLanguage* language = LanguageByNumber(number);
  if (language == nullptr) return false;
  if (active_ && !Load(*language)) return false;
  state_.SetLanguage(number);
  emit LanguageChanged(number);
  return true;
}

bool Dictionary::TryExternalDictionary(const QString& folder) {
  const std::string path =
      ExternalDictionaryPath(QDir::toNativeSeparators(folder).toStdString(),
                             BuiltInFile(state_.CurrentLanguage()).toStdString());
  if (path.empty() || !QFileInfo::exists(QString::fromStdString(path))) return false;
  const QString previous = externalFolder_;
  externalFolder_ = QDir::toNativeSeparators(folder);
  if (active_ && !Load(state_.CurrentLanguage())) {
    // An unreadable file leaves the built-in dictionary in use.
    externalFolder_ = previous;
    Load(state_.CurrentLanguage());
    return false;
  }
  state_.SetExternalLoaded(true);
  return true;
}

}  // namespace gd::ui
