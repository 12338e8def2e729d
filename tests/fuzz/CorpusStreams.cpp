#include "fuzz/CorpusStreams.h"

namespace gd::fuzz {

using sb::ExtensionBlock;
using sb::FlaggedRecord;

std::vector<FlaggedRecord> VariedRecords(int count, int channels) {
  std::vector<FlaggedRecord> out;
  for (int i = 0; i < count; ++i) {
    FlaggedRecord r;
    const int kind = i % 8;
    if (channels > 1) r.channel = static_cast<std::uint8_t>(1 + i % channels);
    if (kind != 7) r.velocity = static_cast<std::int16_t>(100 * i - 700);
    if (kind == 0) r.timestamp = sb::PackTimestamp(2001, 2, 3, 4, 5 + i % 50, 6, i == 0);
    if (kind == 1) {
      r.positiveTotal = 12.5 * i;
      r.negativeTotal = -0.75 * i;
    }
    if (kind == 2) r.temperatures = {{215, -40}};
    if (kind == 3) r.measured = 3.25;
    if (kind == 4) {
      r.extensions = {ExtensionBlock::Words(
                          {ExtensionBlock::SlotWord(0, 0x5DC), ExtensionBlock::SlotWord(1, 0x001)}),
                      ExtensionBlock::Triples({{0x20, 0x01, 0x02}})};
    }
    if (kind == 5) r.extensions = {ExtensionBlock::Reals({-2.0})};
    if (kind == 6) {
      r.extensions = {
          ExtensionBlock::Reals({1.0, 2.0, 3.0}),
          ExtensionBlock::Words({ExtensionBlock::SlotWord(4, 77), ExtensionBlock::SlotWord(5, 300),
                                 ExtensionBlock::SlotWord(2, 250)})};
    }
    if (kind == 7) {
      ExtensionBlock other;
      other.kind = 0x40;
      r.extensions = {other, ExtensionBlock::Triples({{0x00, 1, 2}, {0xE0, 3, 4}})};
    }
    out.push_back(std::move(r));
  }
  return out;
}

std::vector<CorpusStream> CorpusStreams() {
  std::vector<CorpusStream> out;

  {  // Current firmware, one channel, a few records.
    sb::StreamSpec spec;
    spec.series[0].records = VariedRecords(8, 1);
    out.push_back({"basic_v522.sdx", spec});
  }
  {  // Old firmware: no gated tables, default inputs, a 2-byte series.
    sb::StreamSpec spec;
    spec.version = sb::kV315;
    spec.materials = {{"Edelstahl", 3, 'E'},
                      {"Gu\x94"
                       "eisen",
                       4, 'G'}};
    spec.series[0].kind = 1;
    spec.series[0].shortRecords = {0, 1, 0x7FFF, 0x8000, 0xFFFF};
    sb::SeriesSpec flagged;
    flagged.year = 97;
    flagged.records = VariedRecords(6, 1);
    spec.series.push_back(flagged);
    sb::SeriesSpec badDate;
    badDate.month = 2;
    badDate.day = 31;
    spec.series.push_back(badDate);
    out.push_back({"old_v315.sdx", spec});
  }
  {  // Input tables, links, coefficient sets in both tables, three channels.
    sb::StreamSpec spec;
    spec.version = sb::kV351;
    spec.inputHardware.items = {sb::InputHardwareItem(1, "Tv", 1), sb::InputHardwareItem(2, "U1"),
                                sb::InputHardwareItem(4, "I1", 2)};
    spec.inputDescriptors.items = {sb::InputDescriptorItem(false, "UNUSED", "-", "-"),
                                   sb::InputDescriptorItem(true, "Vorlauf", "VL",
                                                           "\xB0"
                                                           "C"),
                                   sb::InputDescriptorItem(true, "Druck", "P", "bar")};
    spec.inputLinks.items = {sb::InputLinkItem({1, 2, 0, 15, 3, 9, 0, 0})};
    const std::array<double, 10> rom{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::array<double, 10> user{-1, 0.5, 0.25, 0, 0, 1e-3, 0, 0, 0, 2};
    spec.romCoefficients.items = {sb::CoefficientItem(5, rom), sb::CoefficientItem(6, rom)};
    spec.userCoefficients.items = {sb::CoefficientItem(5, user)};
    spec.extended.items = {sb::ExtendedItem(5, 0x33)};
    sb::SeriesSpec& s = spec.series[0];
    s.channels.resize(3);
    for (std::uint8_t k = 0; k < 3; ++k) {
      s.channels[k].number = k;
      s.channels[k].inputs = {0x21, 0x03, 0x00, 0x00};
      s.channels[k].parameters.CoefficientKey(5).Quantity(k).Density(0.9982).Factor(2.0);
    }
    s.channels[2].parameters.LiningThickness(3);
    s.records = VariedRecords(12, 4);  // channel 4 falls back to channel 1
    out.push_back({"inputs_v351.sdx", spec});
  }
  {  // Extra channels, per-channel table, kind 2, triggered, 8 heads behind
     // a channel count of 9, large-offset far addresses.
    sb::StreamSpec spec;
    spec.farStyle = sb::FarStyle::kLargeOffset;
    spec.dataLinear = 0xFF00;
    spec.perChannelPresent = true;
    spec.highestMeasuringChannel = 1;
    spec.highestChannel = 7;
    spec.firstExtraLetter = 0x58;
    sb::SeriesSpec& s = spec.series[0];
    s.kind = 2;
    s.channels.resize(8);
    for (std::uint8_t k = 0; k < 8; ++k) s.channels[k].number = k;
    s.channels[3].storedValues = 0x1000;
    s.channelCountByte = 9;
    s.records = VariedRecords(10, 8);
    out.push_back({"extra_v522.sdx", spec});
  }
  {  // Several series of the benchmark's shape, in small.
    out.push_back({"large_small.sdx", sb::LargeSpec(3, 150)});
  }
  return out;
}

}  // namespace gd::fuzz
