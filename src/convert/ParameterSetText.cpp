#include "convert/ParameterSetText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "convert/TextStyle.h"
#include "core/DateTime.h"
#include "core/TextTools.h"
#include "core/Version.h"

namespace gd {
namespace {

constexpr int kValueColumn = 20;  // of the first channel; +20 per further channel
constexpr int kUnitOffset = 10;   // unit column right of the value column
constexpr int kChannelStep = 20;
constexpr int kColonColumn = 18;
constexpr int kRowCount = 40;  // the row of value counts
constexpr std::size_t kMaxPlaced = 20;
constexpr std::string_view kBlankLabel = "                 ";  // columns 1..17

// Parameter-set counted strings: the set's name, the channel's unit text and
// the quantity unit, each ending where the next field starts.
constexpr std::size_t kNameCapacity = 17, kUnitTextAt = 91, kUnitCapacity = 14,
                      kQuantityUnitAt = 106, kQuantityUnitCapacity = 8;

constexpr std::uint16_t kVersion522 = MakeVersion(5, 22);

// Row conditions without "all data": a relevance bit, or always.
constexpr int kAlways = -1;
constexpr std::array<int, ParameterSetText::kRows> kRowCondition = {
    kAlways, kAlways, 8,       kAlways, kAlways, kAlways, kAlways, kAlways, 0,  // 0..8
    kAlways, 2,       1,       kAlways, 3,       3,       3,       3,           // 9..16
    kAlways, 9,       kAlways, 4,       4,       4,       4,       4,       4,  // 17..25
    kAlways, kAlways, kAlways, 9,       10,      6,       5,       7,       7,  // 26..34
    kAlways, 10,      11,      kAlways, kAlways, kAlways};                      // 35..40

struct RowLabel {
  int entry;  // label table entry, or kNoEntry with `fixed`
  int column;
  const char* suffix;
};
constexpr int kNoEntry = 1000;
constexpr std::array<RowLabel, ParameterSetText::kRows> kLabels = {{
    {32, 1, ""},  {62, 1, ""},
    {149, 2, ""}, {33, 1, ""},
    {60, 2, ""},  {8, 2, ""},
    {9, 2, ""},   {-5, 2, ""},
    {10, 2, ""},  {76, 2, ""},
    {10, 2, ""},  {77, 2, ""},
    {-4, 1, ""},  {12, 2, ""},
    {13, 2, ""},  {11, 2, ""},
    {14, 2, ""},  {31, 2, ""},
    {150, 2, ""}, {-3, 1, ""},
    {15, 2, "1"}, {15, 2, "2"},
    {15, 2, "3"}, {15, 2, "4"},
    {15, 2, "5"}, {15, 2, "6"},
    {34, 1, ""},  {37, 1, ""},
    {28, 1, ""},  {111, 1, ""},
    {111, 1, ""}, {52, 1, ""},
    {50, 1, ""},  {73, 1, ""},
    {74, 1, ""},  {-2, 1, ""},
    {152, 1, ""}, {kNoEntry, 1, "Profile bounds"},
    {-1, 1, ""},  {38, 1, ""},
    {39, 1, ""},
}};

// Copies at most 20 characters, converted from the DOS code page, into the
// row from `column` (1-based) on; characters beyond the row are dropped.
void Place(std::string& row, int column, std::string_view text) {
  const std::string converted = DosToWindows(text.substr(0, kMaxPlaced));
  const std::size_t at = static_cast<std::size_t>(column - 1);
  if (at >= row.size()) return;
  const std::size_t n = std::min(converted.size(), row.size() - at);
  row.replace(at, n, converted, 0, n);
}

std::string Trim(std::string_view text) {
  const std::size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  const std::size_t e = text.find_last_not_of(' ');
  return std::string(text.substr(b, e - b + 1));
}

std::string RightAlign(std::string_view text, std::size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out += text;
  return out;
}

// Windows-1252 upper case of letters (ASCII and the accented Latin-1 ones).
std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) {
      c = static_cast<char>(u - 0x20);
    }
  }
  return out;
}

bool IsMode6(std::int16_t word) { return (word & 7) == 6; }

// Sensor text of a channel head, unless empty or a "$...$" placeholder.
bool SensorTextReplacesName(const std::string& text) {
  return !text.empty() && !(text.size() >= 1 && text.front() == '$' && text.back() == '$');
}

}  // namespace

