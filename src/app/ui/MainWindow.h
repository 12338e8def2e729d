// The main window: owns the open measurement file, lists its series and shows
// the details of the selected one. All texts come from the pure models; the
// window only displays them.
#pragma once

#include <QMainWindow>

#include <memory>

#include "app/SeriesList.h"
#include "convert/TextStyle.h"
#include "core/FileStore.h"
#include "core/Locale.h"
#include "core/MeasurementFile.h"
#include "core/ParsedStreamHandler.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace gd {
class TVXASCIIOUT;
}

namespace gd::ui {

class TVELTRIXMAIN : public QMainWindow {
  Q_OBJECT
public:
  explicit TVELTRIXMAIN(QWidget* parent = nullptr);
  ~TVELTRIXMAIN() override;

  // Opens a measurement file and lists its series; an unusable file is
  // reported in an error box and leaves nothing open. Returns whether it opened.
  bool OpenMeasurementFile(const QString& path);

  // Writes the selected series (all when none is selected) to `target`: text,
  // ".xls" or a subset ".sdx" by its extension, with a progress dialog that
  // can cancel. Returns whether the file was written whole.
  bool SaveSeries(const QString& target);
  // The parameter-set text of the selected series (series 1 when none), or
  // the message that stands instead, in a text window.
  void ShowParameterSets();
  void SetTimeMode(int mode);

  QAction* MEN_OpenFile() const { return menOpenFile_; }
  QAction* MEN_SAVEFILE() const { return menSaveFile_; }
  QAction* MEN_Parasaetze() const { return menParameterSets_; }
  QAction* MEN_Exit() const { return menExit_; }
  QTableWidget* SeriesList() const { return list_; }
  QPlainTextEdit* DetailsPanel() const { return details_; }

private:
  void CreateMenus();
  void CreateCentralArea();
  void FillSeriesList();
  void ShowDetails();
  void MEN_OpenFileClick();
  void MEN_SAVEFILEClick();
  void UpdateEnabled();
  std::vector<int> SelectedSeries() const;
  int SelectedSeriesNumber() const;

  Locale locale_ = Locale::German();
  DiskFileStore files_;
  ParsedStreamHandler handler_;
  std::unique_ptr<IMessages> messages_;
  std::unique_ptr<MeasurementFile> file_;
  TSeriesListModel listModel_;
  TextOutputOptions textOptions_;
  std::unique_ptr<TVXASCIIOUT> converter_;

  QAction* menOpenFile_ = nullptr;
  QAction* menSaveFile_ = nullptr;
  QAction* menParameterSets_ = nullptr;
  QAction* menExit_ = nullptr;
  QTableWidget* list_ = nullptr;
  QLabel* detailsLabel_ = nullptr;
  QPlainTextEdit* details_ = nullptr;
};

}  // namespace gd::ui
