#include "app/ui/SeriesListItemModel.h"

#include "core/ui/AnsiText.h"

namespace gd::ui {

QVariant SeriesListItemModel::data(const QModelIndex& index, int role) const {
  // The counts are checked against the list itself too: the list may have
  // been built anew (a message box during opening lets the view paint) before
  // the window calls Rebuild.
  if (!index.isValid() || index.row() >= rows_ || index.column() >= columns_ ||
      index.row() >= list_.RowCount())
    return {};
  const auto column = static_cast<std::size_t>(index.column());
  if (role == Qt::DisplayRole) {
    const std::vector<std::string>& cells = list_.Cells(index.row());
    return column < cells.size() ? FromAnsi(cells[column]) : QString();
  }
  if (role == Qt::TextAlignmentRole && column < list_.Columns().size() &&
      list_.Columns()[column].rightAligned)
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant SeriesListItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columns_ ||
      section >= static_cast<int>(list_.Columns().size()) || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  return FromAnsi(list_.Columns()[static_cast<std::size_t>(section)].caption);
}

void SeriesListItemModel::Rebuild() {
  beginResetModel();
  rows_ = list_.RowCount();
  columns_ = static_cast<int>(list_.Columns().size());
  endResetModel();
}

void SeriesListItemModel::Clear() {
  beginResetModel();
  rows_ = columns_ = 0;
  endResetModel();
}

void SeriesListItemModel::Refresh() {
  if (rows_ != list_.RowCount() || columns_ != static_cast<int>(list_.Columns().size())) {
    Rebuild();
    return;
  }
  if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  if (rows_ > 0 && columns_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

}  // namespace gd::ui
