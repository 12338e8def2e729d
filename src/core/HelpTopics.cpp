#include "core/HelpTopics.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace gd::help {
namespace {

constexpr std::array kTopics{
    HelpTopic{kContents, "Contents", "index.html", ""},
    HelpTopic{kMainWindow, "MainWindow", "files.html", "series-list"},
    HelpTopic{kComments, "Comments", "files.html", "comments"},
    HelpTopic{kOpenFile, "OpenFile", "files.html", "open"},
    HelpTopic{kParameterSets, "ParameterSets", "files.html", "parameter-sets"},
    HelpTopic{kFileDetails, "FileDetails", "files.html", "file-info"},
    HelpTopic{kSaveText, "SaveText", "export.html", "save-text"},
    HelpTopic{kTextOptions, "TextOptions", "export.html", "text-options"},
    HelpTopic{kSelection, "Selection", "export.html", "selection"},
    HelpTopic{kSaveSubset, "SaveSubset", "export.html", "subset"},
    HelpTopic{kChannelInfo, "ChannelInfo", "files.html", "series-info"},
    HelpTopic{kTableWindow, "TableWindow", "table.html", "table"},
    HelpTopic{kTableChannel, "TableChannel", "table.html", "channel"},
    HelpTopic{kTableProgress, "TableProgress", "table.html", "progress"},
    HelpTopic{kTableGrid, "TableGrid", "table.html", "grid"},
    HelpTopic{kTableParameterSet, "TableParameterSet", "table.html", "parameter-set"},
    HelpTopic{kTableSave, "TableSave", "table.html", "save"},
    HelpTopic{kDiagramWindow, "DiagramWindow", "diagram.html", "diagram"},
    HelpTopic{kDiagramCurve, "DiagramCurve", "diagram.html", "curve"},
    HelpTopic{kDiagramColour, "DiagramColour", "diagram.html", "colour"},
    HelpTopic{kDiagramMark, "DiagramMark", "diagram.html", "mark"},
    HelpTopic{kDiagramLines, "DiagramLines", "diagram.html", "lines"},
    HelpTopic{kDiagramVisible, "DiagramVisible", "diagram.html", "visible"},
    HelpTopic{kDiagramReadOut, "DiagramReadOut", "diagram.html", "read-out"},
    HelpTopic{kDiagramPrint, "DiagramPrint", "diagram.html", "print"},
    HelpTopic{kDiagramScaling, "DiagramScaling", "diagram.html", "scaling"},
    HelpTopic{kReceive, "Receive", "receive.html", "receive"},
    HelpTopic{kComPortWindow, "ComPortWindow", "receive.html", "com-window"},
    HelpTopic{kDeviceTables, "DeviceTables", "device.html", "tables"},
    HelpTopic{kDeviceClock, "DeviceClock", "device.html", "clock"},
    HelpTopic{kCoefficients, "Coefficients", "device.html", "coefficients"},
    HelpTopic{kSerialSettings, "SerialSettings", "device.html", "serial-settings"},
    HelpTopic{kWaitWindow, "WaitWindow", "receive.html", "wait"},
    HelpTopic{kStatistics, "Statistics", "diagram.html", "statistics"},
};

constexpr bool Ordered() {
  for (std::size_t i = 1; i < kTopics.size(); ++i) {
    if (kTopics[i - 1].topic >= kTopics[i].topic) return false;
  }
  return true;
}
static_assert(Ordered(), "help topics are listed once each, by number");

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// A folder's path in its shortest form, without a trailing separator.
std::string Normal(const std::filesystem::path& folder) {
  std::filesystem::path normal = folder.lexically_normal();
  if (!normal.has_filename() && normal != normal.root_path()) normal = normal.parent_path();
  return normal.string();
}

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

const HelpTopic* FindHelpTopic(int topic) {
  const auto* found =
      std::lower_bound(kTopics.begin(), kTopics.end(), topic,
                       [](const HelpTopic& row, int number) { return row.topic < number; });
  return found != kTopics.end() && found->topic == topic ? found : nullptr;
}

std::vector<std::string> ManualLanguages(std::string_view languageCode) {
  std::vector<std::string> languages;
  for (std::string_view code : {languageCode, std::string_view("en"), std::string_view("de")}) {
    // A code names a folder: anything beyond plain letters is no language.
    const bool plain = !code.empty() && std::all_of(code.begin(), code.end(), [](char c) {
      return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
    if (plain && std::find(languages.begin(), languages.end(), code) == languages.end()) {
      languages.emplace_back(code);
    }
  }
  return languages;
}

std::vector<std::string> ManualFolders(std::string_view programFolder,
                                       std::string_view fallbackFolder) {
  std::vector<std::string> folders;
  if (!programFolder.empty()) {
    folders.push_back(Normal(std::filesystem::path(programFolder) / "../share/gaugdata/manual"));
  }
  if (!fallbackFolder.empty()) {
    const std::string fallback = Normal(fallbackFolder);
    if (std::find(folders.begin(), folders.end(), fallback) == folders.end()) {
      folders.push_back(fallback);
    }
  }
  return folders;
}

std::optional<ManualPage> FindManualPage(int topic, std::string_view languageCode,
                                         std::span<const std::string> folders) {
  const HelpTopic* row = FindHelpTopic(topic);
  if (row == nullptr) row = FindHelpTopic(kContents);
  const std::vector<std::string> languages = ManualLanguages(languageCode);
  for (const std::string& folder : folders) {
    for (const std::string& language : languages) {
      const std::filesystem::path file =
          std::filesystem::path(folder) / language / std::filesystem::path(row->page);
      if (IsFile(file)) return ManualPage{file.lexically_normal().string(), row->anchor};
    }
  }
  return std::nullopt;
}

bool ManualExists(std::string_view languageCode, std::span<const std::string> folders) {
  return FindManualPage(kContents, languageCode, folders).has_value();
}

}  // namespace gd::help
