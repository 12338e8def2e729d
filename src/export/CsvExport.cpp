#include "export/CsvExport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "convert/TextStyle.h"
#include "convert/VXASCIIOUT.h"
#include "core/DateTime.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"
#include "export/UnicodeText.h"

namespace gd {
namespace {

constexpr std::uint8_t kFChannel = 0x10;
constexpr int kFirstValueColumn = kColTime + 1;
constexpr double kFirstTableDay = 2.0;  // 1900-01-01; earlier values are no stored date

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value columns the engine has set up, by name (trimmed, UTF-8), in
// index order. A name that repeats within the channel gets "_2", "_3", ...;
// an empty one the column's number.
std::vector<std::pair<int, std::string>> ValueColumnNames(const TVXASCIIOUT& engine) {
  std::vector<std::pair<int, std::string>> names;
  for (int i = kFirstValueColumn; i < kOutColumnCount; ++i) {
    const TOutColumn& col = engine.Column(i);
    if (!col.enabled) continue;
    std::string name = ExportTextToUtf8(TrimBlanks(col.header), false);
    if (name.empty()) name = "column" + std::to_string(i);
    const std::string base = name;
    for (int n = 2; std::any_of(names.begin(), names.end(),
                                [&](const auto& other) { return other.second == name; });
         ++n) {
      name = base + "_" + std::to_string(n);
    }
    names.emplace_back(i, std::move(name));
  }
  return names;
}

}  // namespace

void AppendCsvCell(std::string& line, std::string_view cell, char separator) {
  if (cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
    line += cell;
    return;
  }
  line += '"';
  for (const char c : cell) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

bool CsvNumber(std::string_view text, char decimal, char tableDecimal, std::string& out) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const std::size_t start = out.size();
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') out += text[i++];
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) out += text[i];
  if (i < text.size() && text[i] == decimal) {
    out += tableDecimal;
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) out += text[i];
  }
  bool ok = digits > 0;
  if (ok && i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    out += 'E';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    std::size_t exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponent) out += text[i];
    ok = exponent > 0;
  }
  if (!ok || i != text.size()) {
    out.resize(start);
    return false;
  }
  return true;
}

std::string IsoDateTime(double dateTime, char between) {
  if (!std::isfinite(dateTime) || dateTime < kFirstTableDay) return {};
  const Moment m = DateTimeToMoment(dateTime);
  if (!IsCalendarDate(m.date)) return {};
  const TimeParts t = SplitTime(m.seconds);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d%c%02d:%02d:%02d", FullYear(m.date.year),
                m.date.month, m.date.day, between, t.hour, t.minute, t.second);
  return buf;
}

CsvSeriesWriter::CsvSeriesWriter(TVXASCIIOUT& engine, IByteSink& out, CsvOptions options,
                                 IProgress* progress, std::int64_t maximum)
    : engine_(engine), out_(out), options_(options), progress_(progress) {
  separator_ = options.excelDe ? ';' : ',';
  tableDecimal_ = options.excelDe ? ',' : '.';
  const std::uint32_t style = engine.Style();
  if (style & kStyleSystemDecimal) {
    textDecimal_ = engine.GetLocale().decimalSeparator;
  } else {
    textDecimal_ = (style & kStyleDecimalComma) ? ',' : '.';
  }
  step_ = std::max<std::int64_t>(1, std::llround(static_cast<double>(maximum) * 0.01));
  cellOf_.assign(kOutColumnCount, -1);
}

void CsvSeriesWriter::WriteHeader(std::span<const int> selection) {
  TVXAblage& nav = engine_.Navigator();
  std::vector<std::string> order;
  for (const int n : selection) {
    nav.SelectSeries(n);
    for (int k = 1; k <= nav.ChannelCount(); ++k) {
      // The columns of a channel come from its head alone, as for its first record.
      TValueRecord rec{};
      rec.channel = static_cast<std::uint8_t>(k);
      nav.AttachChannel(rec);
      engine_.WriteHeadline(false, rec, false);
      for (auto& [index, name] : ValueColumnNames(engine_)) {
        if (positions_.emplace(name, static_cast<int>(order.size())).second) {
          order.push_back(std::move(name));
        }
      }
    }
  }
  line_ = "\xEF\xBB\xBF";
  AppendCsvCell(line_, kCsvSeriesColumn, separator_);
  line_ += separator_;
  AppendCsvCell(line_, kCsvChannelColumn, separator_);
  line_ += separator_;
  AppendCsvCell(line_, kCsvTimeColumn, separator_);
  for (const std::string& name : order) {
    line_ += separator_;
    AppendCsvCell(line_, name, separator_);
  }
  line_ += "\r\n";
  out_.Write(line_);
  cells_.assign(order.size(), {});
}

