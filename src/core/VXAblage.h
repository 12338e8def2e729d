// The series navigator `TVXAblage` over one parsed measurement byte stream.
//
// It selects a series, describes it (`TSeriesDescription`) and decodes its
// value records one after the other into a caller's `TValueRecord`, attaching
// the data of the record's channel (parameter set, cross-section area, scaled
// factor, coefficient set, input names). Consumers iterate a series as
//
//     nav.SelectSeries(n);
//     while (nav.NextRecord(rec)) { if (!nav.IsShortRecordSeries()) nav.AttachChannel(rec); ... }
//
// Every read stays inside the stream. A series whose block, parameter sets or
// records leave the stream is damaged: its record sequence ends at the last
// whole record and SeriesDamaged() / TSeriesDescription::damaged report it
// (shown to the user as "** BAD BYTES **").
//
// NextRecord and AttachChannel neither allocate nor throw. The channel part of
// every channel (area, factor, coefficient set, decoded inputs) is computed
// once when a series is selected; AttachChannel copies it into the record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/Bytes.h"
#include "core/Real48.h"
#include "core/StreamLayout.h"

namespace gd {

struct ParsedStream;

// Decoded input assignments of a channel (8 inputs).
struct InputNames {
  std::array<CountedString<4>, 8> shortNames{};
  std::array<std::uint8_t, 8> indices{};  // 1-based input hardware item, 0 = none
  std::array<CountedString<16>, 8> names{};
  std::array<CountedString<16>, 8> units{};
};

// The channel part of a value record, filled by AttachChannel. The pointers
// refer to data owned by the navigator or the parsed stream; they stay valid
// while those live, the parameter set only until another series is selected.
struct RecordChannel {
  Real48 scaledFactor{};
  Real48 area{};
  const std::uint8_t* coefficients = nullptr;  // kCoefficientBodySize bytes, or none
  const std::uint8_t* extended = nullptr;      // kExtendedBodySize bytes, or none
  const TParameterSet* parameterSet = nullptr;
  std::uint16_t storedValues = 0;  // channel head byte 54
  InputNames inputs;
  std::uint8_t extraValues = 0;  // channel head byte 62
};

// `TValueRecord`: one decoded value record. Fields of absent flag bits are 0.
struct TValueRecord {
  std::uint8_t flags = 0;                      // flag byte F
  std::int16_t velocity = 0;                   // bit 0; the value of a 2-byte record
  std::uint32_t timestamp = 0;                 // bit 1, packed timestamp
  Real48 positiveTotal{};                      // bit 2
  Real48 negativeTotal{};                      // bit 3
  std::uint8_t channel = 0;                    // bit 4, 1-based channel number
  std::array<std::int16_t, 2> temperatures{};  // bit 5, inputs 1 and 2 in 0.1 degrees
  Real48 measuredValue{};                      // bit 6
  std::uint8_t descriptor = 0;                 // bit 7, first extension descriptor

  // Extension kind 0x10: value | 0x8000 when present, else 0.
  std::array<std::uint16_t, 8> words{};
  // Extension kind 0x20: presence bit i for slot i; items as stored.
  std::uint8_t inputMask = 0;
  std::array<std::array<std::uint8_t, 3>, 8> inputs{};
  // Extension kind 0x30: bit 0 slot 0 (second positive total), bit 1 slot 1
  // (second negative total).
  std::uint8_t realMask = 0;
  std::array<Real48, 2> reals{};

  RecordChannel channelPart;
};
static_assert(std::is_trivially_copyable_v<TValueRecord>);

// Bits of the flag byte and the sizes of their fields.
inline constexpr std::array<std::uint8_t, 8> kRecordFieldSizes = {2, 4, 6, 6, 1, 4, 6, 1};

// `TChannelDescription`: one channel of a described series. The head is an
// unchanged copy (its parameter address still the far address); the channel's
// parameter set is the member `parameterSet`.
struct TChannelDescription {
  TChannelHead head;
  InputNames inputs;
  Real48 scaledFactor{};
  Real48 area{};
  std::array<std::uint8_t, kCoefficientBodySize> coefficients{};  // zeros when none matched
  std::uint8_t extraChannel = 0;
  std::uint8_t letter = 0;  // character code from ChannelLetter
  TParameterSet parameterSet;
};

// `TSeriesDescription`: what the series list and the viewers know of a series.
struct TSeriesDescription {
  TRcaEntry entry;
  std::uint8_t channelCount = 0;  // at most 8
  // Element 0 repeats channel 1's count, elements 1..8 are channels 1..8.
  std::array<std::int32_t, 9> valueCounts{};
  std::uint8_t kind2 = 0;
  std::uint8_t triggered = 0;
  std::array<TChannelDescription, kMaxChannels> channels{};
  // Set when the series block, a parameter set or the records leave the
  // stream; `wholeRecords` is then the number of records that can be read
  // (always the number NextRecord delivers).
  std::uint8_t damaged = 0;
  std::int32_t wholeRecords = 0;
};

class TVXAblage {
 public:
  // `stream` is the whole measurement byte stream; `parsed` its parse. Neither
  // is owned; both must outlive the navigator. No series is selected.
  TVXAblage(ByteView stream, const ParsedStream& parsed);

