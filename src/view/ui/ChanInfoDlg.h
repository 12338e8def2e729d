// TChanInfoDlg: the channel information of one series. The texts come from
// BuildChannelInfo (view/InfoTexts.h); the dialog recomputes them whenever
// the channel changes and hands the chosen channel back to its caller.
#pragma once

#include <QDialog>

#include <cstddef>

#include "core/Locale.h"
#include "core/StreamParser.h"
#include "core/VXAblage.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;

namespace gd::ui {

class TChanInfoDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TChanInfoDlg(QWidget* parent = nullptr);

  // Shows `channel` of `series`; both references must outlive the dialog.
  void Prepare(const TSeriesDescription& series, const ParsedStream& parsed, const Locale& locale,
               std::size_t channel = 0);
  // The channel shown (0-based).
  std::size_t Channel() const { return channel_; }
  void SetChannel(std::size_t channel);
  // A click on LB_KANAL or LBV_KANAL: the next channel, wrapping to the first.
  void StepChannel();

  QLabel* Value(const char* name) const;
  QPlainTextEdit* MEMO_ENTHALTEN() const { return memoEnthalten_; }
  QComboBox* Comb_Kanal() const { return combKanal_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show();
  QLabel* AddRow(QGridLayout* grid, int row, const QString& caption, const char* captionName,
                 const char* valueName);

  const TSeriesDescription* series_ = nullptr;
  const ParsedStream* parsed_ = nullptr;
  Locale locale_;
  std::size_t channel_ = 0;

  QLabel* lbKanal_ = nullptr;
  QLabel* lbvKanal_ = nullptr;
  QComboBox* combKanal_ = nullptr;
  QLabel* lbFunction_ = nullptr;
  QLabel* lbSensor_ = nullptr;
  QLabel* lbStrecke_ = nullptr;
  QLabel* lbKleinster_ = nullptr;
  QLabel* lbGroesster_ = nullptr;
  QLabel* lbEnthalten_ = nullptr;
  QPlainTextEdit* memoEnthalten_ = nullptr;
};

}  // namespace gd::ui
