// Which system port the link opens, and the COMPORT values as the link takes
// them at start-up.
//
// The port field of the serial settings dialog offers COM1 .. COM9 and the
// system's own ports, and takes any path typed in (USB adapters,
// /dev/serial/by-id/...). "COMn" picks the port number n with the system's
// default port behind it; anything else is a path that stands for the port.
#pragma once

#include <string>

#include "device/LineSettings.h"

namespace gd {

struct PortChoice {
  int index = 1;     // COM1 .. COM9 are 0 .. 8
  std::string path;  // empty: the system's default port for "COMn"
};

// What the field shows: the path when one is set, else "COMn" (empty for an
// index outside COM1 .. COM9).
std::string PortFieldText(const PortChoice& current);
// The field's text read back: "COMn" (n 1 .. 9, any case, blanks around
// ignored) picks that index without a path; any other text is a path that
// keeps the index (COM1 when the index is outside COM1 .. COM9, so the link
// can open it); an empty field keeps `current`.
PortChoice ParsePortField(const std::string& text, const PortChoice& current);

// Applies the COMPORT values in the order COM, Bauds(ORD), DataL(ORD),
// Parit(ORD), Stops(ORD), SHUNKS, TIMEOUT to `applied`. At the first value
// that cannot be applied it stops, keeps what was applied so far and returns
// false (the caller shows "UNGUELTIGER INI-EINTRAG [COM]"). A port number
// outside COM1 .. COM9 is taken as it stands: the next connect reports it.
bool ApplyComPortConfig(const ComPortConfig& values, ComPortConfig& applied);

}  // namespace gd
