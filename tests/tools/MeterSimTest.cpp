// The virtual meter checked with byte sequences written by hand: what it
// answers to each command, its memory transfer on both paths with
// acknowledgements and refusals, and its faults. Nothing of the program's
// own code is used, so these tests pin the meter's side on their own.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>

#include "support/MeterSimProcess.h"
#include "support/TestFolder.h"

namespace gd::test {
namespace {

namespace fs = std::filesystem;

class MeterSimTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = gd::test::FreshTestFolder("metersim-test-"); }
  void TearDown() override {
    sim_.reset();
    port_.reset();
    if (!HasFailure()) fs::remove_all(dir_);
  }

  // Starts the meter and opens its line; false (with a failure) when it did not come up.
  bool Start(std::vector<std::string> args) {
    sim_ = std::make_unique<MeterSim>(args, dir_ / "meter.log");
    EXPECT_TRUE(sim_->Ok()) << sim_->Error();
    if (!sim_->Ok()) return false;
    port_ = std::make_unique<RawPort>(sim_->Port());
    EXPECT_TRUE(port_->Ok());
    return port_->Ok();
  }

  void Handshake() {
    port_->Write("HI SONDV3");
    const Bytes reply = port_->Read(8);
    ASSERT_EQ(std::string(reply.begin(), reply.end()), " READY\r\n");
  }

  std::uint32_t Number(std::size_t bytes) {
    const Bytes b = port_->Read(bytes);
    EXPECT_EQ(b.size(), bytes);
    std::uint32_t v = 0;
    for (std::size_t i = b.size(); i-- > 0;) v = (v << 8) | b[i];
    return v;
  }

  std::string CountedString() {
    const Bytes n = port_->Read(1);
    if (n.empty()) return "<nothing>";
    const Bytes text = port_->Read(n[0]);
    return std::string(text.begin(), text.end());
  }

  static Bytes FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path dir_;
  std::unique_ptr<MeterSim> sim_;
  std::unique_ptr<RawPort> port_;
};

TEST_F(MeterSimTest, HandshakeIdentificationAndReturnToMainMode) {
  ASSERT_TRUE(Start({"--serial", "Zähler Süß", "--firmware", "5.22", "--firmware-date",
                     "01.02.2025", "--ident-a", "0x1234", "--ident-b", "0xA1B2C3D4"}));
  // Commands before the handshake are not answered.
  port_->Write(Bytes{0x68});
  EXPECT_TRUE(port_->Read(2, 300).empty());
  // The token may follow other bytes.
  port_->Write("xxHI SONDV3");
  const Bytes ready = port_->Read(8);
  EXPECT_EQ(std::string(ready.begin(), ready.end()), " READY\r\n");

  port_->Write(Bytes{0x68});
  EXPECT_EQ(Number(2), 0x1605u);
  port_->Write(Bytes{0x67});
  EXPECT_EQ(CountedString(), "Z\x84hler S\x81\xE1");  // DOS code page letters
  port_->Write(Bytes{0x70});
  EXPECT_EQ(CountedString(), "01.02.2025");
  port_->Write(Bytes{0xD7});
  EXPECT_EQ(Number(2), 0x1234u);
  port_->Write(Bytes{0x56});
  EXPECT_EQ(Number(4), 0xA1B2C3D4u);
  // SetLumi takes one argument and answers nothing; Here am I answers nothing.
  port_->Write(Bytes{0x9A, 0x03, 0x93});
  EXPECT_TRUE(port_->Read(1, 300).empty());

  port_->Write(Bytes{0x64});
  const Bytes back = port_->Read(8);
  EXPECT_EQ(std::string(back.begin(), back.end()), " READY\r\n");
  port_->Write(Bytes{0x68});
  EXPECT_TRUE(port_->Read(2, 300).empty()) << "main mode answers no command";
  EXPECT_EQ(sim_->Count("cmd 9a SetLumi 3"), 1);
  EXPECT_EQ(sim_->Stop(), 0);
}

