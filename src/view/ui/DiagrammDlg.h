// The diagram window `TDLG_Diagramm`: the curves of one series in the graph
// control `TcrvGraph`, the curve controls with the owner-drawn curve combo,
// crosshair read-outs, markers and zoom, vertical axis scaling with
// `TDLG_Yscaling`, statistics with `TDLG_Statistics`, printing with
// `TDLG_Print` and saving the plot as PNG or SVG.
//
// The curves come from DiagramCurves and are bound into the graph by
// DiagramGraph (both view/); the window keeps widgets and dispatch only.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "core/Locale.h"
#include "core/Progress.h"
#include "view/DiagramCurves.h"
#include "view/DiagramGraph.h"
#include "view/DiagramPrint.h"
#include "view/DiagramStyles.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QScrollBar;

namespace gd {
class TVXASCIIOUT;
}

namespace gd::ui {

class TcrvGraph;

class TDLG_Diagramm final : public QDialog {
  Q_OBJECT
 public:
  explicit TDLG_Diagramm(QWidget* parent = nullptr);
  // Stores the styles (once a build has completed) and frees the curves.
  ~TDLG_Diagramm() override;

  // Where the curve styles are kept (the configuration file's GRAPHCOLORS).
  void SetConfiguration(GraphStyleStore store) { store_ = std::move(store); }
  // The open file's conversion object (borrowed, may be null) and the series.
  void SetSource(TVXASCIIOUT* engine, int series);
  void SetLanguage(int language) { language_ = language; }
  void SetLocale(const Locale& locale) { locale_ = locale; }
  // Builds the curves unless series, style word and language are those on
  // screen (zoom, markers and selection then stay).
  void Build();
  // Stores the present curve styles (also before every rebuild).
  void StoreStyles();

  // --- Commands -------------------------------------------------------------
  void SelectCurve(int index);
  void SetCurveColor(GraphColor color);
  void SetMarkStyle(int style);
  void SetDrawLines(bool on);
  void SetCurveVisible(bool on);
  void SetAllVisible(bool on);
  void SetBackgroundColor(GraphColor color);
  void ACT_SetStartMarkerExecute();
  void ACT_SetEndMarkerExecute();
  void ACT_ClearMarkerExecute();
  void ACT_ZoomMarkersExecute();
  void ACT_ZoomResetExecute();
  void ACT_MinMaxZoomExecute();
  void ACT_MinMaxCurveExecute();
  void ACT_MinMaxAllCurvesExecute();
  void ACT_MinMaxClearAllExecute();
  // Statistics of the selected curve in TDLG_Statistics; OK sets its
  // minimum and maximum markers.
  void ACT_StatisticsExecute();
  // The statistics text of the selected curve ("" without one).
  std::string StatisticsText() const;
  // The vertical axis the axis actions work on (a right click chooses it).
  void SetScalingTarget(TcrvVerticalGraphAxis* axis) { scalingTarget_ = axis; }
  void ACT_ScalingDlgExecute();
  void ACT_ScaleCurrentMinMaxValuesExecute();
  void ACT_ScaleToBoundsExecute();
  void ACT_ScaleAutoAllExecute();
  // Zooms the time axis to [low, high] (the markers' and min/max zooms).
  void ZoomTo(const ZoomRange& range);
  // BUT_Print: TDLG_Print; printing itself through PrintTo.
  void BUT_PrintClick();
  bool PrintTo(QPrinter& printer, bool blackAndWhite);
  // "Bild speichern...": asks for a name, saves PNG or SVG at the window's size.
  void SaveImageClick();
  bool SaveImage(const QString& path, QString* error);

  // Replaceable dialogs (tests answer them without a window).
  std::function<bool(GraphColor& color)> chooseColor;
  std::function<QString()> chooseImageName;
  std::function<int(QDialog& dialog)> execDialog;

  // --- State for tests and the main window ------------------------------------
  TcrvGraph* Graph() const { return graph_; }
  DiagramGraph& Curves() { return diagram_; }
  const DiagramCurves& Loaded() const { return curves_; }
  int SelectedCurve() const;
  QComboBox* CB_LayerInDiagramm() const { return cbLayer_; }
  QComboBox* CB_MarkPointInDiagramm() const { return cbMark_; }
  QCheckBox* CBX_DrawLines() const { return cbxLines_; }
  QCheckBox* CBX_Visible() const { return cbxVisible_; }
  QLabel* PAN_LayersName() const { return panName_; }
  QLabel* LAV_AktVal() const { return lavValue_; }
  QLabel* LAV_RealTime() const { return lavTime_; }
  QLabel* PAN_ZeitSeitStart() const { return panElapsed_; }
  QPushButton* BUT_Print() const { return butPrint_; }
  QPushButton* BUT_Statistics() const { return butStatistics_; }
  QPushButton* BUT_SelColor() const { return butColor_; }
  QScrollBar* SB_FixeWidth() const { return sbZoom_; }
  QMenu* PopupMenu1() const { return popup1_; }
  QMenu* PopupMenu3() const { return popup3_; }
  QAction* Action(const char* name) const;
  int StatisticsImage() const { return statisticsImage_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  void CreateActions();
  void FillCurveCombo();
  void LayerChanged(int index);
  void CursorValue(int layer, long double y, long double x, std::int32_t index);
  void UpdatePopup1();
  void UpdatePopup3();
  void ShowHeaderPanel(int curve);
  void Relayout();
  void RepaintPlot();
  void SyncZoomBar();
  // ACT_StatisticsUpdate: the statistics action's image follows the markers.
  void ACT_StatisticsUpdate();
  std::vector<PrintHeaderLine> Header() const;
  bool AskColor(GraphColor& color);
  int Exec(QDialog& dialog);

  TVXASCIIOUT* engine_ = nullptr;
  int series_ = 0;
  int language_ = 0;
  Locale locale_;
  GraphStyleStore store_;
  bool firstBuild_ = true;  // set until a build has completed
  DiagramCurves curves_;
  DiagramGraph diagram_;
  TcrvVerticalGraphAxis* scalingTarget_ = nullptr;
  long double popupX_ = -1;   // the X under the mouse when PopupMenu1 opened
  int statisticsImage_ = -1;  // image the statistics button shows

  TcrvGraph* graph_ = nullptr;
  QLabel* panName_ = nullptr;
  QComboBox* cbLayer_ = nullptr;
  QPushButton* butColor_ = nullptr;
  QComboBox* cbMark_ = nullptr;
  QCheckBox* cbxLines_ = nullptr;
  QCheckBox* cbxVisible_ = nullptr;
  QLabel* lavValue_ = nullptr;
  QLabel* lavTime_ = nullptr;
  QLabel* panElapsed_ = nullptr;
  QPushButton* butStatistics_ = nullptr;
  QPushButton* butPrint_ = nullptr;
  QPushButton* butSaveImage_ = nullptr;
  QScrollBar* sbZoom_ = nullptr;
  QMenu* popup1_ = nullptr;
  QMenu* popup3_ = nullptr;
  QMenu* popupCurves_ = nullptr;
};

}  // namespace gd::ui
