// The conversion object `TVXASCIIOUT`: turns the series of one measurement
// byte stream into columns, text lines and spreadsheet cells.
//
// It parses the stream once when it is created and owns the parse and the
// navigator over it. For every value record it fills a table of 28 output
// columns, each with a right-aligned value text and a number (or one of the
// two markers below). The text export writes whole series through it; the
// table view and the diagram set up the columns for a channel and convert one
// record at a time:
//
//     TSeriesDescription d;  nav.GetSeriesDescription(n, d);
//     out.StartChannelClocks(d.entry, d);
//     nav.SelectSeries(n);
//     while (nav.NextRecord(rec)) {
//       nav.AttachChannel(rec);
//       out.SetupColumns(...) once, then out.ConvertRecord(channel, rec);
//       read out.Column(i).valueText / .numeric of the enabled columns
//     }
//
// The text style bits, the number width and the separator character steer
// every conversion (see TextStyle.h). Everything that can be worked out once
// per option change (padded marker texts, the effective decimal separator,
// compiled date and time patterns) is, so converting a record neither
// allocates nor consults the locale.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/HeatFlow.h"
#include "convert/LabelTable.h"
#include "convert/NumberFormat.h"
#include "convert/OutputSinks.h"
#include "convert/TextStyle.h"
#include "core/Bytes.h"
#include "core/DateTime.h"
#include "core/DateTimePattern.h"
#include "core/Locale.h"
#include "core/Progress.h"
#include "core/StreamParser.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"

namespace gd {

class TReihenMemoStrings;

// Numeric markers of a column: no value in this record / an invalid value.
inline constexpr long double kNoValueMarker = -1.5e38L;
inline constexpr long double kInvalidMarker = 1.5e38L;
// Whether a column number is a real value (neither marker, nor beyond them).
inline bool IsRealColumnValue(long double v) { return v > -1e38L && v < 1e38L; }

inline constexpr int kOutColumnCount = 28;
inline constexpr std::size_t kHeaderCapacity = 16;
inline constexpr std::size_t kValueTextCapacity = 40;

// Indices of the output columns.
enum OutColumnIndex : int {
  kColLetter = 0,
  kColDate = 1,
  kColTime = 2,
  kColVeloc = 3,
  kColMeasure = 4,
  kColQuant = 5,
  kColQPos = 6,
  kColQNeg = 7,
  kColFQuant = 8,
  kColFQPos = 9,
  kColFQNeg = 10,
  kColInput1 = 11,
  kColInput2 = 12,
  kColInput1Raw = 13,
  kColInput2Raw = 14,
  kColInput3 = 15,
  kColInput4 = 16,
  kColInput5 = 17,
  kColInput8 = 20,
  kColSoundSpeed = 21,
  kColSensorTempV = 22,
  kColSensorTempR = 23,
  kColConcentration = 24,
  kColAmplitude = 25,
  kColAdx6 = 26,
  kColAdx7 = 27,
};

// `TOutColumn`: one output column.
struct TOutColumn {
  bool enabled = false;
  std::string header;       // headline, already padded (at most 16 characters)
  std::string valueText;    // value of the current record (at most 40 characters)
  std::string description;  // quantity name for the viewers (at most 16)
  std::string unit;         // at most 16
  std::string shortName;    // at most 16
  long double numeric = kNoValueMarker;
  int decimals = 0;
  long double scale = 0;
};

// `ChannelClock`: the running date and time of one channel's records.
struct ChannelClock {
  DateRecord startDate;
  std::int32_t startTime = 0;
  Span interval;
  std::int32_t recordCounter = 0;
  DateRecord currentDate;
  std::int32_t currentTime = 0;
};

// The parameter-set text of channels first..last (0-based) of a series, as
// lines; `valueCounts` (element k + 1 = stored values of channel k) or null.
using ParameterSetWriter = std::function<void(
    const TRcaEntry& entry, int first, int last, const std::array<std::int32_t, 9>* valueCounts,
    const TSeriesDescription& series, std::vector<std::string>& lines)>;

class TVXASCIIOUT {
 public:
  // create: parses `stream` (not owned; it must outlive the object) and
  // creates the navigator. An empty stream gives status kStreamNoStream and
  // an object that converts nothing. `status`, when given, receives the
  // status word if the parse failed or kStreamNoStream / kStreamNoNavigator /
  // kStreamNoDirectory is set. The language code selects the label language
  // (an empty code keeps the stream's own). `grid` and `output` may be null.
  TVXASCIIOUT(std::string fileName, TranslateFunction dictionary, std::uint16_t* status,
              std::string_view language, std::uint32_t styleBits, IGridSink* grid,
              IByteSink* output, ByteView stream);
  ~TVXASCIIOUT();
  TVXASCIIOUT(const TVXASCIIOUT&) = delete;
  TVXASCIIOUT& operator=(const TVXASCIIOUT&) = delete;

