// Parse of a measurement byte stream's prolog and table section.
//
// ParseStream reads the prolog, the series directory (repairing invalid start
// dates), the name lists, the sensor words, the device tables (with default
// items for streams of older firmware), the per-channel table and the input
// link names, and checks where the table section ends. It never throws for bad
// bytes: everything it finds is reported through the status word.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Bytes.h"
#include "core/Collections.h"
#include "core/StreamLayout.h"

namespace gd {

// Status flags of ParseStream (several may be set).
inline constexpr std::uint16_t kStreamNoStream = 0x0001;  // no stream was given (empty)
inline constexpr std::uint16_t kStreamBadIdentification =
    0x0004;                                                  // shown as a too old file version
inline constexpr std::uint16_t kStreamNoNavigator = 0x0010;  // set by the creator of the navigator
inline constexpr std::uint16_t kStreamNoDirectory = 0x0020;  // directory could not be allocated
// The prolog or the table section leaves the stream, the data area starts
// beyond it, or the directory has more than kMaxDirectoryEntries entries.
// Callers treat it as "BIN\xC4RDATEI IST UNGUELTIG".
inline constexpr std::uint16_t kStreamOutOfBounds = 0x0040;
inline constexpr std::uint16_t kStreamEmptyDirectory = 0x0080;     // tolerated
inline constexpr std::uint16_t kStreamTableSectionMoved = 0x0100;  // tolerated: table section ended
                                                                   // elsewhere than the prolog says
// Whether a stream with these flags can be used (only tolerated flags set).
constexpr bool StreamUsable(std::uint16_t status) {
  return (status & ~(kStreamEmptyDirectory | kStreamTableSectionMoved)) == 0;
}

// Everything the parse yields. The name lists are converted from the DOS code
// page. When the status is not usable, the members hold what was read up to
// the failure.
struct ParsedStream {
  std::uint16_t status = 0;
  TStreamProlog prolog;
  std::vector<TRcaEntry> directory;

  TMediMatStrColl materials{0};
  TMediMatStrColl media{10000};
  TNoSortStringCollection sensorNames;
  TNoSortStringCollection quantityNames;
  std::vector<std::uint16_t> sensorWords;  // in sensor order

  TDeviceTable romCoefficients{kCoefficientItemSize};
  TDeviceTable userCoefficients{kCoefficientItemSize};
  TDeviceTable inputHardware{kInputHardwareItemSize};       // defaults "T1", "T2" below V 3.16
  TDeviceTable inputDescriptors{kInputDescriptorItemSize};  // default "UNKNOWN_INPUT" below V 3.22
  TDeviceTable extended{kExtendedItemSize};                 // from V 3.51
  TDeviceTable inputLinks{kInputLinkItemSize};              // from V 3.51
  TDeviceTable outputHardware{kOutputHardwareItemSize};     // from V 5.00
  TDeviceTable outputSetup{kOutputSetupItemSize};           // from V 5.00
  std::vector<std::array<std::uint8_t, kChannelTableItemSize>> channelTable;

  std::vector<InputLinkRecord> inputLinkRecords;  // one per input link item (from V 3.51)
  int inputLinkCount = 0;                         // non-zero nibbles over all input link items

  // Stream offset of the data area (the prolog's table-section end).
  std::size_t dataStart = 0;

  bool Usable() const { return StreamUsable(status); }
  std::uint16_t Version() const { return prolog.Version(); }
};

// Parses `stream` (the whole measurement byte stream, without any user-data
// block behind it or with it: only the prolog's sizes are used).
ParsedStream ParseStream(ByteView stream);

// The date repair of directory entries: an invalid start date becomes
// 1990-01-01 with the spare byte 0; a valid one is left as stored.
void RepairStartDate(TRcaEntry& entry);

// Default items of the input tables for streams below V 3.16 / V 3.22.
void AddDefaultInputHardware(TDeviceTable& table);
void AddDefaultInputDescriptor(TDeviceTable& table);

// Builds one input link record from a 4-byte link item; adds the number of
// non-zero nibbles to `count`.
InputLinkRecord InputLinkNames(ByteView item, const TDeviceTable& inputHardware, int& count);

}  // namespace gd
