// A scripted serial line for tests of the link: a fake port and a fake host
// on one fake clock, so pacing and time-outs are checked without sleeping.
//
// The script is a list of exchanges: the bytes the program must send next
// and the bytes the meter then answers. A byte sent that the script does not
// expect is recorded as a mismatch (and fails the test at the check).
// Faults: an open that fails, silence, line errors, a send queue that does
// not drain, replies that arrive late.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "device/SerialPort.h"

namespace gd::test {

using ByteList = std::vector<std::uint8_t>;

// The bytes of a text literal (zero bytes inside included), without its
// terminating zero.
template <std::size_t N>
ByteList B(const char (&text)[N]) {
  return ByteList(text, text + N - 1);
}
// The bytes of a text.
inline ByteList B(std::string_view text) { return ByteList(text.begin(), text.end()); }
inline ByteList B(const std::string& text) { return ByteList(text.begin(), text.end()); }
// Several byte lists joined.
inline ByteList Cat(std::initializer_list<ByteList> parts) {
  ByteList all;
  for (const ByteList& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

struct Exchange {
  ByteList expect;           // what the program sends
  ByteList reply;            // what the meter then answers
  std::int64_t delayMs = 0;  // the reply arrives this long after the last byte
};

struct FakeLine {
  std::int64_t now = 1000;  // fake clock, ms
  std::vector<std::uint8_t> written;
  std::vector<std::int64_t> writeTimes;
  std::deque<std::uint8_t> input;
  struct Pending {
    std::int64_t at;
    ByteList bytes;
  };
  std::vector<Pending> pending;  // replies not yet arrived
  std::vector<Exchange> script;
  std::size_t step = 0;     // current exchange
  std::size_t matched = 0;  // bytes of its expectation already seen
  std::vector<std::string> mismatches;

  bool open = false;
  bool openFails = false;
  std::string openCause = "Device busy";
  int opens = 0;
  int closes = 0;
  std::string openedName;
  std::uint32_t lineErrors = 0;  // reported at the next TakeLineErrors
  std::size_t notYetSent = 0;    // bytes the queue will not drain
  bool queueStuck = false;
  int purges = 0;
  int eventsRun = 0;
  std::function<void()> onEvents;  // called from LetEventsRun

  void Arrive() {
    auto it = pending.begin();
    while (it != pending.end()) {
      if (it->at <= now) {
        input.insert(input.end(), it->bytes.begin(), it->bytes.end());
        it = pending.erase(it);
      } else {
        ++it;
      }
    }
  }

  void Advance(std::int64_t ms) {
    now += ms;
    Arrive();
  }

  void OnWrite(std::uint8_t b) {
    written.push_back(b);
    writeTimes.push_back(now);
    if (step >= script.size()) {
      mismatches.push_back("unexpected byte " + std::to_string(b) + " after the script");
      return;
    }
    Exchange& e = script[step];
    if (matched >= e.expect.size() || e.expect[matched] != b) {
      mismatches.push_back(
          "step " + std::to_string(step) + " byte " + std::to_string(matched) + ": sent " +
          std::to_string(b) + ", expected " +
          (matched < e.expect.size() ? std::to_string(e.expect[matched]) : "none"));
      return;
    }
    if (++matched == e.expect.size()) {
      if (!e.reply.empty()) pending.push_back({now + e.delayMs, e.reply});
      ++step;
      matched = 0;
      Arrive();
    }
  }

  // Every exchange of the script done and nothing sent wrong.
  void ExpectScriptDone() const {
    EXPECT_TRUE(mismatches.empty()) << mismatches.front();
    EXPECT_EQ(step, script.size()) << "the program stopped at exchange " << step;
  }
};

class FakePort final : public ISerialPort {
 public:
  explicit FakePort(FakeLine& line) : line_(line) {}
  PortOpenResult Open(const PortSettings& settings) override {
    ++line_.opens;
    line_.openedName = settings.name;
    lastSettings = settings;
    if (line_.openFails) return {false, line_.openCause};
    line_.open = true;
    return {true, {}};
  }
  void Close() override {
    if (line_.open) ++line_.closes;
    line_.open = false;
  }
  bool IsOpen() const override { return line_.open; }
  void Write(std::span<const std::uint8_t> bytes) override {
    for (std::uint8_t b : bytes) line_.OnWrite(b);
  }
  std::size_t BytesWaiting() override { return line_.input.size(); }
  std::size_t BytesNotYetSent() override { return line_.notYetSent; }
  std::size_t Read(std::span<std::uint8_t> bytes) override {
    const std::size_t n = std::min(bytes.size(), line_.input.size());
    for (std::size_t i = 0; i < n; ++i) {
      bytes[i] = line_.input.front();
      line_.input.pop_front();
    }
    return n;
  }
  void WaitForInput(int timeoutMs) override {
    // Jump to the next arrival within the time-out, else to the time-out.
    std::int64_t until = line_.now + timeoutMs;
    for (const auto& p : line_.pending) until = std::min(until, std::max(p.at, line_.now));
    line_.Advance(std::max<std::int64_t>(until - line_.now, 1));
  }
  void WaitForSent(int timeoutMs) override {
    line_.Advance(timeoutMs);
    if (!line_.queueStuck) line_.notYetSent = 0;
  }
  std::uint32_t TakeLineErrors() override {
    const std::uint32_t e = line_.lineErrors;
    line_.lineErrors = 0;
    return e;
  }
  void Purge(bool input, bool) override {
    ++line_.purges;
    if (input) line_.input.clear();
  }

  PortSettings lastSettings;

 private:
  FakeLine& line_;
};

class FakeHost final : public LinkHost {
 public:
  explicit FakeHost(FakeLine& line) : line_(line) {}
  std::int64_t NowMs() override { return line_.now; }
  void LetEventsRun() override {
    ++line_.eventsRun;
    if (line_.onEvents) line_.onEvents();
  }
  void Pause(std::int64_t ms) override {
    LetEventsRun();
    line_.Advance(std::max<std::int64_t>(ms, 0));
  }

 private:
  FakeLine& line_;
};

}  // namespace gd::test