std::uint16_t ParameterSetText::Relevance(const TChannelDescription& channel) const {
  const TParameterSet& p = channel.parameterSet;
  const TChannelHead& head = channel.head;
  const TMediMatStrColl& materials = ctx_.stream->materials;
  const std::uint16_t outputs = head.OutputFlags();
  const std::uint16_t stored = head.StoredValues();
  const bool lining = p.U16(181) != 0;
  std::uint16_t bits = 0;
  auto set = [&bits](int bit, bool on) {
    if (on) bits = static_cast<std::uint16_t>(bits | (1u << bit));
  };
  set(0, !materials.IsSpecial(p.I16(18)));
  set(1, lining);
  set(2, lining && !materials.IsSpecial(p.I16(173)));
  set(3, !ctx_.stream->media.IsSpecial(p.I16(33)));
  set(4, head.SensorText() == "$USER$");
  set(5, (outputs & 0x1) != 0);
  set(6, (outputs & 0x7) != 0);
  set(7, (outputs & 0x8) != 0);
  set(8, (p.U8(131) & 0x80) != 0 && p.U16(194) != 0);
  set(9, ((stored & 0x1) && IsMode6(p.I16(197))) || ((p.U8(133) & 0x1) && p.I16(192) > 0));
  set(10, ((stored & 0x2) && IsMode6(p.I16(199))) || (p.U8(187) & 0x1) != 0);
  set(11, p.U8(129) != 0 || p.U8(130) != 0);
  return bits;
}

void ParameterSetText::WriteLabels(int pass, Grid& grid) const {
  const TLabelTable& labels = *ctx_.labels;
  for (int r = 0; r < kRows; ++r) {
    const RowLabel& l = kLabels[static_cast<std::size_t>(r)];
    std::string text = l.entry == kNoEntry ? std::string() : labels.LabelText(l.entry);
    text += l.suffix;
    Place(grid[static_cast<std::size_t>(r)], l.column, text);
  }
  if (pass == 1) {
    const std::string cutOff = labels.LabelText(144);
    for (int r = 20; r <= 22; ++r) Place(grid[static_cast<std::size_t>(r)], 1, kBlankLabel);
    Place(grid[20], 2, "FUNCTION");
    Place(grid[21], 2, "+" + cutOff);
    Place(grid[22], 2, "-" + cutOff);
  }
}