TEST_F(MeterSimTest, OlderFirmwareIgnoresWhatItDoesNotKnow) {
  ASSERT_TRUE(Start({"--firmware", "3.02"}));
  Handshake();
  // Identification word B needs 3.48, named tables 3.12, checksummed downloads 5.21.
  port_->Write(Bytes{0x56});
  EXPECT_TRUE(port_->Read(4, 300).empty());
  port_->Write(Bytes{0x58, 0x01});
  EXPECT_TRUE(port_->Read(1, 300).empty());
  port_->Write(Bytes{0xBB});
  EXPECT_TRUE(port_->Read(1, 300).empty());
  // Coefficient tables are there from 3.02 on.
  port_->Write(Bytes{0x74, 26});
  EXPECT_EQ(Number(2), 62u);
  const std::uint32_t total = Number(2);
  EXPECT_EQ(total % 62, 0u);
  EXPECT_EQ(port_->Read(total).size(), total);
  port_->Write(Bytes{0x68});
  EXPECT_EQ(Number(2), 0x0203u);

  ASSERT_TRUE(Start({"--firmware", "3.01"}));
  Handshake();
  port_->Write(Bytes{0x74, 27});
  EXPECT_TRUE(port_->Read(4, 300).empty());
  port_->Write(Bytes{0x5A, 4});
  port_->Write(Bytes{0x74, 17});  // languages on every firmware
  EXPECT_EQ(Number(2), 20u);
  EXPECT_EQ(sim_->Count("ignored: not known to firmware V 3.01"), 2);
}

TEST_F(MeterSimTest, WrongHandshakeAndSilence) {
  ASSERT_TRUE(Start({"--bad-handshake=1"}));
  port_->Write("HI SONDV3");
  const Bytes refused = port_->Read(8);
  ASSERT_EQ(refused.size(), 8u);
  EXPECT_EQ(std::string(refused.begin(), refused.end()).find("READY"), std::string::npos);
  port_->Write(Bytes{0x68});
  EXPECT_TRUE(port_->Read(2, 300).empty()) << "still in main mode";
  Handshake();  // the second one is answered

  ASSERT_TRUE(Start({"--silent-after", "3"}));
  port_->Write("HI SONDV3");
  EXPECT_EQ(port_->Read(8, 500).size(), 3u);
  port_->Write(Bytes{0x68});
  EXPECT_TRUE(port_->Read(2, 300).empty());
}

TEST_F(MeterSimTest, PlainAndNamedTables) {
  ASSERT_TRUE(Start({"--materials", "256"}));
  Handshake();
  port_->Write(Bytes{0x74, 17});
  const std::uint32_t size = Number(2);
  const std::uint32_t total = Number(2);
  ASSERT_EQ(size, 20u);
  ASSERT_EQ(total % size, 0u);
  const Bytes languages = port_->Read(total);
  ASSERT_EQ(languages.size(), total);
  EXPECT_EQ(std::string(languages.begin(), languages.begin() + 3),
            "\x02"
            "DE");
  EXPECT_EQ(std::string(languages.begin() + 5, languages.begin() + 13),
            "\x07"
            "Deutsch");

  // Materials: 256 entries are announced with the count byte 255.
  port_->Write(Bytes{0x58, 0x01});
  EXPECT_EQ(Number(1), 255u);
  const std::uint32_t record = Number(2);
  const std::string editable = CountedString();
  EXPECT_EQ(editable, std::string("\x05\x06", 2));
  EXPECT_EQ(CountedString(), "MATERIALIEN");
  std::vector<std::string> names;
  for (int i = 0; i < 256; ++i) names.push_back(CountedString());
  EXPECT_EQ(names[0], "Stahl  ");
  EXPECT_EQ(names[2], "Graugu\xE1  ");
  EXPECT_EQ(names[5], "Benutzer 1");
  EXPECT_EQ(names[255], "Material 256  ");
  // Records come only for the entries that are not editable.
  const std::uint32_t materialBytes = Number(2);
  EXPECT_EQ(materialBytes, 254 * record);
  const Bytes records = port_->Read(materialBytes);
  ASSERT_EQ(records.size(), materialBytes);
  EXPECT_EQ(records[0] | (records[1] << 8), 1);      // descriptor of Stahl
  EXPECT_EQ(records[2] | (records[3] << 8), 31000);  // c_trans_MIN in 0.1 m/s
  EXPECT_TRUE(port_->Read(1, 300).empty()) << "nothing after the records";

  port_->Write(Bytes{0x58, 0x02});
  const std::uint32_t count = Number(1) + 1;
  EXPECT_EQ(Number(2), 24u);
  const std::string mediaEditable = CountedString();
  ASSERT_EQ(mediaEditable.size(), 1u);
  EXPECT_EQ(CountedString(), "MEDIEN");
  for (std::uint32_t i = 0; i < count; ++i) names[i] = CountedString();
  EXPECT_EQ(names[4], "Heiz\x94l EL");
  const std::uint32_t mediaBytes = Number(2);
  EXPECT_EQ(mediaBytes, (count - 1) * 24);
  const Bytes media = port_->Read(mediaBytes);
  ASSERT_EQ(media.size(), mediaBytes);
  // Water's density 0.998 g/cm³ as a 6-byte real: exponent 0x80 (2^-1).
  EXPECT_EQ(media[18], 0x80);
  EXPECT_EQ(media[23] & 0x80, 0) << "positive";
  // Real48 of 1.79 (water's maximum viscosity): exponent 0x81, 1 + 0.79.
  EXPECT_EQ(media[12], 0x81);
}

