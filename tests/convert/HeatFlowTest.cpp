#include "convert/HeatFlow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "core/Errors.h"
#include "core/Real48.h"

namespace gd {
namespace {

// Stored coefficient body: h0, a1..a4, r0, b1..b4 as Real48, in that order.
Bytes CoefficientBody(std::initializer_list<long double> values) {
  Bytes body(kCoefficientBodySize, 0);
  int i = 0;
  for (long double v : values) StoreReal48(body.data() + 6 * i++, v);
  return body;
}

void PutCurve(Bytes& body, std::size_t at, std::uint8_t type,
              std::initializer_list<long double> k) {
  body[at] = type;
  int i = 0;
  for (long double v : k) StoreReal48(body.data() + at + 1 + 6 * i++, v);
}

// Coefficients used throughout: h0 = 10, a1 = 4, r0 = 1000, b1 = -0.5, the
// rest 0, so c = 4 and rho(t) = 1000 - 0.5 t.
HeatFlowInput WaterInput(std::int16_t t1, std::int16_t t2) {
  HeatFlowInput in;
  in.velocity = 1500;  // mm/s
  in.area = 10000;     // mm^2 -> V = 10000 * 1500 * 1e-9 = 0.015 m^3/s
  in.supplyTemperature = t1;
  in.returnTemperature = t2;
  in.coefficients =
      DecodeHeatFlowCoefficients(CoefficientBody({10, 4, 0, 0, 0, 1000, -0.5, 0, 0, 0}));
  return in;
}

// Extended body: curve 0 Ts(p) = 100 + 20 p (type 1), margin 2 degrees,
// curve 1 constant 2000, curve 2 constant 2. At p = 5 bar Ts = 200.
SteamCurves SteamBody() {
  Bytes body(kExtendedBodySize, 0);
  PutCurve(body, 0, 1, {100, 20, 0, 0, 0});
  body[31] = 2;
  PutCurve(body, 32, 1, {2000, 0, 0, 0, 0});
  PutCurve(body, 63, 1, {2, 0, 0, 0, 0});
  return DecodeSteamCurves(body);
}

HeatFlowInput SteamInput(std::int16_t t1, std::int16_t t2) {
  HeatFlowInput in = WaterInput(t1, t2);
  in.steam = SteamBody();
  in.steamSettings = {500, true};  // 5.00 bar, steam switch on
  return in;
}

void ExpectRelNear(long double actual, long double expected) {
  EXPECT_NEAR(static_cast<double>(actual / expected), 1.0, 1e-11)
      << static_cast<double>(actual) << " vs " << static_cast<double>(expected);
}

TEST(HeatFlow, LiquidFormulaWithRoundedTemperatures) {
  // T1 = 80.5 -> t1 = 80, T2 = 39.5 -> t2 = 40 (halves go to even), dT = 41.0.
  // a2 = 1/16 so c = 4 + (80 + 40) / 16 = 11.5; rho = 1000 - 0.5 * 40 = 980;
  // rho * c = 11270; result = 0.015 * 11270 * 41 * 1000 = 6 931 050.
  HeatFlowInput in = WaterInput(805, 395);
  in.coefficients->a2 = 0.0625L;
  const HeatFlowResult r = HeatFlow(in);
  ExpectRelNear(r.value, 6931050.0L);
  EXPECT_EQ(r.rangeState, RangeState::Liquid);
  EXPECT_EQ(RoundToReal48(r.value), r.value) << "result must be a Real48 value";

  // The cubic terms: a3 = 0.001, a4 = 0.0001 with t1 = 80, t2 = 40:
  // c = 11.5 + 0.001 * (6400 + 3200 + 1600) + 0.0001 * (6400 + 1600) * 120
  //   = 11.5 + 11.2 + 96 = 118.7; b2 = 0.01 -> rho = 980 + 16 = 996;
  // result = 0.015 * (996 * 118.7) * 41 * 1000 = 72 708 498.
  in.coefficients->a3 = 0.001L;
  in.coefficients->a4 = 0.0001L;
  in.coefficients->b2 = 0.01L;
  ExpectRelNear(HeatFlow(in).value, 72708498.0L);

  // Negative temperatures round to even too: -2.5 -> -2, -1.5 -> -2; dT = -1.0.
  // c = 4 + (-4) / 16 = 3.75 (a3, a4 back to 0, b2 = 0); rho = 1000 + 1 = 1001;
  // result = 0.015 * 3753.75 * -1 * 1000 = -56 306.25.
  in = WaterInput(-25, -15);
  in.coefficients->a2 = 0.0625L;
  ExpectRelNear(HeatFlow(in).value, -56306.25L);
}

TEST(HeatFlow, LiquidEdgeCases) {
  EXPECT_EQ(HeatFlow(WaterInput(600, 600)).value, 0.0L);
  // Velocity sign carries through: 0.015 * (970 * 4) * -20 * 1000 with v negative.
  HeatFlowInput in = WaterInput(800, 600);
  in.velocity = -1500;
  ExpectRelNear(HeatFlow(in).value, -0.015L * 3880 * 20 * 1000);
}

TEST(HeatFlow, InvalidResults) {
  const long double invalid = HeatFlowInvalidValue();
  EXPECT_NEAR(static_cast<double>(invalid), 1.678e38, 1e26);
  EXPECT_TRUE(IsInvalidHeatFlow(invalid));
  EXPECT_TRUE(IsInvalidHeatFlow(-0.95L * 1.678e38L));
  EXPECT_FALSE(IsInvalidHeatFlow(0.949L * 1.678e38L));

  EXPECT_EQ(HeatFlow(WaterInput(kUndefinedTemperature, 400)).value, invalid);
  EXPECT_EQ(HeatFlow(WaterInput(800, kUndefinedTemperature)).value, invalid);
  HeatFlowInput none = WaterInput(800, 400);
  none.coefficients.reset();
  EXPECT_EQ(HeatFlow(none).value, invalid);
  // Undefined temperatures win over the steam rule.
  EXPECT_EQ(HeatFlow(SteamInput(kUndefinedTemperature, 600)).value, invalid);

  // A curve that breaks down (logarithm of a negative ratio) gives invalid,
  // not a made-up number: curve 0 of type 4 with k1 = -1.
  HeatFlowInput broken = SteamInput(2010, 600);
  broken.steam->curves[0] = {4, {1, -1, 0, 0, 0}};
  EXPECT_TRUE(IsInvalidHeatFlow(HeatFlow(broken).value));
}

TEST(HeatFlow, SteamRangeStates) {
  // Ts = 100 + 20 * 5 = 200, margin 2. T2' = 60: Hw = 10 + 4 * 60 = 250,
  // rho = 1000 - 0.5 * 60 = 970, V = 0.015.
  struct Case {
    std::int16_t t1;
    RangeState state;
    long double expected;
  };
  const Case cases[] = {
      // Liquid: t1 = 190, t2 = 60, c = 4, rho * c = 3880, dT = 130:
      // 0.015 * 3880 * 130 * 1000 = 7 566 000.
      {1900, RangeState::Liquid, 7566000.0L},
      // 197.9 < 198: liquid. t1 = 198, dT = 137.9: 0.015 * 3880 * 137.9 * 1000.
      {1979, RangeState::Liquid, 0.015L * 3880 * 137.9L * 1000},
      // Saturated, edges included: H = 2000 + (10 + 4 * 200) = 2810,
      // H - Hw = 2560: 0.015 * 970 * 2560 * 1000 = 37 248 000.
      {1980, RangeState::Saturated, 37248000.0L},
      {2010, RangeState::Saturated, 37248000.0L},
      {2020, RangeState::Saturated, 37248000.0L},
      // Superheated 205.0: H = 2810 + (205 - 200) * 2 = 2820, H - Hw = 2570:
      // 0.015 * 970 * 2570 * 1000 = 37 393 500.
      {2050, RangeState::Superheated, 37393500.0L},
      // 202.1: H = 2810 + 2.1 * 2 = 2814.2: 0.015 * 970 * 2564.2 * 1000.
      {2021, RangeState::Superheated, 0.015L * 970 * 2564.2L * 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.t1);
    const HeatFlowResult r = HeatFlow(SteamInput(c.t1, 600));
    EXPECT_EQ(r.rangeState, c.state);
    ExpectRelNear(r.value, c.expected);
  }
}

TEST(HeatFlow, SteamRuleNeedsPressureSwitchAndExtendedSet) {
  // All three would be saturated (37 248 000) with the steam rule; without it
  // the liquid formula gives t1 = 201, dT = 141: 0.015 * 3880 * 141 * 1000.
  const long double liquid = 0.015L * 3880 * 141 * 1000;
  HeatFlowInput in = SteamInput(2010, 600);
  in.steamSettings.pressure = 0;
  ExpectRelNear(HeatFlow(in).value, liquid);
  in.steamSettings.pressure = -500;
  ExpectRelNear(HeatFlow(in).value, liquid);
  in = SteamInput(2010, 600);
  in.steamSettings.steamSwitch = false;
  ExpectRelNear(HeatFlow(in).value, liquid);
  in = SteamInput(2010, 600);
  in.steam.reset();
  ExpectRelNear(HeatFlow(in).value, liquid);
}

TEST(HeatFlow, SensorCurveTypes) {
  EXPECT_EQ(SensorCurve({1, {1, 2, 3, 4, 5}}, 2), 1 + 4 + 12 + 32 + 80);
  // Type 4 with k1 = x: ln 1 = 0, so k0 / k2 - 273.15 = 1000 / 2 - 273.15 = 226.85.
  EXPECT_NEAR(static_cast<double>(SensorCurve({4, {1000, 3, 2, 0, 0}}, 3)), 226.85, 1e-12);
  // k0 = 1, k1 = 4, k2 = 0, x = 1: 1 / (ln 4 * 0.008308053438787723) - 273.15
  //   = 1 / 0.0115173... - 273.15 = 86.8250... - 273.15 = -186.3249060403567.
  EXPECT_NEAR(static_cast<double>(SensorCurve({4, {1, 4, 0, 0, 0}}, 1)), -186.3249060403567, 1e-9);
  EXPECT_EQ(SensorCurve({4, {1000, 3, 2, 0, 0}}, 0), 0);
  EXPECT_EQ(SensorCurve({4, {1000, 3, 2, 0, 0}}, -1), 0);
  EXPECT_EQ(SensorCurve({2, {1, 2, 3, 4, 5}}, 2), 0);
  EXPECT_EQ(SensorCurve({0, {1, 2, 3, 4, 5}}, 2), 0);
}

TEST(HeatFlow, DecodersReadStoredLayoutAndRejectShortBodies) {
  const Bytes body = CoefficientBody({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const HeatFlowCoefficients k = DecodeHeatFlowCoefficients(body);
  EXPECT_EQ(k.h0, 1);
  EXPECT_EQ(k.a4, 5);
  EXPECT_EQ(k.r0, 6);
  EXPECT_EQ(k.b4, 10);
  EXPECT_THROW(DecodeHeatFlowCoefficients(ByteView(body).first(59)), EBinFileInvalid);

  Bytes ext(kExtendedBodySize, 0);
  PutCurve(ext, 0, 4, {1, 2, 3, 4, 5});
  ext[31] = 7;
  PutCurve(ext, 32, 1, {11, 12, 13, 14, 15});
  PutCurve(ext, 63, 9, {21, 22, 23, 24, 25});
  const SteamCurves s = DecodeSteamCurves(ext);
  EXPECT_EQ(s.curves[0].type, 4);
  EXPECT_EQ(s.curves[0].k[4], 5);
  EXPECT_EQ(s.margin, 7);
  EXPECT_EQ(s.curves[1].k[0], 11);
  EXPECT_EQ(s.curves[2].type, 9);
  EXPECT_EQ(s.curves[2].k[4], 25);
  EXPECT_THROW(DecodeSteamCurves(ByteView(ext).first(93)), EBinFileInvalid);

  Bytes params(202, 0);
  params[133] = 0x03;
  StoreU16(params.data() + 192, static_cast<std::uint16_t>(-250));
  const SteamSettings st = ReadSteamSettings(params);
  EXPECT_TRUE(st.steamSwitch);
  EXPECT_EQ(st.pressure, -250);
  params[133] = 0x02;
  EXPECT_FALSE(ReadSteamSettings(params).steamSwitch);
  EXPECT_THROW(ReadSteamSettings(ByteView(params).first(193)), EBinFileInvalid);
}

}  // namespace
}  // namespace gd
