// The meter's built-in tables as the program holds them after loading them
// from a connected meter: plain tables (languages, coefficient sets) and named
// tables with entry names (materials, media), their record layouts, and the
// text renderings the device-table dialog and the command-line tool show.
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Bytes.h"
#include "core/Collections.h"

namespace gd {

// A plain device table: fixed-size records.
class TFRD_Tabelle {
 public:
  bool loaded = false;
  TTabCollection records{0};

  // Records removed, loaded false.
  void Clear() {
    records.Clear();
    loaded = false;
  }
};

// A named device table: a table name, one entry name per record, and the set
// of entries the user may edit on the meter (their records are not sent).
class TFRD_MenuAndTab {
 public:
  static constexpr std::size_t kMaxNameLength = 16;

  std::string name;
  std::bitset<256> editable;
  bool loaded = false;
  TNoSortStringCollection entryNames;
  TTabCollection records{0};

  // Name empty, editable set clear, names and records removed, not loaded.
  void Clear();
  // "EDITIERBAR" for an editable entry, otherwise "".
  std::string EditMark(std::size_t index) const;
  std::size_t EntryCount() const { return entryNames.Count(); }
};

// Table kinds the program asks the meter for.
enum DeviceTableKind : std::uint8_t {
  kTableMaterials = 1,
  kTableMedia = 2,
  kTableLanguages = 17,
  kTableFactoryCoefficients = 26,
  kTableUserCoefficients = 27,
};

// The five tables loaded from a connected meter, held beside the link for the
// life of the program.
struct DeviceTables {
  TFRD_Tabelle languages;
  TFRD_Tabelle factoryCoefficients;
  TFRD_Tabelle userCoefficients;
  TFRD_MenuAndTab materials;
  TFRD_MenuAndTab media;
};

// --- Record layouts ----------------------------------------------------------
// Records shorter than their layout read the missing bytes as zeros, so a
// meter with a short record size shows zeros instead of reading past it.

struct LanguageRecord {
  std::string code;  // at most 4 characters
  std::string name;
  static LanguageRecord From(ByteView record);
};

struct MaterialRecord {
  std::uint16_t descriptor = 0;
  std::uint16_t minTransversalSpeed = 0;  // 0.1 m/s
  std::uint16_t maxTransversalSpeed = 0;  // 0.1 m/s
  std::uint16_t roughness = 0;            // 0.1 mm
  static MaterialRecord From(ByteView record);
};

struct MediumRecord {
  std::uint16_t descriptor = 0;
  std::uint16_t minSoundSpeed = 0;  // 0.1 m/s
  std::uint16_t maxSoundSpeed = 0;  // 0.1 m/s
  long double minViscosity = 0;     // mm²/s
  long double maxViscosity = 0;     // mm²/s
  long double density = 0;          // g/cm³
  static MediumRecord From(ByteView record);
};

// --- Renderings --------------------------------------------------------------

// Loads a table that is not loaded yet; throws what the load throws.
using TableLoad = std::function<void()>;

// Each rendering adds its translated title, loads the table first when it is
// not loaded (on failure it adds ">>KANN LISTE NICHT LADEN<<" and rethrows),
// one or more lines per entry, and a closing line of one blank.
void RenderLanguages(TNoSortStringCollection& list, TFRD_Tabelle& table, const TableLoad& load);
void RenderMaterials(TNoSortStringCollection& list, TFRD_MenuAndTab& table, bool withValues,
                     const TableLoad& load);
void RenderMedia(TNoSortStringCollection& list, TFRD_MenuAndTab& table, bool withValues,
                 const TableLoad& load);

// A number right-aligned in `width` characters with `decimals` decimals and a
// decimal point, whatever the process locale ("%8.1f").
std::string FixedText(long double value, int width, int decimals);

}  // namespace gd
