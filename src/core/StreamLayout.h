// Byte layout of the measurement byte stream: the meter's stored memory as it
// is downloaded and kept in measurement files.
//
// The stream is a 160-byte prolog, the table section (series directory, name
// lists, device tables) and the data area, a copy of device memory addressed by
// segment:offset far addresses. All integers are little-endian; every real is
// a 6-byte Real48.
//
// The record types below keep their stored bytes (`raw`) unchanged and decode
// fields on access, so that code which shows or re-writes a record sees exactly
// what the meter stored. Offsets of fields that later code reads are named
// constants next to their accessors.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/Bytes.h"
#include "core/Collections.h"
#include "core/Real48.h"

namespace gd {

// ---------------------------------------------------------------------------
// Far addresses

// Linear device address of a far address: segment (high word) * 16 + offset.
constexpr std::uint32_t FarLinear(std::uint32_t far) { return (far >> 16) * 16u + (far & 0xFFFFu); }

// ---------------------------------------------------------------------------
// Counted strings in fixed fields

// A counted string of capacity N as it is kept in decoded records: one length
// byte, then N character bytes. Trivially copyable, so records holding it can
// be cleared and copied as plain memory.
template <std::size_t N>
struct CountedString {
  std::array<char, N + 1> raw{};

  std::size_t Length() const {
    return std::min<std::size_t>(static_cast<unsigned char>(raw[0]), N);
  }
  std::string_view View() const { return std::string_view(raw.data() + 1, Length()); }
  std::string Text() const { return std::string(View()); }
  bool Empty() const { return Length() == 0; }
  // Stores at most N characters of `text`; the rest of the field is zeroed.
  void Assign(std::string_view text) {
    const std::size_t n = std::min(text.size(), N);
    raw.fill(0);
    raw[0] = static_cast<char>(n);
    if (n) std::memcpy(raw.data() + 1, text.data(), n);
  }
  friend bool operator==(const CountedString&, const CountedString&) = default;
};

// ---------------------------------------------------------------------------
// Prolog

inline constexpr std::size_t kStreamPrologSize = 160;
inline constexpr std::size_t kIdentificationSize = 32;
// The identification every stream starts with, byte for byte (ends in CR LF).
inline constexpr std::string_view kStreamIdentification = "\\SONDIX=MEASUREBYTESTREAM\\3.04\r\n";
static_assert(kStreamIdentification.size() == kIdentificationSize);

// `TStreamProlog`: the 160-byte head of the stream. `raw` holds the bytes as
// stored; bytes 153..159 are written by this program (user-data flag and the
// reception stamp).
struct TStreamProlog {
  std::array<std::uint8_t, kStreamPrologSize> raw{};

  // Field offsets.
  static constexpr std::size_t kDevice = 32, kLanguage = 54, kFactoryRMin = 57, kFactoryRMax = 58,
                               kVersion = 60, kBinaryId = 62, kDataVersion = 63,
                               kPrologSizeField = 64, kMeasuringSets = 66, kRcaSize = 68,
                               kMeasDataSize = 70, kMdFormat = 74, kMdErrorValue = 76,
                               kMdPlusOverflow = 78, kMdMinusOverflow = 80, kCompilerBits1 = 82,
                               kConfiguration = 86, kMaterialCount = 90, kMediumCount = 91,
                               kSensorCount = 92, kQuantityCount = 93, kStringSize = 94,
                               kStreamSize = 96, kDataOffset = 100, kInterface = 104,
                               kRomCoeffCount = 112, kUserCoeffCount = 113, kUserBits1 = 114,
                               kTotalErrorValue = 116, kInputHardwareCount = 122,
                               kFactorySuppress = 123, kInputDescriptorCount = 124,
                               kVelocityLimit = 125, kExtendedCount = 126, kCompilerBits2 = 127,
                               kUserBits2 = 131, kInputLinkCount = 133, kLastMeasuringChannel = 134,
                               kLastChannel = 135, kFirstExtraLetter = 136, kUserBits3 = 137,
                               kOutputHardwareCount = 139, kOutputSetupCount = 140,
                               kHasChannelTable = 141, kUserDataFlag = 153, kReceptionYear = 154,
                               kReceptionMonth = 156, kReceptionDay = 157, kReceptionHour = 158,
                               kReceptionMinute = 159;

