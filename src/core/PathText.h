// File names as the program holds them.
//
// A path is the system's file name, held as UTF-8 bytes on every platform
// (the bytes the user typed on Linux, the wide name re-encoded on Windows). It
// never goes through the Windows-1252 conversion of texts: only where a path
// is shown inside a text (a message, a "\SOURCE" line, a caption) is it turned
// into the code page of texts, and that copy is never used to reach the file.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace gd {

// The path as the file system library takes it.
std::filesystem::path FsPath(const std::string& path);
// The system's name of a file system path, as UTF-8.
std::string PathString(const std::filesystem::path& path);

// std::fopen for a UTF-8 path (the wide call on Windows).
std::FILE* OpenFile(const std::string& path, const char* mode);

// The path for a Windows-1252 text: characters the code page holds are kept,
// any other becomes '?'. Bytes that are not UTF-8 are kept as they are (a
// name written by an older program in the code page itself).
std::string PathText(std::string_view path);

}  // namespace gd
