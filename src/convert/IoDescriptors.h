// Words for the codes of the meter's input and output configuration tables.
//
// The stream listing turns the bytes of the input hardware, output hardware
// and output setup items into these fixed-width texts. Every function takes
// the raw item bytes; items shorter than their table's size read as zeros
// beyond their end, so no text ever reads outside an item.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Bytes.h"
#include "core/StreamLayout.h"

namespace gd {

// Offsets inside an output hardware item (32 bytes).
inline constexpr std::size_t kOutputHardwareUsed = 0, kOutputHardwareKind = 1,
                             kOutputHardwareCd = 2, kOutputHardwareStage = 3,
                             kOutputHardwareDrv = 4, kOutputHardwareScale = 5,
                             kOutputHardwareHighRaw = 6, kOutputHardwareLowRaw = 8,
                             kOutputHardwareGain = 10, kOutputHardwareOffset = 16,
                             kOutputHardwareName = 22;
// Offsets inside an output setup item (44 bytes).
inline constexpr std::size_t kOutputSetupChannel = 0, kOutputSetupSource = 1,
                             kOutputSetupSelector = 2, kOutputSetupMode = 3, kOutputSetupLow = 17,
                             kOutputSetupHigh = 18, kOutputSetupFixed = 21;
// Bits of the mode byte (setup byte 3).
inline constexpr std::uint8_t kOutputModeErrorMask = 0x07, kOutputModeInput = 0x08,
                              kOutputModeActive = 0x80;

// Byte `off` of an item, 0 beyond its end.
inline std::uint8_t ItemByte(ByteView item, std::size_t off) {
  return off < item.size() ? item[off] : 0;
}

// Signal kind of an input or output (0 nothing, 1 current, 2 voltage,
// 3 frequency, 4 binary): "NIX      ", "CURRENT  ", ... "UNKNOWN  " (9 chars).
std::string_view SignalKindText(int kind);
// Its unit: "   ", "mA ", "V  ", "kHz", "bit", other "???" (3 chars).
std::string_view SignalUnitText(int kind);

// Output stage text (10 chars) by signal kind and the stage byte (its low
// three bits are the stage code).
std::string_view OutputStageText(int kind, std::uint8_t stageByte);

// Output source text: 0 "Measure" .. 9 "Others", "?" for other codes. With
// `shortForm` code 9 gives the empty text.
std::string_view OutputSourceText(int source, bool shortForm);

// What an output shows, from its setup item and the input link record of the
// setup's channel (nullptr when that channel has no link item).
std::string OutputValueDescription(ByteView setup, const InputLinkRecord* links);

// Value text of raw output byte `b` with output hardware item `hardware`;
// with `withUnit` the hardware's unit text follows (binary outputs give
// "ON  " / "OFF " instead).
std::string OutputValueText(std::uint8_t b, ByteView hardware, bool withUnit);

// What the output does on a measuring error (low three bits of setup byte 3).
std::string OnErrorText(ByteView setup, ByteView hardware);

// "ABSOLUTE" when bit 3 of setup byte 3 is set, else "SIGN".
std::string_view InputModeText(ByteView setup);

// Input hardware type: 1 "Pt100  ", 2 "0..1V  ", 3 "0..10V ", 4 "4..20mA",
// other "UNKNOWN" (7 chars).
std::string_view InputHardwareTypeText(int type);

}  // namespace gd