  std::uint8_t U8(std::size_t off) const { return raw[off]; }
  std::uint16_t U16(std::size_t off) const { return LoadU16(&raw[off]); }
  std::uint32_t U32(std::size_t off) const { return LoadU32(&raw[off]); }
  std::int32_t I32(std::size_t off) const { return LoadI32(&raw[off]); }
  std::string_view Chars(std::size_t off, std::size_t n) const {
    return std::string_view(reinterpret_cast<const char*>(&raw[off]), n);
  }

  std::string_view Identification() const { return Chars(0, kIdentificationSize); }
  std::string_view DeviceName() const { return Chars(kDevice, 16); }
  std::string_view Language() const { return Chars(kLanguage, 3); }
  std::uint16_t Version() const { return U16(kVersion); }
  std::uint16_t PrologSize() const { return U16(kPrologSizeField); }
  std::uint16_t MeasuringSets() const { return U16(kMeasuringSets); }
  std::uint16_t RcaSize() const { return U16(kRcaSize); }
  std::int32_t MeasDataSize() const { return I32(kMeasDataSize); }
  std::uint8_t MaterialCount() const { return U8(kMaterialCount); }
  std::uint8_t MediumCount() const { return U8(kMediumCount); }
  std::uint8_t SensorCount() const { return U8(kSensorCount); }
  std::uint8_t QuantityCount() const { return U8(kQuantityCount); }
  std::uint16_t StringSize() const { return U16(kStringSize); }
  std::int32_t StreamSize() const { return I32(kStreamSize); }
  std::uint32_t DataOffset() const { return U32(kDataOffset); }
  std::uint8_t InterfaceFlags(int channel) const { return U8(kInterface + (channel & 7)); }
  std::uint8_t RomCoeffCount() const { return U8(kRomCoeffCount); }
  std::uint8_t UserCoeffCount() const { return U8(kUserCoeffCount); }
  // The total error value: a negative total equal to it counts as 0.
  long double TotalErrorValue() const { return Real48ToLongDouble(&raw[kTotalErrorValue]); }
  std::uint8_t InputHardwareCount() const { return U8(kInputHardwareCount); }
  std::uint8_t InputDescriptorCount() const { return U8(kInputDescriptorCount); }
  std::uint8_t ExtendedCount() const { return U8(kExtendedCount); }
  std::uint8_t InputLinkCount() const { return U8(kInputLinkCount); }
  std::uint8_t LastMeasuringChannel() const { return U8(kLastMeasuringChannel); }
  std::uint8_t LastChannel() const { return U8(kLastChannel); }
  std::uint8_t FirstExtraLetter() const { return U8(kFirstExtraLetter); }
  std::uint8_t OutputHardwareCount() const { return U8(kOutputHardwareCount); }
  std::uint8_t OutputSetupCount() const { return U8(kOutputSetupCount); }
  bool HasChannelTable() const { return U8(kHasChannelTable) != 0; }
  bool HasUserData() const { return (U8(kUserDataFlag) & 1) != 0; }
  // Stream offset where the table section must end and the data area begins.
  std::size_t TableSectionEnd() const {
    return std::size_t{PrologSize()} + RcaSize() + StringSize();
  }
};

// ---------------------------------------------------------------------------
// Series directory

inline constexpr std::size_t kRcaEntrySize = 31;
// A directory of more entries than this exceeds the 16-bit directory size.
inline constexpr std::size_t kMaxDirectoryEntries = 0xFFFF / kRcaEntrySize;  // 2114

// `TRcaEntry`: one series of the directory (series are numbered from 1).
struct TRcaEntry {
  std::array<std::uint8_t, kRcaEntrySize> raw{};

  static constexpr std::size_t kKind = 0, kBlockAddress = 1, kFirstRecordAddress = 5,
                               kRecordCount = 9, kStartYear = 13, kStartMonth = 15, kStartDay = 16,
                               kDateSpare = 17, kStartTime = 18, kName = 22;