void ParameterSetText::PlaceChannel(int pass, const TSeriesDescription& series, int channel,
                                    int column, const std::array<std::int32_t, 9>* valueCounts,
                                    Grid& grid) const {
  const TChannelDescription& ch = series.channels[static_cast<std::size_t>(channel)];
  const TParameterSet& p = ch.parameterSet;
  const NumberFormat nf = ctx_.format.WithColLength(9);
  const int unitColumn = column + kUnitOffset;
  // A value wider than its ten columns pushes the unit to its right instead
  // of being overwritten by it.
  std::array<int, kRows> valueEnd{};
  auto value = [&](int row, std::string_view text) {
    Place(grid[static_cast<std::size_t>(row)], column, text);
    valueEnd[static_cast<std::size_t>(row)] =
        column + static_cast<int>(std::min(text.size(), kMaxPlaced));
  };
  auto unit = [&](int row, std::string_view text) {
    // `end` is the column just past the value: a value that fills its ten
    // columns exactly leaves the unit at its column.
    const int end = valueEnd[static_cast<std::size_t>(row)];
    Place(grid[static_cast<std::size_t>(row)], end <= unitColumn ? unitColumn : end + 1, text);
  };
  auto tenths = [&](std::size_t off) { return nf.Format(1, p.U16(off) / 10.0L); };
  const std::string unitText = p.Counted(kUnitTextAt, kUnitCapacity);
  const std::string quantityUnit = p.Counted(kQuantityUnitAt, kQuantityUnitCapacity);
  const ParsedStream& stream = *ctx_.stream;
  const auto listItem = [](const TNoSortStringCollection& list, std::size_t index) {
    return index < list.Count() ? list[index] : std::string();
  };

  value(0, p.Counted(0, kNameCapacity));
  if (series.entry.IsKind2()) {
    std::string point(1, static_cast<char>(ch.letter));
    point += ":";
    point += ch.head.MeasuringPoint();
    value(1, point.substr(0, 10));
  } else {
    value(1, series.channels[0].head.MeasuringPoint());
  }

  value(2, nf.Format(3, p.U16(194) * 0.001L));
  unit(2, "DM/kWh");
  value(4, tenths(26));
  unit(4, TLabelTable::Unit(TLabelTable::kUnitMm));
  value(5, tenths(28));
  unit(5, TLabelTable::Unit(TLabelTable::kUnitMm));
  value(6, tenths(30));
  unit(6, TLabelTable::Unit(TLabelTable::kUnitMm));
  value(7, stream.materials.NameOf(p.I16(18)));
  value(8, tenths(20));
  unit(8, TLabelTable::Unit(TLabelTable::kUnitMPerS));
  if (p.U16(181) != 0) {
    value(9, stream.materials.NameOf(p.I16(173)));
    value(10, tenths(175));
    unit(10, TLabelTable::Unit(TLabelTable::kUnitMPerS));
    value(11, tenths(181));
    unit(11, TLabelTable::Unit(TLabelTable::kUnitMm));
  } else {
    value(9, ctx_.labels->LabelText(87));
  }

  value(12, stream.media.NameOf(p.I16(33)));
  value(13, tenths(35));
  unit(13, TLabelTable::Unit(TLabelTable::kUnitMPerS));
  value(14, tenths(37));
  unit(14, TLabelTable::Unit(TLabelTable::kUnitMPerS));
  value(15, nf.Format(2, p.Real(39)));
  unit(15, TLabelTable::Unit(TLabelTable::kUnitMm2PerS));
  value(16, nf.Format(2, p.Real(51)));
  unit(16, TLabelTable::Unit(TLabelTable::kUnitGPerCm3));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%9d", p.I16(57) / 10);
  value(17, buf);
  unit(17, TLabelTable::Unit(TLabelTable::kUnitCelsius));
  value(18, nf.Format(2, p.I16(192) / 100.0L));
  unit(18, TLabelTable::Unit(TLabelTable::kUnitBar));

  const std::string sensorText = ch.head.SensorText();
  value(19,
        SensorTextReplacesName(sensorText) ? sensorText : listItem(stream.sensorNames, p.U8(59)));
  if (pass == 0) {
    // The first sensor value is the sine of an angle; one outside -1..1 has
    // no angle and shows as unknown.
    const long double sine = p.Real(62);
    value(20, std::fabs(sine) <= 1.0L
                  ? nf.Format(1, std::asin(sine) * 180.0L / std::numbers::pi_v<long double>)
                  : RightAlign("???", 9));
    value(21, tenths(68));
    value(22, tenths(70));
    value(23, tenths(72));
    value(24, tenths(74));
    value(25, nf.Format(0, p.U16(76)));
  } else {
    // A computed channel: its function and the two cut-off values.
    value(20, sensorText);
    unit(20, "");
    value(21, nf.Format(2, p.Real(45)));
    unit(21, unitText);
    value(22, nf.Format(2, p.Real(39)));
    unit(22, unitText);
  }
  value(26, nf.Format(0, p.U8(80)));
  unit(26, TLabelTable::Unit(TLabelTable::kUnitNum));
  value(27, nf.Format(1, p.I16(78) / 10.0L));
  unit(27, TLabelTable::Unit(TLabelTable::kUnitMm));
  value(28, nf.Format(0, p.U16(115)));
  unit(28, TLabelTable::Unit(TLabelTable::kUnitS));
  for (int input = 0; input < 2; ++input) {
    const std::int16_t w = p.I16(input == 0 ? 197 : 199);
    const std::string correction =
        IsMode6(w) ? nf.Format(1, (w >> 3) / 10.0L) : std::string("------");
    const int row = 29 + input;
    value(row, ch.inputs.shortNames[static_cast<std::size_t>(input)].Text() + ":" +
                   RightAlign(Trim(correction), 7));
    unit(row, TLabelTable::Unit(TLabelTable::kUnitCelsius));
  }
  value(31, nf.Format(2, p.Real(120)));
  unit(31, unitText);
  value(32, p.U8(126) != 0 ? "     4/20" : "     0/20");
  unit(32, TLabelTable::Unit(TLabelTable::kUnitMA));
  value(33, nf.Format(2, p.Real(138)));
  unit(33, quantityUnit);
  value(34, nf.Format(0, p.U16(144)));
  unit(34, TLabelTable::Unit(TLabelTable::kUnitMs));

  const int interval = p.U16(118);
  value(35, " " + LongTimeText(interval, ctx_.locale).value_or("???"));
  unit(35, (p.U8(131) & 0x02) ? "AVARAGE" : "SAMPLES");
  value(36, Trim(nf.Format(3, (p.I16(187) >> 3) * 0.001L)) + "/" +
                Trim(nf.Format(1, static_cast<std::int8_t>(p.U8(186)) * 0.1L)) + "cm/s");
  int rMin = p.U8(129), rMax = p.U8(130);
  if (rMin == 0 && rMax == 0) {
    rMin = stream.prolog.U8(TStreamProlog::kFactoryRMin);
    rMax = stream.prolog.U8(TStreamProlog::kFactoryRMax);
  }
  if ((p.U8(129) == 0 && p.U8(130) == 0) && !VersionAtLeast(kVersion522, stream.Version())) {
    value(37, ">FACTORY<");
  } else {
    std::snprintf(buf, sizeof buf, "%d/%d", 100 * rMin, 100 * rMax);
    value(37, buf);
  }
  value(38, listItem(stream.quantityNames, p.U8(81)));
  value(39, "[" + unitText + "]/[" + quantityUnit + "]");
  if ((p.U8(131) & 0x10) && p.U8(81) == 1) {
    // The word after the second blank of " normal unkorr.", marked.
    const std::string text = ctx_.labels->LabelText(139);
    std::size_t b = text.find_first_not_of(' ');
    b = b == std::string::npos ? b : text.find(' ', b);
    b = b == std::string::npos ? b : text.find_first_not_of(' ', b);
    std::string word;
    if (b != std::string::npos) word = text.substr(b, text.find(' ', b) - b);
    std::string reduced = ">" + UpperCase(word) + "<";
    reduced.resize(16, ' ');
    unit(39, reduced);
  }
  if (valueCounts) {
    value(kRowCount, std::to_string((*valueCounts)[static_cast<std::size_t>(channel) + 1]));
  }
}

