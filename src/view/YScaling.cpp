#include "view/YScaling.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/FormatText.h"
#include "core/TextTools.h"

namespace gd {

std::string ScaleValueText(long double v, const Locale& locale) {
  char buf[96];
  bool done = false;
  if (std::fabs(v) < 1e15L) {
    for (int decimals = 0; decimals <= 18 && !done; ++decimals) {
      std::snprintf(buf, sizeof buf, "%.*Lf", decimals, v);
      done = std::strtold(buf, nullptr) == v;
    }
  }
  for (int precision = 1; precision <= 21 && !done; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*Lg", precision, v);
    done = std::strtold(buf, nullptr) == v;
  }
  std::string text = buf;
  if (text == "-0") text = "0";
  for (char& c : text)
    if (c == '.') c = locale.decimalSeparator;
  return text;
}

std::optional<long double> ParseScaleValue(std::string_view text, const Locale& locale) {
  std::string s(TrimBlanks(text));
  if (s.empty()) return std::nullopt;
  for (char& c : s)
    if (c == locale.decimalSeparator || c == ',') c = '.';
  // Digits, one point, a sign and an exponent only (no "inf", "nan", hex).
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '+' &&
        c != 'e' && c != 'E')
      return std::nullopt;
  char* end = nullptr;
  const long double v = std::strtold(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(static_cast<double>(v)) ||
      std::fabs(v) >= 1e38L)
    return std::nullopt;
  return v;
}

YScalingForm OpenYScaling(const AxisScale& axis, const std::string& axisName,
                          const Locale& locale) {
  YScalingForm f;
  f.caption = Translate("Scaling of") + "  " + axisName;
  f.automatic = !axis.manual;
  f.dataMinText = ScaleValueText(axis.dataMin, locale);
  f.dataMaxText = ScaleValueText(axis.dataMax, locale);
  const bool noUserRange = axis.userMin == 0 && axis.userMax == 0;
  f.minText = noUserRange ? f.dataMinText : ScaleValueText(axis.userMin, locale);
  f.maxText = noUserRange ? f.dataMaxText : ScaleValueText(axis.userMax, locale);
  return f;
}

std::optional<std::string> ApplyYScaling(const YScalingForm& form, AxisScale& axis,
                                         const Locale& locale) {
  if (form.automatic) {
    // The edits are disabled; they are kept when they hold a usable range.
    const auto lo = ParseScaleValue(form.minText, locale);
    const auto hi = ParseScaleValue(form.maxText, locale);
    if (lo && hi && *lo <= *hi) {
      axis.userMin = *lo;
      axis.userMax = *hi;
    }
    axis.manual = false;
    return std::nullopt;
  }
  const auto lo = ParseScaleValue(form.minText, locale);
  if (!lo)
    return FormatText(Translate("Keine g\xFC"
                                "ltige Zahl: %s"),
                      {form.minText});
  const auto hi = ParseScaleValue(form.maxText, locale);
  if (!hi)
    return FormatText(Translate("Keine g\xFC"
                                "ltige Zahl: %s"),
                      {form.maxText});
  if (*lo > *hi)
    return Translate(
        "Das Minimum ist gr\xF6\xDF"
        "er als das Maximum");
  axis.userMin = *lo;
  axis.userMax = *hi;
  axis.manual = true;
  return std::nullopt;
}

}  // namespace gd
