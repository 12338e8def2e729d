// Start, end and duration of a series or of one of its channels, as the
// series list and the series information show them.
#pragma once

#include <cstddef>
#include <string>

#include "core/DateTime.h"
#include "core/Locale.h"
#include "core/VXAblage.h"

namespace gd {

// Time column modes (popup "S=Startzeit", "E=Endezeit", "D=Dauer"); any other
// mode hides the column.
inline constexpr int kTimeColumnStart = 0;
inline constexpr int kTimeColumnEnd = 1;
inline constexpr int kTimeColumnDuration = 2;

inline constexpr const char* kTriggeredText = "? (TRIGGERED)";

// Start date and time of a series as its directory entry stores them.
Moment SeriesStart(const TRcaEntry& entry);
// From the start to the last value of a channel (0-based; the series list
// uses the first): (value count - 1) x storage interval seconds, 0 when that
// is negative or the series has no such channel.
Span SeriesSpan(const TSeriesDescription& series, std::size_t channel = 0);
// Whether the channel records triggered (head byte 55, bit 0x10): end and
// duration are then unknown.
bool SeriesTriggered(const TSeriesDescription& series, std::size_t channel = 0);
// "%dh:%2.2dmin:%2.2ds", "%d Tag + ..." for one day, "%d Tage + ..." for more.
std::string DurationText(const Span& span);
// The time text of a series (of its channel) in a mode; "" for a hidden column.
std::string SeriesTimeCell(const TSeriesDescription& series, int mode, const Locale& locale,
                           std::size_t channel = 0);

}  // namespace gd
