#include "Meter.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace gd::sim {
namespace {

constexpr char kToken[] = "HI SONDV3";
constexpr char kReady[] = " READY\r\n";  // 8 bytes

// Firmware versions from which the meter knows a command.
constexpr std::uint16_t kV302 = 0x0203;  // coefficient tables and user sets
constexpr std::uint16_t kV312 = 0x0C03;  // named tables
constexpr std::uint16_t kV348 = 0x3003;  // identification word B
constexpr std::uint16_t kV521 = 0x1505;  // download with checksummed blocks

long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
}

unsigned DaysInMonth(long long y, unsigned m) {
  static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && leap ? 29 : kDays[m - 1];
}

std::int64_t SteadySeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::string Version(std::uint16_t v) { return Format("V %d.%02d", v & 0xFF, v >> 8); }

bool Empty(const Record& r) {
  for (std::uint8_t b : r) {
    if (b != 0) return false;
  }
  return true;
}

}  // namespace

Meter::Meter(Line& line, Log& log, MemoryImage memory, MeterSettings settings)
    : line_(line), log_(log), memory_(std::move(memory)), settings_(std::move(settings)) {
  if (settings_.clockStart) {
    clockBase_ = *settings_.clockStart;
  } else {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    clockBase_ = DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                               static_cast<unsigned>(local.tm_mday)) *
                     86400 +
                 local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
  }
  clockSetAt_ = SteadySeconds();
  const auto slots = static_cast<std::size_t>(settings_.userSlots);
  working_.assign(slots, Record(kCoefficientRecordSize, 0));
  for (int i = 0; i < settings_.userSets && i < settings_.userSlots; ++i) {
    working_[static_cast<std::size_t>(i)] = SampleUserSet(i + 1);
  }
  stored_ = active_ = working_;
}

void Meter::Run() {
  log_.Write(Format("meter: firmware %s, memory %zu bytes (strings %zu, values %zu), %d user slots",
                    Version(settings_.firmware).c_str(), memory_.Bytes().size(),
                    memory_.StringsSize(), memory_.ValuesSize(), settings_.userSlots));
  for (;;) {
    try {
      if (!slave_) {
        MainMode();
      } else {
        Command(*line_.Read(-1));
      }
    } catch (const Abandon& a) {
      log_.Write("abandoned: " + a.why);
    }
  }
}

bool Meter::Firmware(std::uint16_t least) const {
  const int major = settings_.firmware & 0xFF;
  const int minor = settings_.firmware >> 8;
  if (major != (least & 0xFF)) return major > (least & 0xFF);
  return minor >= (least >> 8);
}

std::uint8_t Meter::Arg(const char* what) {
  const auto b = line_.Read(settings_.argTimeoutMs);
  if (!b) throw Abandon{Format("%s did not come", what)};
  return *b;
}

std::uint8_t Meter::Ack(const char* what) {
  const auto b = line_.Read(settings_.ackTimeoutMs);
  if (!b) throw Abandon{Format("no acknowledgement of %s", what)};
  return *b;
}

void Meter::SendWord(std::uint16_t v) {
  line_.Send({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)});
}

void Meter::SendDword(std::uint32_t v) {
  SendWord(static_cast<std::uint16_t>(v));
  SendWord(static_cast<std::uint16_t>(v >> 16));
}

void Meter::SendString(const std::string& text) {
  std::vector<std::uint8_t> bytes(text.size() + 1);
  bytes[0] = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) bytes[i + 1] = static_cast<std::uint8_t>(text[i]);
  line_.Send(bytes);
}

void Meter::Handshake() {
  ++handshakes_;
  log_.Write(Format("handshake %d%s", handshakes_, slave_ ? " in slave mode" : ""));
  const bool refuse = settings_.badHandshakes < 0 || handshakes_ <= settings_.badHandshakes;
  if (refuse) {
    log_.Write("handshake answered without READY (fault)");
    line_.Send(reinterpret_cast<const std::uint8_t*>("ERROR \r\n"), 8);
    slave_ = false;
    return;
  }
  line_.Send(reinterpret_cast<const std::uint8_t*>(kReady), 8);
  slave_ = true;
  log_.Write("slave mode");
}

void Meter::MainMode() {
  std::string window;
  for (;;) {
    window += static_cast<char>(*line_.Read(-1));
    if (window.size() > 9) window.erase(0, window.size() - 9);
    if (window == kToken) break;
  }
  Handshake();
}

