// Which series a save or conversion works on, and the model of the dialog in
// which the user chooses them (`TDualListDlg`).
//
// A selection is the list of chosen series in the chosen order. Its byte
// string form has one character per series whose code is the series number
// - 1; that form can name series 1..256 only, while a directory may hold
// more, so the selection keeps the numbers themselves and refuses to give a
// byte string that would name the wrong series.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gd {

class SeriesSelection {
 public:
  static constexpr int kMaxByteStringSeries = 256;

  SeriesSelection() = default;
  // Series numbers from 1, in the chosen order.
  explicit SeriesSelection(std::vector<int> seriesNumbers);
  // Series 1..count in order.
  static SeriesSelection All(int count);
  // The series named by a byte string (character code + 1 each).
  static SeriesSelection FromString(std::string_view selection);

  const std::vector<int>& Numbers() const { return numbers_; }
  std::size_t Size() const { return numbers_.size(); }
  bool Empty() const { return numbers_.empty(); }

  // Whether every series number fits the byte string form.
  bool FitsString() const;
  // The byte string form; throws EGaugData when a series number is outside
  // 1..256.
  std::string ToString() const;

  friend bool operator==(const SeriesSelection&, const SeriesSelection&) = default;

 private:
  std::vector<int> numbers_;
};

// One entry of the series list as the selection dialog shows it.
struct SeriesListItem {
  std::string caption;  // "%.2d" of the series number
  int seriesNumber = 0;
  bool selected = false;
};

// The state of the series selection dialog (caption "Speichern von
// Meßwertreihen"): all series, the series selected in the main list, or a
// free choice in a source and a destination list.
class SeriesSelectionModel {
 public:
  enum class Choice { kAll, kSelected, kPick };

  // Takes the main list's entries with their selection state; clears the
  // destination and sets the choice as the dialog opens.
  void Prepare(const std::vector<SeriesListItem>& items);

  static std::string Caption();
  std::string AllCaption() const;       // "&Alle (%d Reihen)"
  std::string SelectedCaption() const;  // "&Selektierte (%d Reihen)"
  // RB_Selektierte is offered only when fewer than all series are selected.
  bool SelectedChoiceVisible() const { return selectedCount_ < allCount_; }
  // The two lists with their buttons are shown only for the free choice.
  bool PickerVisible() const { return choice_ == Choice::kPick; }

  Choice GetChoice() const { return choice_; }
  void SetChoice(Choice choice) { choice_ = choice; }

  const std::vector<SeriesListItem>& Source() const { return source_; }
  const std::vector<SeriesListItem>& Destination() const { return destination_; }
  void SetSourceSelected(std::size_t index, bool selected);
  void SetDestinationSelected(std::size_t index, bool selected);

  // ">" and "<": the selected items move to the end of the other list, the
  // last selected first; the item now at the former first selection (or the
  // last one) is selected.
  void Include();
  void Exclude();
  // ">>" and "<<": all items move in order.
  void IncludeAll();
  void ExcludeAll();

  bool IncludeEnabled() const { return !source_.empty(); }       // ">" and ">>"
  bool ExcludeEnabled() const { return !destination_.empty(); }  // "<" and "<<"

  // The selection after OK.
  SeriesSelection Result() const;

 private:
  static void MoveSelected(std::vector<SeriesListItem>& from, std::vector<SeriesListItem>& to);
  static void MoveAll(std::vector<SeriesListItem>& from, std::vector<SeriesListItem>& to);

  std::vector<SeriesListItem> all_;  // the main list as prepared
  std::vector<SeriesListItem> source_;
  std::vector<SeriesListItem> destination_;
  int allCount_ = 0;
  int selectedCount_ = 0;
  Choice choice_ = Choice::kAll;
};

}  // namespace gd