  // Kind byte: bit 0 set = 2-byte value records; the value 2 marks a kind-2 series.
  std::uint8_t Kind() const { return raw[kKind]; }
  bool HasShortRecords() const { return (Kind() & 1) != 0; }
  bool IsKind2() const { return Kind() == 2; }
  std::uint32_t BlockAddress() const { return LoadU32(&raw[kBlockAddress]); }
  std::uint32_t FirstRecordAddress() const { return LoadU32(&raw[kFirstRecordAddress]); }
  std::int32_t RecordCount() const { return LoadI32(&raw[kRecordCount]); }
  // Start date as stored: a year below 100 means 1900 + year.
  std::uint16_t StartYear() const { return LoadU16(&raw[kStartYear]); }
  std::uint8_t StartMonth() const { return raw[kStartMonth]; }
  std::uint8_t StartDay() const { return raw[kStartDay]; }
  std::uint8_t DateSpare() const { return raw[kDateSpare]; }
  // Start time in seconds since midnight.
  std::int32_t StartTime() const { return LoadI32(&raw[kStartTime]); }
  // Series name (capacity 8).
  std::string Name() const { return CountedField(&raw[kName], 8); }
};

// ---------------------------------------------------------------------------
// Series block

inline constexpr std::size_t kMaxChannels = 8;
inline constexpr std::size_t kChannelHeadSize = 64;

// `TChannelHead`: one channel of a series block.
struct TChannelHead {
  std::array<std::uint8_t, kChannelHeadSize> raw{};

  static constexpr std::size_t kChannelNumber = 0, kParameterAddress = 1, kMeasuringPoint = 5,
                               kSensorCode = 14, kSensorText = 15, kOutputFlags = 32,
                               kValueCount = 34, kRawMin = 38, kRawMax = 40, kMinValue = 42,
                               kMaxValue = 48, kStoredValues = 54, kInputAssignments = 56,
                               kExtraValues = 62;

  // 0 = first channel.
  std::uint8_t ChannelNumber() const { return raw[kChannelNumber]; }
  std::uint32_t ParameterAddress() const { return LoadU32(&raw[kParameterAddress]); }
  // "Meßstelle", capacity 8.
  std::string MeasuringPoint() const { return CountedField(&raw[kMeasuringPoint], 8); }
  std::uint8_t SensorCode() const { return raw[kSensorCode]; }
  std::string SensorText() const { return CountedField(&raw[kSensorText], 16); }
  std::uint16_t OutputFlags() const { return LoadU16(&raw[kOutputFlags]); }
  std::int32_t ValueCount() const { return LoadI32(&raw[kValueCount]); }
  std::int16_t RawMin() const { return LoadI16(&raw[kRawMin]); }
  std::int16_t RawMax() const { return LoadI16(&raw[kRawMax]); }
  long double MinValue() const { return Real48ToLongDouble(&raw[kMinValue]); }
  long double MaxValue() const { return Real48ToLongDouble(&raw[kMaxValue]); }
  // Low byte bit i: input i + 1 stored; high byte bits 7/6: positive/negative
  // total, bits 1..3: second totals; bit 4 of the high byte: triggered recording.
  std::uint16_t StoredValues() const { return LoadU16(&raw[kStoredValues]); }
  bool Triggered() const { return (raw[kStoredValues + 1] & 0x10) != 0; }
  // The four assignment bytes (8 nibbles), see TVXAblage::DecodeInputs.
  const std::uint8_t* InputAssignments() const { return &raw[kInputAssignments]; }
  std::uint8_t ExtraValues() const { return raw[kExtraValues]; }
};

// ---------------------------------------------------------------------------
// Parameter set

inline constexpr std::size_t kParameterSetSize = 202;

// `TParameterSet`: the 202 bytes a channel head points at. All bytes are kept;
// the generic accessors read any field (offsets past the end read as 0).
struct TParameterSet {
  std::array<std::uint8_t, kParameterSetSize> raw{};

  static constexpr std::size_t kOuterDiameter = 26, kWallThickness = 28, kCoefficientKey = 33,
                               kDensity = 51, kPhysicalQuantity = 81, kFactor = 85, kUnitText = 91,
                               kStorageInterval = 118, kLiningThickness = 181;
  static constexpr std::size_t kUnitTextCapacity = kStorageInterval - kUnitText - 1;

