#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "ScreenshotSupport.h"
#include "convert/TextStyle.h"
#include "convert/ui/TextOutOptioDialog.h"

using gd::TextOutputOptions;
using gd::ui::TTextOutOptioDlg;

namespace {

template <typename T>
T* Control(QWidget& dialog, const char* name) {
  T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
  if (!widget) qFatal("control %s missing", name);
  return widget;
}

QAbstractButton* Button(QWidget& dialog, const char* name) {
  return Control<QAbstractButton>(dialog, name);
}

// A word as the dialog stores it: bits 4 and 16, exactly one of 17 and 18.
constexpr std::uint32_t kStoredWord = 0x00000001 | 0x00000002 | 0x00000008 | 0x00000010 |
                                      0x00000020 | 0x00000180 | 0x00000400 | 0x00002000 |
                                      0x00008000 | 0x00010000 | 0x00020000 | 0x00080000;

const std::vector<std::string> kLanguages = {"ENG = English", "000 = GAUGEUNIT-Sprache",
                                             "DAN = Dansk", "GER = Deutsch"};

}  // namespace

class TextOutOptioDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlHasItsNameAndCaption() {
    TTextOutOptioDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Einstellungen für Textausgabe"));
    const std::pair<const char*, const char*> captions[] = {
        {"OKBtn", "OK"},
        {"CancelBtn", "&Abbruch"},
        {"SetDefaultBtn", "Set Default"},
        {"RB_KommaWindows", "&Windows"},
        {"RB_Punkt", "&Punkt    (9.9)"},
        {"RB_Komma", "&Komma (9,9)"},
        {"RB_ColSepaSemikolon", "Semikolon (&;)"},
        {"RB_ColSepaTabulator", "&Tabulator"},
        {"RB_ColSepaLeerzeichen", "Leerzeichen "},
        {"RB_ColSepaAnderer", "Anderer"},
        {"RB_MengeUnterdruecken", "unterdruecken"},
        {"RB_MengeNurGespeichert", "nur für gespeicherte &Mengen"},
        {"RB_MengeAlwayS", "immer erzeugen"},
        {"CB_SeprateQuantCols", "separate Spalten  (Q_Pos;Q_Neg)"},
        {"RB_TempIfStored", "nur wenn gespeichert"},
        {"RB_TempAllIfStored", "alle, wenn eine gespeichert"},
        {"CB_ParaShowAllData", "&Alle Daten ausgeben"},
        {"CB_ParaDelimited", "Parametersatz in H&ochkommas  (\"...\")"},
        {"CB_PSnebenPS", "Parametersaetze &nebeneinander (MUX)"},
        {"CB_MakeHeadlines", "&Ueberschriften erzeugen"},
        {"CB_Date", "Spalte fuer Datum erzeugen"},
        {"CB_Time", "Spalte fuer &Zeit erzeugen"},
        {"CB_ShowVeloc", "Spalte fuer &Stroemungswert [m/s] erzeugen"},
        {"CB_TrimStrings", "&Leerzeichen in allen Spalten unterdruecken"},
        {"CB_WrComments", "&Bemerkungen ausgeben"},
        {"CB_DOSSonderzeichen", "DOS-Sonderzeichen ausgeben (äöüß...)"},
    };
    for (const auto& [name, caption] : captions)
      QCOMPARE(Button(dialog, name)->text(), QString::fromUtf8(caption));
    const std::pair<const char*, const char*> groups[] = {
        {"GRP_DezimalTrenner", "Trenner-Dezimal"},
        {"GRP_SpaltenTrenner", "Trenner-Spalten"},
        {"GRP_Mengenzaehlung", "Spalten Mengenzaehlung"},
        {"GRP_Temperatur", "Spalten Temperatur"},
        {"GRP_ParaSatz", "Parametersatz"},
        {"GRP_Sonstiges", "Sonstiges"},
        {"GRP_Sprache", "Sp&rache"}};
    for (const auto& [name, caption] : groups)
      QCOMPARE(Control<QGroupBox>(dialog, name)->title(), QString::fromUtf8(caption));
    auto* spin = Control<QSpinBox>(dialog, "Spin_cEdiSize");
    QCOMPARE(spin->minimum(), 7);
    QCOMPARE(spin->maximum(), 16);
    QVERIFY(spin->findChild<QLineEdit*>()->isReadOnly());
    QCOMPARE(Control<QLineEdit>(dialog, "ED_OtherSepa")->maxLength(), 1);
    QVERIFY(Control<QComboBox>(dialog, "CB_Sprache"));
  }

  // A stored word loads into the controls and is stored back unchanged, with
  // the number width, the separator character and the language.
  void loadsAStyleWordAndStoresItBackUnchanged() {
    TTextOutOptioDlg dialog;
    TextOutputOptions options;
    options.style = kStoredWord;
    options.colLength = 12;
    options.separatorChar = '\xA7';  // a Windows-1252 character beyond ASCII
    options.language = "DAN";
    dialog.Load(options, &kLanguages);

    QVERIFY(Button(dialog, "RB_Komma")->isChecked());
    QVERIFY(Button(dialog, "RB_ColSepaTabulator")->isChecked());
    QVERIFY(Button(dialog, "RB_MengeNurGespeichert")->isChecked());
    QVERIFY(Button(dialog, "CB_SeprateQuantCols")->isChecked());
    QVERIFY(Button(dialog, "RB_TempAllIfStored")->isChecked());
    QVERIFY(Button(dialog, "CB_PSnebenPS")->isChecked());
    QVERIFY(Button(dialog, "CB_Time")->isChecked());
    QVERIFY(!Button(dialog, "CB_Date")->isChecked());
    QVERIFY(!Button(dialog, "CB_MakeHeadlines")->isChecked());
    QCOMPARE(Control<QSpinBox>(dialog, "Spin_cEdiSize")->value(), 12);
    QCOMPARE(Control<QLineEdit>(dialog, "ED_OtherSepa")->text(), QStringLiteral("§"));
    auto* combo = Control<QComboBox>(dialog, "CB_Sprache");
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(0), QStringLiteral("000 = GAUGEUNIT-Sprache"));  // sorted
    QCOMPARE(combo->currentText(), QStringLiteral("DAN = Dansk"));

    const TextOutputOptions stored = dialog.Store();
    QCOMPARE(stored.style, kStoredWord);
    QCOMPARE(stored.colLength, 12);
    QCOMPARE(stored.separatorChar, '\xA7');
    QCOMPARE(stored.language, std::string("DAN"));

    // Through the modal entry point: OK keeps the values, Cancel drops changes.
    TextOutputOptions viaExec = options;
    QTimer::singleShot(0, [] { ClickInActiveDialog("OKBtn"); });
    QVERIFY(gd::ui::ExecTextOutputDialog(nullptr, viaExec, kLanguages));
    QCOMPARE(viaExec.style, kStoredWord);
    QCOMPARE(viaExec.language, std::string("DAN"));
    QTimer::singleShot(0, [] {
      QWidget* active = QApplication::activeModalWidget();
      Button(*active, "CB_Time")->click();
      Button(*active, "CancelBtn")->click();
    });
    QVERIFY(!gd::ui::ExecTextOutputDialog(nullptr, viaExec, kLanguages));
    QCOMPARE(viaExec.style, kStoredWord);
  }

  // User changes reach the stored word: a radio button, a check box, the
  // number width and another language line.
  void userChangesAreStored() {
    TTextOutOptioDlg dialog;
    TextOutputOptions options;
    options.style = kStoredWord;
    dialog.Load(options, &kLanguages);
    Button(dialog, "RB_KommaWindows")->click();
    Button(dialog, "CB_Date")->click();
    Button(dialog, "CB_PSnebenPS")->click();
    Button(dialog, "RB_ColSepaSemikolon")->click();
    Control<QSpinBox>(dialog, "Spin_cEdiSize")->stepUp();
    Control<QComboBox>(dialog, "CB_Sprache")->setCurrentIndex(3);

    const TextOutputOptions stored = dialog.Store();
    QVERIFY(stored.style & gd::kStyleSystemDecimal);
    QVERIFY(stored.style & gd::kStyleDecimalComma);  // kept as loaded under "Windows"
    QVERIFY(stored.style & gd::kStyleDate);
    QVERIFY(!(stored.style & gd::kStyleParamsSideBySide));
    QVERIFY(stored.style & gd::kStyleParamsEachChannel);
    QCOMPARE(gd::SeparatorKind(stored.style), gd::ColumnSeparatorKind::Semicolon);
    QCOMPARE(stored.colLength, 10);
    QCOMPARE(stored.language, std::string("GER"));
  }

  void quantityChoiceDrivesTheSeparateColumnsBox() {
    TTextOutOptioDlg dialog;
    TextOutputOptions options;
    options.style = kStoredWord & ~gd::kStyleSeparateQuantCols;
    dialog.Load(options, nullptr);
    QAbstractButton* box = Button(dialog, "CB_SeprateQuantCols");
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isChecked());
    box->click();  // the user's own state while only stored quantities are written
    QVERIFY(box->isChecked());

    Button(dialog, "RB_MengeUnterdruecken")->click();
    QVERIFY(!box->isChecked());
    QVERIFY(!box->isEnabled());
    Button(dialog, "RB_MengeAlwayS")->click();
    QVERIFY(box->isChecked());
    QVERIFY(!box->isEnabled());
    Button(dialog, "RB_MengeNurGespeichert")->click();
    QVERIFY(box->isEnabled());
    QVERIFY(box->isChecked());  // restored to what the user gave it
    box->click();
    Button(dialog, "RB_MengeAlwayS")->click();
    Button(dialog, "RB_MengeNurGespeichert")->click();
    QVERIFY(!box->isChecked());
  }

  void setDefaultButtonLoadsTheDefaults() {
    TTextOutOptioDlg dialog;
    TextOutputOptions options;
    options.style = kStoredWord;
    options.colLength = 15;
    options.separatorChar = '#';
    options.language = "GER";
    dialog.Load(options, &kLanguages);
    Button(dialog, "SetDefaultBtn")->click();

    QVERIFY(Button(dialog, "RB_KommaWindows")->isChecked());
    QVERIFY(Button(dialog, "RB_ColSepaTabulator")->isChecked());
    QVERIFY(Button(dialog, "CB_Date")->isChecked());
    QCOMPARE(Control<QSpinBox>(dialog, "Spin_cEdiSize")->value(), 9);
    QCOMPARE(Control<QLineEdit>(dialog, "ED_OtherSepa")->text(), QStringLiteral("@"));
    QCOMPARE(Control<QComboBox>(dialog, "CB_Sprache")->currentIndex(), 0);
    const TextOutputOptions stored = dialog.Store();
    // The default word with the bits every stored word has; its quantity mode
    // 0 is stored as "only stored quantities".
    QCOMPARE(stored.style,
             gd::kDefaultTextStyle | gd::kStyleParamsEachChannel | gd::kStyleQuantityMask);
    QCOMPARE(stored.colLength, 9);
    QCOMPARE(stored.separatorChar, '@');
    QCOMPARE(stored.language, std::string("000"));
  }

  void otherSeparatorFieldOnlyWithItsButton() {
    TTextOutOptioDlg dialog;
    TextOutputOptions options;  // semicolon
    dialog.Load(options, &kLanguages);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* field = Control<QLineEdit>(dialog, "ED_OtherSepa");
    QVERIFY(!field->isVisible());

    Button(dialog, "RB_ColSepaAnderer")->click();
    QVERIFY(field->isVisible());
    QCOMPARE(dialog.focusWidget(), field);
    gd::testing::SaveScreenshot(dialog, "TextOutOptioDlg.png");
    field->clear();
    QTest::keyClicks(field, QStringLiteral("|"));
    TextOutputOptions stored = dialog.Store();
    QCOMPARE(gd::SeparatorKind(stored.style), gd::ColumnSeparatorKind::User);
    QCOMPARE(stored.separatorChar, '|');

    Button(dialog, "RB_ColSepaTabulator")->click();
    QVERIFY(!field->isVisible());
    Button(dialog, "RB_ColSepaAnderer")->click();
    QCOMPARE(field->text(), QStringLiteral("|"));  // the character is kept meanwhile
    field->clear();                                // an empty field stores character code 0
    QCOMPARE(dialog.Store().separatorChar, '\0');
  }

 private:
  static void ClickInActiveDialog(const char* name) {
    QWidget* active = QApplication::activeModalWidget();
    if (!active) qFatal("no modal dialog");
    Button(*active, name)->click();
  }
};

QTEST_MAIN(TextOutOptioDialogTest)
#include "TextOutOptioDialogTest.moc"
