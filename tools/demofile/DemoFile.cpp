#include "DemoFile.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "core/ReihenMemoStrings.h"
#include "core/UserData.h"
#include "support/StreamBuilder.h"

namespace gd::demo {
namespace {

using sb::ChannelSpec;
using sb::ExtensionBlock;
using sb::FlaggedRecord;
using sb::SeriesSpec;

// Noise that is the same on every platform: mt19937's raw output is fixed by
// the standard, the distributions are not.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : engine_(seed) {}
  // Uniform in [-amplitude, +amplitude].
  double operator()(double amplitude) {
    const double unit = static_cast<double>(engine_() >> 8) / 16777216.0;  // [0, 1)
    return (2.0 * unit - 1.0) * amplitude;
  }

 private:
  std::mt19937 engine_;
};

constexpr int kYear = 2007;

// Inner cross-section in m^2 of a pipe given in mm, as the meter computes it.
double AreaM2(int outer, int wall) {
  const double inner = outer - 2 * wall;
  return inner * inner * std::numbers::pi / 4.0 * 1e-6;
}

// Daily consumption profile of a district supply: low at night, a morning and
// an evening peak. `hour` is the hour of day (fractional). Result in mm/s.
double DailyVelocity(double hour) {
  const double base = 650.0;
  const double morning = 520.0 * std::exp(-std::pow((hour - 7.5) / 1.8, 2.0));
  const double evening = 430.0 * std::exp(-std::pow((hour - 19.0) / 2.2, 2.0));
  const double day = 180.0 * std::sin((hour - 9.0) / 24.0 * 2.0 * std::numbers::pi);
  return base + morning + evening + day;
}

std::int16_t Tenths(double degrees) {
  return static_cast<std::int16_t>(std::lround(degrees * 10.0));
}

// Sensor kinds as the meter codes them in the channel head: 'A' clamp-on
// small, 'B' medium, 'C' large.
constexpr std::uint8_t kClampOnSmall = 'A';
constexpr std::uint8_t kClampOnMedium = 'B';
constexpr std::uint8_t kClampOnLarge = 'C';

// The clamp-on sensor a pipe of this outer diameter gets.
std::uint8_t SensorFor(int outer) {
  if (outer < 80) return kClampOnSmall;
  return outer < 200 ? kClampOnMedium : kClampOnLarge;
}

ChannelSpec Channel(std::uint8_t number, const std::string& point, int outer, int wall) {
  ChannelSpec c;
  c.number = number;
  c.measuringPoint = point;
  c.sensorCode = SensorFor(outer);
  c.sensorText = c.sensorCode == kClampOnSmall    ? "K1N 4MHZ"
                 : c.sensorCode == kClampOnMedium ? "K2N 2MHZ"
                                                  : "M2N 1MHZ";
  c.inputs = {0x21, 0x00, 0x00, 0x00};  // input 1 = T1, input 2 = T2
  // the parameter set holds pipe sizes in tenths of a millimetre
  c.parameters.OuterDiameter(static_cast<std::uint16_t>(outer * 10))
      .WallThickness(static_cast<std::uint16_t>(wall * 10))
      .Quantity(0)
      .Factor(3.6e-6)  // mm^3/s -> m^3/h
      .Unit("m3/h");
  return c;
}

void SetInterval(ChannelSpec& c, int seconds) {
  c.parameters.StorageInterval(static_cast<std::uint16_t>(seconds));
}

// The smallest and largest stored velocity of every channel of the series,
// as the meter keeps them in the channel head (the raw mm/s it measured).
void SetVelocityExtremes(SeriesSpec& s) {
  for (std::size_t k = 0; k < s.channels.size(); ++k) {
    std::int16_t low = 0, high = 0;
    bool any = false;
    for (const FlaggedRecord& r : s.records) {
      if (!r.velocity || (r.channel && *r.channel != k + 1)) continue;
      low = any ? std::min(low, *r.velocity) : *r.velocity;
      high = any ? std::max(high, *r.velocity) : *r.velocity;
      any = true;
    }
    s.channels[k].rawMin = low;
    s.channels[k].rawMax = high;
  }
}

// A timestamp on the first record and at every full hour, as the meter writes them.
void StampRecords(SeriesSpec& s, int month, int day, int startSeconds, int interval, int perTick) {
  for (std::size_t i = 0; i < s.records.size(); ++i) {
    const int tick = static_cast<int>(i) / perTick;
    const int t = startSeconds + tick * interval;
    if (i % static_cast<std::size_t>(perTick) != 0) continue;
    if (i != 0 && t % 3600 != 0) continue;
    s.records[i].timestamp =
        sb::PackTimestamp(kYear, month, day + t / 86400, (t / 3600) % 24, (t / 60) % 60, t % 60);
  }
}

// 1: one channel, volume flow over a whole day with both totals and the
// supply and return temperatures, every 10 minutes.
SeriesSpec DailyVolumeFlow() {
  SeriesSpec s;
  s.name = "NETZ-OST";
  s.year = kYear;
  s.month = 3;
  s.day = 12;
  s.startSeconds = 0;
  ChannelSpec c = Channel(0, "HAUPTLTG", 219, 6);
  SetInterval(c, 600);
  c.storedValues = 0xC003;  // inputs 1, 2, positive and negative total
  s.channels = {c};
  Noise noise(12);
  const double area = AreaM2(219, 6);
  double positive = 48213.6;
  const double negative = -3.2;
  for (int i = 0; i < 144; ++i) {
    const double hour = i / 6.0;
    const double v = DailyVelocity(hour) + noise(25.0);
    positive += v / 1000.0 * area * 600.0;
    FlaggedRecord r;
    r.velocity = static_cast<std::int16_t>(std::lround(v));
    r.positiveTotal = std::round(positive * 100.0) / 100.0;
    r.negativeTotal = negative;
    const double supply = 11.8 + 0.6 * std::sin((hour - 14.0) / 24.0 * 2.0 * std::numbers::pi);
    r.temperatures = {{Tenths(supply + noise(0.1)), Tenths(supply - 0.3 + noise(0.1))}};
    s.records.push_back(r);
  }
  StampRecords(s, 3, 12, 0, 600, 1);
  SetVelocityExtremes(s);
  return s;
}

// 2: a kind-2 entry with a name, two pipes measured in turn (channels A and B).
SeriesSpec TwoChannels() {
  SeriesSpec s;
  s.kind = 2;
  s.name = "PUMPE 2";
  s.year = kYear;
  s.month = 3;
  s.day = 13;
  s.startSeconds = 8 * 3600;
  ChannelSpec a = Channel(0, "VORLAUF", 114, 4);
  ChannelSpec b = Channel(1, "BYPASS", 89, 3);
  SetInterval(a, 300);
  SetInterval(b, 300);
  a.storedValues = b.storedValues = 0x8000;  // positive total
  s.channels = {a, b};
  Noise noise(13);
  double totalA = 1520.25, totalB = 310.5;
  for (int i = 0; i < 96; ++i) {
    const int channel = i % 2;
    const double hour = 8.0 + (i / 2) * 300.0 / 3600.0;
    const double v = channel == 0 ? 1.35 * DailyVelocity(hour) + noise(30.0)
                                  : 0.4 * DailyVelocity(hour) + noise(15.0);
    double& total = channel == 0 ? totalA : totalB;
    total += v / 1000.0 * AreaM2(channel == 0 ? 114 : 89, channel == 0 ? 4 : 3) * 300.0;
    FlaggedRecord r;
    r.channel = static_cast<std::uint8_t>(channel + 1);
    r.velocity = static_cast<std::int16_t>(std::lround(v));
    r.positiveTotal = std::round(total * 100.0) / 100.0;
    s.records.push_back(r);
  }
  StampRecords(s, 3, 13, 8 * 3600, 300, 2);
  SetVelocityExtremes(s);
  return s;
}

// 3: heat flow in the supply of a substation; the coefficient set with key 12
// is in the user coefficient table.
constexpr std::int16_t kHeatCoefficientKey = 12;

SeriesSpec HeatFlow() {
  SeriesSpec s;
  s.name = "WMZ-1";
  s.year = kYear;
  s.month = 3;
  s.day = 14;
  s.startSeconds = 6 * 3600;
  ChannelSpec c = Channel(0, "WMZ UST1", 60, 3);
  SetInterval(c, 900);
  c.parameters.Quantity(3).CoefficientKey(kHeatCoefficientKey).Factor(0.001).Unit("kW");
  c.storedValues = 0x8003;
  s.channels = {c};
  Noise noise(14);
  double energy = 86210.0;
  double lowest = 0, highest = 0;
  for (int i = 0; i < 64; ++i) {
    const double hour = 6.0 + i * 0.25;
    const double v = 0.9 * DailyVelocity(hour) + noise(20.0);
    const double supply = 71.5 + noise(0.4);
    const double ret = 48.0 + 6.0 * std::sin((hour - 6.0) / 16.0 * std::numbers::pi) + noise(0.4);
    const double kw = AreaM2(60, 3) * v / 1000.0 * 975.0 * 4.19 * (supply - ret);
    energy += kw * 0.25;
    lowest = i == 0 ? kw : std::min(lowest, kw);
    highest = i == 0 ? kw : std::max(highest, kw);
    FlaggedRecord r;
    r.velocity = static_cast<std::int16_t>(std::lround(v));
    r.temperatures = {{Tenths(supply), Tenths(ret)}};
    r.positiveTotal = std::round(energy * 10.0) / 10.0;
    s.records.push_back(r);
  }
  StampRecords(s, 3, 14, 6 * 3600, 900, 1);
  SetVelocityExtremes(s);
  // A heat-flow channel keeps its extremes as the heat flow in W (the
  // channel factor 0.001 shows them in kW).
  s.channels[0].valueMin = std::round(lowest * 1000.0);
  s.channels[0].valueMax = std::round(highest * 1000.0);
  return s;
}

// 4: a triggered recording: the meter stored values only while the trigger
// input was active, so start and end are not known.
SeriesSpec Triggered() {
  SeriesSpec s;
  s.name = "TRIGGER";
  s.year = kYear;
  s.month = 3;
  s.day = 15;
  s.startSeconds = 14 * 3600 + 20 * 60;
  ChannelSpec c = Channel(0, "SPUELUNG", 114, 4);
  SetInterval(c, 10);
  c.storedValues = 0x1000 | 0x8000;  // triggered, positive total
  s.channels = {c};
  Noise noise(15);
  double total = 2.75;
  for (int i = 0; i < 60; ++i) {
    // a flushing pulse: ramps up, holds, ramps down
    const double shape = std::min({1.0, i / 8.0, (59 - i) / 8.0});
    const double v = 2400.0 * shape + noise(40.0);
    total += v / 1000.0 * AreaM2(114, 4) * 10.0;
    FlaggedRecord r;
    r.velocity = static_cast<std::int16_t>(std::lround(v));
    r.positiveTotal = std::round(total * 1000.0) / 1000.0;
    s.records.push_back(r);
  }
  SetVelocityExtremes(s);
  return s;
}

// 5: two measuring runs in one series: the morning run, a pause, and a second
// run started at noon.
SeriesSpec TwoRuns() {
  SeriesSpec s;
  s.name = "MESSUNG";
  s.year = kYear;
  s.month = 3;
  s.day = 16;
  s.startSeconds = 9 * 3600;
  ChannelSpec c = Channel(0, "KESSEL 3", 168, 5);
  SetInterval(c, 120);
  c.storedValues = 0x8003;
  s.channels = {c};
  Noise noise(16);
  double total = 912.4;
  for (int i = 0; i < 60; ++i) {
    const bool second = i >= 30;
    const int t = (second ? 12 * 3600 : 9 * 3600) + (i % 30) * 120;
    const double v = DailyVelocity(t / 3600.0) * 0.8 + noise(20.0);
    total += v / 1000.0 * AreaM2(168, 5) * 120.0;
    FlaggedRecord r;
    r.velocity = static_cast<std::int16_t>(std::lround(v));
    r.positiveTotal = std::round(total * 100.0) / 100.0;
    r.temperatures = {{Tenths(62.0 + noise(0.3)), Tenths(41.5 + noise(0.3))}};
    if (i == 0 || i == 30 || t % 3600 == 0)
      r.timestamp = sb::PackTimestamp(kYear, 3, 16, t / 3600, (t / 60) % 60, t % 60, i == 30);
    s.records.push_back(r);
  }
  SetVelocityExtremes(s);
  return s;
}

// 6: sound speed and signal amplitude from the extension words, as the meter
// stores them for diagnosis.
SeriesSpec Diagnosis() {
  SeriesSpec s;
  s.name = "DIAGNOSE";
  s.year = kYear;
  s.month = 3;
  s.day = 17;
  s.startSeconds = 10 * 3600;
  ChannelSpec c = Channel(0, "HAUPTLTG", 219, 6);
  SetInterval(c, 300);
  c.extraValues = 0x22;  // sound speed, amplitude
  s.channels = {c};
  Noise noise(17);
  for (int i = 0; i < 72; ++i) {
    const double hour = 10.0 + i * 300.0 / 3600.0;
    const double v = DailyVelocity(hour) + noise(25.0);
    const double waterTemp = 11.5 + hour * 0.05;
    // sound speed of water in mm/s (the meter stores 1/1000 m/s)
    const auto speed =
        static_cast<std::uint32_t>(std::lround((1447.0 + 4.2 * waterTemp + noise(0.3)) * 1000.0));
    const auto amplitude = static_cast<std::uint16_t>(std::lround(74.0 + noise(6.0)));
    FlaggedRecord r;
    r.velocity = static_cast<std::int16_t>(std::lround(v));
    r.extensions.push_back(ExtensionBlock::Words(
        {ExtensionBlock::SlotWord(0, static_cast<std::uint16_t>(speed & 0x0FFF)),
         ExtensionBlock::SlotWord(1, static_cast<std::uint16_t>((speed >> 12) & 0x0FFF)),
         ExtensionBlock::SlotWord(5, amplitude)}));
    s.records.push_back(r);
  }
  StampRecords(s, 3, 17, 10 * 3600, 300, 1);
  SetVelocityExtremes(s);
  return s;
}

sb::StreamSpec DemoStream() {
  sb::StreamSpec spec;
  spec.version = sb::VersionWord(5, 22);
  spec.device = "GAUGEUNIT 6000";
  spec.language = "049";  // German texts
  spec.highestMeasuringChannel = 1;
  spec.highestChannel = 1;
  spec.materials = {{"Stahl", 1, 'S'}, {"Edelstahl", 2, 'E'}, {"PVC", 3, 'P'}, {"Guss", 4, 'G'}};
  spec.media = {{"Wasser", 10001, 'W'}, {"Heizwasser", 10002, 'H'}};
  spec.sensorNames = {"K1N", "K2N", "M2N"};
  // ten coefficients h0, a1..a4, r0, b1..b4: c in kJ/(kg K), rho in kg/m^3 of
  // water, so the result is in W and the channel factor 0.001 gives kW
  spec.userCoefficients.items.push_back(sb::CoefficientItem(
      static_cast<std::uint16_t>(kHeatCoefficientKey),
      {0.0, 4.2174, -0.00166, 0.0000138, 0.0, 1000.3, -0.0368, -0.00435, 0.0, 0.0}));
  spec.series = {DailyVolumeFlow(), TwoChannels(), HeatFlow(), Triggered(), TwoRuns(), Diagnosis()};
  // received on 18.03.2007 at 16:40; the user-data flag is set below
  spec.patches.push_back({153, {1, kYear & 0xFF, kYear >> 8, 3, 18, 16, 40}});
  return spec;
}

}  // namespace

