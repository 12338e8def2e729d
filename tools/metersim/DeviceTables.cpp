#include "DeviceTables.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace gd::sim {
namespace {

void PutWord(Record& r, std::size_t at, std::uint16_t v) {
  r[at] = static_cast<std::uint8_t>(v);
  r[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutReal(Record& r, std::size_t at, double v) {
  const auto bytes = Real48(v);
  for (std::size_t i = 0; i < 6; ++i) r[at + i] = bytes[i];
}

void PutCounted(Record& r, std::size_t at, const std::string& text, std::size_t capacity) {
  const std::size_t n = std::min(text.size(), capacity);
  r[at] = static_cast<std::uint8_t>(n);
  for (std::size_t i = 0; i < n; ++i) r[at + 1 + i] = static_cast<std::uint8_t>(text[i]);
}

Record CoefficientRecord(std::uint16_t descriptor, const std::array<double, 10>& values) {
  Record r(kCoefficientRecordSize, 0);
  PutWord(r, 0, descriptor);
  for (std::size_t i = 0; i < values.size(); ++i) PutReal(r, 2 + 6 * i, values[i]);
  return r;
}

// Media in table order; the last one is the user's (editable). The codes are
// those of the demo coefficient file's sets.
const Medium kMedia[] = {
    {"Wasser", 10001},    {"Glykol 30%", 10002}, {"Glykol 50%", 10003}, {"Meerwasser", 10004},
    {"Heizöl EL", 10005}, {"Benzin", 10006},     {"Benutzer", 0},
};

}  // namespace

std::array<std::uint8_t, 6> Real48(double value) {
  std::array<std::uint8_t, 6> out{};
  if (value == 0 || !std::isfinite(value)) return out;
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);  // [0.5, 1)
  // |value| = (1 + f) × 2^(exponent − 1); f in 39 bits, rounded.
  auto bits = static_cast<std::uint64_t>(std::llround((2 * fraction - 1) * 549755813888.0));
  if (bits == (std::uint64_t{1} << 39)) {
    bits = 0;
    ++exponent;
  }
  const int biased = exponent - 1 + 129;
  if (biased <= 0) return out;
  if (biased > 255) return Real48(value < 0 ? -1.7e38 : 1.7e38);
  out[0] = static_cast<std::uint8_t>(biased);
  for (std::size_t i = 0; i < 5; ++i) out[1 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  if (value < 0) out[5] |= 0x80;
  return out;
}

std::string ToDos(const std::string& utf8) {
  struct Letter {
    const char* utf8;
    char dos;
  };
  static const Letter kLetters[] = {{"ä", '\x84'}, {"ö", '\x94'}, {"ü", '\x81'},
                                    {"Ä", '\x8E'}, {"Ü", '\x9A'}, {"ß", '\xE1'}};
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    bool done = false;
    for (const Letter& l : kLetters) {
      const std::string key = l.utf8;
      if (utf8.compare(i, key.size(), key) == 0) {
        out += l.dos;
        i += key.size();
        done = true;
        break;
      }
    }
    if (!done) out += utf8[i++];
  }
  return out;
}

PlainTable Languages() {
  struct Language {
    const char* code;
    const char* name;
  };
  static const Language kLanguages[] = {{"DE", "Deutsch"}, {"EN", "English"},    {"FR", "Francais"},
                                        {"DA", "Dansk"},   {"NL", "Nederlands"}, {"ES", "Espanol"}};
  PlainTable t;
  t.recordSize = 20;  // code (counted, 4) at 0, name (counted, 14) at 5
  for (const Language& l : kLanguages) {
    Record r(t.recordSize, 0);
    PutCounted(r, 0, l.code, 4);
    PutCounted(r, 5, l.name, 14);
    t.records.push_back(r);
  }
  return t;
}

NamedTable Materials(int count) {
  struct Material {
    const char* name;
    std::uint16_t descriptor, cMin, cMax, roughness;
    bool editable;
  };
  static const Material kMaterials[] = {
      {"Stahl", 1, 31000, 32500, 1, false},   {"Edelstahl", 2, 30500, 31500, 1, false},
      {"Grauguß", 3, 22000, 24500, 5, false}, {"Kupfer", 4, 22600, 22800, 1, false},
      {"PVC", 5, 10600, 10700, 0, false},     {"Benutzer 1", 0, 0, 0, 0, true},
      {"Benutzer 2", 0, 0, 0, 0, true},
  };
  constexpr int kBuiltIn = static_cast<int>(std::size(kMaterials));
  NamedTable t;
  t.name = "MATERIALIEN";
  t.recordSize = 10;  // four words and two spare bytes
  for (int i = 0; i < count; ++i) {
    Record r(t.recordSize, 0);
    if (i < kBuiltIn && kMaterials[i].editable) {
      t.names.push_back(ToDos(kMaterials[i].name));
      t.editable.push_back(static_cast<std::uint8_t>(i));
    } else {
      const Material& m = kMaterials[i < kBuiltIn ? i : i % 5];
      // Names arrive padded with blanks, as the meter keeps them.
      t.names.push_back((i < kBuiltIn ? ToDos(m.name) : "Material " + std::to_string(i + 1)) +
                        "  ");
      PutWord(r, 0, static_cast<std::uint16_t>(i < kBuiltIn ? m.descriptor : 100 + i));
      PutWord(r, 2, m.cMin);
      PutWord(r, 4, m.cMax);
      PutWord(r, 6, m.roughness);
      r[8] = 0xA5;
      r[9] = 0x5A;
    }
    t.records.push_back(r);
  }
  return t;
}

NamedTable Media() {
  struct Values {
    std::uint16_t cMin, cMax;
    double viscMin, viscMax, density;
  };
  static const Values kValues[] = {
      {14000, 15500, 0.28, 1.79, 0.998},
      {15500, 17500, 1.2, 6.5, 1.04},
      {16000, 18000, 2.2, 12.0, 1.07},
      {14500, 16000, 0.9, 1.9, 1.025},
      {13000, 14500, 2.5, 6.0, 0.84},
      {11000, 12500, 0.5, 0.75, 0.74},
      {0, 0, 0, 0, 0},
  };
  NamedTable t;
  t.name = "MEDIEN";
  t.recordSize = 24;
  for (std::size_t i = 0; i < std::size(kMedia); ++i) {
    Record r(t.recordSize, 0);
    t.names.push_back(ToDos(kMedia[i].name));
    if (kMedia[i].descriptor == 0) {
      t.editable.push_back(static_cast<std::uint8_t>(i));
    } else {
      PutWord(r, 0, kMedia[i].descriptor);
      PutWord(r, 2, kValues[i].cMin);
      PutWord(r, 4, kValues[i].cMax);
      PutReal(r, 6, kValues[i].viscMin);
      PutReal(r, 12, kValues[i].viscMax);
      PutReal(r, 18, kValues[i].density);
    }
    t.records.push_back(r);
  }
  return t;
}

PlainTable FactoryCoefficients() {
  PlainTable t;
  t.recordSize = kCoefficientRecordSize;
  t.records.push_back(CoefficientRecord(
      10001, {4.2174, -0.0056, 1.2e-4, -1.1e-6, 4.5e-9, 999.84, 0.0675, -0.0089, 8.7e-5, -5.4e-7}));
  t.records.push_back(CoefficientRecord(
      10002, {3.85, 0.0031, -2.2e-5, 1.0e-7, 0, 1045.2, -0.41, -0.0021, 1.2e-5, 0}));
  t.records.push_back(CoefficientRecord(10005, {1.86, 0.0037, 0, 0, 0, 845.0, -0.68, 0, 0, 0}));
  return t;
}

Record SampleUserSet(int n) {
  return CoefficientRecord(10004, {3.99, -0.001 * n, 0, 0, 0, 1025.0, -0.2, 0, 0, 0});
}

}  // namespace gd::sim
