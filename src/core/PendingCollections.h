// TEMPORARY: minimal name lists for the stream parse until the shared table
// containers (Collections.h) are on main; this file is then removed and the
// parse uses those containers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/TextTools.h"

namespace gd {

class TNoSortStringCollection {
 public:
  void Add(std::string text) { items_.push_back(std::move(text)); }
  std::size_t Count() const { return items_.size(); }
  const std::string& operator[](std::size_t i) const { return items_[i]; }
  void ExchangeDOSSonderzeichen() { DosToWindowsList(items_); }

 private:
  std::vector<std::string> items_;
};

struct TMediMatItem {
  std::string name;
  std::int16_t code = 0;
  std::uint8_t kind = 0;
  std::uint8_t extra = 0;
};

class TMediMatStrColl {
 public:
  explicit TMediMatStrColl(std::int16_t defaultCode) : defaultCode_(defaultCode) {}
  void Add(TMediMatItem item) { items_.push_back(std::move(item)); }
  std::size_t Count() const { return items_.size(); }
  const TMediMatItem& operator[](std::size_t i) const { return items_[i]; }
  std::int16_t DefaultCode() const { return defaultCode_; }
  void ConvertNames() {
    for (auto& item : items_) item.name = DosToWindows(item.name);
  }

 private:
  std::int16_t defaultCode_;
  std::vector<TMediMatItem> items_;
};

}  // namespace gd