void CsvSeriesWriter::MapColumns() {
  std::fill(cellOf_.begin(), cellOf_.end(), -1);
  for (const auto& [index, name] : ValueColumnNames(engine_)) {
    const auto it = positions_.find(name);
    // A column the header lacks (a series not named to WriteHeader) is left out.
    if (it != positions_.end()) cellOf_[static_cast<std::size_t>(index)] = it->second;
  }
}

void CsvSeriesWriter::Advance() {
  ++count_;
  if (!progress_) return;
  if (progress_->Cancelled()) cancelled_ = true;
  if (count_ % step_ == 0) {
    progress_->Advance(step_);
    progress_->LetEventsRun();
  }
}

void CsvSeriesWriter::WriteRow(int series, char letter) {
  for (std::string& cell : cells_) cell.clear();
  for (int i = kFirstValueColumn; i < kOutColumnCount; ++i) {
    const int at = cellOf_[static_cast<std::size_t>(i)];
    if (at < 0) continue;
    const TOutColumn& col = engine_.Column(i);
    if (!IsRealColumnValue(col.numeric)) continue;
    std::string& cell = cells_[static_cast<std::size_t>(at)];
    if (!CsvNumber(col.valueText, textDecimal_, tableDecimal_, cell)) {
      // A value whose text is no number stays what the text export shows.
      AppendCsvCell(cell, ExportTextToUtf8(TrimBlanks(col.valueText), false), separator_);
    }
  }
  line_ = std::to_string(series);
  line_ += separator_;
  if (letter != 0) AppendCsvCell(line_, std::string_view(&letter, 1), separator_);
  line_ += separator_;
  line_ += IsoDateTime(static_cast<double>(engine_.Column(kColDate).numeric),
                       options_.excelDe ? ' ' : 'T');
  for (const std::string& cell : cells_) {
    line_ += separator_;
    line_ += cell;
  }
  line_ += "\r\n";
  out_.Write(line_);
}

bool CsvSeriesWriter::WriteSeries(int n) {
  TVXAblage& nav = engine_.Navigator();
  auto owned = std::make_unique<TSeriesDescription>();  // large for the stack
  TSeriesDescription& description = *owned;
  nav.GetSeriesDescription(n, description);
  const int channels = std::min<int>(description.channelCount, static_cast<int>(kMaxChannels));
  const char firstLetter = static_cast<char>(description.channels[0].letter);
  TValueRecord rec{};
  for (int k = 1; k <= channels && !cancelled_; ++k) {
    nav.SelectSeries(n);
    engine_.StartChannelClocks(description.entry, description);
    const bool shortRecords = nav.IsShortRecordSeries();
    bool first = true;
    while (!cancelled_ && nav.NextRecord(rec)) {
      nav.AttachChannel(rec);
      int number = -1;
      char letter = firstLetter;
      if (!shortRecords && (rec.flags & kFChannel)) {
        if (rec.channel != k) continue;
        const int head =
            rec.channel >= 1 && rec.channel <= nav.ChannelCount() ? rec.channel - 1 : 0;
        number = nav.Head(head).ChannelNumber();
        letter = static_cast<char>(nav.ChannelLetter(number));
      } else if (k != 1) {
        continue;  // a record without a channel number is written once, under the first channel
      }
      Advance();
      if (first) {
        engine_.WriteHeadline(number >= 0, rec, false);
        MapColumns();
        first = false;
      }
      engine_.ConvertRecord(number, rec);
      WriteRow(n, letter);
    }
  }
  return !cancelled_;
}

}  // namespace gd
