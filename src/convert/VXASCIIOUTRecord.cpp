// TVXASCIIOUT: the channel clocks and the conversion of one value record into
// the texts and numbers of the output columns.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "convert/VXASCIIOUT.h"

namespace gd {
namespace {

constexpr std::size_t kModeBits = 131;  // parameter-set byte: bit 2 sign mode
constexpr std::uint8_t kFVelocity = 0x01, kFTimestamp = 0x02, kFPositive = 0x04, kFNegative = 0x08,
                       kFTemperatures = 0x20, kFMeasured = 0x40;

bool WordPresent(std::uint16_t w) { return (w & 0x8000) != 0; }
unsigned WordValue(std::uint16_t w) { return w & 0x0FFFu; }

// PlaceSign(text, sign) in place: the sign replaces the one in the text or
// the blank before its first character, or goes in front.
void PlaceSignInPlace(std::string& text, char sign) {
  if (text.empty() || (text[0] != ' ' && text[0] != '+' && text[0] != '-')) {
    text.insert(text.begin(), sign);
    return;
  }
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) i = text.size();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    text[i] = sign;
  } else if (i > 0) {
    text[i - 1] = sign;
  }
}

}  // namespace

void TVXASCIIOUT::StartChannelClocks(const TRcaEntry& entry, const TSeriesDescription& series) {
  const DateRecord start{entry.StartYear(), entry.StartMonth(), entry.StartDay(),
                         entry.DateSpare()};
  const int count = std::min<int>(series.channelCount, static_cast<int>(kMaxChannels));
  for (int j = 0; j < count; ++j) {
    const TChannelDescription& ch = series.channels[static_cast<std::size_t>(j)];
    ChannelClock& clk = clocks_[ch.head.ChannelNumber() % 8u];
    clk.startDate = start;
    clk.startTime = entry.StartTime();
    clk.interval = Span{0, ch.parameterSet.StorageInterval() % kSecondsPerDay};
    clk.recordCounter = 0;
    clk.currentDate = start;
    clk.currentTime = clk.startTime;
  }
}

void TVXASCIIOUT::AppendDate(std::string& out, const DateRecord& date) {
  if (!cachedDateValid_ || !(date == cachedDate_)) {
    cachedDateText_.clear();
    if (IsCalendarDate(date)) {
      datePattern_.Append(cachedDateText_, date, 0);
    } else {
      cachedDateText_ = kUnformedPartText;
    }
    cachedDate_ = date;
    cachedDateValid_ = true;
  }
  out += cachedDateText_;
}

void TVXASCIIOUT::TemperatureInto(std::string& out, std::int16_t t, bool stored) const {
  if (!stored) {
    out += padded_.notStored;
  } else if (t == kUndefinedTemperature) {
    out += padded_.undefined;
  } else {
    AppendNumber(out, 1, t / 10.0L);
  }
}

std::string TVXASCIIOUT::TemperatureText(std::int16_t t, bool stored) const {
  std::string out;
  TemperatureInto(out, t, stored);
  return out;
}

// Inputs 5..8: scaled by the input's descriptor when it links one, else by
// the kind of input hardware.
void TVXASCIIOUT::InputInto(TOutColumn& col, std::int16_t raw, bool stored, int index,
                            bool withText) const {
  if (!stored) {
    if (withText) col.valueText += padded_.notStored;
    col.numeric = kNoValueMarker;
    return;
  }
  if (raw < -32757) {
    col.numeric = kInvalidMarker;
    if (!withText) return;
    switch (raw) {
      case -32766:
        col.valueText += padded_.min;
        break;
      case -32765:
        col.valueText += padded_.max;
        break;
      case -32764:
        col.valueText += padded_.failBang;
        break;
      default:
        col.valueText += padded_.undefined;
        break;
    }
    return;
  }
  long double value = 0;
  int decimals = 3;
  if (index == 0) {
    value = raw * 40.0L;
  } else {
    const TDeviceTable& hardware = parsed_->inputHardware;
    const TDeviceTable& descriptors = parsed_->inputDescriptors;
    const std::size_t h = static_cast<std::size_t>(index - 1);
    const std::uint8_t link = h < hardware.Count() ? hardware.Item(h)[kInputHardwareLink] : 0;
    const std::uint8_t type = h < hardware.Count() ? hardware.Item(h)[kInputHardwareType] : 0;
    if (link != 0 && link < descriptors.Count()) {
      const ByteView d = descriptors.Item(link);
      value = Real48ToLongDouble(&d[30]) * (raw - LoadI16(&d[28])) * 40.0L;
      decimals = std::min<int>(d[36], 18);
    } else if (type == 3) {
      value = raw * 400.0L / 1000000.0L;
      decimals = 2;
    } else if (type == 4) {
      value = raw * 40.0L * 20.0L / 1000000.0L;
    } else {
      value = raw * 40.0L / 1000000.0L;
    }
  }
  if (withText) AppendNumber(col.valueText, decimals, value);
  col.numeric = value;
}

