#include "view/ui/DiagrammDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

#include "convert/VXASCIIOUT.h"
#include "core/FormatText.h"
#include "core/HelpTopics.h"
#include "core/TextTools.h"
#include "core/ui/AnsiText.h"
#include "core/ui/ContextHelp.h"
#include "view/YScaling.h"
#include "view/ui/CrvGraph.h"
#include "view/ui/DiagramRender.h"
#include "view/ui/PrintDlg.h"
#include "view/ui/StatisticsDlg.h"
#include "view/ui/YscalingDlg.h"

namespace gd::ui {
namespace {

GraphColor FromQColor(const QColor& c) {
  return static_cast<GraphColor>(c.red()) | (static_cast<GraphColor>(c.green()) << 8) |
         (static_cast<GraphColor>(c.blue()) << 16);
}

// A 12-pixel preview of a curve style: the line in the curve colour when
// lines are drawn, one mark in the mark style.
void PaintStylePreview(QPainter& p, const QRect& box, GraphColor color, int mark, bool lines,
                       const QColor& background, bool filled) {
  if (filled) p.fillRect(box, background);
  const QColor c = ToQColor(color);
  const QPoint m = box.center();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(c, 1));
  if (lines) p.drawLine(box.left() + 1, m.y(), box.right() - 1, m.y());
  p.setBrush(c);
  switch (mark) {
    case 1:
      p.drawEllipse(m, 3, 3);
      break;
    case 2:
      p.drawRect(m.x() - 3, m.y() - 3, 6, 6);
      break;
    case 3:
      p.drawLine(m.x() - 4, m.y() - 4, m.x() + 4, m.y() + 4);
      p.drawLine(m.x() - 4, m.y() + 4, m.x() + 4, m.y() - 4);
      break;
    default:
      break;
  }
  p.restore();
}

// The curve combo's items: style preview and name, italic when hidden.
class CurveItemDelegate final : public QStyledItemDelegate {
 public:
  CurveItemDelegate(TDLG_Diagramm& dialog, QObject* parent)
      : QStyledItemDelegate(parent), dialog_(dialog) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const int k = index.row();
    if (k < 0 || k >= dialog_.Curves().CurveCount()) {
      QStyledItemDelegate::paint(p, option, index);
      return;
    }
    const TcrvLineGraphLayer& layer = dialog_.Curves().Layer(k);
    p->save();
    if (option.state & QStyle::State_Selected) p->fillRect(option.rect, option.palette.highlight());
    const QRect box(option.rect.left() + 2, option.rect.top() + (option.rect.height() - 12) / 2, 24,
                    12);
    const GraphModel* g = layer.Graph();
    PaintStylePreview(*p, box, layer.color, layer.markStyle, layer.drawLines,
                      ToQColor(g ? g->color : kGraphWhite), layer.visible);
    QFont f = option.font;
    f.setItalic(!layer.visible);
    p->setFont(f);
    p->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    p->drawText(option.rect.adjusted(box.width() + 6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                index.data().toString());
    p->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(option.fontMetrics.height() + 4);
    s.setWidth(s.width() + 30);
    return s;
  }

 private:
  TDLG_Diagramm& dialog_;
};

// The mark combo's items: previews of the four mark styles.
class MarkItemDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(p, option, index);
    const QRect box(option.rect.left() + 2, option.rect.top() + (option.rect.height() - 12) / 2, 24,
                    12);
    PaintStylePreview(*p, box, kGraphBlack, index.row(), true, Qt::white, false);
  }
};

// A combo box whose closed face shows what its owner-drawn items show: a
// style preview before the text.
class PreviewComboBox final : public QComboBox {
 public:
  using Preview = std::function<void(QPainter&, const QRect& box, int index, QFont& font)>;
  PreviewComboBox(Preview preview, QWidget* parent)
      : QComboBox(parent), preview_(std::move(preview)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString text = option.currentText;
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() < 0) return;
    const QRect box(field.left() + 2, field.top() + (field.height() - 12) / 2, 24, 12);
    QFont font = this->font();
    preview_(painter, box, currentIndex(), font);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(field.adjusted(box.width() + 6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     text);
  }

 private:
  Preview preview_;
};

