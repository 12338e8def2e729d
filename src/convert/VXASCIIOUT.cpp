// TVXASCIIOUT: creation over a stream, options, number texts and line output.
#include "convert/VXASCIIOUT.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/MessageTexts.h"
#include "core/Version.h"

namespace gd {

TVXASCIIOUT::TVXASCIIOUT(std::string fileName, TranslateFunction dictionary, std::uint16_t* status,
                         std::string_view language, std::uint32_t styleBits, IGridSink* grid,
                         IByteSink* output, ByteView stream)
    : fileName_(std::move(fileName)),
      dictionary_(std::move(dictionary)),
      language_(language.substr(0, 3)),
      stream_(stream),
      parsed_(std::make_unique<ParsedStream>()),
      output_(output),
      grid_(grid) {
  options_.style = styleBits;
  options_.language = language_;
  for (TOutColumn& col : columns_) {
    col.header.reserve(kHeaderCapacity);
    col.valueText.reserve(kValueTextCapacity + 8);
  }
  line_.reserve(512);
  PrepareTexts();
  if (stream.empty()) {
    status_ = kStreamNoStream;
    parsed_->status = kStreamNoStream;
    if (status) *status = status_;
    return;
  }
  *parsed_ = ParseStream(stream);
  status_ = parsed_->status;
  // The meter's own language first, then the caller's choice.
  labels_.SetLanguage(parsed_->prolog.Language());
  if (!language_.empty()) labels_.SetLanguage(language_);
  if (parsed_->Usable()) {
    navigator_ = std::make_unique<TVXAblage>(stream_, *parsed_);
    errorValue_ = parsed_->prolog.U16(TStreamProlog::kMdErrorValue);
    totalErrorValue_ = parsed_->prolog.TotalErrorValue();
  }
  const std::uint16_t reported = kStreamNoStream | kStreamNoNavigator | kStreamNoDirectory;
  if (status && (!parsed_->Usable() || (status_ & reported))) *status = status_;
}

TVXASCIIOUT::~TVXASCIIOUT() = default;

void TVXASCIIOUT::RefreshProlog(ByteView prolog) {
  if (!parsed_ || prolog.size() < parsed_->prolog.raw.size()) return;
  std::copy_n(prolog.begin(), parsed_->prolog.raw.size(), parsed_->prolog.raw.begin());
}

TVXAblage& TVXASCIIOUT::Navigator() {
  if (!navigator_) {
    throw EBinFileInvalid(dictionary_ ? dictionary_(kBinFileInvalidText)
                                      : Translate(kBinFileInvalidText));
  }
  return *navigator_;
}

// --- Options ------------------------------------------------------------------

void TVXASCIIOUT::SetOptions(const TextOutputOptions& options) {
  options_ = options;
  options_.colLength = ClampColLength(options.colLength);
  SetLanguage(options.language);
  PrepareTexts();
}

void TVXASCIIOUT::SetStyle(std::uint32_t styleBits) {
  options_.style = styleBits;
  PrepareTexts();
}

void TVXASCIIOUT::SetColLength(int colLength) {
  options_.colLength = ClampColLength(colLength);
  PrepareTexts();
}

void TVXASCIIOUT::SetSeparatorChar(char c) {
  options_.separatorChar = c;
  PrepareTexts();
}

void TVXASCIIOUT::SetLocale(const Locale& locale) {
  locale_ = locale;
  PrepareTexts();
}

void TVXASCIIOUT::SetProgress(IProgress* progress, std::int64_t maximum) {
  progress_ = progress;
  progressMaximum_ = maximum;
}

void TVXASCIIOUT::SetLanguage(std::string_view code) {
  code = code.substr(0, 3);
  language_ = std::string(code);
  if (!code.empty()) labels_.SetLanguage(code);
}

// Everything that depends only on the options: the decimal separator numbers
// are written with, the padded marker texts and the compiled patterns.
void TVXASCIIOUT::PrepareTexts() {
  const char system = locale_.decimalSeparator;
  if (options_.style & kStyleSystemDecimal) {
    decimalSeparator_ = system;
  } else if (system == '.' || system == ',') {
    decimalSeparator_ = (options_.style & kStyleDecimalComma) ? ',' : '.';
  } else {
    decimalSeparator_ = system;  // neither "." nor ",": the replacement leaves it alone
  }
  const int w = options_.colLength;
  separator_.clear();
  ColumnSeparator(separator_);
  padded_.blank = PadLeft(" ", w);
  padded_.unknown = PadLeft(" ???", w);
  padded_.noVelocity = PadLeft("-------", w);
  padded_.notStored = PadLeft("------", w);
  padded_.undefined = PadLeft("?UNDEF", w);
  padded_.fail = PadLeft("?FAIL", w);
  padded_.failBang = PadLeft("?FAIL!", w);
  padded_.min = PadLeft("?<<MIN", w);
  padded_.max = PadLeft("?>>MAX", w);
  datePattern_.Compile(locale_.shortDatePattern);
  timePattern_.Compile(locale_.longTimePattern);
  cachedDateValid_ = false;
}

// --- Numbers and lines --------------------------------------------------------

void TVXASCIIOUT::AppendNumber(std::string& out, int decimals, long double value) const {
  char buf[kFixedTextCapacity];
  const std::size_t n = FormatFixed(buf, value, options_.colLength, decimals, decimalSeparator_);
  std::size_t pad = n < static_cast<std::size_t>(options_.colLength)
                        ? static_cast<std::size_t>(options_.colLength) - n
                        : 0;
  pad = std::min(pad, kValueTextCapacity);
  out.append(pad, ' ');
  out.append(buf, std::min(n, kValueTextCapacity - pad));
}

std::string TVXASCIIOUT::FormatNumber(int decimals, long double value) const {
  std::string out;
  AppendNumber(out, decimals, value);
  return out;
}

std::string TVXASCIIOUT::ToOutputCharset(std::string_view text) const {
  if (!(options_.style & kStyleDosCharset)) return std::string(text);
  // Ö stays as it is: the DOS output never converted it.
  std::string out(text);
  for (char& c : out) {
    switch (static_cast<unsigned char>(c)) {
      case 0xC4:
        c = '\x8E';
        break;  // Ä
      case 0xDC:
        c = '\x9A';
        break;  // Ü
      case 0xDF:
        c = '\xE1';
        break;  // ß
      case 0xE4:
        c = '\x84';
        break;  // ä
      case 0xF6:
        c = '\x94';
        break;  // ö
      case 0xFC:
        c = '\x81';
        break;  // ü
      default:
        break;
    }
  }
  return out;
}

void TVXASCIIOUT::WriteLine(std::string_view text) {
  if (sheet_) {
    sheet_->Label(0, row_, ToOutputCharset(text));
    ++row_;
    return;
  }
  if (!output_) return;
  if (options_.style & kStyleDosCharset) {
    scratch_ = ToOutputCharset(text);
  } else {
    scratch_.assign(text);
  }
  scratch_ += "\r\n";
  output_->Write(scratch_);
}

void TVXASCIIOUT::WriteDelimited(std::vector<std::string>* list, std::string_view text) {
  std::string line;
  if (options_.style & kStyleParaDelimited) {
    line.reserve(text.size() + 2);
    line += '"';
    line += text;
    line += '"';
  } else {
    line.assign(text);
  }
  line = ToOutputCharset(line);
  if (list) {
    list->push_back(std::move(line));
  } else {
    WriteLine(line);
  }
}

void TVXASCIIOUT::ColumnSeparator(std::string& text) const {
  AppendColumnSeparator(text, options_);
}

std::string TVXASCIIOUT::SourceVersionText() const {
  return std::string(TrimBlanks(VersionText(parsed_->Version())));
}

}  // namespace gd
