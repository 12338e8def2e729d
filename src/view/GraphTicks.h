// Pure tick and label functions of the graph axes.
#pragma once

#include <string>

namespace gd {

struct NiceTickResult {
  long double first = 0;  // the smallest multiple of step not below min - step/1000
  long double step = 1;
  int subdivisions = 5;  // minor intervals per step
};

// Nice tick step for about `intervals` intervals over [min, max]: 1, 2 or 5
// times a power of ten (subdivisions 5, 4, 5). A range that is empty,
// inverted or not finite, or fewer than one interval, is taken as one
// interval of width max(|min|, 1) so the result is always usable.
NiceTickResult NiceTicks(int intervals, long double max, long double min);

// Tick label of a vertical axis: fixed point with 6 significant digits and
// `decimals` digits after the separator; |v| < 1e-10 is 0. A value with more
// than 6 digits before the point is written in scientific form.
std::string VerticalAxisLabel(long double value, int decimals, char decimalSeparator);

// Default tick label of a horizontal axis: the value formatted as "0.00".
std::string HorizontalAxisLabel(long double value, char decimalSeparator);

}  // namespace gd
