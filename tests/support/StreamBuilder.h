// Stream builder: writes a measurement byte stream (prolog, table section,
// data area) from a readable description, for tests, fuzz corpora, benchmarks
// and demo files.
//
// Every field has a sensible default, so `BuildStream(StreamSpec{})` is a
// valid stream with one series. Broken streams are described the same way:
// override counts, sizes and addresses, patch any byte, or cut the result.
//
// The builder encodes everything itself (see StreamEncoding.h) and shares no
// code with the reader.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/StreamEncoding.h"

namespace gd::sb {

// The 32 bytes every stream starts with.
inline constexpr char kIdentification[] = "\\SONDIX=MEASUREBYTESTREAM\\3.04\r\n";

inline constexpr std::size_t kPrologSize = 160;
inline constexpr std::size_t kRcaEntrySize = 31;
inline constexpr std::size_t kChannelHeadSize = 64;
inline constexpr std::size_t kParameterSetSize = 202;
inline constexpr std::size_t kCoefficientItemSize = 62;
inline constexpr std::size_t kInputHardwareItemSize = 12;
inline constexpr std::size_t kInputDescriptorItemSize = 37;
inline constexpr std::size_t kExtendedItemSize = 96;
inline constexpr std::size_t kInputLinkItemSize = 4;
inline constexpr std::size_t kOutputHardwareItemSize = 32;
inline constexpr std::size_t kOutputSetupItemSize = 44;
inline constexpr std::size_t kPerChannelItemSize = 90;

// Version words of the firmware thresholds the layout depends on.
inline constexpr std::uint16_t kV315 = VersionWord(3, 15);
inline constexpr std::uint16_t kV316 = VersionWord(3, 16);
inline constexpr std::uint16_t kV322 = VersionWord(3, 22);
inline constexpr std::uint16_t kV351 = VersionWord(3, 51);
inline constexpr std::uint16_t kV360 = VersionWord(3, 60);
inline constexpr std::uint16_t kV500 = VersionWord(5, 0);

// A material or medium entry: counted name, then two words.
struct NamedCode {
  std::string name;
  std::uint16_t code = 0;
  std::uint16_t kind = 0;  // low byte kind letter, high byte further byte
};

// A fixed-size device table: head (item size, tag) and raw items. An empty
// `itemSize` writes the reader's fixed size; the items themselves are always
// written as given (so a wrong size in a test is the test's choice).
struct TableSpec {
  std::optional<std::uint16_t> itemSize;
  std::uint16_t tag = 0;
  std::vector<ByteVec> items;
};

// 62-byte coefficient set: key word and ten Real48 coefficients.
ByteVec CoefficientItem(std::uint16_t key, const std::array<double, 10>& coefficients);
// 12-byte input hardware item: byte 0 = 1, byte 1 type, byte 3 descriptor
// link, counted short name (capacity 4) at byte 7.
ByteVec InputHardwareItem(std::uint8_t type, const std::string& shortName,
                          std::uint8_t descriptorLink = 0);
// 37-byte input descriptor: byte 0 active flag, counted name at 1 (16),
// counted short name at 18 (2), counted unit at 21 (8), Real48 at 30, byte 36.
ByteVec InputDescriptorItem(bool active, const std::string& name, const std::string& shortName,
                            const std::string& unit, double factor = 1.0, std::uint8_t last = 1);
// 96-byte extended item: key word, then 94 body bytes (filled with `fill`).
ByteVec ExtendedItem(std::uint16_t key, std::uint8_t fill = 0);
// 4-byte input link item from its eight nibbles (nibble 0 = bits 0..3 of word 0).
ByteVec InputLinkItem(const std::array<std::uint8_t, 8>& nibbles);

// The 202-byte parameter set, written field by field.
struct ParameterSet {
  std::array<std::uint8_t, kParameterSetSize> bytes{};

  ParameterSet();  // outer 100, wall 2, lining 0, quantity 0, factor 1.0, interval 10, unit "m3/h"

  ParameterSet& U8(std::size_t offset, std::uint8_t v);
  ParameterSet& U16(std::size_t offset, std::uint16_t v);
  ParameterSet& I16(std::size_t offset, std::int16_t v);
  ParameterSet& Real(std::size_t offset, double v);
  ParameterSet& RawReal(std::size_t offset, const Real48Bytes& r);
  ParameterSet& Counted(std::size_t offset, std::size_t capacity, const std::string& text);
  ParameterSet& Raw(std::size_t offset, const ByteVec& raw);

