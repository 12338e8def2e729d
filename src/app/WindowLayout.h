// The remembered layout of the windows: the main window's place and size
// (and whether it was maximized), the split between the series list and the
// details, and the sizes of the table view and the dialogs. The
// configuration file keeps them in a section of its own, [Layout]:
//
//   [Layout]
//   MainWindow=120,80,900,560       x, y, width, height of the normal frame
//   MainWindow.Maximized=0
//   MainWindow.Splitter=320,240     the panes' sizes from top to bottom
//   ValuesInGrid=0,0,760,520        a dialog keeps only its size
//
// A stored place is brought onto the screens that exist when it is used
// (ClampToScreens), so a window never opens where no screen shows it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gd {

class IniFile;

inline constexpr std::string_view kLayoutSection = "Layout";

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The smallest window the layout restores: anything smaller is taken as a
// damaged value.
inline constexpr int kMinWindowExtent = 80;
inline constexpr int kMaxWindowExtent = 100000;

// `window` moved and shrunk as little as possible so that it lies whole on
// one of `screens` (their usable areas): the screen it overlaps most, or,
// when it overlaps none, the screen whose centre lies nearest to its centre.
// A window larger than that screen shrinks to the screen's size. Without
// screens the window comes back unchanged.
Rect ClampToScreens(Rect window, const std::vector<Rect>& screens);

class WindowLayout {
 public:
  // The window's stored frame; nullopt when none is stored or the value is
  // damaged (not four whole numbers, a size outside kMinWindowExtent ..
  // kMaxWindowExtent, a place beyond ±kMaxWindowExtent).
  std::optional<Rect> Frame(const std::string& window) const;
  void SetFrame(const std::string& window, const Rect& frame);
  bool Maximized(const std::string& window) const;
  void SetMaximized(const std::string& window, bool maximized);
  // The sizes of a splitter's panes; empty when none are stored or the value
  // is damaged (not 2..16 whole numbers 0 .. kMaxWindowExtent).
  std::vector<int> Splitter(const std::string& window) const;
  void SetSplitter(const std::string& window, const std::vector<int>& sizes);

  // Reads the section; other sections stay untouched by Write, and keys of
  // windows this program no longer has are written back as they were.
  static WindowLayout Read(const IniFile& ini);
  void Write(IniFile& ini) const;

 private:
  struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  std::map<std::string, std::string, NoCaseLess> values_;  // key -> value text
};

}  // namespace gd