// The statistics action's images: the plot with its markers, the part left
// out hatched (29 start only, 30 end only, 33 both, 34 both reversed).
QIcon StatisticsIcon(int image) {
  if (image == 0) return QIcon();
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  const QBrush hatch(Qt::black, Qt::BDiagPattern);
  const int a = 5, b = 10;  // x of the start and end markers
  auto hatchSpan = [&](int from, int to) { p.fillRect(QRect(from, 1, to - from, 14), hatch); };
  switch (image) {
    case 29:
      hatchSpan(0, a);
      break;
    case 30:
      hatchSpan(b + 1, 16);
      break;
    case 33:
      hatchSpan(0, a);
      hatchSpan(b + 1, 16);
      break;
    case 34:
      hatchSpan(a + 1, b);
      break;
    default:
      break;
  }
  p.setPen(QPen(Qt::blue, 1));
  if (image != 30) p.drawLine(image == 34 ? b : a, 0, image == 34 ? b : a, 15);
  if (image != 29) p.drawLine(image == 34 ? a : b, 0, image == 34 ? a : b, 15);
  p.setPen(Qt::black);
  p.drawRect(0, 0, 15, 15);
  return QIcon(pixmap);
}

class EventsProgress final : public IProgress {
 public:
  void SetMaximum(std::int64_t) override {}
  void Advance(std::int64_t) override {}
  void LetEventsRun() override {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  bool Cancelled() const override { return false; }
};

struct WaitCursor {
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

TDLG_Diagramm::TDLG_Diagramm(QWidget* parent) : QDialog(parent) {
  setObjectName("TDLG_Diagramm");
  SetHelpTopic(this, help::kDiagramWindow);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  CreateControls();
  CreateActions();
  resize(820, 560);
}

TDLG_Diagramm::~TDLG_Diagramm() {
  StoreStyles();
  diagram_.Clear();
}

void TDLG_Diagramm::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(3);

  auto* top = new QHBoxLayout;
  cbLayer_ = new PreviewComboBox(
      [this](QPainter& p, const QRect& box, int k, QFont& font) {
        if (k >= diagram_.CurveCount()) return;
        const TcrvLineGraphLayer& layer = diagram_.Layer(k);
        PaintStylePreview(p, box, layer.color, layer.markStyle, layer.drawLines,
                          ToQColor(graph_->Model().color), layer.visible);
        font.setItalic(!layer.visible);
      },
      this);
  cbLayer_->setObjectName("CB_LayerInDiagramm");
  SetHelpTopic(cbLayer_, help::kDiagramCurve);
  cbLayer_->setItemDelegate(new CurveItemDelegate(*this, cbLayer_));
  cbLayer_->setMinimumContentsLength(18);
  cbLayer_->setContextMenuPolicy(Qt::ActionsContextMenu);
  top->addWidget(cbLayer_);
  butColor_ = new QPushButton(Tr("Farbe..."), this);
  butColor_->setObjectName("BUT_SelColor");
  SetHelpTopic(butColor_, help::kDiagramColour);
  top->addWidget(butColor_);
  cbMark_ = new PreviewComboBox(
      [](QPainter& p, const QRect& box, int k, QFont&) {
        PaintStylePreview(p, box, kGraphBlack, k, true, Qt::white, false);
      },
      this);
  cbMark_->setObjectName("CB_MarkPointInDiagramm");
  SetHelpTopic(cbMark_, help::kDiagramMark);
  cbMark_->setItemDelegate(new MarkItemDelegate(cbMark_));
  for (const char* text : {"      ", "      ", "      ", "      "})
    cbMark_->addItem(QString::fromLatin1(text));
  top->addWidget(cbMark_);
  cbxLines_ = new QCheckBox(Tr("&Linien"), this);
  cbxLines_->setObjectName("CBX_DrawLines");
  SetHelpTopic(cbxLines_, help::kDiagramLines);
  top->addWidget(cbxLines_);
  cbxVisible_ = new QCheckBox(Tr("Sic&htbar"), this);
  cbxVisible_->setObjectName("CBX_Visible");
  SetHelpTopic(cbxVisible_, help::kDiagramVisible);
  top->addWidget(cbxVisible_);
  top->addStretch();
  butStatistics_ = new QPushButton(Tr("&Statistics..."), this);
  butStatistics_->setObjectName("BUT_Statistics");
  SetHelpTopic(butStatistics_, help::kStatistics);
  top->addWidget(butStatistics_);
  butSaveImage_ = new QPushButton(Tr("&Bild speichern..."), this);
  butSaveImage_->setObjectName("BUT_SaveImage");
  top->addWidget(butSaveImage_);
  butPrint_ = new QPushButton(Tr("&Drucken..."), this);
  butPrint_->setObjectName("BUT_Print");
  SetHelpTopic(butPrint_, help::kDiagramPrint);
  top->addWidget(butPrint_);
  layout->addLayout(top);