bool Meter::TokenRest() {
  for (const char* c = kToken + 1; *c != '\0'; ++c) {
    const auto b = line_.Read(settings_.argTimeoutMs);
    if (!b || *b != static_cast<std::uint8_t>(*c)) return false;
  }
  return true;
}

void Meter::Command(std::uint8_t code) {
  auto ignored = [&](const char* why) { log_.Write(Format("cmd %02x ignored: %s", code, why)); };
  const std::string old = "not known to firmware " + Version(settings_.firmware);
  switch (code) {
    case 0x64:
      log_.Write("cmd 64 Return from Slave");
      line_.Send(reinterpret_cast<const std::uint8_t*>(kReady), 8);
      slave_ = false;
      log_.Write("main mode");
      return;
    case 0x67:
      log_.Write("cmd 67 SerialNumber");
      SendString(ToDos(settings_.serialNumber));
      return;
    case 0x68:
      log_.Write("cmd 68 FirmwareVersion");
      SendWord(settings_.firmware);
      return;
    case 0x70:
      log_.Write("cmd 70 FirmwareDate");
      SendString(ToDos(settings_.firmwareDate));
      return;
    case 0xD7:
      log_.Write("cmd d7 identification word A");
      SendWord(settings_.identWordA);
      return;
    case 0x56:
      if (!Firmware(kV348)) return ignored(old.c_str());
      log_.Write("cmd 56 identification word B");
      SendDword(settings_.identWordB);
      return;
    case 0x9A: {
      const std::uint8_t level = Arg("SetLumi level");
      log_.Write(Format("cmd 9a SetLumi %d", level));
      return;
    }
    case 0x93:
      log_.Write("cmd 93 Here am I");
      return;
    case 0x74:
      return PlainTableCommand();
    case 0x58:
      if (!Firmware(kV312)) return ignored(old.c_str());
      return NamedTableCommand();
    case 0x7C:
      return ClockRead();
    case 0x7B:
      return ClockSet();
    case 0x5A:
      if (!Firmware(kV302)) return ignored(old.c_str());
      return UserSetCommand();
    case 0xBB:
      if (!Firmware(kV521)) return ignored(old.c_str());
      return Download(true);
    case 0xDB:
      if (Firmware(kV521)) return ignored("this firmware downloads with 0xBB");
      return Download(false);
    case static_cast<std::uint8_t>(kToken[0]):
      if (TokenRest()) return Handshake();
      return ignored("not a handshake");
    default:
      return ignored("unknown command");
  }
}

void Meter::PlainTableCommand() {
  const std::uint8_t kind = Arg("table kind");
  PlainTable table;
  if (kind == 17) {
    table = Languages();
  } else if (kind == 26 || kind == 27) {
    if (!Firmware(kV302)) {
      log_.Write(Format("cmd 74 table %d ignored: not known to firmware %s", kind,
                        Version(settings_.firmware).c_str()));
      return;
    }
    if (kind == 26) {
      table = FactoryCoefficients();
    } else {
      table.recordSize = kCoefficientRecordSize;
      std::size_t last = 0;
      for (std::size_t i = 0; i < active_.size(); ++i) {
        if (!Empty(active_[i])) last = i + 1;
      }
      table.records.assign(active_.begin(), active_.begin() + static_cast<std::ptrdiff_t>(last));
      const bool fault = settings_.readbackFaults < 0 || readbacks_ < settings_.readbackFaults;
      if (recalled_ && fault && !table.records.empty()) {
        ++readbacks_;
        table.records[0][3] ^= 0x01;
        log_.Write("user sets read back with a changed byte (fault)");
      }
      recalled_ = false;
    }
  }
  const auto total = static_cast<std::uint16_t>(table.recordSize * table.records.size());
  log_.Write(Format("cmd 74 table %d: %zu records of %d bytes", kind, table.records.size(),
                    table.recordSize));
  SendWord(table.recordSize);
  SendWord(total);
  for (const Record& r : table.records) line_.Send(r);
}

