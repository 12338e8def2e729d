#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "ScreenshotSupport.h"
#include "app/InterfaceLanguage.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/Dictionary.h"
#include "app/ui/HelpBrowser.h"
#include "app/ui/LanguageMenu.h"
#include "app/ui/MainWindow.h"
#include "core/TextTools.h"

using gd::ui::Dictionary;

namespace {

QString MenuTitle(gd::ui::TVELTRIXMAIN& w, const char* name) {
  auto* menu = w.menuBar()->findChild<QMenu*>(QString::fromLatin1(name));
  return menu ? menu->title() : QString();
}

// The text of Qt's standard Cancel button as a new dialog shows it.
QString CancelText() {
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  return box.button(QDialogButtonBox::Cancel)->text();
}

}  // namespace

class LanguageSwitchTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { Dictionary::Instance().SetLanguage(gd::kLanguageGerman); }

  void switchesToEnglishAndBack() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    w.SeriesList()->selectRow(1);
    QCOMPARE(MenuTitle(w, "MEN_File"), QStringLiteral("&Datei"));
    QCOMPARE(gd::Translate("BIN\xC4RDATEI IST UNGUELTIG"), "BIN\xC4RDATEI IST UNGUELTIG");
    // Qt's own buttons speak the interface language too.
    QCOMPARE(CancelText(), QStringLiteral("Abbrechen"));
    // The help menu's title and the language button's tip are translated
    // although they belong to the menu bar.
    QCOMPARE(MenuTitle(w, "MEN_Hilfe"), QStringLiteral("&Hilfe"));

    QVERIFY(Dictionary::Instance().SetLanguage(gd::kLanguageEnglish));
    QTRY_COMPARE(MenuTitle(w, "MEN_File"), QStringLiteral("&File"));
    QCOMPARE(w.MEN_OpenFile()->text(), QStringLiteral("&Open..."));
    QCOMPARE(w.MEN_Exit()->text(), QStringLiteral("E&xit"));
    QCOMPARE(gd::Translate("BIN\xC4RDATEI IST UNGUELTIG"), "BINARY FILE IS INVALID");
    // texts from the models are rebuilt, the selection stays
    QCOMPARE(w.SeriesList()->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("NO"));
    QVERIFY(w.DetailsPanel()->toPlainText().startsWith(QStringLiteral("Measurement series 02")));
    QCOMPARE(w.SeriesLabel()->text(), QStringLiteral("MEASUREMENT &SERIES OF THE FILE: "));
    QCOMPARE(w.SeriesMenu()->title(), QStringLiteral("&Measurement series 02"));
    gd::ui::LanguageMenu* menu = w.LanguageMenu();
    QCOMPARE(menu->MEN_Sprache()->text(), QStringLiteral("Language"));
    QCOMPARE(MenuTitle(w, "MEN_Hilfe"), QStringLiteral("&Help"));
    QCOMPARE(menu->TB_Language()->toolTip(), QStringLiteral("Interface language"));
    QCOMPARE(CancelText(), QStringLiteral("Cancel"));
    gd::testing::SaveScreenshot(w, "main-window-en.png");
    // The series information speaks English too, down to its row captions.
    QString measuringPoint, help, sensor, quantity;
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!d) return;
      if (auto* l = d->findChild<QLabel*>(QStringLiteral("LB_MESSTELLE")))
        measuringPoint = l->text();
      if (auto* l = d->findChild<QLabel*>(QStringLiteral("LBV_SENSOR"))) sensor = l->text();
      if (auto* l = d->findChild<QLabel*>(QStringLiteral("LBV_MESSGROESSE"))) quantity = l->text();
      if (auto* b = d->findChild<QPushButton*>(QStringLiteral("BUT_HELP"))) help = b->text();
      gd::testing::SaveScreenshot(*d, "series-info-en.png");
      d->accept();
    });
    w.MEN_MWINFOClick();
    QCOMPARE(measuringPoint, QStringLiteral("MEASURING POINT:"));
    QCOMPARE(help, QStringLiteral("Help"));
    // the sensor kind and the quantity name of the meter's German tables too
    QCOMPARE(sensor, QStringLiteral("Clamp-on medium"));
    QCOMPARE(quantity, QStringLiteral("Volume flow"));
    QVERIFY(menu->Flag(gd::kLanguageEnglish)->isChecked());
    QVERIFY(!menu->TB_Language()->icon().isNull());
    // the manual of the source tree is found: the help item is shown
    QVERIFY(gd::ui::ManualAvailable());
    QVERIFY(menu->MEN_HilfeInhalt()->isVisible());

    QVERIFY(Dictionary::Instance().SetLanguage(gd::kLanguageGerman));
    QTRY_COMPARE(MenuTitle(w, "MEN_File"), QStringLiteral("&Datei"));
    QCOMPARE(w.MEN_OpenFile()->text(), QStringLiteral("Oeff&nen..."));
    QCOMPARE(gd::Translate("BIN\xC4RDATEI IST UNGUELTIG"), "BIN\xC4RDATEI IST UNGUELTIG");
    QCOMPARE(w.SeriesList()->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("NR"));
    QCOMPARE(menu->MEN_Sprache()->text(), QStringLiteral("Sprache"));
    QVERIFY(w.DetailsPanel()->toPlainText().startsWith(QStringLiteral("Messwert-Reihe 02")));
    QCOMPARE(w.SeriesLabel()->text(), QStringLiteral("MESS&WERTREIHEN DER DATEI: "));
    QCOMPARE(w.SeriesMenu()->title(), QStringLiteral("&Messwertreihe 02"));
  }

  void flagsSwitchBetweenAllLanguages() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    gd::ui::LanguageMenu* menu = w.LanguageMenu();
    // each switch starts from the text of the previous language
    menu->Flag(gd::kLanguageDanish)->trigger();
    QTRY_COMPARE(MenuTitle(w, "MEN_File"), QStringLiteral("&Filer"));
    QCOMPARE(Dictionary::Instance().Country(), 44);
    QCOMPARE(gd::Translate("ENDE"), "SLUT");
    menu->Flag(gd::kLanguageFrench)->trigger();
    QTRY_COMPARE(MenuTitle(w, "MEN_File"), QStringLiteral("&Fichier"));
    QCOMPARE(Dictionary::Instance().Country(), 33);
    QCOMPARE(CancelText(), QStringLiteral("Annuler"));
    QCOMPARE(MenuTitle(w, "MEN_Hilfe"), QStringLiteral("&Aide"));
    QCOMPARE(menu->About1()->text(), QStringLiteral("\u00C0 &propos..."));
    // accented letters come back as Windows-1252 bytes
    QCOMPARE(gd::Translate("START"),
             "D\xC9"
             "BUT");
    menu->Flag(gd::kLanguageGerman)->trigger();
    QTRY_COMPARE(MenuTitle(w, "MEN_File"), QStringLiteral("&Datei"));
    QCOMPARE(Dictionary::Instance().Country(), 49);
    QCOMPARE(menu->About1()->text(), QStringLiteral("&Info..."));
    // an unknown language changes nothing
    QVERIFY(!Dictionary::Instance().SetLanguage(9));
    QCOMPARE(Dictionary::Instance().Language(), gd::kLanguageGerman);
  }

  void languageDialogChoosesTheLanguage() {
    gd::ui::TVELTRIXMAIN w;
    w.show();
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      auto* list = dialog->findChild<QListWidget*>(QStringLiteral("LBX_Sprachen"));
      seen = list != nullptr && list->count() == 4 && list->currentRow() == 0;
      if (list) list->setCurrentRow(3);
      dialog->accept();
    });
    w.LanguageMenu()->MEN_Sprache()->trigger();
    QVERIFY(seen);
    QCOMPARE(Dictionary::Instance().Language(), gd::kLanguageFrench);
    QTRY_COMPARE(MenuTitle(w, "MEN_File"), QStringLiteral("&Fichier"));
  }

  void aboutBoxShowsTheEdition() {
    std::unique_ptr<QDialog> shipped(gd::ui::CreateAboutBox(nullptr, 2));
    QCOMPARE(shipped->findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
             QStringLiteral("GaugData"));
    QCOMPARE(shipped->findChild<QLabel*>(QStringLiteral("Version"))->text(),
             QStringLiteral("Version 2.12"));
    QVERIFY(!shipped->findChild<QLabel*>(QStringLiteral("HelpNote")));
    QCOMPARE(shipped->height(), 270);
    std::unique_ptr<QDialog> first(gd::ui::CreateAboutBox(nullptr, 0));
    QVERIFY(first->findChild<QLabel*>(QStringLiteral("HelpNote")));
    QCOMPARE(first->height(), 350);

    Dictionary::Instance().SetLanguage(gd::kLanguageEnglish);
    std::unique_ptr<QDialog> english(gd::ui::CreateAboutBox(nullptr, 2));
    QCOMPARE(english->windowTitle(), QStringLiteral("About"));
  }

  // Last: the external dictionary stays in use for the rest of the run.
  void externalDictionaryOnlyWhenItsFileExists() {
    gd::ui::TVELTRIXMAIN w;
    QTemporaryDir empty;
    QVERIFY(!Dictionary::Instance().TryExternalDictionary(empty.path()));
    QVERIFY(!Dictionary::Instance().State().ExternalLoaded());
    QCOMPARE(w.LanguageMenu()->MEN_Sprache()->text(), QStringLiteral("Sprache"));

    // the English dictionary file beside the program
    QTemporaryDir folder;
    QVERIFY(QFile::copy(Dictionary::BuiltInFile(*gd::LanguageByNumber(gd::kLanguageEnglish)),
                        folder.filePath(QStringLiteral("gaugdata_en.qm"))));
    QVERIFY(Dictionary::Instance().SetLanguage(gd::kLanguageEnglish));
    QVERIFY(Dictionary::Instance().TryExternalDictionary(folder.path()));
    QVERIFY(Dictionary::Instance().State().ExternalLoaded());
    Dictionary::Instance().SetLanguage(gd::kLanguageFrench);
    Dictionary::Instance().SetLanguage(gd::kLanguageEnglish);
    QTRY_COMPARE(MenuTitle(w, "MEN_File"), QStringLiteral("&File"));
    QCOMPARE(w.LanguageMenu()->MEN_Sprache()->text(), QStringLiteral("LANGUAGE"));
  }
};

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