  auto* readOuts = new QHBoxLayout;
  panName_ = new QLabel(this);
  panName_->setObjectName("PAN_LayersName");
  SetHelpTopic(panName_, help::kDiagramReadOut);
  panName_->setAutoFillBackground(true);
  panName_->setFrameShape(QFrame::Panel);
  panName_->setFrameShadow(QFrame::Sunken);
  panName_->setMinimumWidth(200);
  readOuts->addWidget(panName_, 2);
  lavValue_ = new QLabel(this);
  lavValue_->setObjectName("LAV_AktVal");
  SetHelpTopic(lavValue_, help::kDiagramReadOut);
  lavValue_->setFrameShape(QFrame::Panel);
  lavValue_->setFrameShadow(QFrame::Sunken);
  readOuts->addWidget(lavValue_, 2);
  lavTime_ = new QLabel(this);
  lavTime_->setObjectName("LAV_RealTime");
  SetHelpTopic(lavTime_, help::kDiagramReadOut);
  lavTime_->setFrameShape(QFrame::Panel);
  lavTime_->setFrameShadow(QFrame::Sunken);
  readOuts->addWidget(lavTime_, 2);
  panElapsed_ = new QLabel(this);
  panElapsed_->setObjectName("PAN_ZeitSeitStart");
  SetHelpTopic(panElapsed_, help::kDiagramReadOut);
  panElapsed_->setFrameShape(QFrame::Panel);
  panElapsed_->setFrameShadow(QFrame::Sunken);
  readOuts->addWidget(panElapsed_, 2);
  // The time read-out has two lines (time of day, date and sample).
  const int twoLines = 2 * fontMetrics().height() + 6;
  for (QLabel* l : {panName_, lavValue_, lavTime_, panElapsed_}) l->setMinimumHeight(twoLines);
  layout->addLayout(readOuts);

  auto* panel = new QWidget(this);
  panel->setObjectName("DIAGRPANEEL");
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  graph_ = new TcrvGraph(panel);
  graph_->setObjectName("crvGraph");
  panelLayout->addWidget(graph_);
  layout->addWidget(panel, 1);

  sbZoom_ = new QScrollBar(Qt::Horizontal, this);
  sbZoom_->setObjectName("SB_FixeWidth");
  sbZoom_->setRange(0, TcrvGraph::kMaxFixedWidth);
  sbZoom_->setPageStep(100);
  sbZoom_->setToolTip(Tr("Diagramm zoomen"));
  layout->addWidget(sbZoom_);

  connect(cbLayer_, &QComboBox::activated, this, [this](int i) { SelectCurve(i); });
  connect(butColor_, &QPushButton::clicked, this, [this] {
    const int k = SelectedCurve();
    if (k < 0) return;
    GraphColor c = diagram_.Layer(k).color;
    if (AskColor(c)) SetCurveColor(c);
  });
  connect(cbMark_, &QComboBox::activated, this, [this](int i) { SetMarkStyle(i); });
  connect(cbxLines_, &QCheckBox::clicked, this, [this](bool on) { SetDrawLines(on); });
  connect(cbxVisible_, &QCheckBox::clicked, this, [this](bool on) { SetCurveVisible(on); });
  connect(butStatistics_, &QPushButton::clicked, this, &TDLG_Diagramm::ACT_StatisticsExecute);
  connect(butPrint_, &QPushButton::clicked, this, &TDLG_Diagramm::BUT_PrintClick);
  connect(butSaveImage_, &QPushButton::clicked, this, &TDLG_Diagramm::SaveImageClick);
  connect(sbZoom_, &QScrollBar::valueChanged, this, [this](int v) { graph_->SetFixedWidth(v); });