void Meter::NamedTableCommand() {
  const std::uint8_t kind = Arg("table kind");
  NamedTable table;
  if (kind == 1) {
    table = Materials(settings_.materials);
  } else if (kind == 2) {
    table = Media();
  } else {
    log_.Write(Format("cmd 58 table %d ignored: no such table", kind));
    return;
  }
  log_.Write(Format("cmd 58 table %d: %zu entries of %d bytes, %zu editable", kind,
                    table.names.size(), table.recordSize, table.editable.size()));
  line_.Send({static_cast<std::uint8_t>(table.names.size() - 1)});
  SendWord(table.recordSize);
  SendString(std::string(table.editable.begin(), table.editable.end()));
  SendString(table.name);
  for (const std::string& name : table.names) SendString(name);
  std::vector<std::uint8_t> records;
  for (std::size_t i = 0; i < table.records.size(); ++i) {
    bool editable = false;
    for (std::uint8_t e : table.editable) editable = editable || e == i;
    if (!editable) records.insert(records.end(), table.records[i].begin(), table.records[i].end());
  }
  SendWord(static_cast<std::uint16_t>(records.size()));
  line_.Send(records);
}

void Meter::ClockRead() {
  const long long now = clockBase_ + (SteadySeconds() - clockSetAt_);
  const long long days = now >= 0 ? now / 86400 : (now - 86399) / 86400;
  const auto seconds = static_cast<std::uint32_t>(now - days * 86400);
  long long year = 0;
  unsigned month = 0, day = 0;
  CivilFromDays(days, year, month, day);
  log_.Write(Format("cmd 7c DateTime: %02u.%02u.%04lld %02u:%02u:%02u", day, month, year,
                    seconds / 3600, seconds / 60 % 60, seconds % 60));
  SendWord(static_cast<std::uint16_t>(year));
  // Byte 4 is not used by the program; the meter puts its day of the week there.
  line_.Send({static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day),
              static_cast<std::uint8_t>((days + 4) % 7)});
  SendDword(seconds);
}

void Meter::ClockSet() {
  std::uint8_t b[8];
  for (std::uint8_t& x : b) x = Arg("clock setting");
  const unsigned year = b[0] | (b[1] << 8);
  const unsigned month = b[2], day = b[3], hour = b[5], minute = b[6], second = b[7];
  const bool valid = month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month) &&
                     hour < 24 && minute < 60 && second < 60;
  log_.Write(Format("cmd 7b Set HostDateTime%s: %02u.%02u.%04u %02u:%02u:%02u (byte 4 = %u)",
                    valid ? "" : " refused", day, month, year, hour, minute, second, b[4]));
  if (!valid) return;
  clockBase_ = DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
  clockSetAt_ = SteadySeconds();
}

void Meter::UserSetCommand() {
  const std::uint8_t sub = Arg("user-set sub-command");
  if (sub == 3) {
    const std::uint8_t slot = Arg("slot");
    const bool have = slot >= 1 && slot <= settings_.userSlots;
    line_.Send({static_cast<std::uint8_t>(have ? 0 : 1)});
    if (!have) {
      log_.Write(Format("cmd 5a 3 user set slot %d: no such slot", slot));
      return;
    }
    Record r(kCoefficientRecordSize);
    for (std::uint8_t& x : r) x = Arg("user set record");
    working_[slot - 1u] = r;
    log_.Write(Format("cmd 5a 3 user set slot %d: descriptor %d%s", slot, r[0] | (r[1] << 8),
                      Empty(r) ? " (empty)" : ""));
  } else if (sub == 4) {
    log_.Write("cmd 5a 4 store user sets");
    stored_ = working_;
  } else if (sub == 5) {
    log_.Write("cmd 5a 5 recall user sets");
    active_ = stored_;
    recalled_ = true;
  } else {
    log_.Write(Format("cmd 5a %d ignored: unknown sub-command", sub));
  }
}

bool Meter::Faulty(const BlockFault& fault, int block, std::set<int>& done) {
  if (fault.block != block) return false;
  if (fault.always) return true;
  return done.insert(block).second;
}

void Meter::Download(bool checked) {
  const auto start = std::chrono::steady_clock::now();
  acks_ = 0;
  ackWaitMs_ = ackWaitMaxMs_ = 0;
  log_.Write(Format("cmd %02x Measuring Values (%s)", checked ? 0xBB : 0xDB,
                    checked ? "checksummed blocks" : "plain blocks"));
  if (settings_.noData) {
    line_.Send({0});
    log_.Write("download: nothing to send");
    return;
  }
  line_.Send({1});
  line_.Send(memory_.Prolog(), kPrologSize);
  if (Ack("the prolog") != 1) throw Abandon{"the prolog was not acknowledged with 1"};
  std::uint32_t blockSize = 0;
  for (int i = 0; i < 4; ++i) {
    blockSize |= static_cast<std::uint32_t>(Arg("block size")) << (8 * i);
  }
  log_.Write(Format("download: block size %u", blockSize));
  if (blockSize == 0 || blockSize > 0xFFFF) throw Abandon{"block size out of range"};
  line_.Send(memory_.Strings(), memory_.StringsSize());
  if (checked) {
    if (Ack("the strings area") != 1) throw Abandon{"the strings were not acknowledged with 1"};
    SendCheckedBlocks(blockSize);
  } else {
    SendPlainBlocks(blockSize);
  }
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  log_.Write(Format("download: done, %zu bytes of memory in %.0f ms", memory_.Bytes().size(), ms));
  if (acks_ > 0) {
    // From the block's last byte to the answer: what the program adds per block.
    log_.Write(Format("download: %d answers to values blocks, %.1f ms on average, %.1f ms at most",
                      acks_, ackWaitMs_ / acks_, ackWaitMaxMs_));
  }
}

