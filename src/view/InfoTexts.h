// Texts and rules of the information dialogs: the channel information of a
// series, the file information and its details listing, and the parameter
// set of one series and channel. The dialogs only show what these compute.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "convert/VXASCIIOUT.h"
#include "core/DateTime.h"
#include "core/Locale.h"
#include "core/MessageTexts.h"
#include "core/StreamParser.h"
#include "core/VXAblage.h"

namespace gd {

inline constexpr const char* kNoDataText = " *** NO DATA ***";
inline constexpr const char* kDetailsNoDataText = "*** NO DATA ***";
inline constexpr const char* kDetailsBadBytesText = "*** BAD BYTES ***";
inline constexpr const char* kUndefText = "UNDEF";
inline constexpr const char* kUnknownSensorText = "UNKNOWN SENSOR";

// --- Channel information ------------------------------------------------------

// The measuring-point name cut to 8 characters, CR and LF removed, right-aligned
// in 9 characters between single quotes.
std::string MeasuringPointText(const std::string& name);
// The name of a sensor kind (codes 'A' to 'I'); "UNKNOWN SENSOR" for any other.
std::string SensorKindName(std::uint8_t code);
// The lines of the additional stored items from the stored-values word and the
// extra-values byte of a channel head, each ending in CR LF; "" when none.
std::string AdditionalItemsText(std::uint16_t storedValues, std::uint8_t extraValues,
                                const InputNames& inputs);

struct ChannelInfo {
  std::string measuringPoint;  // LBV_MESSTELLE
  std::string channel;         // LBV_KANAL, letter + ":"
  std::string start, duration, end;
  std::string valueCount;  // LBV_AnzMesswerte
  std::string section;     // LBV_STRECKE
  std::string medium;      // LBV_STRECKE2
  std::string sensor;      // LBV_SENSOR
  std::string sensorText;  // LBV_SENSOR2
  std::string quantity;    // LBV_MESSGROESSE
  std::string smallest, largest;
  std::string additionalItems;   // MEMO_ENTHALTEN
  bool minMaxVisible = false;    // hidden for a channel without values
  bool functionVisible = false;  // LB_Function, extra channels only
  bool sensorVisible = false;    // sensor and section labels, measuring channels only
  bool additionalVisible = false;
  bool channelChoiceVisible = false;  // Comb_Kanal: kind 2 with several channels
  bool channelLabelVisible = false;   // LB_KANAL and LBV_KANAL: kind 2
};

// The information of channel `channel` (0-based, below the series' channel
// count) of `series`; `parsed` supplies the prolog's overflow words and the
// media and quantity names.
ChannelInfo BuildChannelInfo(const TSeriesDescription& series, std::size_t channel,
                             const ParsedStream& parsed, const Locale& locale);
// The channel after `channel`, wrapping to the first.
std::size_t NextChannel(std::size_t channel, std::size_t channelCount);
// The dialog's caption: the file name followed by "[" + series number + "]".
std::string ChannelInfoCaption(const std::string& fileName, int seriesNumber);

// --- File information ----------------------------------------------------------

struct FileFacts {
  const ParsedStream* parsed = nullptr;   // null without an engine
  std::optional<std::uint64_t> fileSize;  // null when the file cannot be read
  std::optional<DateRecord> modified;     // the file's modification date
  bool hasSeries = false;                 // shows the remarks
  bool receivedNotLoaded = false;         // received data, not loaded from a file
};

struct FileInfo {
  std::string savedDate;      // LAB_Speicherdat
  std::string fileSize;       // LAB_FileSize
  bool sizeMismatch = false;  // drawn red: neither the stream size nor a user-data block
  std::string receivedDate;   // LAB_Empfangsdat
  std::string seriesCount;    // LAB_AnzReihen
  std::string deviceNumber;   // LAB_Seriennummer
  bool remarksVisible = false;
};

FileInfo BuildFileInfo(const FileFacts& facts, const Locale& locale);

// The details window's lines: the engine's header listing, without its first
// two lines in every edition but 0; "*** BAD BYTES ***" when listing fails,
// "*** NO DATA ***" without an engine.
std::vector<std::string> FileDetailsLines(TVXASCIIOUT* engine, int edition);
// "%s %s" of the translated "Details about" and the display name.
std::string FileDetailsCaption(const std::string& displayName);

// --- Parameter set of one series and channel -------------------------------------

struct OneParameterSet {
  std::string series;           // LBV_MWReihe, "%02d"
  std::string channel;          // LBV_Kanal, "?" when unknown
  bool channelVisible = false;  // LB_Kanal and LBV_Kanal: the file holds multi-channel series
  std::vector<std::string> lines;
  std::string error;  // an error box instead of the text
};

// The parameter set of series `seriesNumber` (below 1 counts as 1), channel
// `channel` (0-based), in the engine's parameter-set text; null engine: the
// line " *** NO DATA ***".
OneParameterSet PrepareOneParameterSet(TVXASCIIOUT* engine, int seriesNumber, int channel);

}  // namespace gd
