// Test doubles shared by the saving tests: a disk that fails on order and a
// recorder of message boxes.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/Messages.h"

namespace gd {

// A store whose writes stop half-way or whose renames fail.
struct FailingStore : IFileStore {
  Bytes ReadWhole(const std::string& path) override { return disk.ReadWhole(path); }
  bool Exists(const std::string& path) override { return disk.Exists(path); }
  bool Remove(const std::string& path) override { return disk.Remove(path); }
  bool Rename(const std::string& from, const std::string& to) override {
    return !failRename && disk.Rename(from, to);
  }
  std::string CreateTemporary(const std::string& beside) override {
    return disk.CreateTemporary(beside);
  }
  void WriteWhole(const std::string& path, ByteView data) override {
    if (failWrite) {
      disk.WriteWhole(path, data.first(data.size() / 2));
      throw EGaugData("disk full");
    }
    disk.WriteWhole(path, data);
  }
  std::optional<std::chrono::system_clock::time_point> ModificationTime(
      const std::string& path) override {
    return disk.ModificationTime(path);
  }
  DiskFileStore disk;
  bool failWrite = false, failRename = false;
};

struct RecordedMessages : IMessages {
  void Show(MessageKind kind, const std::string& text) override { shown.push_back({kind, text}); }
  Answer Ask(MessageKind, const std::string&) override { return Answer::No; }
  std::vector<std::pair<MessageKind, std::string>> shown;
};

}  // namespace gd
