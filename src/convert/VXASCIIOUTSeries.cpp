// TVXASCIIOUT: value rows, the record loop of a channel and whole series with
// their header, comments, parameter sets and end markers.
#include <charconv>
#include <cmath>
#include <cstdio>

#include "convert/ParameterSetText.h"
#include "convert/VXASCIIOUT.h"
#include "core/PathText.h"
#include "core/ReihenMemoStrings.h"

namespace gd {
namespace {

constexpr std::uint8_t kFChannel = 0x10;
constexpr std::size_t kPrologCompilerBits = 82;  // bit 2: statistic stored

// "%-16s : %s"
std::string LabeledLine(std::string_view label, std::string_view value) {
  std::string line(label);
  if (line.size() < 16) line.append(16 - line.size(), ' ');
  line += " : ";
  line += value;
  return line;
}

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2.2d", n);
  return buf;
}

// A column text read back as a number: blanks around it, an optional sign,
// digits with `separator` as the decimal point, an optional exponent.
bool ParseColumnNumber(std::string_view text, char separator, double& value) {
  text = TrimBlanks(text);
  if (text.empty() || text.size() > 60) return false;
  char buf[64];
  std::size_t n = 0;
  std::size_t i = 0;
  if (text[0] == '+') i = 1;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    buf[n++] = c == separator ? '.' : (c == '.' ? '\x01' : c);  // a stray "." is no number
  }
  const auto res = std::from_chars(buf, buf + n, value);
  return res.ec == std::errc() && res.ptr == buf + n && std::isfinite(value);
}

// The lines of a comment, split at CR LF (or a lone CR or LF); a line break
// at the very end starts no further line.
std::vector<std::string_view> CommentLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

void TVXASCIIOUT::WriteRecord(int channel, const TValueRecord& rec) {
  ConvertRecord(channel, rec);
  int gridRow = -1;
  if (grid_) {
    gridRow = grid_->AddRow();
    grid_->SetCell(0, gridRow, std::to_string(gridRow));
  }
  const bool trim = (options_.style & kStyleTrimStrings) != 0;
  line_.clear();
  int position = 0;
  for (const int i : enabledColumns_) {
    const TOutColumn& col = columns_[static_cast<std::size_t>(i)];
    if (gridRow >= 0) grid_->SetCell(position + 1, gridRow, col.valueText);
    if (sheet_) {
      const int cell = position + (grid_ ? 1 : 0);
      const double v = static_cast<double>(col.numeric);
      if (i == kColDate) {
        sheet_->Date(cell, row_, v);
      } else if (i == kColTime) {
        sheet_->Time(cell, row_, v);
      } else if (IsRealColumnValue(col.numeric)) {
        double parsed = 0;
        if (ParseColumnNumber(col.valueText, decimalSeparator_, parsed)) {
          sheet_->Number(cell, row_, parsed);
        } else {
          sheet_->Label(cell, row_, TrimBlanks(col.valueText));
        }
      }
    }
    // Trimming takes the blanks out of the values, not the separators: a
    // blank separator keeps the columns apart.
    if (trim) {
      for (char c : col.valueText) {
        if (c != ' ') line_ += c;
      }
    } else {
      line_ += col.valueText;
    }
    line_ += separator_;
    ++position;
  }
  ++row_;
  if (sheet_) return;
  if (output_ && !(options_.style & kStyleDosCharset)) {
    line_ += "\r\n";  // WriteLine without copying the row
    output_->Write(line_);
  } else {
    WriteLine(line_);
  }
}

void TVXASCIIOUT::ConvertRecords(int channel, bool headline) {
  TVXAblage& nav = Navigator();
  cancelled_ = false;
  std::int64_t step = 0;
  if (progress_) {
    step = std::max<std::int64_t>(1, std::llround(static_cast<double>(progressMaximum_) * 0.01));
  }
  const bool shortRecords = nav.IsShortRecordSeries();
  const bool headlineBit = (options_.style & kStyleHeadlines) != 0;
  TValueRecord rec{};
  bool first = true;
  bool cancel = false;
  std::int64_t count = 0;
  while (!cancel && nav.NextRecord(rec)) {
    ++count;
    if (progress_) {
      cancel = progress_->Cancelled();
      if (count % step == 0) {
        progress_->Advance(step);
        progress_->LetEventsRun();
      }
    }
    nav.AttachChannel(rec);
    int number = -1;
    if (!shortRecords && (rec.flags & kFChannel)) {
      if (rec.channel != channel && channel != 0) continue;
      const int k = rec.channel >= 1 && rec.channel <= nav.ChannelCount() ? rec.channel - 1 : 0;
      number = nav.Head(k).ChannelNumber();
    }
    if (first) {
      WriteHeadline(number >= 0, rec, headlineBit && headline);
      first = false;
    }
    WriteRecord(number, rec);
  }
  // A series that leaves the stream ends at its last whole record; say so
  // instead of ending the rows silently.
  if (!cancel && nav.SeriesDamaged()) WriteLine("** BAD BYTES **");
  if (cancel) {
    WriteLine("\\BREAK");
    cancelled_ = true;
  }
}

void TVXASCIIOUT::WriteNoData() {
  WriteLine("\\SOURCE=" + PathText(fileName_) + " (" + SourceVersionText() + ")");
  WriteLine("NO MEASURING DATA");
  WriteLine("\\END");
}

