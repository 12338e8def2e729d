// gaugdata-cli device: options and their checks, the progress line, and a
// port that cannot be opened (no meter needed). Runs against the virtual
// meter live in their own tests.
#include <gtest/gtest.h>

#include "cli/CliDevice.h"
#include "cli/CliOptions.h"
#include "integration/CliProcess.h"

namespace gd::cli {
namespace {

CliRequest Parse(std::vector<std::string> arguments) { return ParseCommandLine(arguments); }

TEST(CliDeviceOptions, DefaultsAreTheStandardProtocol) {
  const CliRequest r = Parse({"device", "identify"});
  EXPECT_EQ(r.command->command, Command::kDevice);
  EXPECT_EQ(r.device.port, "COM2");
  EXPECT_EQ(r.device.baudOrdinal, 7);
  EXPECT_EQ(r.device.dataOrdinal, 3);
  EXPECT_EQ(r.device.parityOrdinal, 2);
  EXPECT_EQ(r.device.stopOrdinal, 2);
  EXPECT_EQ(r.device.timeoutMs, 2000);
  EXPECT_EQ(r.device.blockSize, 2048);
}

TEST(CliDeviceOptions, LineSettingsFlagsAndOutput) {
  const CliRequest r = Parse(
      {"device",   "download",     "-o",  "x.SDX",   "--port", "/dev/pts/4", "--baud", "4800",
       "--data=7", "--parity",     "odd", "--stop",  "1.5",    "--flow",     "none",   "--timeout",
       "300",      "--block-size", "8",   "--trace", "t.log",  "--force"});
  EXPECT_EQ(r.device.output, "x.SDX");
  EXPECT_EQ(r.device.port, "/dev/pts/4");
  EXPECT_EQ(r.device.baudOrdinal, 6);
  EXPECT_EQ(r.device.dataOrdinal, 2);
  EXPECT_EQ(r.device.parityOrdinal, 1);
  EXPECT_EQ(r.device.stopOrdinal, 1);
  EXPECT_FALSE(r.device.hardwareFlow);
  EXPECT_EQ(r.device.timeoutMs, 300);
  EXPECT_EQ(r.device.blockSize, 8);
  EXPECT_EQ(r.device.trace, "t.log");
  EXPECT_TRUE(r.device.force);
  EXPECT_TRUE(Parse({"device", "clock", "--set"}).device.set);
  const CliRequest table = Parse({"device", "table", "media", "--values"});
  EXPECT_TRUE(table.device.values);
  EXPECT_EQ(table.arguments.at(1), "media");
}

TEST(CliDeviceOptions, WrongUsageIsRefused) {
  const std::vector<std::vector<std::string>> wrong = {
      {"device"},
      {"device", "fly"},
      {"device", "identify", "extra"},
      {"device", "download"},                 // no -o
      {"device", "download", "-o", "x.txt"},  // not .sdx
      {"device", "identify", "-o", "x.sdx"},  // -o of download only
      {"device", "clock", "--baud", "9601"},
      {"device", "clock", "--data", "9"},
      {"device", "clock", "--parity", "x"},
      {"device", "clock", "--stop", "3"},
      {"device", "clock", "--timeout", "0"},
      {"device", "clock", "--block-size", "7"},
      {"device", "clock", "--block-size", "2049"},
      {"device", "identify", "--set"},
      {"device", "table"},
      {"device", "table", "colours"},
      {"device", "clock", "--port", ""},
      {"list", "f.sdx", "--port", "COM1"},  // not an option of list
  };
  for (const auto& arguments : wrong) {
    EXPECT_THROW(Parse(arguments), UsageError) << arguments.size() << " " << arguments.back();
  }
}

TEST(CliDeviceProgress, LineShowsBytesRateAndTimeLeft) {
  EXPECT_EQ(CliLinkHost::ProgressLine("Load Values", 400, 1200, 100.0),
            "Load Values [#############                           ]  33%  400/1200 B  100 B/s"
            "  0:08 left");
  EXPECT_EQ(CliLinkHost::ProgressLine("Load Prolog", 0, 160, 0.0),
            "Load Prolog [                                        ]   0%  0/160 B");
}

TEST(CliDeviceRun, PortThatCannotBeOpenedNamesTheCauseAndWritesNothing) {
  test::ScratchDir dir;
  const std::string target = dir.Path("out.sdx").string();
  const test::CliResult r = test::RunCli(
      {"device", "download", "-o", target, "--port", dir.Path("no-such-tty").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("COM1 KANN NICHT BENUTZT WERDEN"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("no-such-tty"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(CliDeviceRun, WrongUsageExitsWithTwo) {
  const test::CliResult r = test::RunCli({"device", "download", "--port", "COM1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("-o FILE.sdx"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace gd::cli
