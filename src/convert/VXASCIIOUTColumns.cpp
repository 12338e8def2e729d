// TVXASCIIOUT: which output columns a channel has, their headlines and
// descriptions, and the headline row.
#include <algorithm>

#include "convert/VXASCIIOUT.h"

namespace gd {
namespace {

constexpr std::size_t kTotalUnit = 106;  // counted string, quantity unit
constexpr std::size_t kTotalUnitCapacity = 11;
constexpr std::size_t kFlowUnit = 82, kMassUnit = 84, kModeBits = 131, kSecondTotalType = 196,
                      kInput1Word = 197, kInput2Word = 199, kHeatUnit = 201;

std::string Cut(std::string text, std::size_t n) {
  if (text.size() > n) text.resize(n);
  return text;
}

std::string TotalizerName(int type) {
  switch (type) {
    case 0:
      return "Volumen";
    case 1:
      return "---";
    case 2:
      return "Masse";
    case 3:
      return "Waermemenge";
    default:
      return "Totalisation";
  }
}

// Headline of temperature inputs 1 and 2: the short name, marked when the
// input works with a fixed value or with a correction.
std::string InputHeadline(std::string_view shortName, std::int16_t word) {
  std::string name(shortName);
  if ((word & 7) == 5) {
    name += "(FIX)";
  } else if ((word & 7) == 6 && (word >> 3) != 0) {
    name += "(KOR)";
  }
  return name;
}

// A padded headline fitted into the header field: the blanks in front give
// way first, so a name is cut only where it is longer than the field itself
// (ColLength 16 pads to 17 characters; cutting at the end would turn "VELOC"
// into "VELO" and "T3", "T4" both into "T").
std::string FitHeader(std::string padded) {
  if (padded.size() <= kHeaderCapacity) return padded;
  const std::size_t blanks = std::min(padded.find_first_not_of(' '), padded.size());
  padded.erase(0, std::min(blanks, padded.size() - kHeaderCapacity));
  if (padded.size() > kHeaderCapacity) padded.resize(kHeaderCapacity);
  return padded;
}

}  // namespace

void TVXASCIIOUT::SetHeader(int index, std::string_view name) {
  columns_[static_cast<std::size_t>(index)].header = FitHeader(PadLeft(name, options_.colLength));
}

void TVXASCIIOUT::SetupColumns(bool withLetter, std::uint16_t storedValues,
                               const TParameterSet& set, std::uint8_t extraValues,
                               const InputNames& inputs) {
  for (TOutColumn& col : columns_) {
    col.enabled = false;
    col.header.clear();
    col.valueText.clear();
    col.description.clear();
    col.unit.clear();
    col.shortName.clear();
    col.numeric = 0;
    col.decimals = 0;
    col.scale = 0;
  }
  const std::uint32_t style = options_.style;
  auto enable = [&](int i) { columns_[static_cast<std::size_t>(i)].enabled = true; };

  if (withLetter) enable(kColLetter);
  // Date and time headlines sit over texts as long as today's date and time.
  const Moment now = CurrentMoment();
  if (style & kStyleDate) {
    enable(kColDate);
    const int width = static_cast<int>(ShortDateText(now.date, locale_).value_or("").size()) + 1;
    columns_[kColDate].header = FitHeader(PadLeft("DATE", width));
  }
  if (style & kStyleTime) {
    enable(kColTime);
    const int width = static_cast<int>(LongTimeText(now.seconds, locale_).value_or("").size()) + 1;
    columns_[kColTime].header = FitHeader(PadLeft("TIME", width));
  }
  SetHeader(kColVeloc, "VELOC");
  if (style & kStyleShowVeloc) enable(kColVeloc);
  enable(kColMeasure);

  SetHeader(kColMeasure, "MEASURE");
  SetHeader(kColQuant, "(QUANT)");
  SetHeader(kColQPos, "Q_POS");
  SetHeader(kColQNeg, "Q_NEG");
  SetHeader(kColFQuant, "(FQUANT)");
  SetHeader(kColFQPos, "FQ_POS");
  SetHeader(kColFQNeg, "FQ_NEG");

  const QuantityColumnMode mode = QuantityMode(style);
  auto quantities = [&](int sum, bool p, bool n, bool both) {
    switch (mode) {
      case QuantityColumnMode::Suppress:
        break;
      case QuantityColumnMode::Always:
        enable(sum + 1);
        enable(sum + 2);
        break;
      case QuantityColumnMode::OnlyStored:
        if (both || ((p || n) && (style & kStyleSeparateQuantCols))) {
          enable(sum + 1);
          enable(sum + 2);
        } else if (p && n) {
          enable(sum);
        } else if (p) {
          enable(sum + 1);
        } else if (n) {
          enable(sum + 2);
        }
        break;
    }
  };
  const std::uint8_t mb = set.U8(kModeBits);
  const bool p1 = storedValues & 0x8000, n1 = storedValues & 0x4000;
  quantities(kColQuant, p1, n1, p1 && n1 && (mb & 0x08) && !(mb & 0x04));
  quantities(kColFQuant, storedValues & 0x0200, storedValues & 0x0400, storedValues & 0x0800);

  // Temperature inputs 1 and 2, then inputs 3..8.
  SetHeader(kColInput1, InputHeadline(inputs.shortNames[0].View(), set.I16(kInput1Word)));
  SetHeader(kColInput2, InputHeadline(inputs.shortNames[1].View(), set.I16(kInput2Word)));
  if ((storedValues & 0x01) || (style & kStyleAllTemperatures)) enable(kColInput1);
  if ((storedValues & 0x02) || (style & kStyleAllTemperatures)) enable(kColInput2);
  for (int i = 2; i < 8; ++i) {
    const int col = kColInput3 + (i - 2);
    SetHeader(col, inputs.shortNames[static_cast<std::size_t>(i)].View());
    if (storedValues & (1u << i)) enable(col);
  }
  static constexpr const char* kExtraHeaders[] = {"SSPEED", "STEMPV", "STEMPR", "KNZ",
                                                  "AMP",    "ADX6",   "ADX7"};
  for (int bit = 1; bit <= 7; ++bit) {
    const int col = kColSoundSpeed + bit - 1;
    SetHeader(col, kExtraHeaders[bit - 1]);
    if (extraValues & (1u << bit)) enable(col);
  }
  enabledColumns_.clear();
  wantedColumns_ = 0;
  for (int i = 0; i < kOutColumnCount; ++i) {
    if (!columns_[static_cast<std::size_t>(i)].enabled) continue;
    enabledColumns_.push_back(i);
    wantedColumns_ |= std::uint32_t{1} << i;
  }
}

void TVXASCIIOUT::DescribeColumns(const InputNames& inputs, const TParameterSet& set) {
  auto describe = [&](int i, std::string description, std::string unit, std::string shortName,
                      int decimals, long double scale) {
    TOutColumn& c = columns_[static_cast<std::size_t>(i)];
    c.description = Cut(std::move(description), 16);
    c.unit = Cut(std::move(unit), 16);
    c.shortName = Cut(std::move(shortName), 16);
    c.decimals = decimals;
    c.scale = scale;
  };
  const TNoSortStringCollection& names = parsed_->quantityNames;
  auto quantityName = [&](std::size_t i) { return i < names.Count() ? names[i] : std::string(); };

  for (int i = kColLetter; i <= kColTime; ++i) describe(i, "", "", "", 1, 0.1L);
  describe(kColVeloc, quantityName(1), "m/s", "", 2, 0.01L);
  describe(kColMeasure, quantityName(set.PhysicalQuantity()), set.UnitText(), "", 2, 0.01L);

  const std::string totalName = TotalizerName(set.PhysicalQuantity());
  const std::string totalUnit = set.Counted(kTotalUnit, kTotalUnitCapacity);
  describe(kColQuant, totalName, totalUnit, "", 2, 0.01L);
  describe(kColQPos, totalName, totalUnit, "Q+", 2, 0.01L);
  describe(kColQNeg, totalName, totalUnit, "Q-", 2, 0.01L);

  const int secondType = set.U8(kSecondTotalType);
  std::string secondUnit;
  switch (secondType) {
    case 0:
      secondUnit = TLabelTable::VolumeUnit(set.U8(kFlowUnit));
      break;
    case 1:
      secondUnit = "---";
      break;
    case 2:
      secondUnit = TLabelTable::MassUnit(set.U8(kMassUnit));
      break;
    case 3:
      secondUnit = TLabelTable::HeatUnit((set.U8(kModeBits) & 0x20) != 0, set.U8(kHeatUnit));
      break;
    default:
      secondUnit = "???";
      break;
  }
  const std::string secondName = TotalizerName(secondType);
  describe(kColFQuant, secondName, secondUnit, "", 2, 0.01L);
  describe(kColFQPos, secondName, secondUnit, "Q+", 2, 0.01L);
  describe(kColFQNeg, secondName, secondUnit, "Q-", 2, 0.01L);

  for (int i = 0; i < 2; ++i) {
    describe(kColInput1 + i, "Temperatur",
             "\xB0"
             "C",
             inputs.shortNames[static_cast<std::size_t>(i)].Text(), 1, 0.1L);
  }
  for (int i = 0; i < 8; ++i) {
    const int col = i < 2 ? kColInput1Raw + i : kColInput3 + (i - 2);
    const auto k = static_cast<std::size_t>(i);
    describe(col, inputs.names[k].Text(), inputs.units[k].Text(), inputs.shortNames[k].Text(),
             i < 4 ? 1 : 3, i < 4 ? 0.1L : 0.001L);
  }
  describe(kColSoundSpeed, "Schallgeschw.", "m/s", "c", 2, 0.01L);
  describe(kColSensorTempV, "Temperatur",
           "\xB0"
           "C",
           "TSv", 1, 0.1L);
  describe(kColSensorTempR, "Temperatur",
           "\xB0"
           "C",
           "TSr", 1, 0.1L);
  describe(kColConcentration, "Konzentration", "M%", "K", 1, 0.1L);
  describe(kColAmplitude, "Signal", "%", "S", 0, 0.1L);
  describe(kColAdx6, "BITS", "bits", "", 0, 1.0L);
  describe(kColAdx7, "BITS", "bits", "", 0, 1.0L);
}

void TVXASCIIOUT::WriteHeadline(bool withLetter, const TValueRecord& rec, bool headline) {
  static const TParameterSet kNoSet{};
  const RecordChannel& ch = rec.channelPart;
  const TParameterSet& set = ch.parameterSet ? *ch.parameterSet : kNoSet;
  SetupColumns(withLetter, ch.storedValues, set, ch.extraValues, ch.inputs);
  DescribeColumns(ch.inputs, set);

  std::string text = "\\*";
  int gridRow = -1;
  if (headline && grid_) gridRow = grid_->AddRow();
  bool first = true;
  int position = 0;
  for (const TOutColumn& col : columns_) {
    if (!col.enabled) continue;
    std::string h = col.header;
    if (gridRow >= 0) grid_->SetCell(position + 1, gridRow, h);
    if (sheet_) {
      sheet_->Label(position + (grid_ ? 1 : 0), row_, TrimBlanks(h));
    }
    if (first && !withLetter) {
      std::size_t n = 0;
      while (n < 2 && n < h.size() && h[n] == ' ') ++n;
      h.erase(0, n);
    }
    first = false;
    ColumnSeparator(h);
    text += h;
    ++position;
  }
  ++row_;
  if (headline && !sheet_) WriteLine(text);
}

}  // namespace gd
