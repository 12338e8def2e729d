#include "view/InfoTexts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <exception>

#include "convert/StreamInfo.h"
#include "core/FormatText.h"
#include "core/MessageTexts.h"
#include "core/SeriesTimes.h"
#include "core/TextTools.h"

namespace gd {
namespace {

// Real48 values of this magnitude stand for "no value" in a channel head.
constexpr long double kNoRealValue = 1.678e38L;

// printf's fixed-point format with the locale's decimal separator.
std::string Fixed(long double value, int width, int decimals, char separator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, static_cast<double>(value));
  std::string text = buffer;
  for (char& c : text)
    if (c == '.') c = separator;
  return text;
}

std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) out += ", ";
    out += items[i];
  }
  return out;
}

void AddItemsLine(std::string& out, const char* label, const std::vector<std::string>& items) {
  out += FormatText("%-20s\t", {Translate(label)});
  out += Joined(items);
  out += "\r\n";
}

void AddPlainLine(std::string& out, const char* label) {
  out += Translate(label);
  out += "\t\r\n";
}

// The smallest and largest stored value of a channel, "" where there is none.
void MinMaxTexts(const TChannelDescription& ch, const TStreamProlog& prolog, const Locale& locale,
                 std::string& smallest, std::string& largest) {
  const std::string unit = ch.parameterSet.UnitText();
  const long double scale = Real48ToLongDouble(ch.scaledFactor);
  const auto text = [&](long double v) {
    return Fixed(v, 12, 2, locale.decimalSeparator) + " " + unit;
  };
  const auto real = [&](long double v, long double factor) {
    return std::fabs(v) >= kNoRealValue ? std::string() : text(v * factor);
  };
  const long double minReal = ch.head.MinValue();
  const long double maxReal = ch.head.MaxValue();
  if (ch.parameterSet.PhysicalQuantity() == 3) {
    smallest = real(minReal, scale);
    largest = real(maxReal, scale);
  } else {
    const std::int16_t minRaw = ch.head.RawMin();
    const std::int16_t maxRaw = ch.head.RawMax();
    const auto plusOverflow = static_cast<std::int16_t>(prolog.U16(TStreamProlog::kMdPlusOverflow));
    const auto minusOverflow =
        static_cast<std::int16_t>(prolog.U16(TStreamProlog::kMdMinusOverflow));
    smallest = minRaw == plusOverflow ? std::string() : text(minRaw * scale);
    largest = maxRaw == minusOverflow ? std::string() : text(maxRaw * scale);
  }
  // Computed values and extra channels keep their extremes as reals, unscaled.
  if ((ch.parameterSet.U8(133) & 0x0A) != 0 || ch.extraChannel != 0) {
    smallest = real(minReal, 1.0L);
    largest = real(maxReal, 1.0L);
  }
}

std::string SectionText(const TParameterSet& p, const Real48& area, char separator) {
  const long double areaValue = Real48ToLongDouble(area);
  if (!std::isfinite(areaValue) || std::fabs(areaValue) >= kNoRealValue) return kUndefText;
  const long double dn =
      (static_cast<long double>(p.OuterDiameter()) -
       2.0L * (static_cast<long double>(p.WallThickness()) + p.LiningThickness())) /
      10.0L;
  return "DN=" + Fixed(dn, 0, 1, separator) + "  A=" + Fixed(areaValue / 100.0L, 0, 1, separator) +
         " cm\xB2";
}

}  // namespace

// --- Channel information ------------------------------------------------------

std::string MeasuringPointText(const std::string& name) {
  std::string cut;
  for (char c : name.substr(0, 8))
    if (c != '\r' && c != '\n') cut += c;
  return "'" + std::string(9 - cut.size(), ' ') + cut + "'";
}

std::string SensorKindName(std::uint8_t code) {
  static const std::array<const char*, 9> kNames = {
      "Clamp-On klein",    "Clamp-On mittel",    "Clamp-On gross",
      "Clamp-On Hochtemp", "Einschweiss-Sensor", "Einsteck-Sensor",
      "Gas-Sensor",        "Doppler-Sensor",     "Sonder-Sensor"};
  if (code < 'A' || code > 'I') return kUnknownSensorText;
  return kNames[static_cast<std::size_t>(code - 'A')];
}

