#include "convert/HeatFlow.h"

#include <cmath>
#include <string>

#include "core/Errors.h"
#include "core/Real48.h"

namespace gd {
namespace {

constexpr std::size_t kCurveRecordSize = 31;
constexpr std::size_t kSteamSettingsMinSize = 194;
constexpr long double kCurveGasFactor = 0.008308053438787723L;
constexpr long double kKelvinOffset = 273.15L;

void RequireSize(ByteView data, std::size_t size, const char* what) {
  if (data.size() < size) {
    throw EBinFileInvalid(std::string(what) + ": " + std::to_string(data.size()) +
                          " bytes, expected " + std::to_string(size));
  }
}

SensorCurveRecord DecodeCurve(const std::uint8_t* p) {
  SensorCurveRecord curve;
  curve.type = p[0];
  for (std::size_t i = 0; i < curve.k.size(); ++i) curve.k[i] = Real48ToLongDouble(p + 1 + 6 * i);
  return curve;
}

// T / 10 rounded to an integer, halves to the even neighbour.
long double RoundTenths(std::int16_t tenths) {
  int whole = tenths / 10;
  const int rest = tenths % 10;  // same sign as tenths
  if (rest > 5 || (rest == 5 && whole % 2 != 0)) ++whole;
  if (rest < -5 || (rest == -5 && whole % 2 != 0)) --whole;
  return whole;
}

long double Poly4(long double c0, long double c1, long double c2, long double c3, long double c4,
                  long double x) {
  return c0 + c1 * x + c2 * x * x + c3 * x * x * x + c4 * x * x * x * x;
}

// A result that is not a finite number (a curve whose logarithm or divisor
// breaks down) is reported as invalid rather than as some number.
long double Finish(long double value) {
  if (!std::isfinite(value)) return HeatFlowInvalidValue();
  return RoundToReal48(value);
}

long double LiquidHeatFlow(const HeatFlowInput& in, const HeatFlowCoefficients& k) {
  const long double t1 = RoundTenths(in.supplyTemperature);
  const long double t2 = RoundTenths(in.returnTemperature);
  const long double dT =
      (static_cast<long double>(in.supplyTemperature) - in.returnTemperature) / 10.0L;
  const long double c = k.a1 + k.a2 * (t1 + t2) + k.a3 * (t1 * t1 + t1 * t2 + t2 * t2) +
                        k.a4 * (t1 * t1 + t2 * t2) * (t1 + t2);
  const long double rho = Poly4(k.r0, k.b1, k.b2, k.b3, k.b4, t2);
  const long double rhoC = RoundToReal48(rho * c);
  const long double volumeFlow = RoundToReal48(in.area * in.velocity * 1e-9L);
  return Finish(volumeFlow * rhoC * dT * 1000.0L);
}

HeatFlowResult SteamHeatFlow(const HeatFlowInput& in, const HeatFlowCoefficients& k,
                             const SteamCurves& steam, long double pressure) {
  const long double supply = in.supplyTemperature / 10.0L;
  const long double ret = in.returnTemperature / 10.0L;
  const long double ts = SensorCurve(steam.curves[0], pressure);

  HeatFlowResult result;
  if (supply < ts - steam.margin) {
    result.rangeState = RangeState::Liquid;
    result.value = LiquidHeatFlow(in, k);
    return result;
  }
  result.rangeState = supply > ts + steam.margin ? RangeState::Superheated : RangeState::Saturated;

  long double h = SensorCurve(steam.curves[1], ts) + Poly4(k.h0, k.a1, k.a2, k.a3, k.a4, ts);
  if (result.rangeState == RangeState::Superheated) {
    h += (supply - ts) * SensorCurve(steam.curves[2], pressure);
  }
  const long double hw = Poly4(k.h0, k.a1, k.a2, k.a3, k.a4, ret);
  const long double rho = Poly4(k.r0, k.b1, k.b2, k.b3, k.b4, ret);
  result.value = Finish((in.area * in.velocity * 1e-9L) * rho * (h - hw) * 1000.0L);
  return result;
}

}  // namespace

long double HeatFlowInvalidValue() {
  static const long double value = RoundToReal48(1.678e38L);
  return value;
}

HeatFlowCoefficients DecodeHeatFlowCoefficients(ByteView body) {
  RequireSize(body, kCoefficientBodySize, "heat-flow coefficient set");
  const std::uint8_t* p = body.data();
  auto at = [p](int i) { return Real48ToLongDouble(p + 6 * i); };
  HeatFlowCoefficients k;
  k.h0 = at(0);
  k.a1 = at(1);
  k.a2 = at(2);
  k.a3 = at(3);
  k.a4 = at(4);
  k.r0 = at(5);
  k.b1 = at(6);
  k.b2 = at(7);
  k.b3 = at(8);
  k.b4 = at(9);
  return k;
}

SteamCurves DecodeSteamCurves(ByteView body) {
  RequireSize(body, kExtendedBodySize, "extended heat-flow set");
  SteamCurves steam;
  steam.curves[0] = DecodeCurve(body.data());
  steam.margin = body[kCurveRecordSize];
  steam.curves[1] = DecodeCurve(body.data() + kCurveRecordSize + 1);
  steam.curves[2] = DecodeCurve(body.data() + 2 * kCurveRecordSize + 1);
  return steam;
}

SteamSettings ReadSteamSettings(ByteView parameterSet) {
  RequireSize(parameterSet, kSteamSettingsMinSize, "parameter set");
  SteamSettings s;
  s.pressure = LoadI16(parameterSet.data() + 192);
  s.steamSwitch = (parameterSet[133] & 0x01) != 0;
  return s;
}

long double SensorCurve(const SensorCurveRecord& curve, long double x) {
  const auto& k = curve.k;
  switch (curve.type) {
    case 1:
      return Poly4(k[0], k[1], k[2], k[3], k[4], x);
    case 4:
      if (x > 0) return k[0] / (k[2] + std::log(k[1] / x) * kCurveGasFactor) - kKelvinOffset;
      return 0;
    default:
      return 0;
  }
}

HeatFlowResult HeatFlow(const HeatFlowInput& input) {
  HeatFlowResult result;
  if (input.supplyTemperature == kUndefinedTemperature ||
      input.returnTemperature == kUndefinedTemperature || !input.coefficients) {
    result.value = HeatFlowInvalidValue();
    return result;
  }
  const long double pressure = input.steamSettings.pressure / 100.0L;
  if (input.steam && pressure > 0 && input.steamSettings.steamSwitch) {
    return SteamHeatFlow(input, *input.coefficients, *input.steam, pressure);
  }
  result.value = LiquidHeatFlow(input, *input.coefficients);
  return result;
}

}  // namespace gd
