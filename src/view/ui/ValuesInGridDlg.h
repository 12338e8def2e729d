// The table view `TDLG_ValuesInGrid`: the values of one channel of a series
// in a grid, with the channel choice, filling and saving under a progress
// panel with a cancel button, the parameter set beside it and copying of the
// selected cells.
//
// The cells come from ValuesTable (view/ValuesTable.h); the grid is a
// QTableView over a model that reads them, so a table of several hundred
// thousand rows costs no widget item per cell. While filling, the dialog is
// the table's progress: every step shows the rows filled so far (unless
// "Beschleunigen" hides the grid) and lets events run, so "Abbrechen" works.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "convert/VXASCIIOUT.h"

#include "core/FileStore.h"
#include "core/Progress.h"
#include "view/ValuesTable.h"

class QCheckBox;
class QComboBox;
class QFont;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QWidget;

namespace gd::ui {

class TDLG_ShowOneParasatz;

// The grid's model: the header row and the data rows filled so far.
class ValuesTableModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ValuesTableModel(const ValuesTable& table, QObject* parent = nullptr)
      : QAbstractTableModel(parent), table_(table) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : rows_;
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : columns_;
  }
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Shows nothing (before a fill starts).
  void Clear();
  // Shows the table's rows and columns as they stand now.
  void Sync();

 private:
  const ValuesTable& table_;
  int rows_ = 0;
  int columns_ = 0;
};

class TDLG_ValuesInGrid final : public QDialog, public IProgress {
  Q_OBJECT
 public:
  explicit TDLG_ValuesInGrid(QWidget* parent = nullptr);

  // The caller's data: the source name for the caption, the open file's
  // conversion object (may be null), the folder of the save dialog, the
  // channel (0-based) and the series number. The next show fills the table.
  void Prepare(const std::string& sourceName, TVXASCIIOUT* engine, const QString& folder,
               int channel, int series);

  // Fills the grid for the chosen channel; nothing happens while a fill runs.
  void FillGrid();
  // BUT_SaveThisTable: asks for a name and writes the table; false when no
  // file was written whole.
  bool BUT_SaveThisTableClick();
  // Writes the table to `target` (text, or a workbook for ".xls").
  bool SaveTable(const QString& target);
  void BUT_ShowParasatzClick();
  // The selected cells as lines, every cell followed by the column separator.
  QString SelectionText() const;
  void CopySelection() const;
  // BitBtn1 "Abbrechen".
  void BitBtn1Click() { cancelled_ = true; }

  // The save dialog; the default asks Qt's dialog (starting in `folder`,
  // with the earlier saved names' folders as its history). Empty when
  // cancelled.
  std::function<QString(QWidget* parent, const QString& folder, const QStringList& history)>
      saveName;
  // Told every file name the table was saved under (the shared history).
  std::function<void(const QString& target)> rememberSaved;
  void SetSaveHistory(const QStringList& names) { saveHistory_ = names; }
  // Called with the parameter-set window when BUT_ShowParasatz has just made
  // it (its font comes from the configuration).
  std::function<void(TDLG_ShowOneParasatz& window)> parameterSetWindowCreated;
  // Told the grid font the user chose with FONT1 (the configuration keeps it).
  std::function<void(const QFont& font)> gridFontChosen;

  // PopupMenu1 FONT1: the grid font; the dialog's choice shows at once and
  // Cancel brings the previous font back.
  void FONT1Click();
  void SetGridFont(const QFont& font);
  QFont GridFont() const;

  // IProgress while filling or saving.
  void SetMaximum(std::int64_t maximum) override;
  void Advance(std::int64_t steps) override;
  void LetEventsRun() override;
  bool Cancelled() const override { return cancelled_; }

  // Width per output column index: applied to the grid after every fill,
  // taken back from the grid when the window closes.
  using ColumnWidths = std::array<int, kOutColumnCount>;
  void SetColumnWidths(const ColumnWidths& widths) { columnWidths_ = widths; }
  const ColumnWidths& GetColumnWidths() const { return columnWidths_; }
  // The output column indexes of the grid's columns after column 0.
  std::vector<int> GridColumns() const;

  const ValuesTable& Table() const { return table_; }
  bool Filling() const { return filling_; }
  QTableView* WerteStringGrid() const { return grid_; }
  QComboBox* Comb_Kanal() const { return combKanal_; }
  QPushButton* BUT_SaveThisTable() const { return butSave_; }
  QPushButton* BUT_ShowParasatz() const { return butParams_; }
  QPushButton* OKBtn() const { return okBtn_; }
  // The parameter-set window while it is open, else null.
  QDialog* ParameterSetWindow() const;
  QWidget* PAN_ExtractViews() const { return panExtract_; }
  QCheckBox* CB_SpeedUp() const { return cbSpeedUp_; }
  QLabel* LBV_MessreiheNr() const { return lbvSeries_; }
  QLabel* LBV_DateTime() const { return lbvDateTime_; }

 public slots:
  void reject() override;
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowBusy(bool busy, const char* gaugeText);
  void ChannelChanged(int index);
  void ApplyColumnWidths();
  void TakeColumnWidths();

  ValuesTable table_;
  ValuesTableModel* model_ = nullptr;
  TVXASCIIOUT* engine_ = nullptr;
  DiskFileStore files_;
  ColumnWidths columnWidths_{};
  std::string sourceName_;
  QString folder_;
  QStringList saveHistory_;
  int series_ = 0;
  int channel_ = 0;
  bool filling_ = false;
  bool csvExcelDe_ = false;  // the save dialog's data-table layout: semicolons, decimal commas
  bool cancelled_ = false;
  bool firstActivation_ = true;
  bool refilling_ = false;

  QLabel* lbvSeries_ = nullptr;
  QLabel* lbvDateTime_ = nullptr;
  QLabel* labKanal_ = nullptr;
  QComboBox* combKanal_ = nullptr;
  QWidget* panExtract_ = nullptr;
  QLabel* labGauge_ = nullptr;
  QProgressBar* gauge_ = nullptr;
  QCheckBox* cbSpeedUp_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
  QPushButton* butParams_ = nullptr;
  QPushButton* butSave_ = nullptr;
  QPushButton* okBtn_ = nullptr;
  QPointer<TDLG_ShowOneParasatz> paraWindow_;  // BUT_ShowParasatz's window, closed with this one
  QTableView* grid_ = nullptr;
};

}  // namespace gd::ui
