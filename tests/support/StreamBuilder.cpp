#include "support/StreamBuilder.h"

#include <stdexcept>

namespace gd::sb {
namespace {

std::uint8_t Count8(std::size_t n, const char* what) {
  if (n > 255) throw std::invalid_argument(std::string("more than 255 items: ") + what);
  return static_cast<std::uint8_t>(n);
}

void AppendTable(ByteVec& out, const TableSpec& table, std::size_t fixedSize) {
  AppendU16(out, table.itemSize.value_or(static_cast<std::uint16_t>(fixedSize)));
  AppendU16(out, table.tag);
  for (const ByteVec& item : table.items) AppendBytes(out, item.data(), item.size());
}

void AppendNamedCodes(ByteVec& out, const std::vector<NamedCode>& list) {
  for (const NamedCode& e : list) {
    AppendCounted(out, e.name);
    AppendU16(out, e.code);
    AppendU16(out, e.kind);
  }
}

// Everything of the table section after the directory.
ByteVec EncodeStrings(const StreamSpec& spec) {
  ByteVec out;
  AppendNamedCodes(out, spec.materials);
  AppendNamedCodes(out, spec.media);
  for (const std::string& s : spec.sensorNames) AppendCounted(out, s);
  for (const std::string& s : spec.quantityNames) AppendCounted(out, s);
  if (spec.sensorWords.empty()) {
    for (std::size_t i = 0; i < spec.sensorNames.size(); ++i) {
      AppendU16(out, static_cast<std::uint16_t>(0x0100 + i));
    }
  } else {
    for (std::uint16_t w : spec.sensorWords) AppendU16(out, w);
  }
  AppendTable(out, spec.romCoefficients, kCoefficientItemSize);
  AppendTable(out, spec.userCoefficients, kCoefficientItemSize);
  if (VersionAtLeast(spec.version, kV316)) {
    AppendTable(out, spec.inputHardware, kInputHardwareItemSize);
  }
  if (VersionAtLeast(spec.version, kV322)) {
    AppendTable(out, spec.inputDescriptors, kInputDescriptorItemSize);
  }
  if (VersionAtLeast(spec.version, kV351)) {
    AppendTable(out, spec.extended, kExtendedItemSize);
    AppendTable(out, spec.inputLinks, kInputLinkItemSize);
  }
  if (VersionAtLeast(spec.version, kV500)) {
    AppendTable(out, spec.outputHardware, kOutputHardwareItemSize);
    AppendTable(out, spec.outputSetup, kOutputSetupItemSize);
  }
  if (spec.perChannelPresent) {
    if (spec.perChannel.empty()) {
      out.resize(out.size() + (spec.highestChannel + 1u) * kPerChannelItemSize, 0);
    } else {
      for (const ByteVec& item : spec.perChannel) AppendBytes(out, item.data(), item.size());
    }
  }
  AppendBytes(out, spec.tableSectionTail.data(), spec.tableSectionTail.size());
  return out;
}

std::int32_t DefaultValueCount(const SeriesSpec& s, std::size_t channelIndex) {
  if (s.TwoByte()) return channelIndex == 0 ? static_cast<std::int32_t>(s.shortRecords.size()) : 0;
  std::int32_t n = 0;
  for (const FlaggedRecord& r : s.records) {
    std::size_t k = r.channel.value_or(0);
    if (k == 0 || k > s.channels.size()) k = 1;
    if (k == channelIndex + 1) ++n;
  }
  return n;
}

void EncodeChannelHead(std::uint8_t* h, const ChannelSpec& c, std::uint32_t parameterFar,
                       std::int32_t valueCount) {
  PutU8At(h, 0, c.number);
  PutU32At(h, 1, parameterFar);
  PutCountedAt(h, 5, 8, c.measuringPoint);
  PutU8At(h, 14, c.sensorCode);
  PutCountedAt(h, 15, 16, c.sensorText);
  PutU16At(h, 32, c.outputFlags);
  PutU32At(h, 34, static_cast<std::uint32_t>(valueCount));
  PutU16At(h, 38, static_cast<std::uint16_t>(c.rawMin));
  PutU16At(h, 40, static_cast<std::uint16_t>(c.rawMax));
  PutReal48At(h, 42, c.valueMin);
  PutReal48At(h, 48, c.valueMax);
  PutU16At(h, 54, c.storedValues);
  for (std::size_t i = 0; i < 4; ++i) PutU8At(h, 56 + i, c.inputs[i]);
  PutU8At(h, 62, c.extraValues);
  for (const auto& [offset, raw] : c.headPatches) {
    if (offset + raw.size() > kChannelHeadSize) throw std::invalid_argument("head patch too long");
    for (std::size_t i = 0; i < raw.size(); ++i) h[offset + i] = raw[i];
  }
}

void AppendReal(ByteVec& out, const std::optional<Real48Bytes>& raw, double value) {
  AppendBytes(out, raw ? *raw : EncodeReal48(value));
}

}  // namespace

ByteVec CoefficientItem(std::uint16_t key, const std::array<double, 10>& coefficients) {
  ByteVec item;
  AppendU16(item, key);
  for (double c : coefficients) AppendBytes(item, EncodeReal48(c));
  return item;
}

ByteVec InputHardwareItem(std::uint8_t type, const std::string& shortName,
                          std::uint8_t descriptorLink) {
  ByteVec item(kInputHardwareItemSize, 0);
  item[0] = 1;
  item[1] = type;
  item[3] = descriptorLink;
  PutCountedAt(item.data(), 7, 4, shortName);
  return item;
}

ByteVec InputDescriptorItem(bool active, const std::string& name, const std::string& shortName,
                            const std::string& unit, double factor, std::uint8_t last) {
  ByteVec item(kInputDescriptorItemSize, 0);
  item[0] = active ? 1 : 0;
  PutCountedAt(item.data(), 1, 16, name);
  PutCountedAt(item.data(), 18, 2, shortName);
  PutCountedAt(item.data(), 21, 8, unit);
  PutReal48At(item.data(), 30, factor);
  item[36] = last;
  return item;
}

ByteVec ExtendedItem(std::uint16_t key, std::uint8_t fill) {
  ByteVec item(kExtendedItemSize, fill);
  PutU16At(item.data(), 0, key);
  return item;
}

ByteVec InputLinkItem(const std::array<std::uint8_t, 8>& nibbles) {
  std::uint16_t w0 = 0, w1 = 0;
  for (int i = 0; i < 4; ++i) {
    w0 = static_cast<std::uint16_t>(w0 | ((nibbles[i] & 0xF) << (4 * i)));
    w1 = static_cast<std::uint16_t>(w1 | ((nibbles[4 + i] & 0xF) << (4 * i)));
  }
  ByteVec item;
  AppendU16(item, w0);
  AppendU16(item, w1);
  return item;
}

ParameterSet::ParameterSet() {
  OuterDiameter(100).WallThickness(2).LiningThickness(0).Quantity(0).Factor(1.0);
  Density(1.0).StorageInterval(10).Unit("m3/h");
}

ParameterSet& ParameterSet::U8(std::size_t offset, std::uint8_t v) {
  PutU8At(bytes.data(), offset, v);
  return *this;
}
ParameterSet& ParameterSet::U16(std::size_t offset, std::uint16_t v) {
  PutU16At(bytes.data(), offset, v);
  return *this;
}
ParameterSet& ParameterSet::I16(std::size_t offset, std::int16_t v) {
  return U16(offset, static_cast<std::uint16_t>(v));
}
ParameterSet& ParameterSet::Real(std::size_t offset, double v) {
  PutReal48At(bytes.data(), offset, v);
  return *this;
}
ParameterSet& ParameterSet::RawReal(std::size_t offset, const Real48Bytes& r) {
  for (std::size_t i = 0; i < 6; ++i) bytes.at(offset + i) = r[i];
  return *this;
}
ParameterSet& ParameterSet::Counted(std::size_t offset, std::size_t capacity,
                                    const std::string& text) {
  if (offset + 1 + capacity > bytes.size()) throw std::invalid_argument("field outside set");
  PutCountedAt(bytes.data(), offset, capacity, text);
  return *this;
}
ParameterSet& ParameterSet::Raw(std::size_t offset, const ByteVec& raw) {
  for (std::size_t i = 0; i < raw.size(); ++i) bytes.at(offset + i) = raw[i];
  return *this;
}

ExtensionBlock ExtensionBlock::Words(std::vector<std::uint16_t> w) {
  ExtensionBlock b;
  b.kind = 0x10;
  b.words = std::move(w);
  return b;
}
ExtensionBlock ExtensionBlock::Triples(std::vector<std::array<std::uint8_t, 3>> t) {
  ExtensionBlock b;
  b.kind = 0x20;
  b.triples = std::move(t);
  return b;
}
ExtensionBlock ExtensionBlock::Reals(std::vector<double> r) {
  ExtensionBlock b;
  b.kind = 0x30;
  b.reals = std::move(r);
  return b;
}
std::uint16_t ExtensionBlock::SlotWord(int slot, std::uint16_t value) {
  return static_cast<std::uint16_t>(((slot & 7) << 12) | (value & 0x0FFF));
}

std::uint8_t FlaggedRecord::Flags() const {
  std::uint8_t f = 0;
  if (velocity) f |= 0x01;
  if (timestamp) f |= 0x02;
  if (positiveTotal || positiveTotalRaw) f |= 0x04;
  if (negativeTotal || negativeTotalRaw) f |= 0x08;
  if (channel) f |= 0x10;
  if (temperatures) f |= 0x20;
  if (measured || measuredRaw) f |= 0x40;
  if (!extensions.empty()) f |= 0x80;
  return f;
}

ByteVec EncodeFlaggedRecord(const FlaggedRecord& r) {
  ByteVec out;
  AppendU8(out, r.Flags());
  if (r.velocity) AppendU16(out, static_cast<std::uint16_t>(*r.velocity));
  if (r.timestamp) AppendU32(out, *r.timestamp);
  if (r.positiveTotal || r.positiveTotalRaw)
    AppendReal(out, r.positiveTotalRaw, r.positiveTotal.value_or(0));
  if (r.negativeTotal || r.negativeTotalRaw)
    AppendReal(out, r.negativeTotalRaw, r.negativeTotal.value_or(0));
  if (r.channel) AppendU8(out, *r.channel);
  if (r.temperatures) {
    AppendU16(out, static_cast<std::uint16_t>(r.temperatures->first));
    AppendU16(out, static_cast<std::uint16_t>(r.temperatures->second));
  }
  if (r.measured || r.measuredRaw) AppendReal(out, r.measuredRaw, r.measured.value_or(0));
  for (std::size_t b = 0; b < r.extensions.size(); ++b) {
    const ExtensionBlock& e = r.extensions[b];
    std::size_t items = e.kind == 0x10   ? e.words.size()
                        : e.kind == 0x20 ? e.triples.size()
                        : e.kind == 0x30 ? e.reals.size()
                                         : e.otherCount;
    std::uint8_t d;
    if (e.descriptor) {
      d = *e.descriptor;
    } else {
      if (items < 1 || items > 8) throw std::invalid_argument("extension block needs 1..8 items");
      d = static_cast<std::uint8_t>((e.kind & 0x70) | (items - 1));
      if (b + 1 < r.extensions.size()) d |= 0x80;
    }
    AppendU8(out, d);
    for (std::uint16_t w : e.words) AppendU16(out, w);
    for (const auto& t : e.triples) AppendBytes(out, t);
    for (double v : e.reals) AppendBytes(out, EncodeReal48(v));
  }
  return out;
}

std::uint32_t BuiltStream::FarOf(std::size_t streamOffset, FarStyle style) const {
  return FarFromLinear(static_cast<std::uint32_t>(dataLinear + (streamOffset - tableSectionEnd)),
                       style);
}

BuiltStream Build(const StreamSpec& spec) {
  BuiltStream built;
  built.dataLinear = spec.dataLinear;
  const ByteVec strings = EncodeStrings(spec);
  const std::size_t nSeries = spec.series.size();
  const std::size_t rcaBytes = nSeries * kRcaEntrySize;
  built.tableSectionEnd = kPrologSize + rcaBytes + strings.size();

  ByteVec& s = built.bytes;
  s.assign(built.tableSectionEnd, 0);
  for (std::size_t i = 0; i < strings.size(); ++i) s[kPrologSize + rcaBytes + i] = strings[i];

  // Data area: per series its block, its parameter sets, then its records.
  for (std::size_t si = 0; si < nSeries; ++si) {
    const SeriesSpec& ser = spec.series[si];
    SeriesLayout lay;
    lay.entryOffset = kPrologSize + si * kRcaEntrySize;
    lay.blockOffset = s.size();
    lay.blockFar = built.FarOf(lay.blockOffset, spec.farStyle);
    const std::size_t nCh = ser.channels.size();
    s.push_back(ser.channelCountByte.value_or(Count8(nCh, "channels")));
    const std::size_t headsAt = s.size();
    s.resize(s.size() + nCh * kChannelHeadSize, 0);
    for (std::size_t c = 0; c < nCh; ++c) {
      lay.parameterOffsets.push_back(s.size());
      lay.parameterFars.push_back(built.FarOf(s.size(), spec.farStyle));
      AppendBytes(s, ser.channels[c].parameters.bytes);
    }
    for (std::size_t c = 0; c < nCh; ++c) {
      const ChannelSpec& ch = ser.channels[c];
      EncodeChannelHead(&s[headsAt + c * kChannelHeadSize], ch,
                        ch.parameterAddress.value_or(lay.parameterFars[c]),
                        ch.valueCount.value_or(DefaultValueCount(ser, c)));
    }
    lay.firstRecordOffset = s.size();
    lay.firstRecordFar = built.FarOf(s.size(), spec.farStyle);
    if (ser.TwoByte()) {
      for (std::uint16_t w : ser.shortRecords) {
        lay.recordOffsets.push_back(s.size());
        AppendU16(s, w);
      }
    } else {
      for (const FlaggedRecord& r : ser.records) {
        lay.recordOffsets.push_back(s.size());
        const ByteVec enc = EncodeFlaggedRecord(r);
        AppendBytes(s, enc.data(), enc.size());
      }
    }
    lay.recordsEnd = s.size();

    std::uint8_t* e = &s[lay.entryOffset];
    PutU8At(e, 0, ser.kind);
    PutU32At(e, 1, ser.blockAddress.value_or(lay.blockFar));
    PutU32At(e, 5, ser.firstRecordAddress.value_or(lay.firstRecordFar));
    PutU32At(e, 9,
             static_cast<std::uint32_t>(
                 ser.recordCount.value_or(static_cast<std::int32_t>(lay.recordOffsets.size()))));
    PutU16At(e, 13, ser.year);
    PutU8At(e, 15, ser.month);
    PutU8At(e, 16, ser.day);
    PutU8At(e, 17, ser.dateExtra);
    PutU32At(e, 18, static_cast<std::uint32_t>(ser.startSeconds));
    PutCountedAt(e, 22, 8, ser.name);
    built.series.push_back(std::move(lay));
  }

  // Prolog.
  std::uint8_t* p = s.data();
  if (spec.identification.size() != 32)
    throw std::invalid_argument("identification must be 32 bytes");
  for (std::size_t i = 0; i < 32; ++i) p[i] = static_cast<std::uint8_t>(spec.identification[i]);
  for (std::size_t i = 0; i < 16; ++i) {
    p[32 + i] = i < spec.device.size() ? static_cast<std::uint8_t>(spec.device[i]) : ' ';
  }
  for (std::size_t i = 0; i < 3 && i < spec.language.size(); ++i) {
    p[54 + i] = static_cast<std::uint8_t>(spec.language[i]);
  }
  PutU8At(p, 57, 20);
  PutU8At(p, 58, 80);
  PutU16At(p, 60, spec.version);
  PutU8At(p, 62, spec.binaryId);
  PutU8At(p, 63, spec.dataVersion);
  PutU16At(p, 64, spec.prologSizeField.value_or(static_cast<std::uint16_t>(kPrologSize)));
  PutU16At(p, 66, spec.measuringSets.value_or(static_cast<std::uint16_t>(nSeries)));
  PutU16At(p, 68, spec.rcaSize.value_or(static_cast<std::uint16_t>(rcaBytes)));
  PutU32At(p, 70, static_cast<std::uint32_t>(s.size() - built.tableSectionEnd));
  PutU16At(p, 74, 1);
  PutU16At(p, 76, 0x8000);
  PutU16At(p, 78, 0x7FFF);
  PutU16At(p, 80, 0x8001);
  PutU8At(p, 90, Count8(spec.materials.size(), "materials"));
  PutU8At(p, 91, Count8(spec.media.size(), "media"));
  PutU8At(p, 92, Count8(spec.sensorNames.size(), "sensors"));
  PutU8At(p, 93, Count8(spec.quantityNames.size(), "quantities"));
  PutU16At(p, 94, spec.stringSize.value_or(static_cast<std::uint16_t>(strings.size())));
  PutU32At(p, 96,
           static_cast<std::uint32_t>(
               spec.streamSizeField.value_or(static_cast<std::int32_t>(s.size()))));
  PutU32At(p, 100, spec.dataOffsetField.value_or(FarFromLinear(spec.dataLinear, spec.farStyle)));
  PutU8At(p, 104, 0x01);
  PutU8At(p, 112, Count8(spec.romCoefficients.items.size(), "ROM coefficients"));
  PutU8At(p, 113, Count8(spec.userCoefficients.items.size(), "user coefficients"));
  PutReal48At(p, 116, spec.totalErrorValue);
  PutU8At(p, 122, Count8(spec.inputHardware.items.size(), "input hardware"));
  PutU8At(p, 123, 25);
  PutU8At(p, 124, Count8(spec.inputDescriptors.items.size(), "input descriptors"));
  PutU8At(p, 125, 120);
  PutU8At(p, 126, Count8(spec.extended.items.size(), "extended"));
  PutU8At(p, 133, Count8(spec.inputLinks.items.size(), "input links"));
  PutU8At(p, 134, spec.highestMeasuringChannel);
  PutU8At(p, 135, spec.highestChannel);
  PutU8At(p, 136, spec.firstExtraLetter);
  PutU8At(p, 139, Count8(spec.outputHardware.items.size(), "output hardware"));
  PutU8At(p, 140, Count8(spec.outputSetup.items.size(), "output setup"));
  PutU8At(p, 141, spec.perChannelPresent ? 1 : 0);

  for (const auto& [offset, raw] : spec.patches) {
    if (offset + raw.size() > s.size()) throw std::invalid_argument("patch beyond the stream");
    for (std::size_t i = 0; i < raw.size(); ++i) s[offset + i] = raw[i];
  }
  return built;
}

ByteVec Truncated(const ByteVec& stream, std::size_t length) {
  if (length > stream.size()) throw std::invalid_argument("truncation longer than the stream");
  return ByteVec(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(length));
}

StreamSpec LargeSpec(int seriesCount, int recordsPerSeries) {
  StreamSpec spec;
  spec.dataLinear = 0x400;
  spec.userCoefficients.items.push_back(
      CoefficientItem(7, {1.5, 0.25, -0.125, 0, 0, 2.5, 0.5, 0, 0, 0}));
  spec.extended.items.push_back(ExtendedItem(7, 0x11));
  spec.series.clear();
  for (int si = 0; si < seriesCount; ++si) {
    SeriesSpec ser;
    ser.name = "S" + std::to_string(si + 1);
    ChannelSpec a, b;
    a.number = 0;
    a.parameters.CoefficientKey(7).Quantity(3);
    b.number = 1;
    b.inputs = {0x12, 0x00, 0x00, 0x00};
    b.parameters.Quantity(2).Density(998.2);
    // Every third series has two channels, whose records carry the channel
    // number; the others one channel with records of flag and velocity.
    const bool twoChannels = si % 3 == 2;
    ser.channels = twoChannels ? std::vector<ChannelSpec>{a, b} : std::vector<ChannelSpec>{a};
    ser.records.reserve(static_cast<std::size_t>(recordsPerSeries));
    for (int i = 0; i < recordsPerSeries; ++i) {
      FlaggedRecord r;
      r.velocity = static_cast<std::int16_t>((i * 37) % 4000 - 2000);
      if (twoChannels) r.channel = static_cast<std::uint8_t>(1 + (i & 1));
      if (i % 64 == 0) {
        const int minutes = i / 64;
        r.timestamp = PackTimestamp(2004, 3, 1 + (minutes / 1440) % 28, (minutes / 60) % 24,
                                    minutes % 60, 0, i == 0);
      }
      if (i % 128 == 1) r.positiveTotal = 1000.0 + i;
      if (i % 256 == 3) {
        r.temperatures = {{static_cast<std::int16_t>(600 + i % 50), 400}};
        r.extensions.push_back(ExtensionBlock::Words(
            {ExtensionBlock::SlotWord(0, 0x5DC), ExtensionBlock::SlotWord(4, 90)}));
      }
      ser.records.push_back(std::move(r));
    }
    spec.series.push_back(std::move(ser));
  }
  return spec;
}

}  // namespace gd::sb