TEST_F(MeterSimTest, ClockReadAndSet) {
  ASSERT_TRUE(Start({"--clock", "2026-12-07 04:30:00"}));
  Handshake();
  port_->Write(Bytes{0x7C});
  EXPECT_EQ(Number(2), 2026u);
  EXPECT_EQ(Number(1), 12u);
  EXPECT_EQ(Number(1), 7u);
  Number(1);
  const std::uint32_t seconds = Number(4);
  EXPECT_GE(seconds, 16200u);
  EXPECT_LE(seconds, 16260u);

  port_->Write(Bytes{0x7B, 0xEE, 0x07, 1, 2, 0, 12, 34, 56});  // 02.01.2030 12:34:56
  port_->Write(Bytes{0x7C});
  EXPECT_EQ(Number(2), 2030u);
  EXPECT_EQ(Number(1), 1u);
  EXPECT_EQ(Number(1), 2u);
  Number(1);
  const std::uint32_t after = Number(4);
  EXPECT_GE(after, 45296u);
  EXPECT_LE(after, 45356u);
  // An impossible date is not taken.
  port_->Write(Bytes{0x7B, 0xEE, 0x07, 2, 30, 0, 0, 0, 0});
  port_->Write(Bytes{0x7C});
  EXPECT_EQ(Number(2), 2030u);
  EXPECT_EQ(Number(1), 1u);
  port_->Drain();
}

TEST_F(MeterSimTest, UserSlotsStoreRecallAndReadBackFault) {
  ASSERT_TRUE(Start({"--user-slots", "2", "--user-sets", "1", "--readback-fault=once"}));
  Handshake();
  Bytes set(62);
  std::iota(set.begin(), set.end(), std::uint8_t{7});
  auto send = [&](std::uint8_t slot) {
    port_->Write(Bytes{0x5A, 3, slot});
    const Bytes status = port_->Read(1);
    if (status.size() == 1 && status[0] == 0) port_->Write(set);
    return status.size() == 1 ? status[0] : -1;
  };
  auto userSets = [&]() {
    port_->Write(Bytes{0x74, 27});
    EXPECT_EQ(Number(2), 62u);
    return port_->Read(Number(2));
  };
  const Bytes before = userSets();
  EXPECT_EQ(before.size(), 62u) << "one set at start";
  EXPECT_EQ(send(1), 0);
  EXPECT_EQ(send(2), 0);
  EXPECT_NE(send(3), 0) << "no third slot";
  EXPECT_NE(send(0), 0);
  EXPECT_EQ(userSets(), before) << "sent sets count only after store and recall";
  port_->Write(Bytes{0x5A, 4});
  EXPECT_EQ(userSets(), before);
  port_->Write(Bytes{0x5A, 5});
  Bytes both = set;
  both.insert(both.end(), set.begin(), set.end());
  const Bytes faulty = userSets();
  ASSERT_EQ(faulty.size(), both.size());
  EXPECT_NE(faulty, both) << "the first read after a recall differs";
  EXPECT_EQ(userSets(), both);
  port_->Write(Bytes{0x5A, 5});
  EXPECT_EQ(userSets(), both) << "only once";
}

// The transfer on the checksummed path, with the program's side written out.
struct Received {
  Bytes image;
  int refusals = 0;
};

