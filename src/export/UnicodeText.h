// Texts of the program (Windows-1252 bytes, or with the DOS-characters style
// bit the six DOS umlaut codes among them) as UTF-8, for the file kinds that
// hold Unicode: the workbook (".xlsx") and the data table (".csv").
#pragma once

#include <string>
#include <string_view>

namespace gd {

// Appends `text` as UTF-8. With `dosCharset` the bytes 0x8E 0x9A 0xE1 0x84
// 0x94 0x81 are read as the DOS codes of Ä Ü ß ä ö ü, as the text export
// wrote them; every other byte is Windows-1252.
void AppendExportTextUtf8(std::string& out, std::string_view text, bool dosCharset);
std::string ExportTextToUtf8(std::string_view text, bool dosCharset);

}  // namespace gd