  ParameterSet& OuterDiameter(std::uint16_t v) { return U16(26, v); }
  ParameterSet& WallThickness(std::uint16_t v) { return U16(28, v); }
  ParameterSet& CoefficientKey(std::int16_t v) { return I16(33, v); }
  ParameterSet& Density(double v) { return Real(51, v); }
  ParameterSet& Quantity(std::uint8_t v) { return U8(81, v); }
  ParameterSet& Factor(double v) { return Real(85, v); }
  ParameterSet& Unit(const std::string& text) { return Counted(91, 26, text); }
  ParameterSet& StorageInterval(std::uint16_t v) { return U16(118, v); }
  ParameterSet& LiningThickness(std::uint16_t v) { return U16(181, v); }
};

// One channel of a series: its 64-byte head and its parameter set.
struct ChannelSpec {
  std::uint8_t number = 0;  // 0 = first channel
  std::string measuringPoint = "MP";
  std::uint8_t sensorCode = 1;
  std::string sensorText = "SENSOR";
  std::uint16_t outputFlags = 0;
  std::optional<std::int32_t> valueCount;  // default: records attributed to this channel
  std::int16_t rawMin = 0;
  std::int16_t rawMax = 0;
  double valueMin = 0.0;
  double valueMax = 0.0;
  std::uint16_t storedValues = 0;  // head byte 54..55 (0x1000 = triggered)
  std::array<std::uint8_t, 4> inputs{0x21, 0x43, 0x65, 0x87};
  std::uint8_t extraValues = 0;
  ParameterSet parameters;
  // Far address of the parameter set; default: where the builder puts it.
  std::optional<std::uint32_t> parameterAddress;
  // Raw bytes written over the head after it is laid out (offset, bytes).
  std::vector<std::pair<std::size_t, ByteVec>> headPatches;
};

// One extension block of a flagged record.
struct ExtensionBlock {
  std::uint8_t kind = 0x10;  // 0x10 words, 0x20 3-byte items, 0x30 Real48, else no items
  std::vector<std::uint16_t> words;
  std::vector<std::array<std::uint8_t, 3>> triples;
  std::vector<double> reals;
  std::uint8_t otherCount = 1;  // item count (1..8) written for kinds without items
  // Raw descriptor byte; default: kind | (items - 1) | 0x80 when a block follows.
  std::optional<std::uint8_t> descriptor;

  static ExtensionBlock Words(std::vector<std::uint16_t> w);
  static ExtensionBlock Triples(std::vector<std::array<std::uint8_t, 3>> t);
  static ExtensionBlock Reals(std::vector<double> r);
  // Word 0x10 item for slot `slot` carrying a 12-bit value.
  static std::uint16_t SlotWord(int slot, std::uint16_t value);
};

// A flagged value record; every present field sets its flag bit.
struct FlaggedRecord {
  std::optional<std::int16_t> velocity;                               // bit 0
  std::optional<std::uint32_t> timestamp;                             // bit 1 (see PackTimestamp)
  std::optional<double> positiveTotal;                                // bit 2
  std::optional<double> negativeTotal;                                // bit 3
  std::optional<std::uint8_t> channel;                                // bit 4, 1-based
  std::optional<std::pair<std::int16_t, std::int16_t>> temperatures;  // bit 5
  std::optional<double> measured;                                     // bit 6
  std::vector<ExtensionBlock> extensions;                             // bit 7 when not empty
  // Raw Real48 bytes used instead of the doubles above (bits 2, 3, 6).
  std::optional<Real48Bytes> positiveTotalRaw, negativeTotalRaw, measuredRaw;

  std::uint8_t Flags() const;
};

enum class RecordKind { kFlagged, kTwoByte };

struct SeriesSpec {
  std::uint8_t kind = 0;  // directory kind byte; bit 0 set = 2-byte records
  std::string name = "SERIES";
  std::uint16_t year = 2005;
  std::uint8_t month = 6;
  std::uint8_t day = 15;
  std::uint8_t dateExtra = 3;
  std::int32_t startSeconds = 36000;
  std::vector<ChannelSpec> channels{ChannelSpec{}};
  std::vector<FlaggedRecord> records;       // used when kind bit 0 is clear
  std::vector<std::uint16_t> shortRecords;  // used when kind bit 0 is set