std::string AdditionalItemsText(std::uint16_t w, std::uint8_t f, const InputNames& inputs) {
  std::string out;
  const auto names = [&](std::size_t first, std::uint16_t firstBit) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < 4; ++i)
      if (w & (firstBit << i)) items.push_back(inputs.shortNames[first + i].Text());
    return items;
  };
  if (w & (0x8000 | 0x4000 | 0x0200 | 0x0400)) {
    std::vector<std::string> items;
    if (w & 0x8000) items.emplace_back("Q_POS");
    if (w & 0x4000) items.emplace_back("Q_NEG");
    if (w & 0x0200) items.emplace_back("FQ_POS");
    if (w & 0x0400) items.emplace_back("FQ_NEG");
    AddItemsLine(out, "Mengen:", items);
  }
  if (w & 0x000F) AddItemsLine(out, "Temperaturen:", names(0, 0x0001));
  if ((w & 0x00FF) > 15) AddItemsLine(out, "Externe Inputs:", names(4, 0x0010));
  if (f & 0x02) AddPlainLine(out, "Schallgeschwindigkeit Fluid");
  if (f & 0x0C) {
    std::vector<std::string> items;
    if (f & 0x04) items.emplace_back("TSV");
    if (f & 0x08) items.emplace_back("TSR");
    AddItemsLine(out, "Sensor Temp.:", items);
  }
  if (f & 0x10) AddPlainLine(out, "Konzentration");
  if (f & 0x20) AddPlainLine(out, "Signalamplitude");
  if (f >= 64) {
    std::vector<std::string> items;
    if (f & 0x40) items.emplace_back("ADX6");
    if (f & 0x80) items.emplace_back("ADX7");
    AddItemsLine(out, "Unknown items:", items);
  }
  return out;
}

ChannelInfo BuildChannelInfo(const TSeriesDescription& series, std::size_t channel,
                             const ParsedStream& parsed, const Locale& locale) {
  ChannelInfo info;
  if (channel >= series.channelCount || channel >= kMaxChannels) return info;
  const TChannelDescription& ch = series.channels[channel];
  const TParameterSet& p = ch.parameterSet;
  const bool extra = ch.extraChannel != 0;

  info.measuringPoint = MeasuringPointText(ch.head.MeasuringPoint());
  info.channel = std::string(1, static_cast<char>(ch.letter)) + ":";
  info.start = SeriesTimeCell(series, kTimeColumnStart, locale, channel);
  info.duration = SeriesTimeCell(series, kTimeColumnDuration, locale, channel);
  info.end = SeriesTimeCell(series, kTimeColumnEnd, locale, channel);
  info.valueCount =
      FormatText(Translate("%d (alle %ds)"), {ch.head.ValueCount(), int{p.StorageInterval()}});
  info.section = SectionText(p, ch.area, locale.decimalSeparator);
  if (const MediMatItem* medium = parsed.media.Find(static_cast<std::int16_t>(p.U16(33))))
    info.medium = medium->name;
  info.sensor = Translate(SensorKindName(ch.head.SensorCode()));
  info.sensorText = ch.head.SensorText();
  const std::size_t quantity = p.PhysicalQuantity();
  info.quantity = quantity < parsed.quantityNames.Count()
                      ? Translate(TrimBlanks(parsed.quantityNames[quantity]))
                      : std::string(kUndefText);
  info.minMaxVisible = ch.head.ValueCount() != 0;
  if (info.minMaxVisible) MinMaxTexts(ch, parsed.prolog, locale, info.smallest, info.largest);
  info.additionalItems =
      AdditionalItemsText(ch.head.StoredValues(), ch.head.ExtraValues(), ch.inputs);
  info.additionalVisible = !info.additionalItems.empty();
  info.functionVisible = extra;
  info.sensorVisible = !extra;
  info.channelLabelVisible = series.kind2 != 0;
  info.channelChoiceVisible = series.kind2 != 0 && series.channelCount > 1;
  return info;
}