void Meter::SendCheckedBlocks(std::size_t blockSize) {
  const std::size_t total = memory_.ValuesSize();
  const std::size_t full = total / blockSize;
  for (std::size_t k = 1; k <= full + 1; ++k) {
    const std::size_t n = k <= full ? blockSize : total % blockSize;
    const std::uint8_t* data = memory_.Values() + (k - 1) * blockSize;
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum = static_cast<std::uint8_t>(sum + data[i]);
    std::vector<std::uint8_t> frame{static_cast<std::uint8_t>(k),
                                    static_cast<std::uint8_t>(k >> 8)};
    frame.insert(frame.end(), data, data + n);
    // Trailer: the checksum, then bytes the program does not interpret.
    const std::uint8_t trailer[16] = {sum,
                                      static_cast<std::uint8_t>(~sum),
                                      static_cast<std::uint8_t>(n),
                                      static_cast<std::uint8_t>(n >> 8),
                                      0x54,
                                      0x52,
                                      0x4C,
                                      0x52,
                                      0xEE,
                                      0xEE,
                                      0xEE,
                                      0xEE,
                                      0xEE,
                                      0xEE,
                                      0xEE,
                                      0xEE};
    frame.insert(frame.end(), trailer, trailer + 16);
    const int block = static_cast<int>(k);
    for (int tries = 1;; ++tries) {
      std::vector<std::uint8_t> sent = frame;
      if (Faulty(settings_.corruptBlock, block, corrupted_)) {
        sent[n > 0 ? 2 + n / 2 : 2] ^= 0x5A;  // a data byte, or the checksum of an empty block
        log_.Write(Format("download: block %d sent corrupted (fault)", block));
      }
      if (Faulty(settings_.dropBlock, block, dropped_)) {
        sent.erase(sent.begin() + static_cast<std::ptrdiff_t>(2 + n / 2));
        log_.Write(Format("download: block %d sent without one byte (fault)", block));
      }
      line_.Send(sent);
      const auto sentAt = std::chrono::steady_clock::now();
      const std::uint8_t reply = Ack(Format("values block %d", block).c_str());
      const double wait =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sentAt)
              .count();
      ackWaitMs_ += wait;
      ackWaitMaxMs_ = std::max(ackWaitMaxMs_, wait);
      ++acks_;
      if (reply == sum) break;
      log_.Write(Format("download: block %d refused with %02x (try %d)", block, reply, tries));
      if (tries >= settings_.maxTries) {
        throw Abandon{Format("values block %d refused %d times", block, tries)};
      }
    }
  }
}

void Meter::SendPlainBlocks(std::size_t blockSize) {
  const std::size_t total = memory_.ValuesSize();
  const std::size_t full = total / blockSize;
  for (std::size_t k = 1; k <= full + 1; ++k) {
    const std::size_t n = k <= full ? blockSize : total % blockSize;
    if (n == 0) break;
    std::vector<std::uint8_t> sent(memory_.Values() + (k - 1) * blockSize,
                                   memory_.Values() + (k - 1) * blockSize + n);
    const int block = static_cast<int>(k);
    if (Faulty(settings_.corruptBlock, block, corrupted_)) {
      sent[n / 2] ^= 0x5A;
      log_.Write(Format("download: block %d sent corrupted (fault)", block));
    }
    if (Faulty(settings_.dropBlock, block, dropped_)) {
      sent.erase(sent.begin() + static_cast<std::ptrdiff_t>(n / 2));
      log_.Write(Format("download: block %d sent without one byte (fault)", block));
    }
    line_.Send(sent);
    if (k <= full && Ack(Format("values block %d", block).c_str()) != 1) {
      throw Abandon{Format("values block %d was not acknowledged with 1", block)};
    }
  }
}

}  // namespace gd::sim
