// The target of a save: which kind of file its name asks for, whether it is
// the open measurement file itself, and writing it in one piece.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "core/Bytes.h"
#include "core/FileStore.h"

namespace gd {

enum class SaveKind {
  Text,         // any other extension: text lines
  Spreadsheet,  // ".xls"
  Workbook,     // ".xlsx": the same cells as ".xls", in the current workbook format
  DataTable,    // ".csv": one row per value record, for data tools
  Subset,       // ".sdx": a measurement file with the selected series only
};

// By the target's extension (from the last '.' of the last path component),
// compared in lower case: ".sdx" a subset, ".xls" a spreadsheet, ".xlsx" a
// workbook, ".csv" a data table, anything else (no extension included) text.
SaveKind SaveKindOf(const std::string& target);

// The file name without its directory ("C:\\a\\b.txt" and "/a/b.txt" give "b.txt").
std::string FileNameOnly(const std::string& path);

// Whether `target` names the file `openFile` names: the same text, or, when
// both exist, the same file on the disk however the paths are spelt
// (".." parts, symbolic links, hard links).
bool IsSameFile(const std::string& target, const std::string& openFile);

// The path a save of `target` writes to: `target` itself, or for a symbolic
// link the file it leads to, so that the link is kept. Throws EGaugData when
// an existing target is a folder, a device or anything else but a plain file,
// which a save must never replace.
std::string ResolveSaveTarget(const std::string& target);

// Writes `data` to a temporary file beside `target` (beside the file a link
// leads to, see ResolveSaveTarget) and renames it onto
// `target`, so that `target` holds either its old content or all of `data`,
// never a part. Failures throw EGaugData "Die Datei %s kann nicht geschrieben
// werden" (or the file store's own error) and leave no temporary file.
void WriteInOnePiece(IFileStore& files, const std::string& target, ByteView data);

// A file written piece by piece into a temporary file beside the target (see
// ResolveSaveTarget) and put in the target's place by Commit, so that the
// target holds its old content or all of the new one, never a part, and the
// writer's memory does not grow with the file. Without Commit (an error, a
// cancel) the temporary file is removed and the target stays as it was.
class PendingFile {
 public:
  PendingFile(IFileStore& files, const std::string& target);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // The temporary file, for a writer that opens it itself.
  const std::string& TemporaryPath() const { return temp_; }
  // Appends to the temporary file (opened on the first call).
  void Write(std::string_view bytes);
  // Flushes and closes what Write wrote, and renames the temporary file onto
  // the target. Throws EGaugData "Die Datei %s kann nicht geschrieben werden".
  void Commit();

 private:
  void Fail();

  IFileStore& files_;
  std::string target_;
  std::string path_;
  std::string temp_;
  std::FILE* file_ = nullptr;
  bool committed_ = false;
};

}  // namespace gd