  // --- State and options ----------------------------------------------------
  std::uint16_t Status() const { return status_; }
  // Whether the stream parsed well enough to be converted.
  bool Usable() const { return navigator_ != nullptr; }
  const std::string& FileName() const { return fileName_; }
  const ParsedStream& Parsed() const { return *parsed_; }
  // Takes over the prolog bytes a save changed (user-data flag, reception
  // stamp), so that texts built from the parsed prolog show the file as it is
  // now. Shorter input changes nothing.
  void RefreshProlog(ByteView prolog);
  // Throws EBinFileInvalid when the stream is not usable.
  TVXAblage& Navigator();
  const TLabelTable& Labels() const { return labels_; }
  const TranslateFunction& Dictionary() const { return dictionary_; }

  void SetOptions(const TextOutputOptions& options);  // style, ColLength, separator, language
  void SetStyle(std::uint32_t styleBits);
  std::uint32_t Style() const { return options_.style; }
  void SetColLength(int colLength);  // limited to 7..16
  int ColLength() const { return options_.colLength; }
  void SetSeparatorChar(char c);
  // Dates, times and the system decimal separator.
  void SetLocale(const Locale& locale);
  const Locale& GetLocale() const { return locale_; }

  // Output of a run (all borrowed, all may be null).
  void SetOutput(IByteSink* output) { output_ = output; }
  // A non-null sheet switches to spreadsheet mode.
  void SetSpreadsheet(ISpreadsheetSink* sheet) { sheet_ = sheet; }
  bool SpreadsheetMode() const { return sheet_ != nullptr; }
  void SetRow(int row) { row_ = row; }
  int Row() const { return row_; }
  void SetGrid(IGridSink* grid) { grid_ = grid; }
  // Progress and cancel; `maximum` is the gauge maximum the caller set.
  void SetProgress(IProgress* progress, std::int64_t maximum);
  // Whether the last ConvertRecords ended because of a cancel.
  bool Cancelled() const { return cancelled_; }
  // Replaces the parameter-set text of the "\PARAMS" blocks (by default the
  // text of ParameterSetText in the selected label language).
  void SetParameterSetWriter(ParameterSetWriter writer) { parameterSetWriter_ = std::move(writer); }

  // SetLanguage: the first three characters select a label language; an
  // empty code keeps the current one, an unknown code selects the first.
  void SetLanguage(std::string_view code);
  const std::string& LanguageCode() const { return language_; }

  // --- Lines ------------------------------------------------------------------
  // The value right-aligned in ColLength characters with the style's decimal
  // separator.
  std::string FormatNumber(int decimals, long double value) const;
  void AppendNumber(std::string& out, int decimals, long double value) const;
  // With the DOS-characters bit, Ä Ü ß ä ö ü become their DOS codes.
  std::string ToOutputCharset(std::string_view text) const;
  void WriteLine(std::string_view text);
  // Quoted with the delimited bit; added to `list` when given, else written.
  void WriteDelimited(std::vector<std::string>* list, std::string_view text);
  void ColumnSeparator(std::string& text) const;

  // --- Columns ----------------------------------------------------------------
  const TOutColumn& Column(int index) const { return columns_[static_cast<std::size_t>(index)]; }
  const std::array<TOutColumn, kOutColumnCount>& Columns() const { return columns_; }
  void SetupColumns(bool withLetter, std::uint16_t storedValues, const TParameterSet& set,
                    std::uint8_t extraValues, const InputNames& inputs);
  void DescribeColumns(const InputNames& inputs, const TParameterSet& set);
  void WriteHeadline(bool withLetter, const TValueRecord& rec, bool headline);

