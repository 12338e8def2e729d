#include "core/VXAblage.h"

#include <cstring>
#include <numbers>
#include <stdexcept>

#include "core/StreamParser.h"
#include "core/Version.h"

namespace gd {
namespace {

// Total size of the fixed fields for every flag byte.
constexpr std::array<std::uint8_t, 256> MakeFieldTotals() {
  std::array<std::uint8_t, 256> t{};
  for (unsigned f = 0; f < 256; ++f) {
    unsigned sum = 0;
    for (unsigned bit = 0; bit < 8; ++bit)
      if (f & (1u << bit)) sum += kRecordFieldSizes[bit];
    t[f] = static_cast<std::uint8_t>(sum);
  }
  return t;
}
constexpr std::array<std::uint8_t, 256> kFieldTotals = MakeFieldTotals();

// Bytes of the items of an extension block with descriptor d.
constexpr std::size_t ExtensionSize(std::uint8_t d) {
  const std::size_t n = (d & 7u) + 1;
  switch (d & 0x70) {
    case 0x10:
      return 2 * n;
    case 0x20:
      return 3 * n;
    case 0x30:
      return 6 * n;
    default:
      return 0;
  }
}

bool Real48Negative(const std::uint8_t* r) { return r[0] != 0 && (r[5] & 0x80) != 0; }

// Stores `text` (at most N characters) into a counted field.
template <std::size_t N>
void SetCounted(CountedString<N>& field, const std::uint8_t* counted, std::size_t maxChars) {
  const std::size_t n = std::min<std::size_t>(counted[0], maxChars);
  field.Assign(std::string_view(reinterpret_cast<const char*>(counted + 1), n));
}

}  // namespace

TVXAblage::TVXAblage(ByteView stream, const ParsedStream& parsed)
    : stream_(stream),
      parsed_(&parsed),
      base_(static_cast<std::int64_t>(parsed.dataStart) -
            static_cast<std::int64_t>(FarLinear(parsed.prolog.DataOffset()))),
      version_(parsed.prolog.Version()),
      seriesCount_(static_cast<int>(parsed.directory.size())) {}

std::int64_t TVXAblage::StreamPos(std::uint32_t farAddress) const {
  return static_cast<std::int64_t>(FarLinear(farAddress)) + base_;
}

int TVXAblage::CompareVersion(std::uint16_t reference, std::uint16_t actual) {
  return gd::CompareVersion(reference, actual);
}

bool TVXAblage::IsKind2() const { return entry_ && entry_->IsKind2(); }
bool TVXAblage::IsShortRecordSeries() const { return entry_ && entry_->HasShortRecords(); }

void TVXAblage::SelectSeries(int n) {
  if (n < 1 || n > seriesCount_) throw std::out_of_range("series number outside the directory");
  series_ = n;
  entry_ = &parsed_->directory[static_cast<std::size_t>(n - 1)];
  recordNumber_ = 1;
  recordCount_ = entry_->RecordCount();
  damaged_ = false;
  const std::int64_t size = static_cast<std::int64_t>(stream_.size());

  const std::int64_t first = StreamPos(entry_->FirstRecordAddress());
  if (first < 0 || first > size) {
    damaged_ = recordCount_ > 0;
    nextPos_ = stream_.size();
  } else {
    nextPos_ = static_cast<std::size_t>(first);
  }

  // Series block: channel count byte, then the channel heads.
  blockPos_ = StreamPos(entry_->BlockAddress());
  channelCount_ = 0;
  if (blockPos_ < 0 || blockPos_ >= size) {
    damaged_ = true;
  } else {
    std::size_t pos = static_cast<std::size_t>(blockPos_);
    std::size_t m = std::min<std::size_t>(stream_[pos], kMaxChannels);
    ++pos;
    const std::size_t whole = (stream_.size() - pos) / kChannelHeadSize;
    if (whole < m) {
      m = whole;
      damaged_ = true;
    }
    for (std::size_t k = 0; k < m; ++k) {
      std::memcpy(heads_[k].raw.data(), stream_.data() + pos + k * kChannelHeadSize,
                  kChannelHeadSize);
      TParameterSet& ps = paramSets_[k];
      const std::int64_t pp = StreamPos(heads_[k].ParameterAddress());
      if (pp > 0 && pp + static_cast<std::int64_t>(kParameterSetSize) <= size) {
        std::memcpy(ps.raw.data(), stream_.data() + pp, kParameterSetSize);
      } else {
        // Position 0 means "no parameter set"; outside the stream is damage.
        ps.raw.fill(0);
        if (pp != 0) damaged_ = true;
      }
    }
    channelCount_ = static_cast<int>(m);
  }
  for (std::size_t k = static_cast<std::size_t>(channelCount_); k < kMaxChannels; ++k) {
    heads_[k] = TChannelHead{};
    paramSets_[k] = TParameterSet{};
  }

  if (!VersionAtLeast(kVersion316, version_)) {
    static constexpr std::uint8_t kDefaultAssignments[4] = {0x21, 0x43, 0x65, 0x87};
    for (int k = 0; k < channelCount_; ++k)
      std::memcpy(&heads_[static_cast<std::size_t>(k)].raw[TChannelHead::kInputAssignments],
                  kDefaultAssignments, 4);
  }
  for (std::size_t k = 0; k < kMaxChannels; ++k) PrepareChannel(k);
}

void TVXAblage::PrepareChannel(std::size_t k) {
  RecordChannel& c = channels_[k];
  c = RecordChannel{};
  if (static_cast<int>(k) >= channelCount_) {
    // No head for this slot (a series block outside the stream has none at
    // all): records still get a parameter set, all zeros, so consumers never
    // meet a missing one.
    paramSets_[k].raw.fill(0);
    c.parameterSet = &paramSets_[k];
    return;
  }
  const TChannelHead& h = heads_[k];
  const TParameterSet& p = paramSets_[k];

  const long inner =
      static_cast<long>(p.OuterDiameter()) -
      2L * (static_cast<long>(p.WallThickness()) + static_cast<long>(p.LiningThickness()));
  const long double area = static_cast<long double>(inner) * static_cast<long double>(inner) *
                           std::numbers::pi_v<long double> / 400.0L;
  long double x = 1.0L;
  switch (p.PhysicalQuantity()) {
    case 0:
      x = area;
      break;
    case 2:
      x = area * p.Density();
      break;
    default:
      x = 1.0L;
      break;
  }
  c.scaledFactor = LongDoubleToReal48(p.Factor() * x);
  c.area = LongDoubleToReal48(area);
  const auto key = static_cast<std::uint16_t>(p.CoefficientKey());
  c.coefficients = FindCoefficientSet(key);
  c.extended = FindExtendedSet(key);
  c.parameterSet = &p;
  c.storedValues = h.StoredValues();
  c.extraValues = h.ExtraValues();
  DecodeInputs(h.InputAssignments(), c.inputs);
}

void TVXAblage::AttachChannel(TValueRecord& rec) const {
  int k = rec.channel;
  if (k == 0 || k > channelCount_) k = 1;
  rec.channelPart = channels_[static_cast<std::size_t>(k - 1)];
}

void TVXAblage::DecodeInputs(const std::uint8_t* assignments, InputNames& out) const {
  const TDeviceTable& hw = parsed_->inputHardware;
  const TDeviceTable& desc = parsed_->inputDescriptors;
  const std::size_t nH = hw.Count(), nD = desc.Count();
  for (std::size_t i = 0; i < 8; ++i) {
    const std::uint8_t b = assignments[i / 2];
    const unsigned v = (i % 2 == 0) ? (b & 0x0Fu) : (b >> 4);
    if (v == 0 || v > nH) {
      const char* mark = v == 0 ? "?" : "??";
      out.shortNames[i].Assign(mark);
      out.names[i].Assign(mark);
      out.units[i].Assign(mark);
      out.indices[i] = 0;
      continue;
    }
    ByteView item = hw.Item(v - 1);
    SetCounted(out.shortNames[i], &item[kInputHardwareShortName], 4);
    switch (item[kInputHardwareType]) {
      case 1:
        out.names[i].Assign("Temperatur");
        out.units[i].Assign(
            "\xB0"
            "C");
        break;
      case 2:
      case 3:
        out.names[i].Assign("Spannung");
        out.units[i].Assign("V");
        break;
      case 4:
        out.names[i].Assign("Strom");
        out.units[i].Assign("mA");
        break;
      default:
        out.names[i].Assign("Input");
        out.units[i].Assign("");
        break;
    }
    out.indices[i] = static_cast<std::uint8_t>(v);
    const std::size_t link = item[kInputHardwareLink];
    if (link >= 1 && link < nD) {
      ByteView d = desc.Item(link);
      if (d[kInputDescriptorActive] != 0) {
        SetCounted(out.shortNames[i], &d[kInputDescriptorShortName], 4);
        SetCounted(out.names[i], &d[kInputDescriptorName], 16);
        // The unit field has 15 bytes before the end of the item.
        SetCounted(out.units[i], &d[kInputDescriptorUnit],
                   kInputDescriptorItemSize - kInputDescriptorUnit - 1);
      }
    }
  }
}

std::uint8_t TVXAblage::ChannelLetter(int n) const {
  const int last = parsed_->prolog.LastMeasuringChannel();
  if (n > last && VersionAtLeast(kVersion360, version_))
    return static_cast<std::uint8_t>((n + parsed_->prolog.FirstExtraLetter() - last - 1) & 0xFF);
  return static_cast<std::uint8_t>((n + 65) & 0xFF);
}

namespace {
const std::uint8_t* LastMatch(const TDeviceTable& table, std::uint16_t key) {
  const std::uint8_t* found = nullptr;
  for (std::size_t i = 0; i < table.Count(); ++i) {
    ByteView item = table.Item(i);
    if (item.size() >= 2 && LoadU16(item.data()) == key) found = item.data() + 2;
  }
  return found;
}
}  // namespace

const std::uint8_t* TVXAblage::FindCoefficientSet(std::uint16_t key) const {
  if (const std::uint8_t* user = LastMatch(parsed_->userCoefficients, key)) return user;
  return LastMatch(parsed_->romCoefficients, key);
}

const std::uint8_t* TVXAblage::FindExtendedSet(std::uint16_t key) const {
  return LastMatch(parsed_->extended, key);
}

bool TVXAblage::NextRecord(TValueRecord& rec) {
  if (!entry_ || recordCount_ <= 0 || recordCount_ < recordNumber_) return false;
  const std::uint8_t* data = stream_.data();
  const std::size_t size = stream_.size();
  std::size_t pos = nextPos_;

  if (entry_->HasShortRecords()) {
    if (pos > size || size - pos < 2) {
      damaged_ = true;
      return false;
    }
    rec.velocity = LoadI16(data + pos);
    nextPos_ = pos + 2;
    ++recordNumber_;
    return true;
  }

  if (pos >= size) {
    damaged_ = true;
    return false;
  }
  const std::uint8_t f = data[pos];
  if (size - pos - 1 < kFieldTotals[f]) {
    damaged_ = true;
    return false;
  }
  // Check the extension chain before touching the caller's buffer.
  std::size_t end = pos + 1 + kFieldTotals[f];
  if (f & 0x80) {
    std::size_t d = end - 1;  // first descriptor is the bit-7 field
    for (;;) {
      const std::size_t items = ExtensionSize(data[d]);
      if (size - d - 1 < items) {
        damaged_ = true;
        return false;
      }
      const std::size_t next = d + 1 + items;
      if ((data[d] & 0x80) && next < size) {
        d = next;
      } else {
        end = next;
        break;
      }
    }
  }

  std::memset(static_cast<void*>(&rec), 0, sizeof rec);
  rec.flags = f;
  const std::uint8_t* q = data + pos + 1;
  if (f & 0x01) {
    rec.velocity = LoadI16(q);
    q += 2;
  }
  if (f & 0x02) {
    rec.timestamp = LoadU32(q);
    q += 4;
  }
  if (f & 0x04) {
    std::memcpy(rec.positiveTotal.data(), q, 6);
    q += 6;
  }
  if (f & 0x08) {
    std::memcpy(rec.negativeTotal.data(), q, 6);
    q += 6;
  }
  if (f & 0x10) {
    rec.channel = *q;
    q += 1;
  }
  if (f & 0x20) {
    rec.temperatures[0] = LoadI16(q);
    rec.temperatures[1] = LoadI16(q + 2);
    q += 4;
  }
  if (f & 0x40) {
    std::memcpy(rec.measuredValue.data(), q, 6);
    q += 6;
  }
  if (f & 0x80) {
    rec.descriptor = *q;
    const std::uint8_t* stop = data + end;
    for (;;) {
      const std::uint8_t d = *q++;
      const unsigned n = (d & 7u) + 1;
      switch (d & 0x70) {
        case 0x10:
          for (unsigned j = 0; j < n; ++j, q += 2) {
            const std::uint16_t w = LoadU16(q);
            rec.words[(w >> 12) & 7] = static_cast<std::uint16_t>((w & 0x0FFF) | 0x8000);
          }
          break;
        case 0x20:
          rec.inputMask = 0;
          for (unsigned j = 0; j < n; ++j, q += 3) {
            const unsigned slot = q[0] >> 5;
            std::memcpy(rec.inputs[slot].data(), q, 3);
            rec.inputMask = static_cast<std::uint8_t>(rec.inputMask | (1u << slot));
          }
          break;
        case 0x30:
          rec.realMask = 0;
          for (unsigned j = 0; j < n; ++j, q += 6) {
            const unsigned slot = (n == 1) ? (Real48Negative(q) ? 1u : 0u) : (j == 0 ? 0u : 1u);
            std::memcpy(rec.reals[slot].data(), q, 6);
            rec.realMask = static_cast<std::uint8_t>(rec.realMask | (1u << slot));
          }
          break;
        default:
          break;
      }
      if (q >= stop) break;
    }
  }
  nextPos_ = end;
  ++recordNumber_;
  return true;
}

std::size_t TVXAblage::SkipFlaggedRecord(std::size_t pos) const {
  const std::uint8_t* data = stream_.data();
  const std::size_t size = stream_.size();
  if (pos >= size) return 0;
  const std::uint8_t f = data[pos];
  if (size - pos - 1 < kFieldTotals[f]) return 0;
  std::size_t end = pos + 1 + kFieldTotals[f];
  if (!(f & 0x80)) return end;
  std::size_t d = end - 1;
  for (;;) {
    const std::size_t items = ExtensionSize(data[d]);
    if (size - d - 1 < items) return 0;
    const std::size_t next = d + 1 + items;
    if (!((data[d] & 0x80) && next < size)) return next;
    d = next;
  }
}

std::int32_t TVXAblage::CountWholeRecords() const {
  if (!entry_ || recordCount_ <= 0) return 0;
  const std::size_t size = stream_.size();
  if (nextPos_ > size) return 0;
  if (entry_->HasShortRecords()) {
    const std::size_t fit = (size - nextPos_) / 2;
    return static_cast<std::int32_t>(
        std::min<std::size_t>(fit, static_cast<std::size_t>(recordCount_)));
  }
  std::size_t pos = nextPos_;
  std::int32_t n = 0;
  while (n < recordCount_) {
    const std::size_t next = SkipFlaggedRecord(pos);
    if (next == 0) break;
    pos = next;
    ++n;
  }
  return n;
}

void TVXAblage::GetSeriesDescription(int n, TSeriesDescription& d) {
  d = TSeriesDescription{};
  SelectSeries(n);
  d.entry = *entry_;
  d.channelCount = static_cast<std::uint8_t>(channelCount_);
  for (int k = 1; k <= channelCount_; ++k)
    d.valueCounts[static_cast<std::size_t>(k)] =
        heads_[static_cast<std::size_t>(k - 1)].ValueCount();
  d.valueCounts[0] = d.valueCounts[1];
  d.kind2 = entry_->IsKind2() ? 1 : 0;

  const TStreamProlog& pro = parsed_->prolog;
  for (int k = 1; k <= channelCount_; ++k) {
    const std::size_t i = static_cast<std::size_t>(k - 1);
    TValueRecord scratch{};
    scratch.channel = static_cast<std::uint8_t>(k);
    AttachChannel(scratch);
    TChannelDescription& c = d.channels[i];
    c.head = heads_[i];
    c.inputs = scratch.channelPart.inputs;
    c.scaledFactor = scratch.channelPart.scaledFactor;
    c.area = scratch.channelPart.area;
    if (scratch.channelPart.coefficients)
      std::memcpy(c.coefficients.data(), scratch.channelPart.coefficients, kCoefficientBodySize);
    c.parameterSet = paramSets_[i];
    const int number = heads_[i].ChannelNumber();
    c.extraChannel =
        (pro.LastMeasuringChannel() != pro.LastChannel() && number > pro.LastMeasuringChannel())
            ? 1
            : 0;
    c.letter = ChannelLetter(number);
    if (heads_[i].Triggered()) d.triggered = 1;
  }

  d.wholeRecords = CountWholeRecords();
  if (recordCount_ > 0 && d.wholeRecords < recordCount_) damaged_ = true;
  d.damaged = damaged_ ? 1 : 0;
}

}  // namespace gd