long double TVXASCIIOUT::HeatFlowValue(const TValueRecord& rec) {
  const RecordChannel& ch = rec.channelPart;
  HeatFlowInput& in = heatCache_.input;
  // Coefficients, steam curves and area change with the channel only.
  if (ch.coefficients != heatCache_.body || ch.extended != heatCache_.extended ||
      !heatCache_.decoded) {
    heatCache_.body = ch.coefficients;
    heatCache_.extended = ch.extended;
    in.coefficients.reset();
    in.steam.reset();
    if (ch.coefficients) {
      in.coefficients = DecodeHeatFlowCoefficients(ByteView(ch.coefficients, kCoefficientBodySize));
    }
    if (ch.extended) in.steam = DecodeSteamCurves(ByteView(ch.extended, kExtendedBodySize));
    heatCache_.decoded = true;
  }
  if (std::memcmp(ch.area.data(), heatCache_.areaBytes.data(), 6) != 0) {
    heatCache_.areaBytes = ch.area;
    in.area = Real48ToLongDouble(ch.area);
  }
  in.velocity = rec.velocity;
  in.supplyTemperature = rec.temperatures[0];
  in.returnTemperature = rec.temperatures[1];
  in.steamSettings = ch.parameterSet ? ReadSteamSettings(ch.parameterSet->View()) : SteamSettings{};
  return HeatFlow(in).value;
}

// Columns of one pair of totals: the single column `sumCol` and the separate
// positive and negative columns. `valid`: the totals may be shown.
void TVXASCIIOUT::TotalsInto(int sumCol, int posCol, int negCol, bool hasPos, long double pos,
                             bool hasNeg, long double neg, bool valid, bool invalidAsMarker) {
  // The sum column shows the text of one of the separate ones.
  const bool withText = Wanted(sumCol) || Wanted(posCol) || Wanted(negCol);
  auto one = [&](int index, bool has, long double v, char sign) {
    TOutColumn& col = columns_[static_cast<std::size_t>(index)];
    if (!has) {
      if (withText) col.valueText = padded_.blank;
      return;
    }
    if (valid) {
      if (withText) AppendNumber(col.valueText, 2, v);
      col.numeric = v;
      // The column's sign marks which total it is; a value stored with the
      // other sign keeps its own, so the text says what the cell holds.
      if (v < 0) sign = '-';
      if (v > 0) sign = '+';
    } else {
      if (withText) col.valueText = padded_.unknown;
      if (invalidAsMarker) col.numeric = kInvalidMarker;
    }
    if (withText) PlaceSignInPlace(col.valueText, sign);
  };
  one(posCol, hasPos, pos, '+');
  one(negCol, hasNeg, neg, '-');
  TOutColumn& sum = columns_[static_cast<std::size_t>(sumCol)];
  const TOutColumn& from = hasNeg ? columns_[static_cast<std::size_t>(negCol)]
                                  : columns_[static_cast<std::size_t>(posCol)];
  if (withText) sum.valueText = from.valueText;
  if (hasPos) sum.numeric = pos;
  if (hasNeg) sum.numeric = neg;
  if ((hasPos || hasNeg) && !valid && invalidAsMarker) sum.numeric = kInvalidMarker;
}

long double TVXASCIIOUT::ScaledFactor(const RecordChannel& cp) {
  if (std::memcmp(cp.scaledFactor.data(), factorBytes_.data(), 6) != 0) {
    factorBytes_ = cp.scaledFactor;
    factor_ = Real48ToLongDouble(cp.scaledFactor);
  }
  return factor_;
}

