// Coefficient sets: the 62-byte record, the .wmm file as written, and the
// reader's flags, key report and messages on good and broken files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "device/Coefficients.h"

namespace gd {
namespace {

TWMMKoeffs MakeSet(std::uint16_t descriptor, long double first) {
  TWMMKoeffs set;
  set.descriptor = descriptor;
  for (std::size_t k = 0; k < 10; ++k) set.SetValue(k, first + static_cast<long double>(k));
  return set;
}

// One record block as the file holds it, with the lines in the given order.
std::string Block(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

std::vector<std::string> GoodLines(const std::string& descriptor = "12") {
  return {"\\DESCRIPTOR=" + descriptor,
          " NAME=Wasser",
          " COMMENT=x",
          " h0=+1",
          " a1=+2",
          " a2=+3",
          " a3=+4",
          " a4=+5",
          " r0=+6",
          " b1=+7",
          " b2=+8",
          " b3=+9",
          " b4=+10"};
}

class RecordingMessages : public IMessages {
 public:
  void Show(MessageKind, const std::string& text) override { shown.push_back(text); }
  Answer Ask(MessageKind, const std::string&) override { return Answer::Yes; }
  std::vector<std::string> shown;
};

TEST(CoefficientRecord, LayoutIsDescriptorThenTenRealsLittleEndian) {
  TWMMKoeffs set;
  set.descriptor = 0x1234;
  set.SetValue(0, 1.5L);   // h0
  set.SetValue(9, -2.0L);  // b4
  const Bytes record = set.ToRecord();
  ASSERT_EQ(record.size(), 62u);
  EXPECT_EQ(record[0], 0x34);
  EXPECT_EQ(record[1], 0x12);
  // 1.5: exponent 0x81, top fraction bit; -2: exponent 0x82, sign bit only.
  EXPECT_EQ(Bytes(record.begin() + 2, record.begin() + 8),
            (Bytes{0x81, 0x00, 0x00, 0x00, 0x00, 0x40}));
  EXPECT_EQ(Bytes(record.begin() + 8, record.begin() + 14), Bytes(6, 0));  // a1 = 0
  EXPECT_EQ(Bytes(record.begin() + 56, record.end()), (Bytes{0x82, 0, 0, 0, 0, 0x80}));

  Bytes longer = record;
  longer.push_back(0xEE);  // a record size above 62 keeps its first 62 bytes
  const TWMMKoeffs back = TWMMKoeffs::FromRecord(longer);
  EXPECT_TRUE(back.SameRecord(set));
  EXPECT_EQ(back.flags, 0);
  EXPECT_THROW(TWMMKoeffs::FromRecord(ByteView(record.data(), 61)), EGaugData);
}

TEST(CoefficientFileWriter, ValueTextsAndWholeFile) {
  EXPECT_EQ(CoefficientValueText(1.5L), "+1.5         ");
  EXPECT_EQ(CoefficientValueText(-2.25L), "-2.25       ");
  EXPECT_EQ(CoefficientValueText(1.5L, ','), "+1,5         ");
  EXPECT_EQ(CoefficientValueText(0), "+0           ");
  // Twelve digits do not tell this value's 6-byte neighbours apart: thirteen.
  EXPECT_EQ(CoefficientValueText(123456789012345.0L), "+1.234567890123e+14");
  EXPECT_EQ(CoefficientValueText(123456789012.0L), "+123456789012");
  EXPECT_EQ(CoefficientValueText(-1.0e-20L), "-1e-20      ");

  NamedCoefficientSet entry{"Wasser", MakeSet(10000, 1.5L)};
  entry.set.comment = "mein";
  const std::string file = BuildCoefficientFile({entry});
  const std::string expected =
      std::string(60, '%') + "\r\n" +
      "% GaugData - GAUGEUNIT                                     %\r\n"
      "% USER-W\xC4RMESTROMKOEFFIZIENTEN                             %\r\n"
      "\r\n"
      "\r\n"
      "\\DESCRIPTOR=10000\r\n"
      " NAME=Wasser\r\n"
      " COMMENT=mein\r\n"
      " h0=+1.5         \r\n a1=+2.5         \r\n a2=+3.5         \r\n a3=+4.5         \r\n"
      " a4=+5.5         \r\n r0=+6.5         \r\n b1=+7.5         \r\n b2=+8.5         \r\n"
      " b3=+9.5         \r\n b4=+10.5        \r\n"
      "\r\n";
  EXPECT_EQ(file, expected);

  CoefficientFileStyle old;
  old.programName = "SondData";
  old.deviceName = "SONDIX";
  const std::string banner = CoefficientBannerLine(old);
  EXPECT_EQ(banner.size(), 60u);
  EXPECT_EQ(banner.front(), '%');
  EXPECT_EQ(banner.back(), '%');
  EXPECT_NE(banner.find("SondData"), std::string::npos);
}

TEST(CoefficientFileReader, WrittenFileReadsBackEqual) {
  std::vector<NamedCoefficientSet> sets = {{"WASSER", MakeSet(10000, 1.5L)},
                                           {"GLYKOL", MakeSet(10001, -0.00123L)},
                                           {"", MakeSet(65535, 4.2e7L)}};
  sets[1].set.SetValue(3, 1.0e-30L);
  sets[0].set.comment = "ERSTER";
  for (const char separator : {'.', ','}) {
    CoefficientFileStyle style;
    style.decimalSeparator = separator;
    const CoefficientFileContent read = ParseCoefficientFile(BuildCoefficientFile(sets, style));
    EXPECT_TRUE(read.errors.empty()) << read.errors.front();
    ASSERT_EQ(read.sets.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_TRUE(read.sets[i].set.SameRecord(sets[i].set)) << i;
      EXPECT_EQ(read.sets[i].name, sets[i].name);
      EXPECT_EQ(read.sets[i].set.comment, sets[i].set.comment);
    }
  }
}

TEST(CoefficientFileReader, EveryStoredValueReadsBackBitForBit) {
  std::mt19937_64 random(5);
  std::vector<NamedCoefficientSet> sets(50);
  for (auto& entry : sets) {
    for (auto& c : entry.set.coefficients) {
      for (auto& b : c) b = static_cast<std::uint8_t>(random());
      if (c[0] == 0) c = Real48{};
    }
  }
  sets[0].set.SetValue(0, 8.7e-5L);  // 12 digits would write 8.69999999999e-05
  EXPECT_EQ(CoefficientValueText(sets[0].set.Value(0)), "+8.7e-05     ");
  const CoefficientFileContent read = ParseCoefficientFile(BuildCoefficientFile(sets));
  ASSERT_EQ(read.sets.size(), sets.size());
  for (std::size_t i = 0; i < sets.size(); ++i) {
    EXPECT_EQ(read.sets[i].set.coefficients, sets[i].set.coefficients) << i;
  }
}

TEST(CoefficientFileReader, AcceptsOtherOrderCaseCommasAndOnlyFirstWords) {
  const std::string text =
      "%%%%\r\n" + Block({"\\descriptor=  77 rest", " b4=1,5", " a1=-2E3", " name=Heizungs wasser",
                          " h0=.5", " a2=3", " a3=4", " a4=5", " r0=6", " b1=7", " b2=8",
                          " comment=kurz und gut", " b3=9"});
  const CoefficientFileContent read = ParseCoefficientFile(text);
  EXPECT_TRUE(read.errors.empty());
  ASSERT_EQ(read.sets.size(), 1u);
  const TWMMKoeffs& set = read.sets[0].set;
  EXPECT_EQ(set.descriptor, 77);
  EXPECT_EQ(set.Value(9), 1.5L);
  EXPECT_EQ(set.Value(1), -2000.0L);
  EXPECT_EQ(set.Value(0), 0.5L);
  EXPECT_EQ(read.sets[0].name, "HEIZUNGS");
  EXPECT_EQ(set.comment, "KURZ");
}

TEST(CoefficientFileReader, FlagsOfBrokenRecords) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::uint16_t flags;
  };
  auto with = [](std::size_t i, const std::string& line) {
    auto l = GoodLines();
    l[i] = line;
    return l;
  };
  const auto good = GoodLines();
  const std::vector<Case> cases = {
      {"good", GoodLines(), 0},
      {"descriptor 70000", GoodLines("70000"), 0x8012},
      {"descriptor with comma", GoodLines("12,0"), 0x8018},
      {"descriptor empty", GoodLines(""), 0x8014},
      {"descriptor negative", GoodLines("-1"), 0x8012},
      {"A1 twice", with(6, " A1=5"), 0x8100},
      {"empty h0", with(3, " h0="), 0x8024},
      {"h0 no number", with(3, " h0=abc"), 0x8028},
      {"h0 beyond the meter's range", with(3, " h0=1e40"), 0x8028},
      {"b4 replaced by a blank line", with(12, ""), 0x0080},
      {"cut off", {good.begin(), good.begin() + 8}, 0x8040},
  };
  for (const Case& c : cases) {
    CoefficientFileReader reader(Block(c.lines));
    EXPECT_EQ(reader.ReadCoefficientRecord().flags, c.flags) << c.what;
  }
  CoefficientFileReader none("% only a banner\r\n%\\DESCRIPTOR=1\r\n");
  EXPECT_EQ(none.ReadCoefficientRecord().flags, 0x8001);
  EXPECT_EQ(none.LineCounter(), 2);
}

TEST(CoefficientFileReader, KeyReportNamesTheFirstProblem) {
  auto lines = GoodLines();
  lines[6] = " A1=5";  // A1= twice
  CoefficientFileReader dup(Block(lines));
  dup.ReadCoefficientRecord();
  EXPECT_EQ(dup.KeyReport(), "'A1=' DUPLICATE");

  // COMMENT= twice after all coefficients were good (NAME= missing).
  lines = GoodLines();
  lines.erase(lines.begin() + 1, lines.begin() + 3);
  lines.push_back(" COMMENT=y");
  lines.push_back(" COMMENT=z");
  CoefficientFileReader comment(Block(lines));
  EXPECT_EQ(comment.ReadCoefficientRecord().flags, 0x8100);
  EXPECT_EQ(comment.KeyReport(), "'COMMENT=' NOT VALID DUPLICATE");

  lines = GoodLines();
  lines[12] = "";
  CoefficientFileReader missing(Block(lines));
  missing.ReadCoefficientRecord();
  EXPECT_EQ(missing.KeyReport(), "'B4=' NOT FOUND");

  CoefficientFileReader badDescriptor(Block(GoodLines("x")));
  badDescriptor.ReadCoefficientRecord();
  EXPECT_EQ(badDescriptor.KeyReport(), "'\\DESCRIPTOR=' NOT VALID");
}

TEST(CoefficientFileReader, KeysNotSeenKeepThePreviousRecordsValues) {
  auto second = GoodLines("13");
  second[3] = "";  // no h0 line
  CoefficientFileReader reader(Block(GoodLines()) + Block(second));
  ASSERT_EQ(reader.ReadCoefficientRecord().flags, 0);
  const auto r = reader.ReadCoefficientRecord();
  EXPECT_EQ(r.flags, 0x0080);
  EXPECT_EQ(r.set.descriptor, 13);
  EXPECT_EQ(r.set.Value(0), 1.0L);
  EXPECT_EQ(reader.LineCounter(), 26);
}

TEST(CoefficientFileReader, MessagesOfWholeFiles) {
  std::vector<std::string> applied;
  SetTranslateFunction([&](std::string_view t) {
    applied.emplace_back(t);
    return std::string(t);
  });

  // Empty file: syntax message for line 1, then the no-data message.
  CoefficientFileContent empty = ParseCoefficientFile("");
  ASSERT_EQ(empty.errors.size(), 2u);
  EXPECT_EQ(empty.errors[0],
            "SYNTAXFEHLER ZEILE 1 :\r'\\DESCRIPTOR=' NOT FOUND\rEinlesen wurde abgebrochen");
  EXPECT_EQ(empty.errors[1], "Habe keine gueltigen Daten in der Datei gefunden ");
  EXPECT_NE(std::find(applied.begin(), applied.end(),
                      "SYNTAXFEHLER ZEILE %d :%S%s%SEinlesen wurde abgebrochen"),
            applied.end());
  SetTranslateFunction({});

  // The 70000 record ends the reading; the set before it stays.
  const std::string banner = "%%\r\n% x %\r\n\r\n";
  CoefficientFileContent partial =
      ParseCoefficientFile(banner + Block(GoodLines()) + "\r\n" + Block(GoodLines("70000")));
  ASSERT_EQ(partial.sets.size(), 1u);
  ASSERT_EQ(partial.errors.size(), 1u);
  EXPECT_EQ(partial.errors[0],
            "SYNTAXFEHLER ZEILE 18 :\r'\\DESCRIPTOR=' NOT VALID\rEinlesen "
            "wurde abgebrochen");

  // A file that ends inside its only record: both messages.
  auto cut = GoodLines();
  cut.resize(5);
  EXPECT_EQ(ParseCoefficientFile(Block(cut)).errors.size(), 2u);

  // Files without CR, or with lone CRs, read alike.
  std::string lf = Block(GoodLines());
  std::erase(lf, '\r');
  EXPECT_EQ(ParseCoefficientFile(lf).sets.size(), 1u);
  std::string cr = Block(GoodLines());
  std::erase(cr, '\n');
  EXPECT_EQ(ParseCoefficientFile(cr).sets.size(), 1u);
}

// A store whose writes fail after the temporary file was created.
class FailingStore : public IFileStore {
 public:
  Bytes ReadWhole(const std::string& p) override { return disk.ReadWhole(p); }
  bool Exists(const std::string& p) override { return disk.Exists(p); }
  bool Remove(const std::string& p) override { return disk.Remove(p); }
  bool Rename(const std::string& a, const std::string& b) override { return disk.Rename(a, b); }
  std::string CreateTemporary(const std::string& p) override { return disk.CreateTemporary(p); }
  void WriteWhole(const std::string&, ByteView) override { throw EGaugData("disk full"); }
  std::optional<std::chrono::system_clock::time_point> ModificationTime(
      const std::string& p) override {
    return disk.ModificationTime(p);
  }
  DiskFileStore disk;
};

TEST(CoefficientFileOnDisk, WriteReadAndFailedWriteKeepsTheOldFile) {
  const auto dir = std::filesystem::temp_directory_path() / "gaugdata_wmm_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "sets.wmm").string();

  DiskFileStore disk;
  WriteCoefficientFile(disk, path, {{"WASSER", MakeSet(10000, 2.5L)}});
  RecordingMessages messages;
  const auto sets = ReadCoefficientFile(disk, path, messages);
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_TRUE(sets[0].set.SameRecord(MakeSet(10000, 2.5L)));

  FailingStore failing;
  EXPECT_THROW(WriteCoefficientFile(failing, path, {}), EGaugData);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left behind
  EXPECT_EQ(ReadCoefficientFile(disk, path, messages).size(), 1u);

  EXPECT_THROW(ReadCoefficientFile(disk, (dir / "missing.wmm").string(), messages), EGaugData);
  std::filesystem::remove_all(dir);
}

TEST(CoefficientFileReader, MutatedFilesNeverCrashAndKeepOnlyWholeSets) {
  const std::string good =
      BuildCoefficientFile({{"WASSER", MakeSet(10001, 1.5L)}, {"OEL", MakeSet(10002, -3)}});
  std::mt19937 random(11);
  for (int i = 0; i < 3000; ++i) {
    std::string file = good;
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = random() % file.size();
      switch (random() % 3) {
        case 0:
          file[at] = static_cast<char>(random());
          break;
        case 1:
          file.erase(at, random() % 40);
          break;
        default:
          file.insert(at, std::string(random() % 90, static_cast<char>(random())));
      }
      if (file.empty()) file = "x";
    }
    const CoefficientFileContent content = ParseCoefficientFile(file);
    EXPECT_LE(content.sets.size(), 2u);
    if (content.sets.empty()) {
      EXPECT_EQ(content.errors.size(), 2u);
    }
  }
}

}  // namespace
}  // namespace gd
