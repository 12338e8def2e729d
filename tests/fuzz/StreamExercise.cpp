#include "fuzz/StreamExercise.h"

#include <cstdio>
#include <cstdlib>

#include "core/Bytes.h"
#include "core/StreamParser.h"
#include "core/VXAblage.h"

namespace gd::fuzz {
namespace {

[[noreturn]] void Fail(const char* what, int series) {
  std::fprintf(stderr, "stream exercise: %s (series %d)\n", what, series);
  std::abort();
}

// Reads every byte a consumer may look at, so that the sanitizers see a read
// of any field that points to memory it should not.
unsigned Touch(const TValueRecord& rec) {
  unsigned sum = rec.flags + static_cast<unsigned>(rec.velocity) + rec.timestamp + rec.channel;
  const RecordChannel& c = rec.channelPart;
  if (c.coefficients) {
    for (std::size_t i = 0; i < kCoefficientBodySize; ++i) sum += c.coefficients[i];
  }
  if (c.extended) {
    for (std::size_t i = 0; i < kExtendedBodySize; ++i) sum += c.extended[i];
  }
  if (c.parameterSet) sum += c.parameterSet->raw[0] + c.parameterSet->raw[kParameterSetSize - 1];
  for (const auto& s : c.inputs.shortNames) sum += static_cast<unsigned>(s.View().size());
  return sum;
}

}  // namespace

ExerciseResult ExerciseStream(const std::uint8_t* data, std::size_t size) {
  ExerciseResult result;
  const ByteView stream(data, size);
  const ParsedStream parsed = ParseStream(stream);
  if (!parsed.Usable()) return result;
  result.usable = true;

  TVXAblage nav(stream, parsed);
  volatile unsigned sink = 0;
  const int count = nav.SeriesCount();
  for (int n = 1; n <= count && result.records < kRecordBudget; ++n) {
    TSeriesDescription d;
    nav.GetSeriesDescription(n, d);
    ++result.series;
    if (d.channelCount > kMaxChannels) Fail("more than 8 channels described", n);
    for (int k = 0; k < d.channelCount; ++k) sink = sink + d.channels[k].letter;

    nav.SelectSeries(n);
    const bool shortRecords = nav.IsShortRecordSeries();
    TValueRecord rec;
    long delivered = 0;
    while (result.records < kRecordBudget && nav.NextRecord(rec)) {
      if (!shortRecords) {
        nav.AttachChannel(rec);
        if (rec.channelPart.parameterSet == nullptr) {
          Fail("record without parameter set", n);
        }
      }
      sink = sink + Touch(rec);
      ++delivered;
      ++result.records;
    }
    if (result.records >= kRecordBudget) break;
    if (nav.NextRecord(rec)) Fail("records after the end of a series", n);
    if (d.damaged) {
      ++result.damagedSeries;
      if (delivered != d.wholeRecords)
        Fail("damaged series delivered other than its whole records", n);
    }
    for (int ch = 0; ch < 256; ch += 37) sink = sink + nav.ChannelLetter(ch);
  }
  return result;
}

}  // namespace gd::fuzz
