// The program's settings as the configuration file keeps them: the section
// and key names, their defaults, reading them from a IniFile (a missing or
// unusable value gives its default) and writing them back. Keys that other
// windows keep in the same file (the table view's and the diagram's own keys)
// stay in the IniFile untouched.
#pragma once

#include <string>
#include <string_view>

#include "app/FontString.h"
#include "app/HistoryList.h"
#include "app/IniFile.h"
#include "convert/TextStyle.h"

namespace gd {

namespace ini {
inline constexpr std::string_view kTextStyles = "TEXTSTYLES";
inline constexpr std::string_view kFileOptions = "FILEOPTIONS";
inline constexpr std::string_view kCommons = "COMMONS";
inline constexpr std::string_view kComPort = "COMPORT";
inline constexpr std::string_view kFonts = "FONTS";
inline constexpr std::string_view kHistoryOpened = "HISTORY_OPENSDX";
inline constexpr std::string_view kHistorySaved = "HISTORY_SAVETXT";
}  // namespace ini

struct Configuration {
  // TEXTSTYLES: Packed, ColSeparator, ColLength, Language.
  TextOutputOptions textOptions;
  // FILEOPTIONS.
  bool saveEmptyFiles = false;
  std::string lastOpenPath;  // read with a trailing folder separator when non-empty
  std::string lastSavePath;
  // COMMONS.
  bool showQuickSave = false;
  bool tryExternalDict = false;  // read only, never written
  int doubleClick = 0;           // LBX-DblClick: 0 info, 1 parameter sets, 2 table, 3 diagram
  int language = -1;             // interface language; -1: none chosen yet
  int timeMode = 0;              // LBX-TimeMode: the list's time column, 0 start, 1 end, 2 duration
  // COMPORT.
  int comPort = 2;  // 1-based
  int baudsOrd = 7;
  int dataBitsOrd = 3;
  int parityOrd = 2;
  int stopBitsOrd = 2;
  int chunkSize = 2048;  // SHUNKS
  int timeout = 2000;    // TIMEOUT, read only, never written
  // PATH: the system port or path that stands for COM<n> (empty: the system's
  // default mapping, see device/port/SystemSerialPort.h). Read only.
  std::string comPortPath;
  // FONTS: the four text views' fonts as font strings; empty when not stored.
  FontStrings fonts;
};

// Reads every key; values that are missing or do not parse take the defaults.
// ColLength is brought into 7..16. An LBX-DblClick outside 0..3 reads as 0 (info), a LBX-TimeMode
// outside 0..2 as 0.
Configuration ReadConfiguration(const IniFile& ini);
// Writes every key except the read-only ones (TryExternalDict, TIMEOUT).
// LastOpenPath, LastSavePath and the fonts are written only when non-empty.
void WriteConfiguration(IniFile& ini, const Configuration& config);

// Both history lists, created with the program's maximum of 9 entries.
struct HistoryLists {
  THistoryList opened;  // HISTORY_OPENSDX
  THistoryList saved;   // HISTORY_SAVETXT
  HistoryLists();
  void Load(const IniFile& ini);
  void Save(IniFile& ini) const;
};

// `path` with a folder separator at its end: kept when it ends in "\" or "/",
// else the kind it already uses ("/" when it holds "/" and no "\"), else "\".
// An empty path stays empty.
std::string WithTrailingSeparator(const std::string& path);

// The configuration file's name: the program file's name without its folder,
// the extension replaced by ".INI".
std::string ConfigurationFileName(std::string_view programFile);
// Where the configuration file lies: beside the program file when a file of
// that name exists there, else in `defaultFolder` (the platform's folder for
// configuration files).
std::string ConfigurationFilePath(std::string_view programFile, bool existsBesideProgram,
                                  std::string_view defaultFolder);

}  // namespace gd