std::size_t NextChannel(std::size_t channel, std::size_t channelCount) {
  return channelCount == 0 || channel + 1 >= channelCount ? 0 : channel + 1;
}

std::string ChannelInfoCaption(const std::string& fileName, int seriesNumber) {
  return fileName + "[" + std::to_string(seriesNumber) + "]";
}

// --- File information ----------------------------------------------------------

FileInfo BuildFileInfo(const FileFacts& facts, const Locale& locale) {
  FileInfo info;
  if (!facts.receivedNotLoaded && facts.modified)
    info.savedDate = ShortDateText(*facts.modified, locale).value_or("");
  if (!facts.parsed) {
    info.receivedDate = info.savedDate;
    return info;
  }
  const TStreamProlog& prolog = facts.parsed->prolog;
  if (facts.fileSize) {
    info.fileSize = std::to_string(*facts.fileSize) + " Bytes";
    const bool streamSize = prolog.StreamSize() >= 0 &&
                            *facts.fileSize == static_cast<std::uint64_t>(prolog.StreamSize());
    // A file shorter than its stream is always damaged; a longer one is right
    // when the comments follow the stream.
    const bool shorter = prolog.StreamSize() >= 0 &&
                         *facts.fileSize < static_cast<std::uint64_t>(prolog.StreamSize());
    info.sizeMismatch = shorter || (!streamSize && !prolog.HasUserData());
  }
  info.receivedDate =
      ReceptionSet(ByteView(prolog.raw)) ? ReceptionText(ByteView(prolog.raw)) : info.savedDate;
  info.seriesCount = std::to_string(prolog.MeasuringSets());
  const std::string_view device = prolog.DeviceName();
  info.deviceNumber = std::string(device.substr(0, device.find('\0')));
  info.remarksVisible = facts.hasSeries;
  return info;
}

std::vector<std::string> FileDetailsLines(TVXASCIIOUT* engine, int edition) {
  if (!engine) return {kDetailsNoDataText};
  try {
    std::vector<std::string> lines = StreamInfoLines(engine->Parsed(), engine->Navigator());
    if (edition != 0)
      lines.erase(lines.begin(), lines.begin() + std::min<std::size_t>(2, lines.size()));
    return lines;
  } catch (const std::exception&) {
    return {kDetailsBadBytesText};
  }
}

std::string FileDetailsCaption(const std::string& displayName) {
  return FormatText("%s %s", {Translate("Details about"), displayName});
}

// --- Parameter set of one series and channel -------------------------------------

OneParameterSet PrepareOneParameterSet(TVXASCIIOUT* engine, int seriesNumber, int channel) {
  OneParameterSet out;
  if (seriesNumber < 1) seriesNumber = 1;
  out.series = FormatText("%02d", {seriesNumber});
  out.channel = "?";
  if (!engine || !engine->Usable()) {
    out.lines.emplace_back(kNoDataText);
    return out;
  }
  TVXAblage& navigator = engine->Navigator();
  if (seriesNumber > navigator.SeriesCount()) {
    out.error = FormatText(Translate(kOnlyNSeriesText), {navigator.SeriesCount()});
    return out;
  }
  TSeriesDescription series;
  try {
    navigator.GetSeriesDescription(seriesNumber, series);
  } catch (const std::exception&) {
    out.error = "** BAD BYTES **";
    return out;
  }
  if (channel < 0 || channel >= series.channelCount) {
    out.error = FormatText(Translate("Nur %d Kanaele enthalten"), {int{series.channelCount}});
    return out;
  }
  out.channel =
      std::string(1, static_cast<char>(series.channels[static_cast<std::size_t>(channel)].letter));
  out.channelVisible = engine->Parsed().prolog.LastChannel() > 0;
  engine->WriteParameterSet(&out.lines, series.entry, channel, channel, &series.valueCounts,
                            series);
  return out;
}

}  // namespace gd
