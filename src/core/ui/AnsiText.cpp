#include "core/ui/AnsiText.h"

#include <array>

#include "core/TextTools.h"

namespace gd::ui {
namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned codes.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString FromAnsi(const std::string& bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    char16_t u = b;
    if (b >= 0x80 && b < 0xA0) u = kHigh[b - 0x80] != 0 ? kHigh[b - 0x80] : b;
    out.append(QChar(u));
  }
  return out;
}

std::string ToAnsi(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar qc : text) {
    const char16_t u = qc.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(static_cast<char>(u));
      continue;
    }
    char mapped = '?';
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
      if (kHigh[i] != 0 && kHigh[i] == u) mapped = static_cast<char>(0x80 + i);
    }
    out.push_back(mapped);
  }
  return out;
}

QString FromPath(const std::string& path) { return QString::fromStdString(path); }

std::string ToPath(const QString& path) { return path.toStdString(); }

QString Tr(const char* german) { return FromAnsi(Translate(german)); }

QString MemoToField(const std::string& text) {
  QString field = FromAnsi(text);
  field.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return field;
}

std::string FieldToMemo(const QString& field) {
  QString text = field;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return ToAnsi(text);
}

}  // namespace gd::ui
