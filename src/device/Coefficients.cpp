#include "device/Coefficients.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/MessageTexts.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "device/MessageText.h"

namespace gd {
namespace {

constexpr const char* kSyntaxError = "SYNTAXFEHLER ZEILE %d :%S%s%SEinlesen wurde abgebrochen";
constexpr const char* kNoValidData = "Habe keine gueltigen Daten in der Datei gefunden ";
constexpr const char* kRecordTooShort =
    "Koeffizientensatz mit %d Bytes ist zu kurz (62 Bytes erwartet)";

constexpr std::size_t kLineWidth = 60;
constexpr std::size_t kMaxToken = 80;
constexpr const char* kCrLf = "\r\n";

// The largest magnitude the meter's real format holds (exponent byte 255,
// all fraction bits set).
const long double kReal48Max = std::ldexp(2.0L - std::ldexp(1.0L, -39), 255 - 129);

std::string PadTo(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

// Line breaks inside a name or comment would split the file's lines.
std::string OneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

// Leading and trailing blanks and control characters removed, ASCII letters
// in upper case.
std::string Normalise(std::string_view line) {
  std::size_t b = 0, e = line.size();
  while (b < e && static_cast<unsigned char>(line[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(line[e - 1]) <= ' ') --e;
  std::string out(line.substr(b, e - b));
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// The token after a key: blanks skipped, then everything up to the next blank
// or the end of the line, at most 80 characters.
std::string TokenAfter(const std::string& line, std::size_t from) {
  while (from < line.size() && line[from] == ' ') ++from;
  std::size_t end = from;
  while (end < line.size() && line[end] != ' ' && end - from < kMaxToken) ++end;
  return line.substr(from, end - from);
}

// A decimal number: optional sign, digits with an optional decimal point (at
// least one digit), optional exponent. Nothing else, in any locale.
bool ParseDecimal(const std::string& token, long double& value) {
  std::size_t i = 0;
  const std::size_t n = token.size();
  if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
  const std::size_t numberAt = i;
  std::size_t digits = 0;
  while (i < n && token[i] >= '0' && token[i] <= '9') ++i, ++digits;
  if (i < n && token[i] == '.') {
    ++i;
    while (i < n && token[i] >= '0' && token[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (token[i] == 'E' || token[i] == 'e')) {
    ++i;
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < n && token[i] >= '0' && token[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != n) return false;
  long double v = 0;
  const char* first = token.data() + numberAt;
  const auto result = std::from_chars(first, token.data() + n, v, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != token.data() + n) {
    // Values too small for long double are zero for the meter as well.
    if (result.ec != std::errc::result_out_of_range || std::fabs(v) > 1) return false;
    v = 0;
  }
  value = (numberAt > 0 && token[0] == '-') ? -v : v;
  return true;
}

}  // namespace

bool ParseCoefficientValue(std::string text, long double& value) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  long double v = 0;
  // A value beyond the meter's range would be stored as a different one.
  if (!ParseDecimal(text, v) || !(std::fabs(v) <= kReal48Max)) return false;
  value = v;
  return true;
}

const std::array<const char*, TWMMKoeffs::kCoefficientCount> kCoefficientNames = {
    "h0", "a1", "a2", "a3", "a4", "r0", "b1", "b2", "b3", "b4"};

const std::array<const char*, CoefficientFileReader::kEntryCount> CoefficientFileReader::kKeys = {
    "\\DESCRIPTOR=", "H0=", "A1=", "A2=", "A3=",      "A4=",  "R0=",
    "B1=",           "B2=", "B3=", "B4=", "COMMENT=", "NAME="};

// --- The set and its record --------------------------------------------------

Bytes TWMMKoeffs::ToRecord() const {
  Bytes record;
  record.reserve(kRecordSize);
  PutU16(record, descriptor);
  for (const Real48& c : coefficients) record.insert(record.end(), c.begin(), c.end());
  return record;
}

TWMMKoeffs TWMMKoeffs::FromRecord(ByteView record) {
  if (record.size() < kRecordSize) {
    throw EGaugData(FillMessage(Translate(kRecordTooShort), {static_cast<int>(record.size())}));
  }
  TWMMKoeffs set;
  set.descriptor = LoadU16(record.data());
  for (std::size_t k = 0; k < kCoefficientCount; ++k) {
    std::memcpy(set.coefficients[k].data(), record.data() + 2 + 6 * k, 6);
  }
  return set;
}

// --- Writing -----------------------------------------------------------------

std::string CoefficientBannerLine(const CoefficientFileStyle& style) {
  std::string inner = " " + style.programName + " - " + style.deviceName;
  if (inner.size() > kLineWidth - 2) inner.resize(kLineWidth - 2);
  return "%" + PadTo(inner, kLineWidth - 2) + "%";
}

std::string CoefficientValueText(long double value, char decimalSeparator) {
  // General format with as few significant digits as give the meter's value
  // back: at most twelve for every value that twelve digits hold, up to
  // fourteen for the few that need more, so a set read from the meter,
  // saved and sent again stays bit for bit the same. Fourteen digits always
  // fit the 20 characters.
  char buffer[64];
  std::string text;
  const Real48 stored = LongDoubleToReal48(value);
  for (int precision = 1; precision <= 14; ++precision) {
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    if (result.ec != std::errc()) break;
    text.assign(buffer, result.ptr);
    long double back = 0;
    if (ParseDecimal(text, back) && LongDoubleToReal48(back) == stored) break;
  }
  for (char& c : text) {
    if (c == '.') c = decimalSeparator;
  }
  text = PadTo(std::move(text), 12);
  if (text.size() > 20) text.resize(20);
  if (text.empty() || text[0] != '-') text = "+" + text;
  if (text.size() > 20) text.resize(20);
  return text;
}

std::string BuildCoefficientFile(const std::vector<NamedCoefficientSet>& sets,
                                 const CoefficientFileStyle& style) {
  std::string out;
  out += std::string(kLineWidth, '%') + kCrLf;
  out += CoefficientBannerLine(style) + kCrLf;
  out += PadTo("% USER-W\xC4RMESTROMKOEFFIZIENTEN", kLineWidth - 1) + "%" + kCrLf;
  out += kCrLf;
  for (const NamedCoefficientSet& entry : sets) {
    out += kCrLf;
    out += "\\DESCRIPTOR=" + std::to_string(entry.set.descriptor) + kCrLf;
    out += " NAME=" + OneLine(entry.name) + kCrLf;
    out += " COMMENT=" + OneLine(entry.set.comment) + kCrLf;
    for (std::size_t k = 0; k < TWMMKoeffs::kCoefficientCount; ++k) {
      out += std::string(" ") + kCoefficientNames[k] + "=" +
             CoefficientValueText(entry.set.Value(k), style.decimalSeparator) + kCrLf;
    }
    out += kCrLf;
  }
  return out;
}

void WriteCoefficientFile(IFileStore& files, const std::string& path,
                          const std::vector<NamedCoefficientSet>& sets,
                          const CoefficientFileStyle& style) {
  const std::string text = BuildCoefficientFile(sets, style);
  const ByteView bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  const std::string temp = files.CreateTemporary(path);
  try {
    files.WriteWhole(temp, bytes);
  } catch (...) {
    files.Remove(temp);
    throw;
  }
  if (!files.Rename(temp, path)) {
    files.Remove(temp);
    throw EGaugData(FillMessage(Translate(kCannotWriteFileText), {path}));
  }
}

// --- Reading -----------------------------------------------------------------

CoefficientFileReader::CoefficientFileReader(std::string text) : text_(std::move(text)) {}

bool CoefficientFileReader::NextLine(std::string& line) {
  if (pos_ >= text_.size()) return false;
  std::size_t end = text_.find_first_of("\r\n", pos_);
  if (end == std::string::npos) end = text_.size();
  line = Normalise(std::string_view(text_).substr(pos_, end - pos_));
  pos_ = end;
  if (pos_ < text_.size() && text_[pos_] == '\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  } else if (pos_ < text_.size()) {
    ++pos_;  // '\n'
  }
  ++lineCounter_;
  return true;
}

CoefficientFileReader::Record CoefficientFileReader::ReadCoefficientRecord() {
  Record record;
  std::uint16_t flags = kRecordIncomplete;
  std::string line;
  const std::string descriptorKey = kKeys[0];

  auto fill = [&]() {
    long double d = std::nearbyint(entries_[0].value);
    if (!(d >= 0)) d = 0;  // also NaN
    if (d > 65535) d = 65535;
    record.set.descriptor = static_cast<std::uint16_t>(d);
    for (std::size_t k = 0; k < TWMMKoeffs::kCoefficientCount; ++k) {
      record.set.SetValue(k, entries_[k + 1].value);
    }
    record.flags = flags;
    return record;
  };

  // The next descriptor line outside the banner.
  std::size_t at = std::string::npos;
  for (;;) {
    if (!NextLine(line)) {
      record.flags = static_cast<std::uint16_t>(flags | kNoMoreDescriptor);
      return record;
    }
    at = line.find(descriptorKey);
    if (at != std::string::npos && line[0] != '%') break;
  }

  const std::string token = TokenAfter(line, at + descriptorKey.size());
  Entry& descriptor = entries_[0];
  descriptor = Entry{};
  descriptor.found = true;
  long double value = 0;
  const bool number = ParseDecimal(token, value);
  descriptor.value = number ? value : 0;
  if (!(descriptor.value >= 0 && descriptor.value <= 65535)) flags |= kOutOfRange;
  if (token.empty()) {
    flags |= kEmptyValue;
  } else if (!number) {
    flags |= kNotANumber;
  }
  if (flags != kRecordIncomplete) {
    flags |= kBadDescriptor;
    return fill();
  }
  descriptor.valid = true;
  for (std::size_t i = 1; i < kEntryCount; ++i) {
    entries_[i].found = entries_[i].valid = entries_[i].duplicate = false;
  }

  for (int n = 0; n < 12; ++n) {
    if (!NextLine(line)) {
      flags |= kRecordCutOff;
      return fill();
    }
    for (std::size_t i = 1; i < kEntryCount; ++i) {
      const std::string_view key = kKeys[i];
      if (line.compare(0, key.size(), key) != 0) continue;
      Entry& entry = entries_[i];
      if (entry.found) {
        entry.duplicate = true;
        flags |= kDuplicateKey;
        return fill();
      }
      entry.found = true;
      std::string text = TokenAfter(line, key.size());
      if (i == kEntryCount - 2) {
        record.set.comment = text;
      } else if (i == kEntryCount - 1) {
        record.name = text;
      } else {
        long double v = 0;
        if (text.empty()) {
          flags |= kEmptyValue | kBadCoefficient;
          return fill();
        }
        if (!ParseCoefficientValue(text, v)) {
          flags |= kNotANumber | kBadCoefficient;
          return fill();
        }
        entry.value = v;
        entry.valid = true;
      }
      break;
    }
  }

  for (std::size_t i = 0; i <= TWMMKoeffs::kCoefficientCount; ++i) {
    if (!entries_[i].found || !entries_[i].valid) flags |= kMissingEntry;
  }
  flags &= static_cast<std::uint16_t>(~kRecordIncomplete);
  return fill();
}

std::string CoefficientFileReader::KeyReport() const {
  std::string text;
  for (std::size_t i = 0; i < kEntryCount; ++i) {
    std::string key = kKeys[i];
    if (key.size() > 17) key.resize(17);
    text = "'" + key + "'";
    if (text.size() > 18) text.resize(18);
    const Entry& entry = entries_[i];
    std::string suffix;
    if (!entry.found) {
      suffix = " NOT FOUND";
    } else if (!entry.valid) {
      suffix = " NOT VALID";
    }
    if (entry.duplicate) suffix += " DUPLICATE";
    if (!suffix.empty()) return text + suffix;
  }
  return text;
}

CoefficientFileContent ParseCoefficientFile(std::string text) {
  CoefficientFileContent content;
  CoefficientFileReader reader(std::move(text));
  CoefficientFileReader::Record record;
  for (;;) {
    record = reader.ReadCoefficientRecord();
    if (record.flags != 0) break;
    content.sets.push_back({std::move(record.name), std::move(record.set)});
  }
  const bool endOfFile = (record.flags & (kNoMoreDescriptor | kRecordCutOff)) != 0;
  if ((record.flags & kNoMoreDescriptor) == 0 || content.sets.empty()) {
    // The line the reading stopped at; past the last line when the file ended.
    const int line = reader.LineCounter() + (endOfFile ? 1 : 0);
    content.errors.push_back(FillMessage(Translate(kSyntaxError), {line, reader.KeyReport()}));
  }
  if (content.sets.empty()) content.errors.push_back(Translate(kNoValidData));
  return content;
}

std::vector<NamedCoefficientSet> ReadCoefficientFile(IFileStore& files, const std::string& path,
                                                     IMessages& messages) {
  const Bytes bytes = files.ReadWhole(path);
  CoefficientFileContent content = ParseCoefficientFile(std::string(bytes.begin(), bytes.end()));
  for (const std::string& error : content.errors) messages.Show(MessageKind::Error, error);
  return std::move(content.sets);
}

}  // namespace gd
