#include "view/GraphTicks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace gd {

namespace {

constexpr long double kLog2 = 0.301029995663981L;
constexpr long double kLog5 = 0.698970004336019L;

std::string WithSeparator(std::string text, char separator) {
  for (char& c : text)
    if (c == '.') c = separator;
  return text;
}

}  // namespace

NiceTickResult NiceTicks(int intervals, long double max, long double min) {
  NiceTickResult r;
  long double span = max - min;
  if (intervals < 1) intervals = 1;
  if (!(span > 0) || !std::isfinite(span)) {
    span = std::max(std::fabs(min), 1.0L);
    if (!std::isfinite(span)) span = 1;
  }
  const long double d = std::log10(span / intervals);
  long double exponent = std::floor(d);
  long double f = d - exponent;
  if (f < 0) f = 0;
  if (f < kLog2) {
    r.step = std::pow(10.0L, exponent);
    r.subdivisions = 5;
  } else if (f < kLog5) {
    r.step = 2 * std::pow(10.0L, exponent);
    r.subdivisions = 4;
  } else {
    r.step = 5 * std::pow(10.0L, exponent);
    r.subdivisions = 5;
  }
  if (!(r.step > 0) || !std::isfinite(r.step)) r.step = 1;
  if (!std::isfinite(min)) {
    r.first = 0;
    return r;
  }
  r.first = (std::trunc(min / r.step) - 1) * r.step;
  // Bounded: near the limit of the mantissa first + step may equal first.
  for (int guard = 0; guard < 64 && min - r.first > r.step * 0.001L; ++guard) r.first += r.step;
  return r;
}

std::string VerticalAxisLabel(long double value, int decimals, char decimalSeparator) {
  decimals = std::clamp(decimals, 0, 18);
  if (std::fabs(value) < 1e-10L || !std::isfinite(value)) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    value = 0;
  }
  char buf[96];
  // Six significant digits first, then the requested decimals.
  std::snprintf(buf, sizeof buf, "%.5Le", value);
  const long double rounded = std::strtold(buf, nullptr);
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
  if (exponent >= 6) {
    // "1.23457E+7"
    std::snprintf(buf, sizeof buf, "%.5LE", value);
    std::string s(buf);
    const auto e = s.find('E');
    std::string mantissa = s.substr(0, e);
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    const int exp = std::atoi(s.c_str() + e + 1);
    return WithSeparator(mantissa, decimalSeparator) + (exp < 0 ? "E-" : "E+") +
           std::to_string(std::abs(exp));
  }
  std::snprintf(buf, sizeof buf, "%.*Lf", decimals, rounded);
  std::string s(buf);
  if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return WithSeparator(s, decimalSeparator);
}

std::string HorizontalAxisLabel(long double value, char decimalSeparator) {
  char buf[96];
  if (!std::isfinite(value)) return "0.00";
  std::snprintf(buf, sizeof buf, "%.2Lf", value);
  std::string s(buf);
  if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return WithSeparator(s, decimalSeparator);
}

}  // namespace gd