  std::optional<std::int32_t> recordCount;       // default: number of records written
  std::optional<std::uint8_t> channelCountByte;  // default: channels.size()
  std::optional<std::uint32_t> blockAddress;     // default: where the builder puts it
  std::optional<std::uint32_t> firstRecordAddress;

  bool TwoByte() const { return (kind & 1) != 0; }
};

struct StreamSpec {
  std::string identification = std::string(kIdentification, 32);  // written as 32 bytes
  std::string device = "GAUGEUNIT";
  std::string language = "GER";
  std::uint16_t version = VersionWord(5, 22);
  std::uint8_t binaryId = 0x12;
  std::uint8_t dataVersion = 0x03;
  std::uint32_t dataLinear = 0x10000;  // linear device address of the data area
  FarStyle farStyle = FarStyle::kNormalized;
  std::uint8_t highestMeasuringChannel = 1;  // prolog byte 134
  std::uint8_t highestChannel = 1;           // prolog byte 135
  std::uint8_t firstExtraLetter = 'X';       // prolog byte 136
  double totalErrorValue = -1.0;             // prolog bytes 116..121

  std::vector<NamedCode> materials{{"Stahl", 1, 'S'}, {"PVC", 2, 'P'}};
  std::vector<NamedCode> media{{"Wasser", 10001, 'W'}};
  std::vector<std::string> sensorNames{"K1N", "M2N"};
  std::vector<std::string> quantityNames{"Volumenstrom", "Geschw.", "Massestrom", "Waermestrom"};
  std::vector<std::uint16_t> sensorWords;  // default: 0x0100 + index, one per sensor name
  TableSpec romCoefficients{{}, 0x524F, {}};
  TableSpec userCoefficients{{}, 0x5553, {}};
  TableSpec inputHardware{{}, 0x4948, {InputHardwareItem(1, "T1"), InputHardwareItem(1, "T2")}};
  TableSpec inputDescriptors{{}, 0x4944, {}};
  TableSpec extended{{}, 0x4558, {}};
  TableSpec inputLinks{{}, 0x494C, {}};
  TableSpec outputHardware{{}, 0x4F48, {}};
  TableSpec outputSetup{{}, 0x4F53, {}};
  bool perChannelPresent = false;   // prolog byte 141
  std::vector<ByteVec> perChannel;  // default when present: highestChannel + 1 zero items

  std::vector<SeriesSpec> series{SeriesSpec{}};

  // Overrides of prolog fields (default: what the layout gives).
  std::optional<std::uint16_t> measuringSets, rcaSize, stringSize, prologSizeField;
  std::optional<std::int32_t> streamSizeField;
  std::optional<std::uint32_t> dataOffsetField;
  // Bytes written over the finished stream (offset, bytes), applied last.
  std::vector<std::pair<std::size_t, ByteVec>> patches;
  // Extra bytes appended to the table section (makes it end late).
  ByteVec tableSectionTail;
};

// Where the builder put things: stream offsets and far addresses.
struct SeriesLayout {
  std::size_t entryOffset = 0;  // directory entry
  std::size_t blockOffset = 0;  // series block
  std::uint32_t blockFar = 0;
  std::vector<std::size_t> parameterOffsets;
  std::vector<std::uint32_t> parameterFars;
  std::size_t firstRecordOffset = 0;
  std::uint32_t firstRecordFar = 0;
  std::vector<std::size_t> recordOffsets;  // start of every record
  std::size_t recordsEnd = 0;
};

struct BuiltStream {
  ByteVec bytes;
  std::size_t tableSectionEnd = 0;  // = data area start
  std::vector<SeriesLayout> series;

  // Far address of a stream offset inside (or beyond) the data area.
  std::uint32_t FarOf(std::size_t streamOffset, FarStyle style = FarStyle::kNormalized) const;
  std::uint32_t dataLinear = 0;
};

BuiltStream Build(const StreamSpec& spec);
inline ByteVec BuildStream(const StreamSpec& spec) { return Build(spec).bytes; }

// The first `length` bytes of a stream.
ByteVec Truncated(const ByteVec& stream, std::size_t length);

// Encodes one flagged record as it stands in the data area.
ByteVec EncodeFlaggedRecord(const FlaggedRecord& record);

// A stream with `seriesCount` series of `recordsPerSeries` flagged records
// each (every third series with two channels; timestamps, totals,
// temperatures and extension blocks now and then), for benchmarks and
// corpora. Six series of 50 000 records fill the device's address reach.
StreamSpec LargeSpec(int seriesCount, int recordsPerSeries);

}  // namespace gd::sb
