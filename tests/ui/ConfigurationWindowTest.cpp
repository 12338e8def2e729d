// The main window keeps its settings and the opened-files history in the
// configuration file: a second window sees what the first one left on close.
#include <QAction>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ui/Dictionary.h"
#include "app/ui/MainWindow.h"

class ConfigurationWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void secondWindowSeesTheFirstWindowsSettingsAndHistory() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString config = dir.filePath(QStringLiteral("sub/gaugdata.INI"));
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(config);
    const QString demo = dir.filePath(QStringLiteral("demo.sdx"));
    QVERIFY(QFile::copy(QStringLiteral(GAUGDATA_DEMO_FILE), demo));
    {
      gd::ui::TVELTRIXMAIN first;
      first.show();
      QVERIFY(first.History().opened.Entries().empty());
      QVERIFY(first.OpenAndRemember(demo));
      QVERIFY(first.OpenAndRemember(QStringLiteral(GAUGDATA_DEMO_FILE)));
      first.SetTimeMode(2);
      first.SetQuickSaveVisible(true);
      first.MEN_QuickSave()->setChecked(true);
      QVERIFY(first.close());
    }
    QVERIFY(QFile::exists(config));

    gd::ui::TVELTRIXMAIN second;
    second.show();
    const QList<QAction*> entries = second.OpenedHistoryActions();
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries[0]->text().startsWith(QStringLiteral("&1 ")));
    QVERIFY(entries[1]->text().endsWith(QDir::toNativeSeparators(demo)));
    QVERIFY(second.MEN_QuickSave()->isChecked());
    auto* duration = second.SeriesList()->findChild<QAction*>(QStringLiteral("POP_TimeMode2"));
    QVERIFY(duration && duration->isChecked());

    // Picking the second entry opens that file and moves it to the front.
    entries[1]->trigger();
    QCOMPARE(QString::fromStdString(second.File().CurrentFileName()),
             QDir::toNativeSeparators(demo));
    QCOMPARE(QString::fromStdString(second.History().opened.Entries().front()),
             QDir::toNativeSeparators(demo));
    QCOMPARE(second.OpenedHistoryActions().size(), 2);
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(QString());
  }

  // The table is offered as double-click action and kept; a stored action
  // this window does not offer yet (the diagram) is written back unchanged.
  // The save dialog starts in the folder of the last save.
  void doubleClickChoiceAndSaveFolderAreKept() {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("gaugdata.INI"));
    const QString saves = dir.filePath(QStringLiteral("ausgaben"));
    QVERIFY(QDir().mkpath(saves));
    auto writeIni = [&](int action) {
      QFile f(config);
      QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(QStringLiteral("[COMMONS]\r\nLBX-DblClick=%1\r\n[FILEOPTIONS]\r\nLastSavePath=%2\r\n")
                  .arg(action)
                  .arg(QDir::toNativeSeparators(saves))
                  .toUtf8());
    };
    auto stored = [&] {
      QFile f(config);
      return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(config);
    writeIni(2);
    {
      gd::ui::TVELTRIXMAIN w;
      w.show();
      auto* table = w.SeriesList()->findChild<QAction*>(QStringLiteral("POP_DoubleClick2"));
      QVERIFY(table);
      QCOMPARE(table->text(), QStringLiteral("&Tabelle"));
      QVERIFY(table->isChecked());

      QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
      QString preset;
      gd::ui::FileDialogs dialogs;
      dialogs.saveName = [&preset](QWidget*, QString& chosen, int&) {
        preset = chosen;
        return false;
      };
      w.SetFileDialogs(dialogs);
      w.IncAllBtnClick();
      QVERIFY(!w.BTN_SaveFromSelectedClick());
      QCOMPARE(QFileInfo(preset).absolutePath(), QFileInfo(saves).absoluteFilePath());
      QVERIFY(w.close());
    }
    QVERIFY2(stored().contains(QStringLiteral("LBX-DblClick=2")), qPrintable(stored()));

    writeIni(3);
    {
      gd::ui::TVELTRIXMAIN w;
      w.show();
      QVERIFY(w.close());
    }
    QVERIFY2(stored().contains(QStringLiteral("LBX-DblClick=3")), qPrintable(stored()));
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(QString());
  }

  // TryExternalDict: a dictionary file beside the program is used, and the
  // language menu shows that in its upper-case caption.
  void externalDictionaryBesideTheProgram() {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("gaugdata.INI"));
    QFile ini(config);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[COMMONS]\r\nTryExternalDict=1\r\n");
    ini.close();
    const QString external =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("gaugdata_de.qm"));
    QFile::remove(external);
    QVERIFY(QFile::copy(QStringLiteral(":/i18n/gaugdata_de.qm"), external));
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(config);
    {
      gd::ui::TVELTRIXMAIN w;
      w.show();
      QVERIFY(gd::ui::Dictionary::Instance().State().ExternalLoaded());
    }
    QFile::remove(external);
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(QString());
  }

  void damagedFileStartsWithTheDefaults() {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("gaugdata.INI"));
    QFile f(config);
    QVERIFY(f.open(QIODevice::WriteOnly));
    static const char damaged[] =
        "\x00\xFF[COMMONS\nShowQuickSave=1\n[HISTORY_OPENSDX]\nHistory0\n";
    f.write(damaged, sizeof damaged - 1);
    f.close();
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(config);
    gd::ui::TVELTRIXMAIN w;
    QVERIFY(!w.MEN_QuickSave()->isChecked());
    QVERIFY(w.OpenedHistoryActions().isEmpty());
    QCOMPARE(w.TextOptions().colLength, 9);
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(QString());
  }
};

QTEST_MAIN(ConfigurationWindowTest)
#include "ConfigurationWindowTest.moc"
