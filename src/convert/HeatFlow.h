// Heat flow of one value record of a heat-flow channel (physical quantity 3).
//
// The measured value of such a record is computed from its flow velocity, its
// supply and return temperatures, the channel's cross-section area and the
// channel's heat-flow coefficient set. When the channel also has an extended
// set and works with a pressure (steam in the supply line), a saturation rule
// replaces the liquid formula wherever the supply temperature reaches the
// saturation temperature at that pressure.
//
// The inputs are plain decoded values, so this code does not depend on the
// stream reader. Where they come from in the measurement stream:
//
//   HeatFlowInput field  source
//   -------------------  ------------------------------------------------------
//   velocity             i16 of the record's flag-bit-0 field (mm/s)
//   supplyTemperature    first i16 of the record's flag-bit-5 field (0.1 degC)
//   returnTemperature    second i16 of the record's flag-bit-5 field (0.1 degC)
//   area                 the record's cross-section area (Real48, mm^2) that
//                        the navigator attaches with the channel
//   coefficients         the 60-byte coefficient body the navigator finds for
//                        the parameter set's key (i16 at byte 33) in the user
//                        or factory coefficient table (items from byte 2 on);
//                        DecodeHeatFlowCoefficients turns it into values
//   steam                the 94-byte body of the extended table item with the
//                        same key (item from byte 2 on); DecodeSteamCurves
//   pressure, steamSwitch parameter-set i16 at byte 192 (0.01 bar) and bit 0 of
//                        byte 133; ReadSteamSettings takes them from the set
//
// A valid result is still to be multiplied by the record's scaled factor by
// the caller.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/Bytes.h"
#include "core/StreamLayout.h"  // kCoefficientBodySize, kExtendedBodySize

namespace gd {

// A temperature field holding this value has no temperature.
inline constexpr std::int16_t kUndefinedTemperature = -32767;

// The invalid heat-flow result (the Real48 nearest to 1.678e38) and the
// magnitude from which a result counts as invalid.
long double HeatFlowInvalidValue();
inline constexpr long double kHeatFlowInvalidLimit = 0.95L * 1.678e38L;
inline bool IsInvalidHeatFlow(long double value) {
  return !(value < kHeatFlowInvalidLimit && value > -kHeatFlowInvalidLimit);
}

// The ten coefficients of a heat-flow coefficient set, in stored order:
// enthalpy (h0, a1..a4) and density (r0, b1..b4) polynomials.
struct HeatFlowCoefficients {
  long double h0 = 0, a1 = 0, a2 = 0, a3 = 0, a4 = 0;
  long double r0 = 0, b1 = 0, b2 = 0, b3 = 0, b4 = 0;
};

// A curve record of the extended set: a type byte and five coefficients.
// Type 1 is a polynomial of degree 4, type 4 a logarithmic sensor curve.
struct SensorCurveRecord {
  std::uint8_t type = 0;
  std::array<long double, 5> k{};
};

// The extended set of a steam channel.
//   curves[0]: saturation temperature (degC) over pressure (bar)
//   curves[1]: added to the liquid enthalpy at the saturation temperature
//   curves[2]: enthalpy per degree of superheat, over pressure
struct SteamCurves {
  std::array<SensorCurveRecord, 3> curves{};
  std::uint8_t margin = 0;  // degrees around the saturation temperature
};

// Steam settings of the channel's parameter set.
struct SteamSettings {
  std::int16_t pressure = 0;  // hundredths of a bar
  bool steamSwitch = false;
};

// Decoders of the stored bodies (RecordChannel's coefficients and extended
// pointers, kCoefficientBodySize and kExtendedBodySize bytes). A body shorter
// than its size throws EBinFileInvalid; further bytes are ignored.
HeatFlowCoefficients DecodeHeatFlowCoefficients(ByteView body);
SteamCurves DecodeSteamCurves(ByteView body);
// Needs at least 194 bytes of the 202-byte parameter set (TParameterSet::View()).
SteamSettings ReadSteamSettings(ByteView parameterSet);

struct HeatFlowInput {
  std::int16_t velocity = 0;
  std::int16_t supplyTemperature = kUndefinedTemperature;
  std::int16_t returnTemperature = kUndefinedTemperature;
  long double area = 0;
  std::optional<HeatFlowCoefficients> coefficients;
  std::optional<SteamCurves> steam;
  SteamSettings steamSettings;
};

enum class RangeState : std::uint8_t { Liquid = 0, Saturated = 1, Superheated = 2 };

struct HeatFlowResult {
  long double value = 0;  // a Real48 value; invalid per IsInvalidHeatFlow
  RangeState rangeState = RangeState::Liquid;
};

// Type 1: k0 + k1 x + k2 x^2 + k3 x^3 + k4 x^4; type 4: for x > 0
// k0 / (k2 + ln(k1 / x) * 0.008308053438787723) - 273.15, else 0; other types 0.
long double SensorCurve(const SensorCurveRecord& curve, long double x);

HeatFlowResult HeatFlow(const HeatFlowInput& input);

}  // namespace gd
