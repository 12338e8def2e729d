// The text output options: the 32-bit text style bit set, the number width
// (ColLength) and the user's column separator character, with their defaults
// and the rules the conversion reads from them.
#pragma once

#include <cstdint>
#include <string>

namespace gd {

// Text style bits.
inline constexpr std::uint32_t kStyleDecimalComma = 0x00000001;        // numbers use ","
inline constexpr std::uint32_t kStyleSeparatorMask = 0x00000006;       // column separator kind
inline constexpr std::uint32_t kStyleParaDelimited = 0x00000008;       // parameter/run lines quoted
inline constexpr std::uint32_t kStyleAlwaysVelocMeasure = 0x00000010;  // VELOC/MEASURE every record
inline constexpr std::uint32_t kStyleSeparateQuantCols = 0x00000020;   // Q_POS and Q_NEG columns
inline constexpr std::uint32_t kStyleParaShowAllData = 0x00000040;     // parameter sets, all data
inline constexpr std::uint32_t kStyleQuantityMask = 0x00000180;        // quantity column mode
inline constexpr std::uint32_t kStyleTrimStrings = 0x00000200;         // no spaces in value rows
inline constexpr std::uint32_t kStyleShowVeloc = 0x00000400;           // velocity column (m/s)
inline constexpr std::uint32_t kStyleHeadlines = 0x00001000;           // headline row
inline constexpr std::uint32_t kStyleAllTemperatures = 0x00002000;     // both temperature columns
inline constexpr std::uint32_t kStyleDate = 0x00004000;                // date column
inline constexpr std::uint32_t kStyleTime = 0x00008000;                // time column
inline constexpr std::uint32_t kStyleChannelBlocks = 0x00010000;       // one block per channel
inline constexpr std::uint32_t kStyleParamsSideBySide = 0x00020000;    // parameter sets "MUX"
inline constexpr std::uint32_t kStyleParamsEachChannel = 0x00040000;   // sets one after another
inline constexpr std::uint32_t kStyleDosCharset = 0x00080000;          // DOS code page umlauts
inline constexpr std::uint32_t kStyleComments = 0x00100000;            // series comments
inline constexpr std::uint32_t kStyleSystemDecimal = 0x00200000;       // OS decimal separator

inline constexpr std::uint32_t kDefaultTextStyle = 0x0031D033;  // 3264563

// Number width: characters per number.
inline constexpr int kMinColLength = 7;
inline constexpr int kMaxColLength = 16;
inline constexpr int kDefaultColLength = 9;
inline constexpr char kDefaultSeparatorChar = '@';  // character code 64

// Column separator kinds, as stored in bits 1..2.
enum class ColumnSeparatorKind : std::uint32_t {
  Space = 0x0,
  Tab = 0x2,
  Semicolon = 0x4,
  User = 0x6,
};

// Quantity column modes, as stored in bits 7..8. A stored 0 behaves as
// OnlyStored.
enum class QuantityColumnMode : std::uint32_t {
  Always = 0x080,
  Suppress = 0x100,
  OnlyStored = 0x180,
};

struct TextOutputOptions {
  std::uint32_t style = kDefaultTextStyle;
  int colLength = kDefaultColLength;
  char separatorChar = kDefaultSeparatorChar;  // character code 0 when the user left it empty
  std::string language = "000";                // 3-character label-table code; empty: the meter's

  bool Has(std::uint32_t bits) const { return (style & bits) == bits; }
};

// ColLength limited to 7..16.
int ClampColLength(int colLength);

ColumnSeparatorKind SeparatorKind(std::uint32_t style);
void SetSeparatorKind(std::uint32_t& style, ColumnSeparatorKind kind);
QuantityColumnMode QuantityMode(std::uint32_t style);
void SetQuantityMode(std::uint32_t& style, QuantityColumnMode mode);

// Appends the column separator that the options choose: a space, a TAB, ";"
// or the user's character. A user character of code 0 (an empty separator
// field) appends nothing, so that no NUL byte gets into a text file.
void AppendColumnSeparator(std::string& text, const TextOutputOptions& options);

// The decimal-separator rule applied to a number already formatted with the
// operating system's separator: unless the system-separator bit is set, every
// "." becomes "," with the decimal-comma bit and every "," becomes "." without.
void ApplyDecimalStyle(std::string& number, std::uint32_t style);

}  // namespace gd
