// gaugdata-cli's device commands run as a process against the virtual meter
// (tools/metersim) over a real pseudo-terminal: what reaches the meter (its
// log) and what the user gets (output, messages, files, exit status).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <memory>

#include "DeviceCliFixture.h"

namespace gd::test {
namespace {

// The received file holds the memory byte for byte, apart from the reception
// stamp (prolog bytes 154..159) and the saved file's user-data flag (bit 0 of
// byte 153) with the comment block behind the stream.
void ExpectSameMemory(const std::string& received, const std::string& memory) {
  ASSERT_GE(memory.size(), 160u);
  ASSERT_GE(received.size(), memory.size());
  for (std::size_t i = 0; i < memory.size(); ++i) {
    if (i >= 154 && i < 160) continue;
    if (i == 153) {
      EXPECT_EQ(received[i] & 0xFE, memory[i] & 0xFE);
      continue;
    }
    ASSERT_EQ(received[i], memory[i]) << "first difference at byte " << i;
  }
  // The stamp is this computer's date of the download.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const auto u8 = [&](std::size_t at) { return static_cast<unsigned char>(received[at]); };
  EXPECT_EQ(u8(154) | u8(155) << 8, local.tm_year + 1900);
  EXPECT_EQ(u8(156), local.tm_mon + 1);
  EXPECT_EQ(u8(157), local.tm_mday);
}

TEST_F(DeviceCli, IdentifyOnBothFirmwarePaths) {
  ASSERT_TRUE(Meter({"--firmware", "5.22", "--serial", "SN-4711", "--firmware-date", "07.12.2026",
                     "--ident-a", "0x2A17", "--ident-b", "0x51234"}));
  const CliResult newer = Device({"identify"});
  EXPECT_EQ(newer.status, 0) << newer.err;
  EXPECT_THAT(newer.out, HasSubstr("SN-4711"));
  EXPECT_THAT(newer.out, HasSubstr("V 5.22"));
  EXPECT_THAT(newer.out, HasSubstr("07.12.2026"));
  EXPECT_THAT(newer.out, HasSubstr("00002a17/00001234")) << "word B keeps the low 16 bits";
  EXPECT_EQ(meter_->Count("handshake 1"), 1);
  EXPECT_EQ(meter_->Count("cmd 56"), 1) << "word B from V 3.48 on";
  EXPECT_EQ(meter_->Count("cmd 9a SetLumi 3"), 1);
  EXPECT_EQ(meter_->Count("cmd 64 Return from Slave"), 1) << "back to main mode at the end";

  ASSERT_TRUE(Meter({"--firmware", "3.47"}));
  const CliResult older = Device({"identify"});
  EXPECT_EQ(older.status, 0) << older.err;
  EXPECT_THAT(older.out, HasSubstr("V 3.47"));
  EXPECT_THAT(older.out, HasSubstr("00002a17/00000000"));
  EXPECT_EQ(meter_->Count("cmd 56"), 0) << "word B is not asked of firmware before V 3.48";
  EXPECT_EQ(meter_->Count("ignored"), 0) << meter_->Log();
}

struct DownloadCase {
  const char* firmware;
  int blockSize;
  bool small;
};

class DeviceDownload : public DeviceCli, public ::testing::WithParamInterface<DownloadCase> {};

TEST_P(DeviceDownload, ReceivedFileIsTheMemory) {
  const DownloadCase c = GetParam();
  std::vector<std::string> args{"--firmware", c.firmware};
  if (c.small) {
    args.push_back("--memory");
    args.push_back(SmallMemoryFile());
  }
  const std::string memory = MemoryOf(args);
  ASSERT_FALSE(memory.empty());
  const std::string target = dir_.Path("received.sdx").string();
  const CliResult r =
      Device({"download", "-o", target, "--block-size", std::to_string(c.blockSize)});
  ASSERT_EQ(r.status, 0) << r.err << meter_->Log();
  ExpectSameMemory(ReadFileBytes(target), memory);
  EXPECT_EQ(meter_->Count(std::string("download: block size ") + std::to_string(c.blockSize)), 1);
  EXPECT_EQ(meter_->Count("download: done"), 1);
  EXPECT_EQ(meter_->Count("refused"), 0);
  EXPECT_EQ(meter_->Count("cmd 93 Here am I"), 1);
  // The file is a measurement file like any other.
  const CliResult list = RunCli({"list", target});
  EXPECT_EQ(list.status, 0) << list.err;
}

INSTANTIATE_TEST_SUITE_P(BothPaths, DeviceDownload,
                         ::testing::Values(DownloadCase{"5.22", 2048, false},
                                           DownloadCase{"5.22", 8, true},
                                           DownloadCase{"5.20", 2048, false},
                                           DownloadCase{"5.20", 8, true}));

TEST_F(DeviceCli, DownloadOfAGeneratedMemoryWithAnEmptyLastBlock) {
  // 160 + strings + values with values a multiple of 2048: the last block is empty.
  const std::string demo = MemoryOf({});
  const std::size_t strings = (static_cast<unsigned char>(demo[68]) | demo[69] << 8) +
                              (static_cast<unsigned char>(demo[94]) | demo[95] << 8);
  const std::string memory = MemoryOf({"--generate", std::to_string(160 + strings + 6 * 2048)});
  const std::string target = dir_.Path("generated.sdx").string();
  const CliResult r = Device({"download", "-o", target});
  ASSERT_EQ(r.status, 0) << r.err;
  ExpectSameMemory(ReadFileBytes(target), memory);
  EXPECT_EQ(RunCli({"list", target}).status, 0);
}

TEST_F(DeviceCli, CorruptedOrShortBlockIsReceivedAgain) {
  for (const char* fault : {"--corrupt-block", "--drop-block"}) {
    SCOPED_TRACE(fault);
    const std::string memory = MemoryOf({fault, "3"});
    const std::string target = dir_.Path(std::string("retried") + fault + ".sdx").string();
    const CliResult r =
        Device({"download", "-o", target, "--block-size", "1024", "--timeout", "1000"});
    ASSERT_EQ(r.status, 0) << r.err << meter_->Log();
    ExpectSameMemory(ReadFileBytes(target), memory);
    EXPECT_EQ(meter_->Count("download: block 3 refused"), 1);
  }
}

TEST_F(DeviceCli, BlockFailingSixTimesEndsWithAnErrorAndNoFile) {
  for (const char* fault : {"--corrupt-block", "--drop-block"}) {
    SCOPED_TRACE(fault);
    ASSERT_TRUE(Meter({fault, "2:always"}));
    const std::string target = dir_.Path("failed.sdx").string();
    const CliResult r =
        Device({"download", "-o", target, "--block-size", "2048", "--timeout", "500"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err, "");
    EXPECT_FALSE(fs::exists(target)) << "no partial file under the target name";
    EXPECT_EQ(meter_->Count("download: block 2 refused"), 6);
    EXPECT_EQ(meter_->Count("download: block 3"), 0) << "nothing after the failed block";
    EXPECT_EQ(meter_->Count("cmd 64 Return from Slave"), 1) << meter_->Log();
  }
  // Nothing but the meter's log was left behind.
  for (const auto& entry : fs::directory_iterator(dir_.Path(""))) {
    EXPECT_THAT(entry.path().filename().string(), Not(HasSubstr(".sdx")));
  }
}

TEST_F(DeviceCli, SilentMeterTimesOutAndTheConnectionIsTriedOnce) {
  ASSERT_TRUE(Meter({"--silent-after", "0"}));
  const CliResult r = Device({"identify", "--timeout", "300"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("RECEIVE TIMEOUT"));
  EXPECT_EQ(meter_->Count("handshake"), 2) << "one retry: " << meter_->Log();

  // Silence in the middle of a transfer: no file, and the port is closed
  // by the program itself (the trace's last entry) before it ends.
  ASSERT_TRUE(Meter({"--silent-after", "1000"}));
  const std::string target = dir_.Path("silent.sdx").string();
  const std::string trace = dir_.Path("silent.trace").string();
  const CliResult d = Device({"download", "-o", target, "--timeout", "500", "--trace", trace});
  EXPECT_EQ(d.status, 1);
  EXPECT_THAT(d.err, HasSubstr("RECEIVE TIMEOUT"));
  EXPECT_FALSE(fs::exists(target));
  EXPECT_EQ(meter_->Count("download: block 1 refused"), 6) << meter_->Log();
  const std::vector<std::string> lines = SplitLines(ReadFileBytes(trace));
  ASSERT_FALSE(lines.empty());
  EXPECT_THAT(lines.back(), HasSubstr("close"));
}

TEST_F(DeviceCli, WrongHandshakeIsNotRetried) {
  ASSERT_TRUE(Meter({"--bad-handshake"}));
  const CliResult r = Device({"identify", "--timeout", "500"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("Fehler Verbindungsaufbau"));
  EXPECT_EQ(meter_->Count("handshake"), 2);  // "handshake 1" and its refusal line
  EXPECT_EQ(meter_->Count("handshake 2"), 0);
}

TEST_F(DeviceCli, ClockSetAndReadBack) {
  ASSERT_TRUE(Meter({"--clock", "2026-12-07 04:30:00"}));
  const CliResult before = Device({"clock"});
  ASSERT_EQ(before.status, 0) << before.err;
  EXPECT_THAT(before.out, HasSubstr("07.12.2026 / 04:30:0"));

  const CliResult set = Device({"clock", "--set"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(meter_->Count("cmd 7b Set HostDateTime:"), 1) << meter_->Log();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char today[16];
  std::strftime(today, sizeof today, "%d.%m.%Y", &local);
  const CliResult after = Device({"clock"});
  ASSERT_EQ(after.status, 0) << after.err;
  EXPECT_THAT(after.out, HasSubstr(today));
}

}  // namespace
}  // namespace gd::test