TEST_F(MeterSimTest, ChecksummedDownloadWithRefusalAndResend) {
  const fs::path memory = dir_ / "memory.bin";
  ASSERT_TRUE(Start({"--write-memory", memory.string(), "--corrupt-block", "2"}));
  const Bytes expected = FileBytes(memory);
  ASSERT_GT(expected.size(), 4096u);
  const std::size_t strings =
      (expected[68] | expected[69] << 8) + (expected[94] | expected[95] << 8);
  const std::size_t values = expected.size() - 160 - strings;
  Handshake();
  port_->Write(Bytes{0xBB});
  ASSERT_EQ(port_->Read(1), Bytes{1});
  Bytes image = port_->Read(160);
  ASSERT_EQ(image.size(), 160u);
  port_->Write(Bytes{1, 0x00, 0x08, 0, 0});  // acknowledgement, block size 2048
  const Bytes s = port_->Read(strings);
  ASSERT_EQ(s.size(), strings);
  image.insert(image.end(), s.begin(), s.end());
  port_->Write(Bytes{1});
  int refusals = 0;
  for (std::size_t k = 0; k <= values / 2048; ++k) {
    const std::size_t n = k < values / 2048 ? 2048 : values % 2048;
    for (;;) {
      const Bytes block = port_->Read(n + 18);
      ASSERT_EQ(block.size(), n + 18);
      std::uint8_t sum = 0;
      for (std::size_t i = 0; i < n; ++i) sum = static_cast<std::uint8_t>(sum + block[2 + i]);
      const std::uint8_t check = block[2 + n];
      if (sum == check) {
        image.insert(image.end(), block.begin() + 2, block.begin() + 2 + static_cast<long>(n));
        port_->Write(Bytes{check});
        break;
      }
      ++refusals;
      port_->Write(Bytes{static_cast<std::uint8_t>(check ^ 0xAA)});
    }
  }
  EXPECT_EQ(refusals, 1);
  EXPECT_EQ(image, expected);
  EXPECT_TRUE(port_->Read(1, 300).empty());
  port_->Write(Bytes{0x68});
  EXPECT_EQ(Number(2), 0x1605u) << "back to commands after the transfer";
}

TEST_F(MeterSimTest, EmptyFinalBlockAndGivingUpAfterSixRefusals) {
  // The demo memory's 8644 values bytes are two blocks of 4322 and an empty
  // one, which the meter corrupts every time it sends it.
  ASSERT_TRUE(Start({"--corrupt-block", "3:always"}));
  Handshake();
  port_->Write(Bytes{0xBB});
  ASSERT_EQ(port_->Read(1), Bytes{1});
  const Bytes prolog = port_->Read(160);
  ASSERT_EQ(prolog.size(), 160u);
  const std::size_t strings = (prolog[68] | prolog[69] << 8) + (prolog[94] | prolog[95] << 8);
  ASSERT_EQ(prolog[70] | prolog[71] << 8 | prolog[72] << 16, 8644);
  port_->Write(Bytes{1, 0xE2, 0x10, 0, 0});  // 4322
  EXPECT_EQ(port_->Read(strings).size(), strings);
  port_->Write(Bytes{1});
  for (int k = 1; k <= 2; ++k) {
    const Bytes block = port_->Read(4322 + 18);
    ASSERT_EQ(block.size(), 4340u);
    EXPECT_EQ(block[0] | block[1] << 8, k) << "the header counts the blocks";
    port_->Write(Bytes{block[2 + 4322]});
  }
  for (int tries = 1; tries <= 6; ++tries) {
    const Bytes empty = port_->Read(18);
    ASSERT_EQ(empty.size(), 18u) << "try " << tries;
    EXPECT_NE(empty[2], 0) << "the checksum of no data is 0, corrupted here";
    port_->Write(Bytes{static_cast<std::uint8_t>(empty[2] ^ 0xAA)});
  }
  EXPECT_TRUE(port_->Read(1, 300).empty()) << "the meter gives the block up after six refusals";
  port_->Write(Bytes{0x68});
  EXPECT_EQ(Number(2), 0x1605u);
  EXPECT_EQ(sim_->Count("refused"), 7);  // six refusals, then the abandoned transfer
}

TEST_F(MeterSimTest, DroppedByteIsSentAgainAfterTheRefusal) {
  ASSERT_TRUE(Start({"--drop-block", "1"}));
  Handshake();
  port_->Write(Bytes{0xBB});
  const Bytes head = port_->Read(161);
  ASSERT_EQ(head.size(), 161u);
  const std::size_t strings = (head[69] | head[70] << 8) + (head[95] | head[96] << 8);
  port_->Write(Bytes{1, 0x00, 0x01, 0, 0});  // 256
  EXPECT_EQ(port_->Read(strings).size(), strings);
  port_->Write(Bytes{1});
  const Bytes shortBlock = port_->Read(256 + 18, 500);
  EXPECT_EQ(shortBlock.size(), 256u + 17);
  ASSERT_EQ(shortBlock.size(), 256u + 17);
  // The trailer moved up by one: refuse with anything but its checksum.
  port_->Write(Bytes{static_cast<std::uint8_t>(shortBlock[2 + 255] ^ 0xAA)});
  const Bytes whole = port_->Read(256 + 18);
  ASSERT_EQ(whole.size(), 256u + 18);
  std::uint8_t sum = 0;
  for (int i = 0; i < 256; ++i) sum = static_cast<std::uint8_t>(sum + whole[2 + i]);
  EXPECT_EQ(whole[258], sum);
}

