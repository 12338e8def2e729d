// The main window: owns the open measurement file, lists its series and shows
// the details of the selected one. All texts come from the pure models; the
// window only displays them.
#pragma once

#include <QMainWindow>

#include <memory>

#include "app/SeriesList.h"
#include "core/FileStore.h"
#include "core/Locale.h"
#include "core/MeasurementFile.h"
#include "core/ParsedStreamHandler.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace gd::ui {

class TVELTRIXMAIN : public QMainWindow {
  Q_OBJECT
public:
  explicit TVELTRIXMAIN(QWidget* parent = nullptr);
  ~TVELTRIXMAIN() override;

  // Opens a measurement file and lists its series; an unusable file is
  // reported in an error box and leaves nothing open. Returns whether it opened.
  bool OpenMeasurementFile(const QString& path);

  QAction* MEN_OpenFile() const { return menOpenFile_; }
  QAction* MEN_Exit() const { return menExit_; }
  QTableWidget* SeriesList() const { return list_; }
  QPlainTextEdit* DetailsPanel() const { return details_; }

private:
  void CreateMenus();
  void CreateCentralArea();
  void FillSeriesList();
  void ShowDetails();
  void MEN_OpenFileClick();

  Locale locale_ = Locale::German();
  DiskFileStore files_;
  ParsedStreamHandler handler_;
  std::unique_ptr<IMessages> messages_;
  std::unique_ptr<MeasurementFile> file_;
  TSeriesListModel listModel_;

  QAction* menOpenFile_ = nullptr;
  QAction* menExit_ = nullptr;
  QTableWidget* list_ = nullptr;
  QLabel* detailsLabel_ = nullptr;
  QPlainTextEdit* details_ = nullptr;
};

}  // namespace gd::ui