std::vector<std::uint8_t> BuildDemoFile() {
  std::vector<std::uint8_t> file = sb::BuildStream(DemoStream());
  CommentSet comments;
  comments.fileCommentField.text =
      "Stadtwerke Musterstadt, Netz Ost\r\n"
      "Messungen der Woche 11/2007, ausgelesen von J. M\xFCller";
  comments.fileCommentField.modified = true;
  comments.fileComment.TakeFromMemo(comments.fileCommentField);
  const auto comment = [&comments](int series, const char* text) {
    while (static_cast<int>(comments.rows.size()) < series)
      comments.rows.emplace_back(static_cast<std::int32_t>(comments.rows.size() + 1));
    comments.rows[static_cast<std::size_t>(series - 1)].TakeFromMemo(MemoField{text, true});
  };
  for (int n = 1; n <= 6; ++n) comments.rows.emplace_back(n);
  comment(1,
          "Tagesgang Hauptleitung DN 200, Sensor au\xDF"
          "en am Rohr.");
  comment(3,
          "W\xE4rmemengenz\xE4hler \xDC"
          "bergabestation 1\r\nR\xFC"
          "cklauf gegen Mittag w\xE4rmer.");
  comment(5, "Zweiter Messlauf nach der Pause um 12:00.");
  const CalendarTime saved{kYear, 3, 18, 17, 5, 0};
  WriteUserData(file, comments, saved);
  return file;
}

}  // namespace gd::demo
