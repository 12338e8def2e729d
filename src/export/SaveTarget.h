// The target of a save: which kind of file its name asks for, whether it is
// the open measurement file itself, and writing it in one piece.
#pragma once

#include <string>

#include "core/Bytes.h"
#include "core/FileStore.h"

namespace gd {

enum class SaveKind {
  Text,         // any other extension: text lines
  Spreadsheet,  // ".xls"
  Subset,       // ".sdx": a measurement file with the selected series only
};

// By the target's extension (from the last '.' of the last path component),
// compared in lower case: ".sdx" a subset, ".xls" a spreadsheet, anything
// else (no extension included) text.
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

}  // namespace gd
