// Download of the meter's measurement memory: prolog, strings area and
// values area, the values in acknowledged blocks (checksummed from firmware
// V 5.21 on), into a temporary file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "core/DateTime.h"
#include "core/FormatText.h"
#include "core/MessageTexts.h"
#include "core/Messages.h"
#include "core/TextTools.h"
#include "device/SondAmComPort.h"

namespace gd {
namespace {

constexpr std::uint16_t kNothingToSend = 0x1000;
// Header and trailer bytes around the data of a checksummed values block.
constexpr std::size_t kBlockHeader = 2;
constexpr std::size_t kBlockTrailer = 16;
// A block is tried at most this many times.
constexpr std::uint32_t kMaxBlockRetries = 5;

std::uint16_t U16At(const std::array<std::uint8_t, kPrologSize>& p, std::size_t at) {
  return static_cast<std::uint16_t>(p[at] | (p[at + 1] << 8));
}

std::uint32_t U32At(const std::array<std::uint8_t, kPrologSize>& p, std::size_t at) {
  return std::uint32_t{U16At(p, at)} | (std::uint32_t{U16At(p, at + 2)} << 16);
}

}  // namespace

void TSondAmComPort::WriteOut(std::ostream& out, std::span<const std::uint8_t> bytes) {
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {outName_}));
}

std::string TSondAmComPort::DownloadToTempFile() {
  namespace fs = std::filesystem;
  if (!tempFileName_.empty()) {
    std::error_code ignored;
    fs::remove(tempFileName_, ignored);
    tempFileName_.clear();
  }
  std::error_code error;
  fs::path folder = tempFolder_.empty() ? fs::temp_directory_path(error) : fs::path(tempFolder_);
  if (error || folder.empty()) folder = ".";
  // A unique name "SDX<hex>.tmp", created exclusively so that no other file is reused.
  std::random_device seed;
  std::mt19937 random(seed());
  std::string name;
  for (int attempt = 0; attempt < 1000 && name.empty(); ++attempt) {
    char stem[32];
    std::snprintf(stem, sizeof stem, "SDX%X.tmp", static_cast<unsigned>(random() & 0xFFFFFF));
    const std::string candidate = (folder / stem).string();
    if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
      std::fclose(file);
      name = candidate;
    }
  }
  if (name.empty())
    throw EGaugData(
        FormatMessageText(Translate(kCannotWriteFileText), {(folder / "SDX*.tmp").string()}));
  tempFileName_ = name;
  try {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    if (!out) throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {name}));
    DownloadImage(out, name);
    out.close();
    if (!out) throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {name}));
  } catch (...) {
    // A partial image is never offered as received data.
    std::error_code ignored;
    fs::remove(name, ignored);
    tempFileName_.clear();
    throw;
  }
  return name;
}

