// The few file-system operations a measurement file needs, behind an
// interface so that tests can make any of them fail.
//
// Paths are the system's file names as UTF-8 (PathText.h). Failures of reading and writing are
// EGaugData exceptions with a translated message naming the file; the other
// operations report failure by their result.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/Bytes.h"

namespace gd {

class IFileStore {
 public:
  virtual ~IFileStore() = default;

  // The whole content of a file.
  virtual Bytes ReadWhole(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // False when the file could not be deleted (a missing file counts as deleted).
  virtual bool Remove(const std::string& path) = 0;
  // Renames `from` to `to`, replacing a file of that name. False on failure.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Creates a new, empty file with a unique name in the folder of `besidePath`
  // (so that renaming it onto `besidePath` stays within one file system) and
  // returns its path.
  virtual std::string CreateTemporary(const std::string& besidePath) = 0;
  // Replaces the content of `path` by `data`, flushes it to the disk and
  // closes the file. A failure part-way may leave a partial file behind.
  virtual void WriteWhole(const std::string& path, ByteView data) = 0;
  virtual std::optional<std::chrono::system_clock::time_point> ModificationTime(
      const std::string& path) = 0;
};

// The real file system.
class DiskFileStore final : public IFileStore {
 public:
  Bytes ReadWhole(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  std::string CreateTemporary(const std::string& besidePath) override;
  void WriteWhole(const std::string& path, ByteView data) override;
  std::optional<std::chrono::system_clock::time_point> ModificationTime(
      const std::string& path) override;
};

// The file name with its extension (from the last '.' of the last path
// component) replaced by `extension`, or with `extension` appended when it has
// none. ChangeFileExt("a\\b.sdx", ".~SD") == "a\\b.~SD".
std::string ChangeFileExt(const std::string& path, const std::string& extension);

}  // namespace gd
