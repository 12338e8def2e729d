// gaugdata-cli's device commands run as a process against the virtual meter
// (tools/metersim) over a real pseudo-terminal: what reaches the meter (its
// log) and what the user gets (output, messages, files, exit status).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <memory>

#include "CliProcess.h"
#include "support/MeterSimProcess.h"
#include "support/StreamBuilder.h"

namespace gd::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

class DeviceCli : public ::testing::Test {
 protected:
  // Starts the meter; a failure when it does not come up.
  bool Meter(std::vector<std::string> args) {
    meter_.reset();
    meter_ = std::make_unique<MeterSim>(args, dir_.Path("meter.log"));
    EXPECT_TRUE(meter_->Ok()) << meter_->Error();
    return meter_->Ok();
  }

  // `gaugdata-cli device <args> --port <the meter>`.
  CliResult Device(std::vector<std::string> args) {
    args.insert(args.begin(), "device");
    args.push_back("--port");
    args.push_back(meter_->Port());
    return RunCli(args);
  }

  // The memory as the meter serves it, saved by the meter.
  std::string MemoryOf(std::vector<std::string> args) {
    const std::string path = dir_.Path("memory-" + std::to_string(++memories_) + ".bin").string();
    args.push_back("--write-memory");
    args.push_back(path);
    if (!Meter(args)) return {};
    return ReadFileBytes(path);
  }

  // A small valid measurement file, for transfers with many small blocks.
  std::string SmallMemoryFile() {
    sb::StreamSpec spec;
    return dir_.Put("small.sdx", sb::BuildStream(spec));
  }

  ScratchDir dir_;
  std::unique_ptr<MeterSim> meter_;
  int memories_ = 0;
};

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
        Device({"download", "-o", target, "--block-size", "1024", "--timeout", "500"});
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
  const CliResult d = Device({"download", "-o", target, "--timeout", "300", "--trace", trace});
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

TEST_F(DeviceCli, TablesWithAndWithoutValues) {
  ASSERT_TRUE(Meter({}));
  const CliResult languages = Device({"table", "languages"});
  ASSERT_EQ(languages.status, 0) << languages.err;
  EXPECT_THAT(languages.out, HasSubstr("*** SPRACHEN ***\n"));
  EXPECT_THAT(languages.out, HasSubstr("DE= Deutsch\n"));
  EXPECT_THAT(languages.out, HasSubstr("NL= Nederlands\n"));

  const CliResult materials = Device({"table", "materials"});
  ASSERT_EQ(materials.status, 0) << materials.err;
  EXPECT_THAT(materials.out, HasSubstr("*** MATERIALIEN ***\n"));
  EXPECT_THAT(materials.out, HasSubstr("-Stahl"));
  EXPECT_THAT(materials.out, HasSubstr("-Grauguß"));
  EXPECT_THAT(materials.out, HasSubstr("-Benutzer 1" + std::string(6, ' ') + " EDITIERBAR"));
  EXPECT_THAT(materials.out, Not(HasSubstr("Descriptor")));
  const CliResult materialValues = Device({"table", "materials", "--values"});
  ASSERT_EQ(materialValues.status, 0) << materialValues.err;
  EXPECT_THAT(materialValues.out, HasSubstr(" Descriptor      : 00001\n"));
  EXPECT_THAT(materialValues.out, HasSubstr(" c_trans_MIN     :   3100.0  m/s\n"));
  EXPECT_THAT(materialValues.out, HasSubstr(" Rauhigkeit      :      0.5  mm\n"));

  const CliResult media = Device({"table", "media"});
  ASSERT_EQ(media.status, 0) << media.err;
  EXPECT_THAT(media.out, HasSubstr("*** MEDIEN ***\n"));
  EXPECT_THAT(media.out, HasSubstr("-Heizöl EL"));
  EXPECT_THAT(media.out, Not(HasSubstr("Roh")));
  const CliResult mediaValues = Device({"table", "media", "--values"});
  ASSERT_EQ(mediaValues.status, 0) << mediaValues.err;
  EXPECT_THAT(mediaValues.out, HasSubstr(" Descriptor      : 10001\n"));
  EXPECT_THAT(mediaValues.out, HasSubstr(" Roh             :     1.00  g/cm³\n"));
  EXPECT_THAT(mediaValues.out, HasSubstr(" Viskositaet_MAX :     1.79  mm²/s\n"));
  EXPECT_THAT(mediaValues.out, HasSubstr(" c_medium_MIN    :   1400.0  m/s\n"));
  // The user's medium carries the default code.
  EXPECT_THAT(mediaValues.out, HasSubstr(" Descriptor      : 10000\n"));
}

