// The program's one dictionary: loads the Qt translation of the interface
// language and routes the pure libraries' Translate hook to it.
//
// Window texts are tr() texts of their classes; the pure libraries' texts are
// Windows-1252 byte strings, looked up under the one context kPureContext.
// German is the source language: its translation file may correct texts but
// normally holds none, so every lookup returns the source.
#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>

#include <memory>
#include <string>
#include <string_view>

#include "app/InterfaceLanguage.h"

namespace gd::ui {

inline constexpr const char* kPureContext = "GaugData";

class Dictionary : public QObject {
  Q_OBJECT
 public:
  // The application's dictionary, created on first use as a child of the
  // application object.
  static Dictionary& Instance();

  // Installs the Translate hook of the pure libraries and the translator of
  // the current language. Called once when the main window first starts.
  void Activate();
  bool Active() const { return active_; }

  // Switches the interface to `number` (1 German, 2 English, 3 Danish,
  // 4 French). Open windows receive QEvent::LanguageChange. An unknown
  // number, or a language whose translation cannot be loaded, changes
  // nothing and returns false.
  bool SetLanguage(int number);
  int Language() const { return state_.Current(); }
  int Primary() const { return state_.Primary(); }
  int Country() const { return CountryValue(state_.Primary()); }
  const LanguageState& State() const { return state_; }

  // Looks for the current language's translation file in `folder` and, when
  // it is there, uses the files of that folder from now on instead of the
  // built-in ones. Returns whether the external dictionary is loaded.
  bool TryExternalDictionary(const QString& folder);

  // The built-in translation file of a language, e.g. ":/i18n/gaugdata_en.qm".
  static QString BuiltInFile(const InterfaceLanguage& language);

  // The hook's work, also usable directly: a Windows-1252 text through the
  // translator under kPureContext; the text itself when nothing translates it.
  static std::string TranslateAnsi(std::string_view text);

 signals:
  void LanguageChanged(int number);

 private:
  explicit Dictionary(QObject* parent);
  QString FileOf(const InterfaceLanguage& language) const;
  bool Load(const InterfaceLanguage& language);
  void LoadQtTexts(const InterfaceLanguage& language);

  LanguageState state_;
  std::unique_ptr<QTranslator> translator_;
  std::unique_ptr<QTranslator> qtTranslator_;  // Qt's own texts
  QString externalFolder_;
  bool active_ = false;
};

}  // namespace gd::ui