  // --- Records ----------------------------------------------------------------
  void StartChannelClocks(const TRcaEntry& entry, const TSeriesDescription& series);
  const ChannelClock& Clock(int channel) const {
    return clocks_[static_cast<std::size_t>(channel & 7)];
  }
  // `channel` is the channel head's number, or -1 for records without one.
  void ConvertRecord(int channel, const TValueRecord& rec);
  void WriteRecord(int channel, const TValueRecord& rec);
  // Converts the current series' records of `channel` (1-based; 0 = all).
  void ConvertRecords(int channel, bool headline);

  // --- Series -----------------------------------------------------------------
  void WriteNoData();
  // Selector > 0: that series (at most the last); < 0: counted from the end;
  // 0: all. `comments` are the series' comment stores (found by series
  // number). Returns false when the run was cancelled (the output then ends
  // with "\BREAK").
  bool WriteSeries(int selector, std::span<const TReihenMemoStrings> comments = {});
  void WriteSeriesHeader(std::string_view sourceLine, const TRcaEntry& entry,
                         const TSeriesDescription& series);
  void WriteComments(int series, std::span<const TReihenMemoStrings> comments);
  // The parameter-set text of channels first..last (0-based): into `list`
  // when given, else written line by line through WriteDelimited.
  void WriteParameterSet(std::vector<std::string>* list, const TRcaEntry& entry, int first,
                         int last, const std::array<std::int32_t, 9>* valueCounts,
                         const TSeriesDescription& series);

  std::string TemperatureText(std::int16_t t, bool stored) const;

 private:
  struct PaddedTexts {
    std::string blank, unknown, noVelocity, notStored, undefined, fail, failBang, min, max;
  };
  struct CoefficientCache {
    const std::uint8_t* body = nullptr;
    const std::uint8_t* extended = nullptr;
    bool decoded = false;
    Real48 areaBytes{};
    HeatFlowInput input;  // area, coefficients and steam curves of the channel
  };

  void PrepareTexts();
  void SetHeader(int index, std::string_view name);
  long double HeatFlowValue(const TValueRecord& rec);
  void TemperatureInto(std::string& out, std::int16_t t, bool stored) const;
  void InputInto(TOutColumn& col, std::int16_t raw, bool stored, int index, bool withText) const;
  long double ScaledFactor(const RecordChannel& cp);
  // Texts are made for the enabled columns once columns are set up, for all
  // columns before that.
  bool Wanted(int index) const { return ((wantedColumns_ >> index) & 1u) != 0; }
  void TotalsInto(int sumCol, int posCol, int negCol, bool hasPos, long double pos, bool hasNeg,
                  long double neg, bool valuesValid, bool invalidAsMarker);
  void AppendDate(std::string& out, const DateRecord& date);
  std::string SourceVersionText() const;

  std::string fileName_;
  TranslateFunction dictionary_;
  std::uint16_t status_ = 0;
  std::string language_;
  TextOutputOptions options_;
  Locale locale_;
  char decimalSeparator_ = ',';  // the one FormatNumber writes
  DateTimePattern datePattern_, timePattern_;
  PaddedTexts padded_;

  ByteView stream_;
  std::unique_ptr<ParsedStream> parsed_;
  std::unique_ptr<TVXAblage> navigator_;
  TLabelTable labels_;

  IByteSink* output_ = nullptr;
  ISpreadsheetSink* sheet_ = nullptr;
  int row_ = 0;
  IGridSink* grid_ = nullptr;
  IProgress* progress_ = nullptr;
  std::int64_t progressMaximum_ = 0;
  bool cancelled_ = false;
  ParameterSetWriter parameterSetWriter_;

  std::array<TOutColumn, kOutColumnCount> columns_{};
  std::array<ChannelClock, 8> clocks_{};
  CoefficientCache heatCache_;
  Real48 factorBytes_{};
  long double factor_ = 0;
  std::vector<int> enabledColumns_;                  // indices of the enabled columns, in order
  std::uint32_t wantedColumns_ = ~std::uint32_t{0};  // bit i: column i gets its text
  std::uint16_t errorValue_ = 0;                     // prolog "MD ERROR-VALUE"
  long double totalErrorValue_ = 0;                  // prolog total error value
  DateRecord cachedDate_{};                          // date of cachedDateText_
  std::string cachedDateText_;
  bool cachedDateValid_ = false;
  std::string separator_;  // between the columns of a row
  std::string line_;       // line being built
  std::string scratch_;
};

}  // namespace gd