TEST_F(DeviceCli, NamedTableOf256Entries) {
  ASSERT_TRUE(Meter({"--materials", "256"}));
  const CliResult r = Device({"table", "materials"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("-Material 256"));
  EXPECT_EQ(meter_->Count("cmd 64 Return from Slave"), 1);
  EXPECT_EQ(meter_->Count("ignored"), 0) << "the line stayed in step: " << meter_->Log();
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

TEST_F(DeviceCli, CoefficientsToAMeterWithEightSlots) {
  ASSERT_TRUE(Meter({"--user-slots", "8"}));
  const CliResult r = Device({"coefficients", "--send", GAUGDATA_DEMO_WMM});
  ASSERT_EQ(r.status, 0) << r.err << meter_->Log();
  // Three sets, five cleared slots, the ninth slot refused.
  EXPECT_EQ(meter_->Count("cmd 5a 3 user set slot"), 9);
  EXPECT_EQ(meter_->Count("user set slot 1: descriptor 10001"), 1);
  EXPECT_EQ(meter_->Count("user set slot 2: descriptor 10002"), 1);
  EXPECT_EQ(meter_->Count("user set slot 3: descriptor 10003"), 1);
  EXPECT_EQ(meter_->Count("(empty)"), 5);
  EXPECT_EQ(meter_->Count("user set slot 9: no such slot"), 1);
  EXPECT_EQ(meter_->Count("cmd 5a 4 store"), 1);
  EXPECT_EQ(meter_->Count("cmd 5a 5 recall"), 1);
  EXPECT_THAT(r.out, HasSubstr("sent 3 of 3 sets; user slots in the meter: 8"));

  // Saving what the meter now holds gives the three sets back.
  const std::string saved = dir_.Path("back.wmm").string();
  const CliResult save = Device({"coefficients", "--save", saved});
  ASSERT_EQ(save.status, 0) << save.err;
  const std::string text = ReadFileBytes(saved);
  EXPECT_THAT(text, HasSubstr("\\DESCRIPTOR=10001"));
  EXPECT_THAT(text, HasSubstr("\\DESCRIPTOR=10003"));
}

TEST_F(DeviceCli, ReadBackDifferenceCausesExactlyOneResend) {
  for (const char* fault : {"--readback-fault=once", "--readback-fault=always"}) {
    SCOPED_TRACE(fault);
    ASSERT_TRUE(Meter({"--user-slots", "8", fault}));
    const CliResult r = Device({"coefficients", "--send", GAUGDATA_DEMO_WMM});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(meter_->Count("cmd 5a 3 user set slot"), 18) << meter_->Log();
    EXPECT_EQ(meter_->Count("cmd 5a 4 store"), 1);
  }
}

TEST_F(DeviceCli, TooOldFirmwareIsRefusedBeforeAnyByteOfTheOperation) {
  ASSERT_TRUE(Meter({"--firmware", "3.11"}));
  const CliResult materials = Device({"table", "materials"});
  EXPECT_EQ(materials.status, 1);
  EXPECT_THAT(materials.err, HasSubstr("V 3.11 wird nicht unterstützt"));
  EXPECT_EQ(meter_->Count("cmd 58"), 0) << meter_->Log();
  EXPECT_EQ(meter_->Count("cmd 64 Return from Slave"), 1);

  // The coefficient dialog loads the media table first, so a meter older
  // than 3.02 is refused with the named table's text, still before any byte.
  ASSERT_TRUE(Meter({"--firmware", "3.01"}));
  const CliResult coefficients = Device({"coefficients"});
  EXPECT_EQ(coefficients.status, 1);
  EXPECT_THAT(coefficients.err, HasSubstr("V 3.01 wird nicht unterstützt"));
  EXPECT_EQ(meter_->Count("cmd 58"), 0) << meter_->Log();
  EXPECT_EQ(meter_->Count("cmd 74"), 0);
  EXPECT_EQ(meter_->Count("cmd 5a"), 0);

  // A 3.12 meter gets its media table and then both coefficient tables.
  ASSERT_TRUE(Meter({"--firmware", "3.12"}));
  const CliResult newer = Device({"coefficients"});
  EXPECT_EQ(newer.status, 0) << newer.err;
  EXPECT_EQ(meter_->Count("cmd 74 table 26"), 1);
  EXPECT_EQ(meter_->Count("ignored"), 0) << meter_->Log();
}

}  // namespace
}  // namespace gd::test