void ParameterSetText::WritePass(int pass, const TRcaEntry& entry, int first, int last,
                                 const std::array<std::int32_t, 9>* valueCounts,
                                 const TSeriesDescription& series,
                                 std::vector<std::string>& lines) const {
  Grid grid;
  for (std::string& row : grid) {
    row.assign(kRowLength, ' ');
    row[kColonColumn - 1] = ':';
  }
  const int count = std::min<int>(series.channelCount, static_cast<int>(kMaxChannels));
  first = std::max(first, 0);
  last = std::min(last, count - 1);

  std::uint16_t relevance = 0;
  int placed = 0;
  if (entry.Kind() == 0) {
    if (first < count &&
        IsComputed(series.channels[static_cast<std::size_t>(first)].parameterSet) == (pass == 1)) {
      WriteLabels(pass, grid);
      PlaceChannel(pass, series, first, kValueColumn, valueCounts, grid);
      relevance = Relevance(series.channels[static_cast<std::size_t>(first)]);
      placed = 1;
    }
  } else if (entry.IsKind2()) {
    WriteLabels(pass, grid);
    for (int j = first; j <= last; ++j) {
      const TChannelDescription& ch = series.channels[static_cast<std::size_t>(j)];
      if (IsComputed(ch.parameterSet) != (pass == 1)) continue;
      PlaceChannel(pass, series, j, kValueColumn + kChannelStep * placed, valueCounts, grid);
      relevance = static_cast<std::uint16_t>(relevance | Relevance(ch));
      ++placed;
    }
  }
  if (placed == 0) return;

  const bool allData = (ctx_.format.styleBits & kStyleParaShowAllData) != 0;
  auto suppress = [&grid](int row) { grid[static_cast<std::size_t>(row)].clear(); };
  for (int r = 0; r < kRows; ++r) {
    if (pass == 0) {
      const int bit = kRowCondition[static_cast<std::size_t>(r)];
      if (!allData && bit != kAlways && !(relevance & (1u << bit))) suppress(r);
    } else {
      const bool always = (r >= 2 && r <= 19) || (r >= 23 && r <= 34) || r == 37;
      if (always || (r == 36 && !(relevance & (1u << 10)))) suppress(r);
    }
  }
  if (!valueCounts) suppress(kRowCount);

  for (const std::string& row : grid) {
    if (row.empty() || Trim(row) == ":") continue;
    lines.push_back(row.substr(0, row.find_last_not_of(' ') + 1));
  }
}

void ParameterSetText::Write(const TRcaEntry& entry, int first, int last,
                             const std::array<std::int32_t, 9>* valueCounts,
                             const TSeriesDescription& series,
                             std::vector<std::string>& lines) const {
  WritePass(0, entry, first, last, valueCounts, series, lines);
  lines.emplace_back();
  WritePass(1, entry, first, last, valueCounts, series, lines);
}

}  // namespace gd
