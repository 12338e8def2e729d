// The tab key walks each dialog's controls in reading order: rows top to
// bottom, each from left to right, the buttons last.
#include <QApplication>
#include <QWidget>
#include <QtTest>

#include "convert/ui/TextOutOptioDialog.h"
#include "view/ui/DualListDlg.h"
#include "view/ui/YscalingDlg.h"

namespace {

// The controls named in `names`, in the order of the dialog's focus chain.
QStringList ChainOrder(QWidget& dialog, const QStringList& names) {
  QStringList order;
  for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
    if (names.contains(w->objectName()) && !order.contains(w->objectName()))
      order << w->objectName();
  return order;
}

}  // namespace

class TabOrderTest : public QObject {
  Q_OBJECT
 private slots:
  void textOutputOptionsEndWithTheOtherOptionsThenTheButtons() {
    gd::ui::TTextOutOptioDlg d;
    const QStringList names{
        "RB_KommaWindows", "Spin_cEdiSize",      "RB_ColSepaTabulator", "RB_TempIfStored",
        "RB_MengeAlwayS",  "CB_ParaShowAllData", "CB_Sprache",          "CB_MakeHeadlines",
        "CB_ShowVeloc",    "CB_TrimStrings",     "CB_DOSSonderzeichen", "SetDefaultBtn",
        "OKBtn",           "CancelBtn"};
    QCOMPARE(ChainOrder(d, names), names);
  }

  void seriesSelectionGoesFromListThroughTheMovesToList() {
    gd::ui::TDualListDlg d;
    const QStringList names{"RB_Alle",   "RB_Auswahl", "SrcList",  "IncludeBtn",
                            "IncAllBtn", "ExcludeBtn", "ExAllBtn", "DstList"};
    QCOMPARE(ChainOrder(d, names), names);
  }

  void yScalingGoesRowByRow() {
    gd::ui::TDLG_Yscaling d;
    const QStringList names{"CB_AutoScale", "EDI_YMAX",    "BUT_CurrMax",
                            "EDI_YMIN",     "BUT_CurrMin", "OKBtn"};
    QCOMPARE(ChainOrder(d, names), names);
  }
};

QTEST_MAIN(TabOrderTest)
#include "TabOrderTest.moc"
