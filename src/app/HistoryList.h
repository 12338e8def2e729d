// THistoryList: a bounded list of recently used paths, most recent first,
// kept in a section of the configuration file as keys History0, History1, ...
// and shown as numbered menu entries "&1 path", "&2 path", ...
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/IniFile.h"

namespace gd {

class THistoryList {
 public:
  static constexpr int kCreatedMaximum = 10;
  static constexpr int kProgramMaximum = 9;  // what the main window sets

  int Maximum() const { return maximum_; }
  // A maximum outside 1..100 is ignored; a lower one drops entries from the end.
  void SetMaximum(int maximum);

  const std::vector<std::string>& Entries() const { return entries_; }
  int Count() const { return static_cast<int>(entries_.size()); }

  // Removes an entry equal to `path` without regard to case, puts `path` in
  // front and drops the last entry past the maximum. An empty path is ignored.
  void Add(const std::string& path);

  // Clears the list, then reads History0 .. History<maximum - 1> of `section`,
  // keeping the non-empty values in key order (gaps close up).
  void Load(const IniFile& ini, std::string_view section);
  // Writes entry k as History<k>; keys past the count that an earlier, longer
  // list left behind are deleted so that they do not return on the next load.
  void Save(IniFile& ini, std::string_view section) const;

  // The menu captions "&<position> <path>", position 1-based.
  std::vector<std::string> MenuCaptions() const;
  // The path a clicked caption stands for: the number between "&" and the
  // first blank, valid for 1..count; nullopt for anything else.
  std::optional<std::string> PathOfCaption(std::string_view caption) const;

 private:
  int maximum_ = kCreatedMaximum;
  std::vector<std::string> entries_;
};

}  // namespace gd
