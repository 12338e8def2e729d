// The message texts that more than one place shows, one constant each. They
// are the German source texts: pass them through Translate() where they are
// shown or thrown.
#pragma once

namespace gd {

// An unusable measurement stream or file.
inline constexpr const char* kBinFileInvalidText = "BIN\xC4RDATEI IST UNGUELTIG";
// A measurement file whose identification is not that of a stream we read.
inline constexpr const char* kBinFileTooOldText = "VERSION DER BINAERDATEI IST ZU ALT";
// A series command with no series in the open file.
inline constexpr const char* kNoSeriesAvailableText = "Keine Messwertreihen verfuegbar";
// A valid stream that holds no series.
inline constexpr const char* kNoSeriesContainedText = "Keine Messwertreihen enthalten";
// A series number past the last series; "%d" is the number of series.
inline constexpr const char* kOnlyNSeriesText = "Nur %d Reihen enthalten";
// A file that cannot be written; "%s" is its name.
inline constexpr const char* kCannotWriteFileText = "Die Datei %s kann nicht geschrieben werden";

}  // namespace gd
