#include "app/SeriesList.h"

#include <algorithm>
#include <cstddef>

#include "core/FormatText.h"
#include "core/ReihenMemoStrings.h"
#include "core/TextTools.h"

namespace gd {
namespace {

constexpr std::size_t kNameCells = 8;  // the Name column shows at most 8 characters

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) out += separator;
    out += parts[i];
  }
  return out;
}

}  // namespace

// --- Details -----------------------------------------------------------------

std::vector<std::string> SeriesDetailsLines(int seriesNumber, const TSeriesDescription* series,
                                            const Locale& locale) {
  std::vector<std::string> lines;
  if (!series) {
    lines.emplace_back(kBadBytesText);
    return lines;
  }
  const Moment start = SeriesStart(series->entry);
  lines.push_back(FormatText(Translate("Messwert-Reihe %2.2d vom %s enthaelt:"),
                             {seriesNumber, MomentText(start.date, start.seconds, locale)}));
  const std::string channelPattern = Translate(
      "Kanal %s: %4d Werte [%s] der Me\xDF"
      "stelle '%s'");
  for (std::size_t k = 0; k < series->channelCount && k < kMaxChannels; ++k) {
    const TChannelDescription& c = series->channels[k];
    const std::string letter(1, static_cast<char>(c.letter));
    lines.push_back(FormatText(
        channelPattern,
        {letter, series->valueCounts[k + 1], c.parameterSet.UnitText(), c.head.MeasuringPoint()}));
  }
  if (series->damaged) lines.emplace_back(kBadBytesText);
  return lines;
}

std::string SeriesDetailsText(int seriesNumber, const TSeriesDescription* series,
                              const Locale& locale) {
  return Join(SeriesDetailsLines(seriesNumber, series, locale), "\r\n");
}

// --- Labels ------------------------------------------------------------------

std::string DetailsPanelLabel(bool commentMode, int selected) {
  if (!commentMode) return Translate("Details der Messwertreihe:");
  if (selected <= 0) return Translate("Bemerkungen zur Messwertreihe:");
  return FormatText(Translate("&Bemerkungen zur Messwertreihe %2.2d:"), {selected});
}

std::string SeriesMenuCaption(int selected) {
  if (selected <= 0) return Translate("&Messwertreihe");
  return FormatText(Translate("&Messwertreihe %2.2d"), {selected});
}

// --- The list ----------------------------------------------------------------

void SeriesListModel::Build(std::vector<const TSeriesDescription*> descriptions) {
  descriptions_ = std::move(descriptions);
  letters_.clear();
  for (const TSeriesDescription* d : descriptions_) {
    if (!d) continue;
    for (std::size_t k = 0; k < d->channelCount && k < kMaxChannels; ++k) {
      const char letter = static_cast<char>(d->channels[k].letter);
      if (letters_.find(letter) == std::string::npos) letters_ += letter;
    }
  }
  std::sort(letters_.begin(), letters_.end(), [](char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  });
  Fill();
}

void SeriesListModel::Build(const std::vector<TReihenMemoStrings>& rows) {
  std::vector<const TSeriesDescription*> descriptions;
  descriptions.reserve(rows.size());
  for (const TReihenMemoStrings& row : rows) descriptions.push_back(row.Description());
  Build(std::move(descriptions));
}

void SeriesListModel::Clear() { Build(std::vector<const TSeriesDescription*>{}); }

void SeriesListModel::SetTimeMode(int mode) {
  timeMode_ = mode;
  Fill();
}

void SeriesListModel::SetLocale(const Locale& locale) {
  locale_ = locale;
  Fill();
}

void SeriesListModel::Refill() { Fill(); }

bool SeriesListModel::TimeColumnVisible() const {
  return timeMode_ >= kTimeColumnStart && timeMode_ <= kTimeColumnDuration;
}

const TSeriesDescription* SeriesListModel::Description(int row) const {
  return descriptions_.at(static_cast<std::size_t>(row));
}

const std::vector<std::string>& SeriesListModel::Cells(int row) const {
  return cells_.at(static_cast<std::size_t>(row));
}

void SeriesListModel::Fill() {
  columns_.clear();
  columns_.push_back({Translate("NR"), false, true});
  static const char* const kTimeCaptions[] = {"START", "ENDE", "DAUER"};
  columns_.push_back({TimeColumnVisible() ? Translate(kTimeCaptions[timeMode_]) : std::string(),
                      false, TimeColumnVisible()});
  const std::string values = Translate("Werte");
  const std::string name = Translate("Name");
  for (char letter : letters_) {
    const std::string l(1, letter);
    columns_.push_back({FormatText("%s:[...]", {l}), false, true});
    columns_.push_back({FormatText("%s:%s", {l, values}), true, true});
    columns_.push_back({FormatText("%s:%s", {l, name}), false, true});
  }

  cells_.assign(descriptions_.size(), std::vector<std::string>(columns_.size()));
  for (std::size_t row = 0; row < descriptions_.size(); ++row) {
    std::vector<std::string>& cells = cells_[row];
    cells[0] = FormatText("%.2d", {static_cast<int>(row + 1)});
    const TSeriesDescription* d = descriptions_[row];
    if (!d) continue;
    cells[1] = SeriesTimeCell(*d, timeMode_, locale_);
    for (std::size_t k = 0; k < d->channelCount && k < kMaxChannels; ++k) {
      const TChannelDescription& c = d->channels[k];
      const std::size_t index = letters_.find(static_cast<char>(c.letter));
      const std::size_t col = 2 + 3 * index;
      cells[col] = c.parameterSet.UnitText();
      cells[col + 1] = FormatText("%d", {d->valueCounts[k + 1]});
      std::string point = c.head.MeasuringPoint();
      if (point.size() > kNameCells) point.resize(kNameCells);
      cells[col + 2] = "'" + point + "'";
    }
  }
}

std::string SeriesListModel::CaptionLine(char separator) const {
  std::vector<std::string> captions;
  for (const SeriesListColumn& c : columns_) captions.push_back(c.caption);
  return Join(captions, std::string_view(&separator, 1));
}

std::string SeriesListModel::RowLine(int row, char separator) const {
  return Join(Cells(row), std::string_view(&separator, 1));
}

std::string SeriesListModel::CopyText(const std::vector<int>& rows) const {
  std::string text;
  for (int row : rows) {
    if (row < 0 || row >= RowCount()) continue;
    if (text.empty()) text = CaptionLine() + "\r\n";
    text += RowLine(row) + "\r\n";
  }
  return text;
}

}  // namespace gd
