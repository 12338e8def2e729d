#include "export/SaveTarget.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/Errors.h"
#include "core/MessageTexts.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "core/TextTools.h"

namespace gd {
namespace {

constexpr const char* kIsFolder = "%s ist ein Verzeichnis, keine Datei";
constexpr const char* kNotAFile = "%s ist keine gew\xF6hnliche Datei und wird nicht ersetzt";

std::string LowerExtension(const std::string& path) {
  const std::size_t nameAt = path.find_last_of("\\/:");
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (nameAt != std::string::npos && dot < nameAt)) return {};
  std::string ext = path.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

}  // namespace

SaveKind SaveKindOf(const std::string& target) {
  const std::string ext = LowerExtension(target);
  if (ext == ".sdx") return SaveKind::Subset;
  if (ext == ".xls") return SaveKind::Spreadsheet;
  if (ext == ".xlsx") return SaveKind::Workbook;
  if (ext == ".csv") return SaveKind::DataTable;
  return SaveKind::Text;
}

std::string FileNameOnly(const std::string& path) {
  const std::size_t nameAt = path.find_last_of("\\/:");
  return nameAt == std::string::npos ? path : path.substr(nameAt + 1);
}

bool IsSameFile(const std::string& target, const std::string& openFile) {
  if (target == openFile) return true;
  std::error_code ec;
  // Device and inode (or the volume and file index) of both; false with an
  // error when either does not exist, and a missing file cannot be overwritten.
  const bool same = std::filesystem::equivalent(FsPath(target), FsPath(openFile), ec);
  return !ec && same;
}

std::string ResolveSaveTarget(const std::string& target) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string path = target;
  if (fs::is_symlink(fs::symlink_status(FsPath(target), ec))) {
    // The file the link names gets the new content; the link stays a link.
    const fs::path resolved = fs::weakly_canonical(FsPath(target), ec);
    if (!ec) path = PathString(resolved);
  }
  const fs::file_status status = fs::status(FsPath(path), ec);
  if (ec || !fs::exists(status) || fs::is_regular_file(status)) return path;
  throw EGaugData(FormatMessageText(Translate(fs::is_directory(status) ? kIsFolder : kNotAFile),
                                    {PathText(target)}));
}

void WriteInOnePiece(IFileStore& files, const std::string& target, ByteView data) {
  const std::string path = ResolveSaveTarget(target);
  const std::string temp = files.CreateTemporary(path);
  try {
    files.WriteWhole(temp, data);
  } catch (...) {
    files.Remove(temp);
    throw;
  }
  if (!files.Rename(temp, path)) {
    files.Remove(temp);
    throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {PathText(target)}));
  }
}

PendingFile::PendingFile(IFileStore& files, const std::string& target)
    : files_(files), target_(target), path_(ResolveSaveTarget(target)) {
  temp_ = files_.CreateTemporary(path_);
}

PendingFile::~PendingFile() {
  if (file_) std::fclose(file_);
  if (!committed_) files_.Remove(temp_);
}

void PendingFile::Fail() {
  throw EGaugData(FormatMessageText(Translate(kCannotWriteFileText), {PathText(target_)}));
}

void PendingFile::Write(std::string_view bytes) {
  if (!file_) {
    file_ = OpenFile(temp_, "wb");
    if (!file_) Fail();
  }
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail();
}

void PendingFile::Commit() {
  if (file_) {
    const bool ok = std::fflush(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!ok || !closed) Fail();
  }
  if (!files_.Rename(temp_, path_)) Fail();
  committed_ = true;
}

}  // namespace gd
