#include "app/Configuration.h"

#include <cstdint>

#include "core/FileStore.h"

namespace gd {
namespace {

constexpr int kMaxDoubleClick = 3;
constexpr int kMaxTimeMode = 2;

std::size_t NameStart(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

Configuration ReadConfiguration(const IniFile& ini) {
  Configuration c;
  TextOutputOptions& t = c.textOptions;
  t.style = static_cast<std::uint32_t>(
      ini.ReadInteger(ini::kTextStyles, "Packed", static_cast<int>(kDefaultTextStyle)));
  const std::string separator = ini.ReadString(ini::kTextStyles, "ColSeparator", "");
  t.separatorChar = separator.empty() ? kDefaultSeparatorChar : separator[0];
  t.colLength = ClampColLength(ini.ReadInteger(ini::kTextStyles, "ColLength", kDefaultColLength));
  t.language = ini.ReadString(ini::kTextStyles, "Language", "000").substr(0, 3);

  c.saveEmptyFiles = ini.ReadBool(ini::kFileOptions, "SaveEmptyFiles", false);
  c.lastOpenPath = WithTrailingSeparator(ini.ReadString(ini::kFileOptions, "LastOpenPath", ""));
  c.lastSavePath = ini.ReadString(ini::kFileOptions, "LastSavePath", "");

  c.showQuickSave = ini.ReadBool(ini::kCommons, "ShowQuickSave", false);
  c.tryExternalDict = ini.ReadBool(ini::kCommons, "TryExternalDict", false);
  c.doubleClick = ini.ReadInteger(ini::kCommons, "LBX-DblClick", 0);
  if (c.doubleClick < 0 || c.doubleClick > kMaxDoubleClick) c.doubleClick = 0;
  c.language = ini.ReadInteger(ini::kCommons, "Language", -1);
  c.timeMode = ini.ReadInteger(ini::kCommons, "LBX-TimeMode", 0);
  if (c.timeMode < 0 || c.timeMode > kMaxTimeMode) c.timeMode = 0;

  c.comPort = ini.ReadInteger(ini::kComPort, "COM", 2);
  c.baudsOrd = ini.ReadInteger(ini::kComPort, "Bauds(ORD)", 7);
  c.dataBitsOrd = ini.ReadInteger(ini::kComPort, "DataL(ORD)", 3);
  c.parityOrd = ini.ReadInteger(ini::kComPort, "Parit(ORD)", 2);
  c.stopBitsOrd = ini.ReadInteger(ini::kComPort, "Stops(ORD)", 2);
  c.chunkSize = ini.ReadInteger(ini::kComPort, "SHUNKS", 2048);
  c.timeout = ini.ReadInteger(ini::kComPort, "TIMEOUT", 2000);
  c.comPortPath = ini.ReadString(ini::kComPort, "PATH", "");
  c.fonts = ReadFontStrings(ini);
  return c;
}

void WriteConfiguration(IniFile& ini, const Configuration& c) {
  ini.WriteBool(ini::kCommons, "ShowQuickSave", c.showQuickSave);
  ini.WriteInteger(ini::kCommons, "Language", c.language);
  ini.WriteInteger(ini::kCommons, "LBX-DblClick",
                   (c.doubleClick >= 0 && c.doubleClick <= kMaxDoubleClick) ? c.doubleClick : 0);
  ini.WriteInteger(ini::kCommons, "LBX-TimeMode", c.timeMode);

  const TextOutputOptions& t = c.textOptions;
  ini.WriteInteger(ini::kTextStyles, "Packed", static_cast<int>(t.style));
  // A separator of code 0 (left empty) is written empty and reads back as
  // the default.
  ini.WriteString(ini::kTextStyles, "ColSeparator",
                  t.separatorChar == '\0' ? std::string() : std::string(1, t.separatorChar));
  ini.WriteInteger(ini::kTextStyles, "ColLength", t.colLength);
  ini.WriteString(ini::kTextStyles, "Language", t.language.substr(0, 3));

  ini.WriteBool(ini::kFileOptions, "SaveEmptyFiles", c.saveEmptyFiles);
  if (!c.lastOpenPath.empty()) ini.WriteString(ini::kFileOptions, "LastOpenPath", c.lastOpenPath);
  if (!c.lastSavePath.empty()) ini.WriteString(ini::kFileOptions, "LastSavePath", c.lastSavePath);

  ini.WriteInteger(ini::kComPort, "COM", c.comPort);
  ini.WriteInteger(ini::kComPort, "Bauds(ORD)", c.baudsOrd);
  ini.WriteInteger(ini::kComPort, "DataL(ORD)", c.dataBitsOrd);
  ini.WriteInteger(ini::kComPort, "Parit(ORD)", c.parityOrd);
  ini.WriteInteger(ini::kComPort, "Stops(ORD)", c.stopBitsOrd);
  ini.WriteInteger(ini::kComPort, "SHUNKS", c.chunkSize);
  WriteFontStrings(ini, c.fonts);
}

HistoryLists::HistoryLists() {
  opened.SetMaximum(THistoryList::kProgramMaximum);
  saved.SetMaximum(THistoryList::kProgramMaximum);
}

void HistoryLists::Load(const IniFile& ini) {
  opened.Load(ini, ini::kHistoryOpened);
  saved.Load(ini, ini::kHistorySaved);
}

void HistoryLists::Save(IniFile& ini) const {
  opened.Save(ini, ini::kHistoryOpened);
  saved.Save(ini, ini::kHistorySaved);
}

std::string WithTrailingSeparator(const std::string& path) {
  if (path.empty() || path.back() == '\\' || path.back() == '/') return path;
  const bool slashes = path.find('/') != std::string::npos && path.find('\\') == std::string::npos;
  return path + (slashes ? '/' : '\\');
}

std::string ConfigurationFileName(std::string_view programFile) {
  return ChangeFileExt(std::string(programFile.substr(NameStart(programFile))), ".INI");
}

std::string ConfigurationFilePath(std::string_view programFile, bool existsBesideProgram,
                                  std::string_view defaultFolder) {
  const std::string name = ConfigurationFileName(programFile);
  if (existsBesideProgram) return std::string(programFile.substr(0, NameStart(programFile))) + name;
  if (defaultFolder.empty()) return name;
  return WithTrailingSeparator(std::string(defaultFolder)) + name;
}

}  // namespace gd
