// The main window keeps its settings and the opened-files history in the
// configuration file: a second window sees what the first one left on close.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ui/Dictionary.h"
#include "app/ui/MainWindow.h"
#include "view/ui/ShowMemoLines.h"
#include "view/ui/ValuesInGridDlg.h"

namespace {

// Runs `action`, which opens a font dialog, and picks `font` in that dialog.
void ChooseFont(const QFont& font, const std::function<void()>& action) {
  QTimer::singleShot(0, [font] {
    auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    dialog->setCurrentFont(font);
    dialog->accept();
  });
  action();
}

// A font the views do not start with: another family, 18 points (a whole
// number of the configuration's height units), bold and italic.
QFont ChosenFont(const QFont& current, int pick) {
  const QStringList families = QFontDatabase::families();
  QStringList others;
  for (const QString& f : families)
    if (f != current.family()) others << f;
  QFont font(others.isEmpty() ? current.family() : others.value(pick % others.size()));
  font.setPointSize(18 - 3 * (pick % 2));
  font.setBold(true);
  font.setItalic(pick % 2 == 0);
  return font;
}

// Runs `action` with the table view once it runs modally and is filled (the
// fill its first activation posts is done here and then dropped).
void WhenTableRuns(const std::function<void(gd::ui::TDLG_ValuesInGrid&)>& action) {
  QTimer::singleShot(0, [action] {
    auto* table = qobject_cast<gd::ui::TDLG_ValuesInGrid*>(QApplication::activeModalWidget());
    QVERIFY(table);
    table->FillGrid();
    QCoreApplication::removePostedEvents(table, QEvent::MetaCall);
    action(*table);
  });
}

void CompareFont(const QFont& actual, const QFont& expected) {
  QCOMPARE(actual.family(), expected.family());
  QCOMPARE(actual.pointSizeF(), expected.pointSizeF());
  QCOMPARE(actual.bold(), expected.bold());
  QCOMPARE(actual.italic(), expected.italic());
}

}  // namespace

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

  // FONT... choices in the parameter-set window, the table view's grid and
  // its one-parameter-set window are written at close and come back in the
  // next window; fonts nobody changed keep what the file holds.
  void fontChoicesSurviveCloseAndReopen() {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("gaugdata.INI"));
    {
      QFile f(config);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("[FONTS]\r\nSONDTABS=Stored Font,-12,255,2,1\r\n");
    }
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(config);
    QFont paraSets, grid, paraSet;
    {
      gd::ui::TVELTRIXMAIN w;
      w.show();
      QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
      w.SeriesList()->selectRow(0);
      w.ShowParameterSets();
      auto* sets = w.findChild<gd::ui::TDLG_ShowMemoLines*>(QStringLiteral("ParameterSetWindow"));
      QVERIFY(sets);
      const QFont before = sets->Memo()->font();
      ChooseFont(ChosenFont(before, 0), [sets] { sets->FONT1Click(); });
      paraSets = sets->Memo()->font();
      QVERIFY(paraSets != before);
      sets->close();

      WhenTableRuns([&](gd::ui::TDLG_ValuesInGrid& table) {
        auto closer = qScopeGuard([&table] { table.reject(); });
        auto* view = table.findChild<QTableView*>();
        QVERIFY(view);
        const QFont gridBefore = view->font();
        ChooseFont(ChosenFont(gridBefore, 1), [&table] { table.FONT1Click(); });
        grid = view->font();
        QVERIFY(grid != gridBefore);
        table.BUT_ShowParasatzClick();
        auto* one = qobject_cast<gd::ui::TDLG_ShowMemoLines*>(table.ParameterSetWindow());
        QVERIFY(one);
        const QFont oneBefore = one->Memo()->font();
        ChooseFont(ChosenFont(oneBefore, 2), [one] { one->FONT1Click(); });
        paraSet = one->Memo()->font();
        QVERIFY(paraSet != oneBefore);
      });
      w.ShowValuesTable();
      QVERIFY(!grid.family().isEmpty() && !paraSet.family().isEmpty());
      QVERIFY(w.close());
    }
    QFile f(config);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY2(text.contains("SONDTABS=Stored Font,-12,255,2,1\r\n"), text.constData());
    QVERIFY2(text.contains("PARASETS=" + paraSets.family().toLatin1() + ","), text.constData());

    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
    w.SeriesList()->selectRow(0);
    w.ShowParameterSets();
    auto* sets = w.findChild<gd::ui::TDLG_ShowMemoLines*>(QStringLiteral("ParameterSetWindow"));
    QVERIFY(sets);
    CompareFont(sets->Memo()->font(), paraSets);
    QFont gridBack, paraSetBack;
    WhenTableRuns([&](gd::ui::TDLG_ValuesInGrid& table) {
      auto closer = qScopeGuard([&table] { table.reject(); });
      gridBack = table.findChild<QTableView*>()->font();
      table.BUT_ShowParasatzClick();
      auto* one = qobject_cast<gd::ui::TDLG_ShowMemoLines*>(table.ParameterSetWindow());
      QVERIFY(one);
      paraSetBack = one->Memo()->font();
    });
    w.ShowValuesTable();
    CompareFont(gridBack, grid);
    CompareFont(paraSetBack, paraSet);
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(QString());
  }

  // The main window's size, place and splitter and the table view's size
  // come back in the next window; a place no screen shows is brought onto
  // the screen and a size larger than the screen shrinks to it.
  void windowLayoutSurvivesCloseAndReopen() {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("gaugdata.INI"));
    gd::ui::TVELTRIXMAIN::SetConfigurationFile(config);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame(screen.x() + 30, screen.y() + 40, screen.width() * 9 / 10,
                      screen.height() * 9 / 10);
    QList<int> splitterSizes;
    const QSize tableSize(screen.width() * 9 / 10 - 1, screen.height() * 9 / 10 - 3);
    {
      gd::ui::TVELTRIXMAIN w;
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      w.move(frame.topLeft());
      w.resize(frame.size());
      auto* splitter = qobject_cast<QSplitter*>(w.centralWidget());
      QVERIFY(splitter);
      splitter->setSizes({100, 200});
      splitterSizes = splitter->sizes();
      QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
      w.SeriesList()->selectRow(0);
      WhenTableRuns([&](gd::ui::TDLG_ValuesInGrid& table) {
        table.resize(tableSize);
        table.reject();
      });
      w.ShowValuesTable();
      QCOMPARE(QRect(w.pos(), w.size()), frame);
      QVERIFY(w.close());
    }
    {
      QFile f(config);
      QVERIFY(f.open(QIODevice::ReadOnly));
      const QByteArray text = f.readAll();
      QVERIFY2(text.contains("[Layout]\r\n"), text.constData());
      QVERIFY2(text.contains(QStringLiteral("ValuesInGrid=0,0,%1,%2\r\n")
                                 .arg(tableSize.width())
                                 .arg(tableSize.height())
                                 .toLatin1()),
               text.constData());
    }
    {
      gd::ui::TVELTRIXMAIN w;
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      // the size exactly; the place up to the frame the system adds
      QCOMPARE(w.size(), frame.size());
      QVERIFY((w.pos() - frame.topLeft()).manhattanLength() <= 40);
      QCOMPARE(qobject_cast<QSplitter*>(w.centralWidget())->sizes(), splitterSizes);
      QVERIFY(w.OpenMeasurementFile(QStringLiteral(GAUGDATA_DEMO_FILE)));
      w.SeriesList()->selectRow(0);
      QSize shown;
      WhenTableRuns([&](gd::ui::TDLG_ValuesInGrid& table) {
        shown = table.size();
        table.reject();
      });
      w.ShowValuesTable();
      QCOMPARE(shown, tableSize);
      QVERIFY(w.close());
    }

    // A place on a screen that is gone and a size beyond the screen.
    QFile f(config);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QStringLiteral("[Layout]\r\nMainWindow=%1,%2,%3,%4\r\n")
                .arg(screen.right() + 3000)
                .arg(screen.bottom() + 2000)
                .arg(screen.width() + 500)
                .arg(screen.height() / 2)
                .toLatin1());
    f.close();
    gd::ui::TVELTRIXMAIN w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // the title bar on the screen, the size cut to the screen's
    QVERIFY(screen.contains(w.pos()));
    QVERIFY(screen.contains(w.geometry().topLeft()));
    QCOMPARE(w.width(), screen.width());
    QCOMPARE(w.height(), screen.height() / 2);
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
