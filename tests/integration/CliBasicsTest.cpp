// gaugdata-cli as a script sees it: usage, help, exit statuses and the
// system's messages for files it cannot read, and the stream listing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CliProcess.h"
#include "cli/CliText.h"
#include "convert/StreamInfo.h"
#include "core/StreamParser.h"
#include "core/VXAblage.h"

namespace gd::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr const char* kDemo = GAUGDATA_DEMO_FILE;
// "BINÄRDATEI IST UNGUELTIG" as UTF-8.
constexpr const char* kInvalidUtf8 = "BIN\xC3\x84RDATEI IST UNGUELTIG";
constexpr const char* kTooOld = "VERSION DER BINAERDATEI IST ZU ALT";

TEST(CliUsage, HelpForTheToolAndEveryCommand) {
  const CliResult overview = RunCli({"--help"});
  EXPECT_EQ(overview.status, 0);
  EXPECT_THAT(overview.out, StartsWith("Usage: gaugdata-cli COMMAND"));
  EXPECT_EQ(overview.err, "");
  for (const char* command : {"list", "details", "params", "export", "info"}) {
    SCOPED_TRACE(command);
    EXPECT_THAT(overview.out, HasSubstr(std::string("\n  ") + command + " FILE"));
    const CliResult help = RunCli({command, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith(std::string("Usage: gaugdata-cli ") + command + " FILE"));
    EXPECT_THAT(help.out, HasSubstr("--col-length N"));
    // --help wins over arguments that would be wrong.
    EXPECT_EQ(RunCli({command, "a", "b", "c", "--bogus", "-h"}).status, 0);
  }
  EXPECT_EQ(RunCli({"--version"}).out, "gaugdata-cli 2.12\n");
}

TEST(CliUsage, WrongUsageExitsWithTwoAndAUsageText) {
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"frob", kDemo},
      {"--locale", "de"},
      {"info"},
      {"info", kDemo, "extra"},
      {"info", kDemo, "--bogus"},
      {"info", kDemo, "--time", "end"},  // an option of another command
      {"info", kDemo, "--locale", "xx"},
      {"info", kDemo, "--locale"},
      {"info", kDemo, "--style", "0x1G"},
      {"info", kDemo, "--style", "4294967296"},
      {"info", kDemo, "--style=-1"},
      {"info", kDemo, "--col-length", "6"},
      {"info", kDemo, "--col-length", "17"},
      {"info", kDemo, "--separator", "ab"},
      {"info", kDemo, "--language", "0000"},
  };
  for (const auto& args : wrong) {
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    SCOPED_TRACE(joined);
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, StartsWith("gaugdata-cli: "));
    EXPECT_THAT(r.err, HasSubstr("Usage: gaugdata-cli"));
    EXPECT_EQ(r.out, "");
  }
  // Every option in both spellings, and a file name after "--".
  const CliResult good = RunCli({"info", "--locale=en", "--style", "0x0031d033", "--col-length=16",
                                 "--separator", "\xC2\xA7", "--language", "044", "--", kDemo});
  EXPECT_EQ(good.status, 0) << good.err;
}

TEST(CliErrors, FilesThatCannotBeReadExitWithOneAndTheSystemsMessage) {
  ScratchDir dir;
  const sb::ByteVec good = sb::BuildStream(sb::StreamSpec{});
  sb::StreamSpec wrongId;
  wrongId.identification[28] = '5';  // "\3.05"
  const std::vector<std::pair<std::string, std::string>> cases = {
      {dir.Put("wrongid.sdx", sb::BuildStream(wrongId)), kTooOld},
      {dir.Put("empty.sdx", {}), kTooOld},
      {dir.Put("cut.sdx", sb::Truncated(good, 200)), kInvalidUtf8},
      {dir.Path("missing.sdx").string(),
       "Die Datei " + dir.Path("missing.sdx").string() + " kann nicht gelesen werden"},
  };
  for (const auto& [path, message] : cases) {
    SCOPED_TRACE(path);
    const CliResult r = RunCli({"info", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "gaugdata-cli: " + message + "\n");
    EXPECT_EQ(r.out, "");
  }
}

TEST(CliErrors, AFileNameInAMessageKeepsItsUtf8Bytes) {
  ScratchDir dir;
  const std::string path = dir.Path(
                                  "Pr\xC3\xBC"
                                  "fung.sdx")
                               .string();
  const CliResult r = RunCli({"info", path});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "gaugdata-cli: Die Datei " + path + " kann nicht gelesen werden\n");
}

// The listing the tool prints is the library's, line by line, in UTF-8.
void ExpectListingOf(const std::string& path, const sb::ByteVec& bytes) {
  const CliResult r = RunCli({"info", path});
  ASSERT_EQ(r.status, 0) << r.err;
  const ParsedStream parsed = ParseStream(bytes);
  TVXAblage navigator(bytes, parsed);
  std::string expected;
  for (const std::string& line : StreamInfoLines(parsed, navigator)) {
    expected += cli::Windows1252ToUtf8(line) + "\n";
  }
  EXPECT_EQ(r.out, expected);
  EXPECT_TRUE(cli::IsUtf8(r.out));
}

TEST(CliInfo, PrintsTheStreamListing) {
  const std::string demo = ReadFileBytes(kDemo);
  ExpectListingOf(kDemo, sb::ByteVec(demo.begin(), demo.end()));
  const CliResult r = RunCli({"info", kDemo});
  EXPECT_THAT(r.out, StartsWith("THIS IS         : \\SONDIX=MEASUREBYTESTREAM\\3.04\n"));
  EXPECT_THAT(r.out, HasSubstr("VERSION         : V 5.22\n"));
  EXPECT_EQ(r.err, "");

  // Umlauts of the meter's name lists arrive as UTF-8.
  ScratchDir dir;
  sb::StreamSpec spec;
  spec.materials.push_back(
      {"Gu\x94"
       "eisen",
       3, 'G'});  // DOS code of "ö"
  const sb::ByteVec bytes = sb::BuildStream(spec);
  ExpectListingOf(dir.Put("umlaut.sdx", bytes), bytes);
  EXPECT_THAT(RunCli({"info", dir.Path("umlaut.sdx").string()}).out, HasSubstr("Gu\xC3\xB6"
                                                                               "eisen"));
}

TEST(CliInfo, AFileWithoutSeriesIsListedWithTheInformationText) {
  ScratchDir dir;
  sb::StreamSpec spec;
  spec.series.clear();
  const sb::ByteVec bytes = sb::BuildStream(spec);
  const std::string path = dir.Put("noseries.sdx", bytes);
  ExpectListingOf(path, bytes);
  EXPECT_EQ(RunCli({"info", path}).err, "Keine Messwertreihen enthalten\n");
}

}  // namespace
}  // namespace gd::test