  std::uint8_t U8(std::size_t off) const { return off < raw.size() ? raw[off] : 0; }
  std::uint16_t U16(std::size_t off) const {
    return off + 2 <= raw.size() ? LoadU16(&raw[off]) : 0;
  }
  std::int16_t I16(std::size_t off) const { return static_cast<std::int16_t>(U16(off)); }
  std::uint32_t U32(std::size_t off) const {
    return off + 4 <= raw.size() ? LoadU32(&raw[off]) : 0;
  }
  std::int32_t I32(std::size_t off) const { return static_cast<std::int32_t>(U32(off)); }
  long double Real(std::size_t off) const {
    return off + 6 <= raw.size() ? Real48ToLongDouble(&raw[off]) : 0.0L;
  }
  // Counted string at `off` of the given capacity, clipped to the set's end.
  std::string Counted(std::size_t off, std::size_t capacity) const {
    if (off >= raw.size()) return {};
    return CountedField(&raw[off], std::min(capacity, raw.size() - off - 1));
  }
  ByteView View() const { return ByteView(raw); }

  std::uint16_t OuterDiameter() const { return U16(kOuterDiameter); }
  std::uint16_t WallThickness() const { return U16(kWallThickness); }
  std::uint16_t LiningThickness() const { return U16(kLiningThickness); }
  // Key of the heat-flow coefficient set and of the extended table item.
  std::int16_t CoefficientKey() const { return I16(kCoefficientKey); }
  long double Density() const { return Real(kDensity); }
  // 0 volume flow, 1 flow velocity, 2 mass flow, 3 heat flow.
  std::uint8_t PhysicalQuantity() const { return U8(kPhysicalQuantity); }
  long double Factor() const { return Real(kFactor); }
  std::string UnitText() const { return Counted(kUnitText, kUnitTextCapacity); }
  std::uint16_t StorageInterval() const { return U16(kStorageInterval); }
};

// ---------------------------------------------------------------------------
// Device tables

// Fixed item sizes the reader uses, whatever a table head says.
inline constexpr std::uint16_t kCoefficientItemSize = 62;
inline constexpr std::uint16_t kInputHardwareItemSize = 12;
inline constexpr std::uint16_t kInputDescriptorItemSize = 37;
inline constexpr std::uint16_t kExtendedItemSize = 96;
inline constexpr std::uint16_t kInputLinkItemSize = 4;
inline constexpr std::uint16_t kOutputHardwareItemSize = 32;
inline constexpr std::uint16_t kOutputSetupItemSize = 44;
inline constexpr std::size_t kChannelTableItemSize = 90;
inline constexpr std::size_t kDeviceTableHeadSize = 4;
// A coefficient set body: ten Real48 coefficients h0, a1..a4, r0, b1..b4.
inline constexpr std::size_t kCoefficientBodySize = 60;
inline constexpr std::size_t kExtendedBodySize = 94;

// Offsets inside input hardware and descriptor items.
inline constexpr std::size_t kInputHardwareType = 1, kInputHardwareLink = 3,
                             kInputHardwareShortName = 7;
inline constexpr std::size_t kInputDescriptorActive = 0, kInputDescriptorName = 1,
                             kInputDescriptorShortName = 18, kInputDescriptorUnit = 21;

// `TDeviceTable`: a table from the stream's table section. In the stream it is
// a 4-byte head (u16 item size, u16 tag) followed by its items; the items here
// always have the table's fixed size (`itemSize` keeps what the head said).
class TDeviceTable {
 public:
  TDeviceTable() : TDeviceTable(0) {}
  explicit TDeviceTable(std::uint16_t fixedSize) : items_(fixedSize) {}

  std::uint16_t itemSize = 0;  // as the table head stored it
  std::uint16_t tag = 0;       // kept, not interpreted

  std::uint16_t FixedSize() const { return items_.RecordSize(); }
  std::size_t Count() const { return items_.Count(); }
  bool Empty() const { return items_.Empty(); }
  // Item i (0 .. Count() - 1), FixedSize() bytes; throws std::out_of_range otherwise.
  ByteView Item(std::size_t i) const { return items_.Item(i); }
  // Appends one item; `item` is cut or zero-padded to the fixed size.
  void Add(ByteView item) {
    if (item.size() == FixedSize()) {
      items_.Add(item);
      return;
    }
    gd::Bytes fitted(item.begin(), item.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(
                                                      item.size(), FixedSize())));
    fitted.resize(FixedSize(), 0);
    items_.Add(fitted);
  }
  const TTabCollection& Items() const { return items_; }

 private:
  TTabCollection items_;
};

// One record of input link names: 15 counted strings of capacity 4, of which
// the first eight are set from the link item's nibbles.
struct InputLinkRecord {
  std::array<CountedString<4>, 15> names{};
};

}  // namespace gd