TEST_F(MeterSimTest, GeneratedMemoryKeepsTheLayout) {
  const fs::path demo = dir_ / "demo.bin";
  const fs::path grown = dir_ / "grown.bin";
  ASSERT_TRUE(Start({"--write-memory", demo.string()}));
  ASSERT_TRUE(Start({"--generate", "64K", "--write-memory", grown.string()}));
  const Bytes a = FileBytes(demo);
  const Bytes b = FileBytes(grown);
  ASSERT_EQ(b.size(), 65536u);
  EXPECT_EQ(a[153] & 1, 0) << "the user-data flag is not part of the meter's memory";
  auto u32 = [](const Bytes& x, std::size_t at) {
    return static_cast<std::uint32_t>(x[at] | x[at + 1] << 8 | x[at + 2] << 16 | x[at + 3] << 24);
  };
  const std::size_t strings = (b[68] | b[69] << 8) + (b[94] | b[95] << 8);
  EXPECT_EQ(u32(b, 70), 65536u - 160 - strings);
  EXPECT_EQ(u32(b, 96), 65536u);
  for (std::size_t i = 0; i < a.size(); ++i) {
    if ((i >= 70 && i < 74) || (i >= 96 && i < 100)) continue;
    ASSERT_EQ(a[i], b[i]) << "at " << i;
  }
}

TEST_F(MeterSimTest, PlainDownloadOnOlderFirmware) {
  const fs::path memory = dir_ / "memory.bin";
  ASSERT_TRUE(Start({"--firmware", "5.20", "--write-memory", memory.string()}));
  const Bytes expected = FileBytes(memory);
  const std::size_t strings =
      (expected[68] | expected[69] << 8) + (expected[94] | expected[95] << 8);
  const std::size_t values = expected.size() - 160 - strings;
  Handshake();
  port_->Write(Bytes{0xDB});
  ASSERT_EQ(port_->Read(1), Bytes{1});
  Bytes image = port_->Read(160);
  port_->Write(Bytes{1, 0x00, 0x04, 0, 0});  // block size 1024
  // Strings and the first block follow without an acknowledgement between.
  const std::size_t full = values / 1024;
  const Bytes first = port_->Read(strings + 1024);
  image.insert(image.end(), first.begin(), first.end());
  for (std::size_t k = 1; k < full; ++k) {
    port_->Write(Bytes{1});
    const Bytes block = port_->Read(1024);
    image.insert(image.end(), block.begin(), block.end());
  }
  port_->Write(Bytes{1});
  const Bytes last = port_->Read(values % 1024);
  image.insert(image.end(), last.begin(), last.end());
  EXPECT_EQ(image, expected);
  EXPECT_TRUE(port_->Read(1, 300).empty()) << "no acknowledgement is awaited after the last block";
  port_->Write(Bytes{0x68});
  EXPECT_EQ(Number(2), 0x1405u);
}

TEST_F(MeterSimTest, PacedAtTheLineRate) {
  // 124 bytes of the languages table at 9600 baud, 12 bits a byte: 155 ms.
  ASSERT_TRUE(Start({"--baud", "9600"}));
  Handshake();
  const auto start = std::chrono::steady_clock::now();
  port_->Write(Bytes{0x74, 17});
  const std::uint32_t size = Number(2);
  const std::uint32_t total = Number(2);
  EXPECT_EQ(port_->Read(total).size(), total);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  EXPECT_EQ(size * 6, total);
  EXPECT_GE(ms, static_cast<long>((4 + total) * 12 * 1000 / 9600));
}

TEST_F(MeterSimTest, BadOptionsAndMemoriesAreRefused) {
  std::string err;
  EXPECT_EQ(RunMeterSim({"--firmware", "5.2"}, err), 2);
  EXPECT_NE(err.find("--firmware"), std::string::npos) << err;
  EXPECT_EQ(RunMeterSim({"--corrupt-block", "0"}, err), 2);
  EXPECT_EQ(RunMeterSim({"--user-slots", "300"}, err), 2);
  EXPECT_EQ(RunMeterSim({"--frobnicate"}, err), 2);
  const fs::path text = dir_ / "notes.sdx";
  std::ofstream(text) << "not a measurement file at all, but long enough to hold a prolog: "
                      << std::string(200, 'x');
  EXPECT_EQ(RunMeterSim({"--memory", text.string()}, err), 1);
  EXPECT_NE(err.find("identification"), std::string::npos) << err;
  EXPECT_EQ(RunMeterSim({"--memory", (dir_ / "missing.sdx").string()}, err), 1);
  EXPECT_NE(err.find("cannot be read"), std::string::npos) << err;
}

}  // namespace
}  // namespace gd::test
