// Help topics: the numbers the windows ask help for, and where the user
// manual explains each one (a page of the manual and an anchor on it). Both
// language folders of the manual hold the same pages with the same anchors.
//
// Every window and button that offers help names its topic by one of the
// constants below; the manual map (HelpTopics()) has a row for each.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gd::help {

// The manual's contents (the "In&halt" menu item) and the main window.
constexpr int kContents = 1;
constexpr int kMainWindow = 10;
constexpr int kComments = 11;
constexpr int kOpenFile = 12;
constexpr int kParameterSets = 13;
// File information and its details text.
constexpr int kFileDetails = 14;
constexpr int kSaveText = 15;
constexpr int kTextOptions = 16;
// Series selection dialog.
constexpr int kSelection = 17;
constexpr int kSaveSubset = 18;
// Series information with its channel choice.
constexpr int kChannelInfo = 22;
// Table view: window, channel panel, progress panel, grid, parameter-set
// button, save button.
constexpr int kTableWindow = 25;
constexpr int kTableChannel = 26;
constexpr int kTableProgress = 27;
constexpr int kTableGrid = 28;
constexpr int kTableParameterSet = 29;
constexpr int kTableSave = 30;
// Diagram: window, curve combo, colour button, mark combo, lines, visible,
// read-out panels, print; the statistics window.
constexpr int kDiagramWindow = 32;
constexpr int kDiagramCurve = 33;
constexpr int kDiagramColour = 34;
constexpr int kDiagramMark = 35;
constexpr int kDiagramLines = 36;
constexpr int kDiagramVisible = 37;
constexpr int kDiagramReadOut = 38;
constexpr int kDiagramPrint = 39;
constexpr int kDiagramScaling = 40;
// The meter: receiving, the communication window, tables, clock,
// coefficient sets, serial settings and the transfer wait window.
constexpr int kReceive = 50;
constexpr int kComPortWindow = 51;
constexpr int kDeviceTables = 52;
constexpr int kDeviceClock = 53;
constexpr int kCoefficients = 54;
constexpr int kSerialSettings = 55;
constexpr int kWaitWindow = 56;
constexpr int kStatistics = 95;

// Where a topic is explained: the page's file name inside a language folder
// and the id of the element on it ("" for the top of the page).
struct HelpTopic {
  int topic;
  const char* name;  // the constant's name without its "k", for messages
  const char* page;
  const char* anchor;
};

// All topics, ordered by number.
std::span<const HelpTopic> HelpTopics();
// The row of `topic`; nullptr for a number no window uses.
const HelpTopic* FindHelpTopic(int topic);

// The manual's language folders to try for an interface language code:
// the language itself, then English, then German (each once).
std::vector<std::string> ManualLanguages(std::string_view languageCode);

// The folders that may hold the manual (each with one folder per language),
// in the order to try: beside an installed program
// (<prefix>/bin/gaugdata -> <prefix>/share/gaugdata/manual), then
// `fallbackFolder` (the manual of the source tree the program was built
// from) when it is not empty.
std::vector<std::string> ManualFolders(std::string_view programFolder,
                                       std::string_view fallbackFolder);

// A page of the manual found on disk.
struct ManualPage {
  std::string file;    // absolute or as given by the folder: the page's path
  std::string anchor;  // "" for the top of the page
};

// The page that explains `topic` in the first language of
// ManualLanguages(languageCode) whose page exists in the first manual
// folder that has one. A number without a row opens the contents page.
// Nothing when no manual folder holds the page.
std::optional<ManualPage> FindManualPage(int topic, std::string_view languageCode,
                                         std::span<const std::string> folders);

// Whether a manual exists in one of `folders` (its contents page in some
// language of ManualLanguages(languageCode)).
bool ManualExists(std::string_view languageCode, std::span<const std::string> folders);

}  // namespace gd::help