  graph_->OnPointClick = [](TcrvGraph&, std::int32_t) {};
  graph_->OnMouseMove = [](TcrvGraph&, Qt::KeyboardModifiers, QPoint) {};
  graph_->OnLayerChange = [this](TcrvGraph&, int index) { LayerChanged(index); };
  graph_->OnCursorValue = [this](TcrvGraph&, int layer, long double y, long double x,
                                 std::int32_t index) { CursorValue(layer, y, x, index); };
  graph_->OnAxisRightClick = [this](TcrvGraph&, Qt::MouseButton, TcrvVerticalGraphAxis* axis, int x,
                                    int y) {
    scalingTarget_ = axis;
    UpdatePopup3();
    popup3_->popup(graph_->mapToGlobal(QPoint(x, y)));
  };
  graph_->OnZoomChange = [this](TcrvGraph&, int) { SyncZoomBar(); };
}

void TDLG_Diagramm::CreateActions() {
  auto add = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  popup1_ = new QMenu(this);
  popup1_->setObjectName("PopupMenu1");
  add(popup1_, "ACT_SetStartMarker", Tr("Start-Marker"), &TDLG_Diagramm::ACT_SetStartMarkerExecute)
      ->setCheckable(true);
  add(popup1_, "ACT_SetEndMarker", Tr("End-Marker"), &TDLG_Diagramm::ACT_SetEndMarkerExecute)
      ->setCheckable(true);
  add(popup1_, "ACT_ClearMarker", Tr("Clear Markers"), &TDLG_Diagramm::ACT_ClearMarkerExecute);
  popup1_->addSeparator();
  add(popup1_, "ACT_ZoomMarkers", Tr("Zoom to Markers"), &TDLG_Diagramm::ACT_ZoomMarkersExecute);
  add(popup1_, "ACT_ZoomReset", Tr("Reset Zoom"), &TDLG_Diagramm::ACT_ZoomResetExecute);
  add(popup1_, "ACT_MinMaxZoom", Tr("Zoom to Min/Max"), &TDLG_Diagramm::ACT_MinMaxZoomExecute);
  popup1_->addSeparator();
  add(popup1_, "ACT_MinMaxCurve", Tr("Min/Max:  Curve"), &TDLG_Diagramm::ACT_MinMaxCurveExecute);
  add(popup1_, "ACT_MinMaxAllCurves", Tr("Min/Max:  All Curves"),
      &TDLG_Diagramm::ACT_MinMaxAllCurvesExecute);
  add(popup1_, "ACT_MinMaxClearAll", Tr("Min/Max:  Clear all"),
      &TDLG_Diagramm::ACT_MinMaxClearAllExecute);
  add(popup1_, "ACT_StatisticsExecute", Tr("&Statistics..."),
      &TDLG_Diagramm::ACT_StatisticsExecute);
  popup1_->addSeparator();
  add(popup1_, "POP_Farbe1", Tr("Farbe..."), [this] {
    GraphColor c = graph_->Model().color;
    if (AskColor(c)) SetBackgroundColor(c);
  });
  popup1_->addSeparator();
  QAction* close = add(popup1_, "ACT_Close", Tr("Close"), &QDialog::reject);
  close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  addAction(close);
  connect(popup1_, &QMenu::aboutToShow, this, &TDLG_Diagramm::UpdatePopup1);
  graph_->SetPopupMenu(popup1_);

  popup3_ = new QMenu(this);
  popup3_->setObjectName("PopupMenu3");
  add(popup3_, "ACT_ScalingDlg", Tr("Scaling of axis  %s ..."),
      &TDLG_Diagramm::ACT_ScalingDlgExecute);
  add(popup3_, "ACT_ScaleCurrentMinMaxValues", Tr("Scale  %s  axis to Min/Max "),
      &TDLG_Diagramm::ACT_ScaleCurrentMinMaxValuesExecute);
  add(popup3_, "ACT_ScaleToBounds", Tr("Scale all axis to curves Min/Max"),
      &TDLG_Diagramm::ACT_ScaleToBoundsExecute);
  add(popup3_, "ACT_ScaleAutoAll", Tr("Automatic scaling to all axis"),
      &TDLG_Diagramm::ACT_ScaleAutoAllExecute);

  auto* all = new QAction(Tr("Alle sichtbar"), cbLayer_);
  all->setObjectName("POP_AlleLayerSichtbar");
  connect(all, &QAction::triggered, this, [this] { SetAllVisible(true); });
  auto* none = new QAction(Tr("Alle unsichtbar"), cbLayer_);
  none->setObjectName("POP_AlleLayerUnSichtbar");
  connect(none, &QAction::triggered, this, [this] { SetAllVisible(false); });
  cbLayer_->addAction(all);
  cbLayer_->addAction(none);
}

QAction* TDLG_Diagramm::Action(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

void TDLG_Diagramm::keyPressEvent(QKeyEvent* event) { QDialog::keyPressEvent(event); }

// --- Build --------------------------------------------------------------------

void TDLG_Diagramm::SetSource(TVXASCIIOUT* engine, int series) {
  if (engine != engine_) curves_.Invalidate();
  engine_ = engine;
  series_ = series;
}

void TDLG_Diagramm::StoreStyles() {
  if (firstBuild_ || diagram_.CurveCount() == 0) return;
  diagram_.StoreStyles(store_);
}

void TDLG_Diagramm::Build() {
  if (engine_ == nullptr) return;
  EventsProgress progress;
  DiagramCurves::BuildResult result;
  {
    WaitCursor wait;
    result = curves_.Build(engine_, series_, language_, progress);
  }
  if (result == DiagramCurves::BuildResult::kKept ||
      result == DiagramCurves::BuildResult::kNoEngine)
    return;
  StoreStyles();
  lavValue_->clear();
  lavTime_->clear();
  panElapsed_->clear();
  if (result == DiagramCurves::BuildResult::kNoSeries) {
    QApplication::beep();
    diagram_.Clear();
    FillCurveCombo();
    Relayout();
    LayerChanged(-1);
    return;
  }
  diagram_.Bind(graph_->Model(), curves_);
  diagram_.ApplyStyles(store_);
  graph_->Model().decimalSeparator = locale_.decimalSeparator;
  FillCurveCombo();
  {
    const QSignalBlocker block(sbZoom_);
    sbZoom_->setValue(0);
  }
  graph_->SetFixedWidth(0);
  Relayout();
  cbLayer_->setCurrentIndex(diagram_.CurveCount() > 0 ? 0 : -1);
  SelectCurve(diagram_.CurveCount() > 0 ? 0 : -1);
  ACT_StatisticsUpdate();
  firstBuild_ = false;
}

void TDLG_Diagramm::FillCurveCombo() {
  const QSignalBlocker block(cbLayer_);
  cbLayer_->clear();
  for (int k = 0; k < diagram_.CurveCount(); ++k)
    cbLayer_->addItem(FromAnsi(diagram_.Item(k).Name()));
}

void TDLG_Diagramm::Relayout() { graph_->Layout(); }

void TDLG_Diagramm::RepaintPlot() {
  graph_->RepaintPlot();
  cbLayer_->update();
  ACT_StatisticsUpdate();
}

void TDLG_Diagramm::ACT_StatisticsUpdate() {
  const GraphModel& g = graph_->Model();
  const int image =
      StatisticsImageIndex(g.startMarker != -1, g.startMarker, g.endMarker != -1, g.endMarker);
  if (image == statisticsImage_) return;  // the glyph only when it changes
  statisticsImage_ = image;
  const QIcon icon = StatisticsIcon(image);
  butStatistics_->setIcon(icon);
  Action("ACT_StatisticsExecute")->setIcon(icon);
  Action("ACT_ScaleCurrentMinMaxValues")->setIcon(icon);
}

void TDLG_Diagramm::SyncZoomBar() {
  const QSignalBlocker block(sbZoom_);
  sbZoom_->setValue(graph_->FixedWidth());
}

// --- Curve selection and controls ---------------------------------------------------

int TDLG_Diagramm::SelectedCurve() const {
  const int k = graph_->Model().SelectedLayerIndex();
  return k >= 0 && k < diagram_.CurveCount() ? k : -1;
}

void TDLG_Diagramm::SelectCurve(int index) { graph_->SelectLayer(index); }

void TDLG_Diagramm::ShowHeaderPanel(int curve) {
  QPalette pal = panName_->palette();
  pal.setColor(QPalette::Window, ToQColor(graph_->Model().color));
  if (curve >= 0) {
    pal.setColor(QPalette::WindowText, ToQColor(diagram_.Layer(curve).color));
    panName_->setText(FromAnsi(diagram_.Item(curve).HeaderText()));
  } else {
    panName_->clear();
  }
  panName_->setPalette(pal);
}

void TDLG_Diagramm::LayerChanged(int index) {
  const int k = index >= 0 && index < diagram_.CurveCount() ? index : -1;
  {
    const QSignalBlocker block(cbLayer_);
    cbLayer_->setCurrentIndex(k);
  }
  ShowHeaderPanel(k);
  const bool visible = k >= 0 && diagram_.Layer(k).visible;
  if (k >= 0) {
    const TcrvLineGraphLayer& layer = diagram_.Layer(k);
    const QSignalBlocker b1(cbMark_), b2(cbxLines_), b3(cbxVisible_);
    cbMark_->setCurrentIndex(std::clamp<int>(layer.markStyle, 0, 3));
    cbxLines_->setChecked(layer.drawLines);
    cbxVisible_->setChecked(layer.visible);
  }
  cbxVisible_->setEnabled(k >= 0);
  for (QWidget* w : std::initializer_list<QWidget*>{butColor_, cbMark_, cbxLines_, lavValue_,
                                                    lavTime_, panElapsed_})
    w->setVisible(visible);
  butPrint_->setEnabled(diagram_.AnyVisible());
  butStatistics_->setEnabled(k >= 0);
  if (QAction* a = cbLayer_->findChild<QAction*>("POP_AlleLayerUnSichtbar"))
    a->setEnabled(diagram_.AnyVisible());
  if (QAction* a = cbLayer_->findChild<QAction*>("POP_AlleLayerSichtbar"))
    a->setEnabled(diagram_.AnyHidden());
  cbLayer_->update();
}

void TDLG_Diagramm::SetCurveColor(GraphColor color) {
  const int k = SelectedCurve();
  if (k < 0) return;
  diagram_.Layer(k).color = color;
  graph_->SelectLayer(k);  // the axis takes the colour
  RepaintPlot();
}

void TDLG_Diagramm::SetMarkStyle(int style) {
  const int k = SelectedCurve();
  if (k < 0 || style < 0 || style > 3) return;
  diagram_.Layer(k).markStyle = static_cast<std::uint8_t>(style);
  RepaintPlot();
}

void TDLG_Diagramm::SetDrawLines(bool on) {
  const int k = SelectedCurve();
  if (k < 0) return;
  diagram_.Layer(k).drawLines = on;
  RepaintPlot();
}

void TDLG_Diagramm::SetCurveVisible(bool on) {
  const int k = SelectedCurve();
  if (k < 0) return;
  diagram_.Layer(k).visible = on;
  Relayout();  // axes of hidden curves disappear
  LayerChanged(k);
}

void TDLG_Diagramm::SetAllVisible(bool on) {
  for (int k = 0; k < diagram_.CurveCount(); ++k) diagram_.Layer(k).visible = on;
  Relayout();
  LayerChanged(SelectedCurve());
}

void TDLG_Diagramm::SetBackgroundColor(GraphColor color) {
  graph_->Model().color = color;
  ShowHeaderPanel(SelectedCurve());
  RepaintPlot();
}

bool TDLG_Diagramm::AskColor(GraphColor& color) {
  if (chooseColor) return chooseColor(color);
  const QColor c = QColorDialog::getColor(ToQColor(color), this);
  if (!c.isValid()) return false;
  color = FromQColor(c);
  return true;
}

int TDLG_Diagramm::Exec(QDialog& dialog) { return execDialog ? execDialog(dialog) : dialog.exec(); }

// --- Read-outs -----------------------------------------------------------------------

void TDLG_Diagramm::CursorValue(int layer, long double y, long double x, std::int32_t index) {
  if (layer < 0 || layer >= diagram_.CurveCount()) return;
  const TcrvLineGraphLayer& l = diagram_.Layer(layer);
  const TGraphLayItem& item = diagram_.Item(layer);
  const std::string value =
      index >= 0 ? CursorValueText(y, item.decimals, item.unit, index == l.minMarkerIndex,
                                   index == l.maxMarkerIndex, locale_)
                 : std::string();
  if (!value.empty()) {
    lavValue_->setText(FromAnsi(value));
  } else {
    lavValue_->clear();
    lavTime_->clear();
    panElapsed_->clear();
    if (index >= 0) lavValue_->setText(FromAnsi(NoValueText(y)));
  }
  if (index >= 0) {
    QString time =
        FromAnsi(CursorTimeText(diagram_.XMode(), diagram_.SeriesStart(), x, index, locale_));
    lavTime_->setText(time.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    panElapsed_->setText(FromAnsi(ElapsedText(diagram_.XMode(), diagram_.SeriesStart(), x)));
  }
}

// --- Markers and zoom ----------------------------------------------------------------------

void TDLG_Diagramm::UpdatePopup1() {
  const GraphModel& g = graph_->Model();
  popupX_ = g.MouseX();
  const bool anyMarker = g.startMarker != -1 || g.endMarker != -1;
  const long double x = std::max<long double>(popupX_, 0);
  Action("ACT_SetStartMarker")->setChecked(g.startMarker != -1 && g.startMarker == x);
  Action("ACT_SetEndMarker")->setChecked(g.endMarker != -1 && g.endMarker == x);
  Action("ACT_ClearMarker")->setEnabled(anyMarker);
  Action("ACT_ZoomMarkers")->setEnabled(anyMarker);
  Action("ACT_ZoomReset")->setEnabled(sbZoom_->value() != 0);
  const int k = SelectedCurve();
  const std::string name = k >= 0 ? diagram_.Item(k).Name() : "-NO CURVE-";
  QAction* zoom = Action("ACT_MinMaxZoom");
  zoom->setText(FromAnsi(FormatText(Translate("Zoom to Min/Max of  %s"), {name})));
  zoom->setEnabled(k >= 0 && diagram_.MinMaxRange(k).has_value());
  Action("ACT_MinMaxCurve")->setText(FromAnsi(Translate("Min/Max:") + "  " + name));
  Action("ACT_MinMaxAllCurves")->setEnabled(diagram_.CurveCount() > 1);
  Action("ACT_MinMaxClearAll")->setEnabled(diagram_.AnyMinMaxMarker());
  Action("ACT_StatisticsExecute")->setEnabled(k >= 0);
}

void TDLG_Diagramm::ACT_SetStartMarkerExecute() {
  diagram_.ToggleStartMarker(popupX_ != -1 ? popupX_ : graph_->Model().MouseX());
  RepaintPlot();
}

void TDLG_Diagramm::ACT_SetEndMarkerExecute() {
  diagram_.ToggleEndMarker(popupX_ != -1 ? popupX_ : graph_->Model().MouseX());
  RepaintPlot();
}

void TDLG_Diagramm::ACT_ClearMarkerExecute() {
  graph_->Model().startMarker = -1;
  graph_->Model().endMarker = -1;
  RepaintPlot();
}

void TDLG_Diagramm::ZoomTo(const ZoomRange& range) {
  QtGraphTextMetrics metrics(graph_);
  const GraphRect client{0, 0, graph_->width(), graph_->height()};
  const ZoomRequest z = ZoomGraphTo(graph_->Model(), metrics, client, range, diagram_.OneSecond());
  {
    const QSignalBlocker block(sbZoom_);
    sbZoom_->setValue(z.fixedWidth);
  }
  graph_->SetFixedWidth(z.fixedWidth);
  graph_->SetScrollPosition(z.scrollPosition);
  ACT_StatisticsUpdate();
}

void TDLG_Diagramm::ACT_ZoomMarkersExecute() { ZoomTo(diagram_.MarkersRange()); }

void TDLG_Diagramm::ACT_ZoomResetExecute() { sbZoom_->setValue(0); }

void TDLG_Diagramm::ACT_MinMaxZoomExecute() {
  const int k = SelectedCurve();
  if (k < 0) return;
  if (auto range = diagram_.MinMaxRange(k)) ZoomTo(*range);
}

void TDLG_Diagramm::ACT_MinMaxCurveExecute() {
  const int k = SelectedCurve();
  if (k < 0) return;
  diagram_.SetMinMaxMarkers(k);
  RepaintPlot();
}

void TDLG_Diagramm::ACT_MinMaxAllCurvesExecute() {
  diagram_.SetMinMaxMarkersOfVisible();
  RepaintPlot();
}

void TDLG_Diagramm::ACT_MinMaxClearAllExecute() {
  if (diagram_.ClearMinMaxMarkers()) RepaintPlot();
}

// --- Statistics --------------------------------------------------------------------------------

std::string TDLG_Diagramm::StatisticsText() const {
  const int k = SelectedCurve();
  if (k < 0) return {};
  return gd::StatisticsText(diagram_.Statistics(k), diagram_.StatisticsCurveOf(k), locale_);
}

void TDLG_Diagramm::ACT_StatisticsExecute() {
  const int k = SelectedCurve();
  if (k < 0) return;
  const StatisticsRecord r = diagram_.Statistics(k);
  TDLG_Statistics dialog(this);
  dialog.SetText(gd::StatisticsText(r, diagram_.StatisticsCurveOf(k), locale_));
  if (Exec(dialog) != QDialog::Accepted) return;
  diagram_.Layer(k).minMarkerIndex = r.minimumSample;
  diagram_.Layer(k).maxMarkerIndex = r.maximumSample;
  RepaintPlot();
}

// --- Axis scaling -----------------------------------------------------------------------------

void TDLG_Diagramm::UpdatePopup3() {
  const GraphModel& g = graph_->Model();
  const std::string axisName = scalingTarget_ ? scalingTarget_->caption : std::string();
  Action("ACT_ScalingDlg")
      ->setText(FromAnsi(FormatText(Translate("Scaling of axis  %s ..."), {axisName})));
  const int k = SelectedCurve();
  Action("ACT_ScaleCurrentMinMaxValues")
      ->setText(FromAnsi(FormatText(Translate("Scale  %s  axis to Min/Max "),
                                    {k >= 0 ? diagram_.Item(k).Name() : std::string()})));
  Action("ACT_ScaleCurrentMinMaxValues")->setEnabled(k >= 0);
  Action("ACT_ScalingDlg")->setEnabled(scalingTarget_ != nullptr);
  Action("ACT_ScaleAutoAll")->setEnabled(diagram_.AnyManualScale());
  (void)g;
}

void TDLG_Diagramm::ACT_ScalingDlgExecute() {
  TcrvVerticalGraphAxis* axis = scalingTarget_;
  if (axis == nullptr || axis->Graph() != &graph_->Model()) return;
  TDLG_Yscaling dialog(this);
  dialog.Load(AxisScale{axis->dataMin, axis->dataMax, axis->userMin, axis->userMax,
                        axis->manualScale, axis->decimals},
              axis->caption, locale_);
  if (Exec(dialog) != QDialog::Accepted) return;
  const AxisScale& r = dialog.Result();
  axis->userMin = r.userMin;
  axis->userMax = r.userMax;
  axis->manualScale = r.manual;
  Relayout();
}

void TDLG_Diagramm::ACT_ScaleCurrentMinMaxValuesExecute() {
  const int k = SelectedCurve();
  if (k < 0) return;
  if (diagram_.ScaleAxisToCurve(k)) Relayout();
}

void TDLG_Diagramm::ACT_ScaleToBoundsExecute() {
  diagram_.ScaleAllToData();
  Relayout();
}

void TDLG_Diagramm::ACT_ScaleAutoAllExecute() {
  diagram_.AutoScaleAll();
  Relayout();
}

// --- Printing and saving -----------------------------------------------------------------------

std::vector<PrintHeaderLine> TDLG_Diagramm::Header() const {
  return PrintHeader(ToAnsi(windowTitle()), curves_.Description(), locale_);
}

bool TDLG_Diagramm::PrintTo(QPrinter& printer, bool blackAndWhite) {
  printer.setFullPage(true);
  QString error;
  const bool ok =
      PrintDiagramPage(printer, graph_->Model(), graph_->size(), Header(), blackAndWhite, &error);
  Relayout();  // the graph's own frame back
  if (!ok) QMessageBox::critical(this, windowTitle(), error);
  return ok;
}

void TDLG_Diagramm::BUT_PrintClick() {
  if (!diagram_.AnyVisible()) return;
  TDLG_Print dialog(this);
  dialog.print = [this](QPrinter& printer, bool bw) { return PrintTo(printer, bw); };
  Exec(dialog);
}

bool TDLG_Diagramm::SaveImage(const QString& path, QString* error) {
  const bool ok = SaveDiagramImage(graph_->Model(), graph_->size(), path, error);
  Relayout();
  return ok;
}

void TDLG_Diagramm::SaveImageClick() {
  QString path;
  if (chooseImageName) {
    path = chooseImageName();
  } else {
    path = QFileDialog::getSaveFileName(this, Tr("Bild speichern"), QString(),
                                        Tr("PNG-Bild (*.png);;SVG-Grafik (*.svg)"));
  }
  if (path.isEmpty()) return;
  QString error;
  if (!SaveImage(path, &error)) QMessageBox::critical(this, windowTitle(), error);
}

}  // namespace gd::ui