void TVXASCIIOUT::ConvertRecord(int channel, const TValueRecord& rec) {
  for (TOutColumn& col : columns_) {
    col.valueText.clear();
    col.numeric = kNoValueMarker;
  }
  static const TParameterSet kNoSet{};
  const RecordChannel& cp = rec.channelPart;
  const TParameterSet& set = cp.parameterSet ? *cp.parameterSet : kNoSet;
  // A 2-byte record is a velocity and nothing else.
  std::uint8_t f = rec.flags;
  if (navigator_ && navigator_->IsShortRecordSeries()) f = kFVelocity;

  if (channel >= 0) {
    columns_[kColLetter].valueText += static_cast<char>(
        navigator_ ? navigator_->ChannelLetter(channel) : static_cast<std::uint8_t>(channel + 65));
  }
  ChannelClock& clk = clocks_[static_cast<std::size_t>(std::max(channel, 0) & 7)];
  const bool invalidVelocity =
      !(f & kFVelocity) || static_cast<std::uint16_t>(rec.velocity) == errorValue_;
  const bool signMode = (set.U8(kModeBits) & 0x04) != 0;

  // Timestamp and run start.
  if (f & kFTimestamp) {
    const Moment m = UnpackTimestamp(rec.timestamp);
    clk.currentDate = m.date;
    clk.currentTime = m.seconds;
    if (IsRunStart(rec.timestamp)) {
      char buf[96];
      const std::string time = LongTimeText(m.seconds, locale_).value_or(kUnformedPartText);
      std::snprintf(buf, sizeof buf, "\\RUN=%02d.%02d.%2d/%8s", m.date.day, m.date.month,
                    FullYear(m.date.year), time.c_str());
      WriteDelimited(nullptr, columns_[kColLetter].valueText + buf);
      clk.startDate = clk.currentDate;
      clk.startTime = clk.currentTime;
      clk.recordCounter = 0;
    }
  }

  // Date and time of the record, then on to the next one.
  {
    TOutColumn& date = columns_[kColDate];
    TOutColumn& time = columns_[kColTime];
    if (Wanted(kColDate)) {
      date.valueText += ' ';
      AppendDate(date.valueText, clk.currentDate);
    }
    if (Wanted(kColTime)) {
      time.valueText += ' ';
      if (clk.currentTime >= 0 && clk.currentTime < kSecondsPerDay) {
        timePattern_.Append(time.valueText, DateRecord{}, clk.currentTime);
      } else {
        time.valueText += kUnformedPartText;
      }
    }
    date.numeric = time.numeric = MomentToDateTime(clk.currentDate, clk.currentTime);
    if (clk.interval.days == 0 && clk.currentTime >= 0 &&
        clk.currentTime + clk.interval.seconds < kSecondsPerDay && clk.interval.seconds >= 0) {
      clk.currentTime += clk.interval.seconds;
    } else {
      const Moment next = AddSpan(Moment{clk.currentDate, clk.currentTime}, clk.interval);
      clk.currentDate = next.date;
      clk.currentTime = next.seconds;
    }
    ++clk.recordCounter;
  }

  // Measured value.
  const long double factor = ScaledFactor(cp);
  const long double positive = (f & kFPositive) ? Real48ToLongDouble(rec.positiveTotal) : 0.0L;
  long double m = 0;
  bool mValid = false;
  if (set.PhysicalQuantity() == 3) {
    if (!invalidVelocity) {
      if (signMode) {
        if (f & kFPositive) m = positive;
        mValid = (f & kFPositive) != 0;
      } else {
        m = HeatFlowValue(rec);
        if (!IsInvalidHeatFlow(m)) m *= factor;
        mValid = true;
      }
      if (IsInvalidHeatFlow(m)) mValid = false;
    }
  } else if (!invalidVelocity) {
    m = factor * rec.velocity;
    mValid = true;
  }

  TOutColumn& veloc = columns_[kColVeloc];
  TOutColumn& measure = columns_[kColMeasure];
  if ((f & kFVelocity) || (options_.style & (kStyleShowVeloc | kStyleAlwaysVelocMeasure))) {
    if (!(f & kFVelocity)) {
      veloc.valueText = padded_.noVelocity;
    } else if (invalidVelocity) {
      veloc.valueText = padded_.unknown;
    } else if (Wanted(kColVeloc)) {
      AppendNumber(veloc.valueText, 3, rec.velocity / 1000.0L);
    }
    if (mValid) {
      AppendNumber(measure.valueText, 2, m);
    } else {
      measure.valueText = (f & kFVelocity) ? padded_.unknown : padded_.noVelocity;
    }
  }
  if (f & kFVelocity) {
    veloc.numeric = invalidVelocity ? kInvalidMarker : rec.velocity / 1000.0L;
    measure.numeric = mValid ? m : kInvalidMarker;
  }
  // A directly stored measured value replaces the computed one. One the
  // meter stored as invalid is shown as invalid: the meter's verdict wins
  // over a value computed from the velocity.
  if (f & kFMeasured) {
    const long double stored = Real48ToLongDouble(rec.measuredValue);
    measure.valueText.clear();
    if (!IsInvalidHeatFlow(stored)) {
      AppendNumber(measure.valueText, 2, stored);
      measure.numeric = stored;
    } else {
      measure.valueText = padded_.unknown;
      measure.numeric = kInvalidMarker;
    }
  }

  // Totals: in sign mode only the negative total counts, moved to the
  // positive side when it is not negative.
  long double pos = positive;
  long double neg = (f & kFNegative) ? Real48ToLongDouble(rec.negativeTotal) : 0.0L;
  if (signMode) {
    f = static_cast<std::uint8_t>(f & ~kFPositive);
    if (f & kFNegative) {
      if (neg >= 0) {
        pos = neg;
        f = static_cast<std::uint8_t>((f | kFPositive) & ~kFNegative);
      } else if (neg == totalErrorValue_) {
        neg = 0;
      }
    }
  }
  const bool totalsValid = !invalidVelocity || (f & kFMeasured);
  TotalsInto(kColQuant, kColQPos, kColQNeg, f & kFPositive, pos, f & kFNegative, neg, totalsValid,
             false);
  {
    const bool has0 = rec.realMask & 0x01, has1 = rec.realMask & 0x02;
    const long double pos2 = has0 ? Real48ToLongDouble(rec.reals[0]) : 0.0L;
    long double neg2 = has1 ? Real48ToLongDouble(rec.reals[1]) : 0.0L;
    if (has1 && neg2 == totalErrorValue_) neg2 = 0;
    TotalsInto(kColFQuant, kColFQPos, kColFQNeg, has0, pos2, has1, neg2, totalsValid, true);
  }

  // Extension words: sound speed, sensor temperatures, concentration, amplitude.
  const auto& w = rec.words;
  if (WordPresent(w[0]) && WordPresent(w[1])) {
    TOutColumn& c = columns_[kColSoundSpeed];
    c.numeric = ((WordValue(w[1]) << 12) | WordValue(w[0])) * 0.001L;
    AppendNumber(c.valueText, 2, c.numeric);
  }
  for (int s = 2; s <= 3; ++s) {
    if (!WordPresent(w[static_cast<std::size_t>(s)])) continue;
    TOutColumn& c = columns_[static_cast<std::size_t>(kColSensorTempV + s - 2)];
    const int v = static_cast<int>(WordValue(w[static_cast<std::size_t>(s)]));
    if (v != 0) {
      c.numeric = (v - 1000) * 2 / 10.0L;
      AppendNumber(c.valueText, 1, c.numeric);
    } else {
      c.valueText = padded_.fail;
      c.numeric = kInvalidMarker;
    }
  }
  if (WordPresent(w[4])) {
    TOutColumn& c = columns_[kColConcentration];
    const unsigned v = WordValue(w[4]);
    if ((v & 0xC00) == 0xC00) {
      c.numeric = (v & 0x3FF) / 10.0L;
      AppendNumber(c.valueText, 1, c.numeric);
    } else {
      c.valueText = padded_.fail;
      c.numeric = kInvalidMarker;
    }
  }
  if (WordPresent(w[5])) {
    TOutColumn& c = columns_[kColAmplitude];
    c.numeric = WordValue(w[5]) & 0xFFu;
    AppendNumber(c.valueText, 0, c.numeric);
  }

  // Temperatures of inputs 1 and 2.
  for (int i = 0; i < 2; ++i) {
    TOutColumn& c = columns_[static_cast<std::size_t>(kColInput1 + i)];
    const bool stored = (cp.storedValues & (1u << i)) && (f & kFTemperatures);
    const std::int16_t raw = rec.temperatures[static_cast<std::size_t>(i)];
    if (Wanted(kColInput1 + i)) TemperatureInto(c.valueText, raw, stored);
    if (stored) c.numeric = raw == kUndefinedTemperature ? kInvalidMarker : raw / 10.0L;
  }
  // Inputs 1..4 from the 3-byte slots 0..3, as temperatures.
  for (int s = 0; s < 4; ++s) {
    TOutColumn& c = columns_[static_cast<std::size_t>(kColInput1Raw + s)];
    const std::int16_t raw = LoadI16(&rec.inputs[static_cast<std::size_t>(s)][1]);
    const std::int16_t t = raw < 16
                               ? kUndefinedTemperature
                               : static_cast<std::int16_t>(std::nearbyint((raw - 20000) / 10.0));
    const bool stored = (rec.inputMask & (1u << s)) != 0;
    if (Wanted(kColInput1Raw + s)) TemperatureInto(c.valueText, t, stored);
    if (stored) c.numeric = t == kUndefinedTemperature ? kInvalidMarker : t / 10.0L;
  }
  // Inputs 5..8 from the 3-byte slots 4..7.
  for (int s = 4; s < 8; ++s) {
    TOutColumn& c = columns_[static_cast<std::size_t>(kColInput5 + s - 4)];
    const auto k = static_cast<std::size_t>(s);
    InputInto(c, LoadI16(&rec.inputs[k][1]), (rec.inputMask & (1u << s)) != 0, cp.inputs.indices[k],
              Wanted(kColInput5 + s - 4));
  }
}

}  // namespace gd