void TVXASCIIOUT::WriteParameterSet(std::vector<std::string>* list, const TRcaEntry& entry,
                                    int first, int last,
                                    const std::array<std::int32_t, 9>* valueCounts,
                                    const TSeriesDescription& series) {
  if (!language_.empty()) SetLanguage(language_);
  std::vector<std::string> lines;
  if (parameterSetWriter_) {
    parameterSetWriter_(entry, first, last, valueCounts, series, lines);
  } else {
    ParameterSetContext context;
    context.labels = &labels_;
    context.stream = parsed_.get();
    context.format.colLength = options_.colLength;
    context.format.styleBits = options_.style;
    context.format.systemDecimalSeparator = locale_.decimalSeparator;
    context.locale = locale_;
    ParameterSetText(context).Write(entry, first, last, valueCounts, series, lines);
  }
  if (list) {
    list->insert(list->end(), lines.begin(), lines.end());
    return;
  }
  for (const std::string& line : lines) WriteDelimited(nullptr, line);
}

bool TVXASCIIOUT::WriteSeries(int selector, std::span<const TReihenMemoStrings> comments) {
  TVXAblage& nav = Navigator();
  const int count = nav.SeriesCount();
  if (count == 0) {
    WriteNoData();
    return true;
  }
  int firstSeries = 1, lastSeries = count;
  if (selector > 0) {
    firstSeries = lastSeries = std::min(selector, count);
  } else if (selector < 0) {
    firstSeries = lastSeries = count + std::max(selector, -count) + 1;
  }
  const std::string source = "\\SOURCE=" + PathText(fileName_) + "[" + TwoDigits(firstSeries) +
                             "] (" + SourceVersionText() + ")";
  const std::string dataLabel(TLabelTable::Fixed(TLabelTable::kLabelData));
  const std::uint32_t style = options_.style;

  auto series = std::make_unique<TSeriesDescription>();
  for (int n = firstSeries; n <= lastSeries; ++n) {
    nav.GetSeriesDescription(n, *series);
    const TSeriesDescription& d = *series;
    const std::array<std::int32_t, 9> counts = d.valueCounts;
    WriteSeriesHeader(source, d.entry, d);
    if ((style & kStyleComments) && !comments.empty()) WriteComments(n, comments);
    const int channels = std::min<int>(d.channelCount, static_cast<int>(kMaxChannels));
    // Every pass over the records starts at the series start, so the clocks do too.
    auto channelRecords = [&](int channel) {
      nav.SelectSeries(n);
      StartChannelClocks(d.entry, d);
      ConvertRecords(channel, true);
      return !cancelled_;
    };

    if (style & kStyleParamsEachChannel) {
      for (int k = 1; k <= channels; ++k) {
        nav.SelectSeries(n);
        WriteLine("\\PARAMS");
        WriteParameterSet(nullptr, d.entry, k - 1, k - 1, &counts, d);
        WriteLine(dataLabel);
        if (!channelRecords(k)) return false;
        WriteLine("\\END");
      }
    } else {
      if (style & kStyleParamsSideBySide) {
        WriteLine("\\PARAMS");
        WriteParameterSet(nullptr, d.entry, 0, channels - 1, &counts, d);
      } else {
        for (int k = 1; k <= channels; ++k) {
          WriteLine("\\PARAMS");
          WriteParameterSet(nullptr, d.entry, k - 1, k - 1, &counts, d);
        }
      }
      if (style & kStyleChannelBlocks) {
        for (int k = 1; k <= channels; ++k) {
          WriteLine(dataLabel);
          if (!channelRecords(k)) return false;
          WriteLine("\\END");
          WriteLine("");
        }
      } else if (!channelRecords(0)) {
        return false;
      }
    }
  }
  WriteLine("\\END_OF_SET[" + std::to_string(firstSeries) + "]");
  WriteLine(std::string(36, '-'));
  for (int i = 0; i < 3; ++i) WriteLine("");
  return true;
}

void TVXASCIIOUT::WriteSeriesHeader(std::string_view sourceLine, const TRcaEntry& entry,
                                    const TSeriesDescription& series) {
  const TStreamProlog& prolog = parsed_->prolog;
  WriteLine("");
  WriteLine(std::string(36, ':'));
  WriteLine(sourceLine);
  std::string_view device = prolog.DeviceName();
  device = device.substr(0, device.find('\0'));
  WriteLine(LabeledLine(TLabelTable::Fixed(TLabelTable::kLabelDevice), device));
  std::string mode(TLabelTable::Fixed(TLabelTable::kLabelStored));
  if (prolog.U8(kPrologCompilerBits) & 0x04)
    mode += TLabelTable::Fixed(TLabelTable::kLabelStatistic);
  WriteLine(LabeledLine(TLabelTable::Fixed(TLabelTable::kLabelMode), mode));
  if (entry.IsKind2()) {
    WriteLine(LabeledLine(TLabelTable::Fixed(TLabelTable::kLabelName), entry.Name()));
    std::string letters;
    const int channels = std::min<int>(series.channelCount, static_cast<int>(kMaxChannels));
    for (int j = 0; j < channels; ++j) {
      letters += ':';
      letters += static_cast<char>(series.channels[static_cast<std::size_t>(j)].letter);
    }
    WriteLine(LabeledLine(TLabelTable::Fixed(TLabelTable::kLabelChan),
                          std::to_string(series.channelCount) + " (" + letters + ")"));
  }
  const DateRecord start{entry.StartYear(), entry.StartMonth(), entry.StartDay(),
                         entry.DateSpare()};
  WriteLine(LabeledLine(TLabelTable::Fixed(TLabelTable::kLabelStart),
                        MomentText(start, entry.StartTime(), locale_)));
}

void TVXASCIIOUT::WriteComments(int series, std::span<const TReihenMemoStrings> comments) {
  WriteLine("\\COMMENTS");
  for (const TReihenMemoStrings& c : comments) {
    if (c.SeriesNumber() != series) continue;
    const std::string text = c.Text();
    for (std::string_view line : CommentLines(text)) WriteLine(" " + std::string(line));
    break;
  }
}

}  // namespace gd
