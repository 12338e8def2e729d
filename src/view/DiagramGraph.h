// The diagram's curves in a graph: the time axis, one vertical axis per
// quantity and unit, one line layer per curve, their stored styles, and the
// actions of the diagram window that work on them (statistics, minimum and
// maximum markers, axis scaling, zoom to a range). The window binds it to
// its graph control; `gaugdata-cli plot` to a graph drawn into a file, so
// both draw the same.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "view/DiagramCurves.h"
#include "view/DiagramStyles.h"
#include "view/GraphModel.h"
#include "view/Statistics.h"

namespace gd {

class DiagramGraph {
 public:
  DiagramGraph() = default;
  DiagramGraph(const DiagramGraph&) = delete;
  DiagramGraph& operator=(const DiagramGraph&) = delete;
  ~DiagramGraph();

  // Removes everything an earlier Bind added to its graph, then adds the
  // time axis "Time", the vertical axes and a layer per curve of `curves`
  // under the curve's name, moving the samples into the layers. Markers are
  // cleared, the zoom width and selection reset; ComputeRanges runs.
  void Bind(GraphModel& graph, DiagramCurves& curves);
  // Removes the axes and layers from the graph and frees them.
  void Clear();

  int CurveCount() const { return static_cast<int>(layers_.size()); }
  const TGraphLayItem& Item(int curve) const { return items_.at(static_cast<std::size_t>(curve)); }
  TcrvLineGraphLayer& Layer(int curve) { return *layers_.at(static_cast<std::size_t>(curve)); }
  const TcrvLineGraphLayer& Layer(int curve) const {
    return *layers_.at(static_cast<std::size_t>(curve));
  }
  TcrvHorizontalGraphAxis* TimeAxis() const { return time_.get(); }
  int XMode() const { return xMode_; }
  double SeriesStart() const { return seriesStart_; }
  bool AnyVisible() const;
  bool AnyHidden() const;
  // Curve index of a layer, -1 when not one of these.
  int CurveOf(const TcrvGraphLayer* layer) const;

  // --- Styles (GRAPHCOLORS) ---------------------------------------------------
  // Background from "MainColor" and each curve's style; a curve without a
  // stored style gets a colour of the default palette.
  void ApplyStyles(const GraphStyleStore& store);
  void StoreStyles(const GraphStyleStore& store) const;

  // --- Statistics and min/max markers --------------------------------------------
  // Statistics of a curve over the range the graph's markers leave.
  StatisticsRecord Statistics(int curve) const;
  StatisticsCurve StatisticsCurveOf(int curve) const;
  // Sets the curve's minimum and maximum markers from its statistics.
  void SetMinMaxMarkers(int curve);
  // The same for every visible curve.
  void SetMinMaxMarkersOfVisible();
  // Clears the markers of all visible curves; true when one was set.
  bool ClearMinMaxMarkers();
  bool AnyMinMaxMarker() const;

  // --- Axis scaling ----------------------------------------------------------------
  // User range of the curve's axis = the curve's minimum and maximum in the
  // statistics range; manual on. False when the curve has no valid sample.
  bool ScaleAxisToCurve(int curve);
  // Every vertical axis: user range = data range, manual on.
  void ScaleAllToData();
  void AutoScaleAll();
  bool AnyManualScale() const;

  // --- Markers and zoom ------------------------------------------------------------
  // "Start-Marker" / "End-Marker" at X (not below 0): set, or cleared when
  // X equals the marker already set.
  void ToggleStartMarker(long double x);
  void ToggleEndMarker(long double x);
  // One second in the time axis's units.
  long double OneSecond() const { return xMode_ == kXModeExplicit ? 1.0L / 86400 : 1.0L; }
  // The range "Zoom to Markers" shows.
  ZoomRange MarkersRange() const;
  // The range between the curve's minimum and maximum markers; nullopt
  // when either is unset.
  std::optional<ZoomRange> MinMaxRange(int curve) const;

 private:
  GraphModel* graph_ = nullptr;
  std::unique_ptr<TcrvHorizontalGraphAxis> time_;
  std::vector<std::unique_ptr<TcrvVerticalGraphAxis>> axes_;
  std::vector<std::unique_ptr<TcrvLineGraphLayer>> layers_;
  std::vector<TGraphLayItem> items_;  // texts of the curves (samples moved out)
  int xMode_ = kXModeLinear;
  double seriesStart_ = 0;
};

// Zooms `graph` so that [low, high] fills the plot, centred. Runs the
// layout in `client` with the new width; returns what it set.
ZoomRequest ZoomGraphTo(GraphModel& graph, const GraphTextMetrics& metrics, const GraphRect& client,
                        const ZoomRange& range, long double oneSecond);

}  // namespace gd
