// Containers for the tables that come from the meter: raw fixed-size records,
// plain name lists and the material / medium lookup lists.
//
// They are plain data holders: whoever fills them (the storage image reader
// or the device-table loader) owns them; the conversion engine and the
// information dialogs look names up in them. Texts are Windows-1252 bytes
// once converted with DosToWindows; the containers do not convert on their
// own except through the conversion calls named below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Bytes.h"

namespace gd {

// A list of raw records that all have the collection's record size, kept in
// the order they were added. The collection owns copies of the records.
class TTabCollection {
 public:
  explicit TTabCollection(std::uint16_t recordSize) : recordSize_(recordSize) {}

  std::uint16_t RecordSize() const { return recordSize_; }
  std::size_t Count() const { return records_.size(); }
  bool Empty() const { return records_.empty(); }

  // Appends a copy of `record`. Throws EGaugData when its length is not the
  // record size, so a short source is never read past its end.
  void Add(ByteView record);
  // Record `index` (0 .. Count() - 1); throws std::out_of_range otherwise.
  ByteView Item(std::size_t index) const;
  ByteView operator[](std::size_t index) const { return Item(index); }
  std::span<std::uint8_t> MutableItem(std::size_t index);
  void Clear() { records_.clear(); }

 private:
  std::uint16_t recordSize_;
  std::vector<Bytes> records_;
};

// A string list that keeps insertion order and never sorts.
class TNoSortStringCollection {
 public:
  void Add(std::string text) { items_.push_back(std::move(text)); }
  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  // String `index`; throws std::out_of_range past the end.
  const std::string& Item(std::size_t index) const;
  const std::string& operator[](std::size_t index) const { return Item(index); }
  // Position of the first string equal to `text`, or -1.
  int IndexOf(std::string_view text) const;
  void Clear() { items_.clear(); }

  const std::vector<std::string>& Items() const { return items_; }
  std::vector<std::string>::const_iterator begin() const { return items_.begin(); }
  std::vector<std::string>::const_iterator end() const { return items_.end(); }

  // Converts every string from the meter's DOS code page (DosToWindows), in place.
  void ExchangeDOSSonderzeichen();

 private:
  std::vector<std::string> items_;
};

// One entry of the materials or media list.
struct MediMatItem {
  std::string name;
  std::int16_t code = 0;
  std::uint8_t kind = 0;   // kind letter; 'R' marks an item built into the meter
  std::uint8_t extra = 0;  // the further byte stored after the kind letter

  friend bool operator==(const MediMatItem&, const MediMatItem&) = default;
};

// Reads one item as the storage image holds it: a counted string (the name),
// the code word (i16) and a second word whose low byte is the kind letter and
// whose high byte is the further byte. Throws EOutOfBounds when it is cut off.
MediMatItem ReadMediMatItem(ByteReader& reader);

// A lookup list of material or medium names by code. Items keep the order in
// which they were added; the default code is the code whose name stands in
// for codes that no item carries.
class TMediMatStrColl {
 public:
  static constexpr std::int16_t kMaterialsDefaultCode = 0;
  static constexpr std::int16_t kMediaDefaultCode = 10000;
  static constexpr std::uint8_t kBuiltInKind = 'R';

  explicit TMediMatStrColl(std::int16_t defaultCode) : defaultCode_(defaultCode) {}

  std::int16_t DefaultCode() const { return defaultCode_; }
  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  void Add(MediMatItem item) { items_.push_back(std::move(item)); }
  // Item `index`; throws std::out_of_range past the end.
  const MediMatItem& Item(std::size_t index) const;
  const MediMatItem& operator[](std::size_t index) const { return Item(index); }
  void Clear() { items_.clear(); }

  // The last item added with this code, or nullptr.
  const MediMatItem* Find(std::int16_t code) const;
  // Name of Find(code); else the name of the default code's item; else "".
  std::string NameOf(std::int16_t code) const;
  // The item exists, has the kind letter 'R', and the code is not the default code.
  bool IsSpecial(std::int16_t code) const;
  // Converts every name from the meter's DOS code page (DosToWindows), in place.
  void ConvertNames();

 private:
  std::int16_t defaultCode_;
  std::vector<MediMatItem> items_;
};

}  // namespace gd