std::uint16_t TSondAmComPort::DownloadImage(std::ostream& out, const std::string& outName) {
  outName_ = outName;
  trailer_.fill(0);
  std::uint16_t status = 0;
  std::exception_ptr failure;
  std::vector<std::uint8_t> values;
  std::vector<std::uint8_t> strings;
  try {
    SetLumi(3);
    const bool checked = FirmwareAtLeast(kFirmwareChecksummed);
    SendCommand(checked ? cmd::kMeasuringValues : cmd::kMeasuringValuesOld);
    if (ReceiveByte() != 1) {
      status = kNothingToSend;
    } else {
      std::array<std::uint8_t, kPrologSize> prolog{};
      StartProgress("Load Prolog", kPrologSize, ProgressMode::kReceived);
      ReceiveBlock(prolog);
      StampReception(prolog, receptionClock_ ? receptionClock_() : NowDateTime());
      WriteOut(out, prolog);
      // The strings area holds the directory and the tables; the counts are
      // added without truncation, so an area above 64 KiB stays in step.
      const std::size_t stringsSize = std::size_t{U16At(prolog, 68)} + U16At(prolog, 94);
      const std::uint32_t valuesSize = U32At(prolog, 70);
      const std::size_t block = static_cast<std::size_t>(blockSize_);
      values.resize(block);
      strings.resize(stringsSize);
      SendByte(1);
      SendDword(static_cast<std::uint32_t>(block));
      const std::size_t fullBlocks = valuesSize / block;
      const std::size_t rest = valuesSize % block;
      if (checked) {
        StartProgress("Load Strings", static_cast<std::int64_t>(stringsSize),
                      ProgressMode::kReceived);
        ReceiveBlock(strings);
        WriteOut(out, strings);
        SendByte(1);
        const std::int64_t expected =
            static_cast<std::int64_t>(fullBlocks * (block + kBlockHeader + kBlockTrailer) + rest +
                                      kBlockHeader + kBlockTrailer);
        StartProgress("Load Values", expected, ProgressMode::kReceived);
        for (std::size_t i = 0; i < fullBlocks; ++i) ReceiveCheckedBlock(block, out, i + 1);
        ReceiveCheckedBlock(rest, out, fullBlocks + 1);
      } else {
        StartProgress("Load Strings", static_cast<std::int64_t>(stringsSize),
                      ProgressMode::kReceived);
        ReceiveBlock(strings);
        StartProgress("Load Values", valuesSize, ProgressMode::kReceived);
        bool stringsWritten = false;
        for (std::size_t i = 0; i < fullBlocks; ++i) {
          ReceiveBlock(values);
          if (!stringsWritten) WriteOut(out, strings);
          stringsWritten = true;
          WriteOut(out, values);
          SendByte(1);
        }
        const std::span<std::uint8_t> last(values.data(), rest);
        ReceiveBlock(last);
        if (!stringsWritten) WriteOut(out, strings);
        WriteOut(out, last);
      }
    }
  } catch (...) {
    failure = std::current_exception();
  }
  values.clear();
  strings.clear();
  SetCommandState(CommandState::kIdle);
  // After a cancel the port is closed: nothing more can be said to the meter.
  if (!cancelRequested_) {
    try {
      SetLumi(4);
      HereAmI();
    } catch (...) {
      failure = std::current_exception();
    }
  }
  if (failure) std::rethrow_exception(failure);
  return status;
}

void TSondAmComPort::ReceiveCheckedBlock(std::size_t n, std::ostream& out,
                                         std::size_t blockNumber) {
  blockRetries_ = 0;
  std::vector<std::uint8_t> data(n);
  for (;;) {
    const std::uint32_t mark = receivedBytes_;
    try {
      ReceiveWord();  // header, not interpreted
      ReceiveBlock(data);
      ReceiveBlock(trailer_);
    } catch (const ESerialCancelled&) {
      throw;
    } catch (const EComPortFAIL&) {
      throw;
    } catch (const ESerialError&) {
      ++blockRetries_;
      port_.Purge(true, false);
      SendByte(static_cast<std::uint8_t>(trailer_[0] ^ 0xAA));
      receivedBytes_ = mark;
      if (blockRetries_ > kMaxBlockRetries) throw;
      SetCommandState(CommandState::kRun);
      continue;
    }
    std::uint8_t sum = 0;
    for (const std::uint8_t b : data) sum = static_cast<std::uint8_t>(sum + b);
    if (sum == trailer_[0]) {
      WriteOut(out, data);
      SendByte(trailer_[0]);
      return;
    }
    ++blockRetries_;
    SendByte(static_cast<std::uint8_t>(trailer_[0] ^ 0xAA));
    receivedBytes_ = mark;
    // A block that never arrives intact ends the download: a file with a
    // hole must not pass for the meter's memory.
    if (blockRetries_ > kMaxBlockRetries) {
      SetCommandState(CommandState::kFail);
      throw ESerialRecTRANS(
          FormatText(Translate("PRUEFSUMMENFEHLER IN BLOCK %d"), {static_cast<int>(blockNumber)}));
    }
  }
}

}  // namespace gd
