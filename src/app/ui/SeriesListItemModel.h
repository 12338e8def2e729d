// The Qt item model in front of the main window's series list: the list view
// reads the cells, captions and alignments of the pure list model
// (SeriesList.h) on demand, so a directory of thousands of series is shown
// without building a widget item per cell.
#pragma once

#include <QAbstractTableModel>

#include "app/SeriesList.h"

namespace gd::ui {

class SeriesListItemModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit SeriesListItemModel(const SeriesListModel& list, QObject* parent = nullptr)
      : QAbstractTableModel(parent), list_(list) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : rows_;
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : columns_;
  }
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // After the list was built anew (another file, or none): rows and columns
  // start over, the selection is cleared.
  void Rebuild();
  // After the list refilled its texts (time column mode, locale, language):
  // the rows stay and so does the selection. Falls back to Rebuild when the
  // shape changed.
  void Refresh();
  // Shows nothing and reads the list no more until the next Rebuild: for a
  // list that goes before the view does.
  void Clear();

 private:
  const SeriesListModel& list_;
  int rows_ = 0;
  int columns_ = 0;
};

}  // namespace gd::ui