  // Stream position of a far address: linear(address) - linear(DATA OFFSET)
  // + data start. May lie outside the stream (negative or past its end).
  std::int64_t StreamPos(std::uint32_t farAddress) const;

  static int CompareVersion(std::uint16_t reference, std::uint16_t actual);

  int SeriesCount() const { return seriesCount_; }

  // Makes series n (1-based) current with its first record next, reads its
  // block and parameter sets, and for versions below V 3.16 assigns input i
  // to input hardware item i. Throws std::out_of_range for n outside
  // 1..SeriesCount().
  void SelectSeries(int n);

  // Fills `d` for series n (which is left selected at its first record).
  void GetSeriesDescription(int n, TSeriesDescription& d);

  // Decodes the next record of the current series into `rec`; false when the
  // series has no more (or no series is selected, or the next record would
  // leave the stream: the series is then damaged).
  bool NextRecord(TValueRecord& rec);

  // Fills the channel part of `rec` for the channel in its bit-4 field
  // (channel 1 when that is 0 or beyond the channel count).
  void AttachChannel(TValueRecord& rec) const;

  // Decodes four assignment bytes (8 nibbles) into input names and indices.
  void DecodeInputs(const std::uint8_t* assignments, InputNames& out) const;
  void DecodeInputs(const std::uint8_t* assignments, TValueRecord& rec) const {
    DecodeInputs(assignments, rec.channelPart.inputs);
  }

  // Display letter (character code) of channel number n (0 = first channel).
  std::uint8_t ChannelLetter(int n) const;

  // 60-byte body of the coefficient set with `key`, the user table before the
  // ROM table, the last match within a table; nullptr when none.
  const std::uint8_t* FindCoefficientSet(std::uint16_t key) const;
  // 94-byte body (from byte 2) of the last extended item whose first word is
  // `key`; nullptr when none.
  const std::uint8_t* FindExtendedSet(std::uint16_t key) const;

  // Whether the current series' kind byte equals 2.
  bool IsKind2() const;
  // Whether the current series consists of 2-byte records.
  bool IsShortRecordSeries() const;

  // Current series (0 = none), its channels and the next record.
  int CurrentSeries() const { return series_; }
  int ChannelCount() const { return channelCount_; }
  const TChannelHead& Head(int k) const { return heads_[static_cast<std::size_t>(k)]; }  // 0-based
  const TParameterSet& ParameterSet(int k) const { return paramSets_[static_cast<std::size_t>(k)]; }
  std::int32_t NextRecordNumber() const { return recordNumber_; }
  std::size_t NextRecordPos() const { return nextPos_; }
  // Whether the current series leaves the stream somewhere seen so far.
  bool SeriesDamaged() const { return damaged_; }

 private:
  void PrepareChannel(std::size_t k);
  // Position after the flagged record at pos, or 0 when it leaves the stream.
  std::size_t SkipFlaggedRecord(std::size_t pos) const;
  std::int32_t CountWholeRecords() const;

  ByteView stream_;
  const ParsedStream* parsed_;
  std::int64_t base_ = 0;  // data start - linear(DATA OFFSET)
  std::uint16_t version_ = 0;
  int seriesCount_ = 0;

  int series_ = 0;
  const TRcaEntry* entry_ = nullptr;
  std::int32_t recordNumber_ = 1;
  std::int32_t recordCount_ = 0;
  std::size_t nextPos_ = 0;
  std::int64_t blockPos_ = 0;
  bool damaged_ = false;

  int channelCount_ = 0;
  std::array<TChannelHead, kMaxChannels> heads_{};
  std::array<TParameterSet, kMaxChannels> paramSets_{};
  std::array<RecordChannel, kMaxChannels> channels_{};
};

}  // namespace gd
