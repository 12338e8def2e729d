#include "core/FileStore.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

#include "core/Errors.h"
#include "core/MessageTexts.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "core/TextTools.h"

namespace gd {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const char* pattern, const std::string& path) {
  throw EGaugData(FormatMessageText(Translate(pattern), {PathText(path)}));
}

constexpr const char* kCannotRead = "Die Datei %s kann nicht gelesen werden";

// Closes the file on every way out.
struct FileCloser {
  std::FILE* f;
  ~FileCloser() {
    if (f) std::fclose(f);
  }
};

}  // namespace

Bytes DiskFileStore::ReadWhole(const std::string& path) {
  FileCloser file{OpenFile(path, "rb")};
  if (!file.f) Fail(kCannotRead, path);
  Bytes data;
  std::uint8_t chunk[65536];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, file.f);
    data.insert(data.end(), chunk, chunk + n);
    if (n < sizeof chunk) break;
  }
  if (std::ferror(file.f)) Fail(kCannotRead, path);
  return data;
}

bool DiskFileStore::Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(FsPath(path), ec);
}

bool DiskFileStore::Remove(const std::string& path) {
  std::error_code ec;
  fs::remove(FsPath(path), ec);
  return !ec;
}

bool DiskFileStore::Rename(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(FsPath(from), FsPath(to), ec);
  return !ec;
}

std::string DiskFileStore::CreateTemporary(const std::string& besidePath) {
  const fs::path beside = FsPath(besidePath);
  const fs::path stem = beside.filename();
  for (int i = 0; i < 1000; ++i) {
    fs::path candidate = beside;
    candidate.replace_filename(stem);
    candidate += ".~tmp" + std::to_string(i);
    const std::string name = PathString(candidate);
    // "x" makes the open fail when the name exists, so two writers never
    // share one temporary file.
    std::FILE* f = OpenFile(name, "wbx");
    if (f) {
      std::fclose(f);
      return name;
    }
    if (!Exists(name)) break;  // not a name clash: the folder is not writable
  }
  Fail(kCannotWriteFileText, besidePath);
}

void DiskFileStore::WriteWhole(const std::string& path, ByteView data) {
  std::FILE* f = OpenFile(path, "wb");
  if (!f) Fail(kCannotWriteFileText, path);
  bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = std::fflush(f) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
  ok = ok && ::fsync(::fileno(f)) == 0;
#endif
  ok = std::fclose(f) == 0 && ok;
  if (!ok) Fail(kCannotWriteFileText, path);
}

std::optional<std::chrono::system_clock::time_point> DiskFileStore::ModificationTime(
    const std::string& path) {
  std::error_code ec;
  const fs::file_time_type t = fs::last_write_time(FsPath(path), ec);
  if (ec) return std::nullopt;
  // Carried over through the two clocks' present moments: portable where the
  // standard library has no clock_cast yet, and exact to well below a second.
  return std::chrono::system_clock::now() +
         std::chrono::duration_cast<std::chrono::system_clock::duration>(
             t - fs::file_time_type::clock::now());
}

std::string ChangeFileExt(const std::string& path, const std::string& extension) {
  const std::size_t nameAt = path.find_last_of("\\/:");
  const std::size_t dot = path.find_last_of('.');
  if (dot != std::string::npos && (nameAt == std::string::npos || dot > nameAt)) {
    return path.substr(0, dot) + extension;
  }
  return path + extension;
}

}  // namespace gd
