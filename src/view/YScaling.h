// The vertical-axis scaling dialog `TDLG_Yscaling` as a model: what it shows
// for an axis and what OK stores back, with the entered numbers checked.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Locale.h"
#include "core/TextTools.h"

namespace gd {

// What the axis holds that the dialog reads and writes.
struct AxisScale {
  long double dataMin = 0, dataMax = 0;  // from the curves
  long double userMin = 0, userMax = 0;  // entered last
  bool manual = false;
  int decimals = 0;
};

struct YScalingForm {
  std::string caption;           // "Scaling of  <axis>"
  bool automatic = true;         // CB_AutoScale; the edits and buttons are disabled while set
  std::string minText, maxText;  // EDI_YMIN, EDI_YMAX
  std::string dataMinText, dataMaxText;  // captions of BUT_CurrMin, BUT_CurrMax
};

// Formats a scale value for the dialog: shortest form that reads back the
// same, with the locale's decimal separator.
std::string ScaleValueText(long double v, const Locale& locale);
// Reads a number typed with "." or the locale's separator; nullopt when the
// text is not a finite number.
std::optional<long double> ParseScaleValue(std::string_view text, const Locale& locale);

// The form for `axis` named `axisName`: the edits start with the user range,
// or with the data range when user minimum and maximum are both 0.
YScalingForm OpenYScaling(const AxisScale& axis, const std::string& axisName, const Locale& locale);

// OK: stores the edits as the user range and manual = !automatic. With
// automatic scaling, edits that do not form a range are left out silently.
// Otherwise an edit that is no number, or a minimum above the maximum,
// leaves `axis` unchanged and returns the message to show.
std::optional<std::string> ApplyYScaling(const YScalingForm& form, AxisScale& axis,
                                         const Locale& locale);

}  // namespace gd
