// The demo measurement file shipped in examples/demo.sdx.
//
// A meter memory as a field engineer would bring it home: six series of a
// firmware V 5.22 meter with a smooth daily flow profile, two-channel and
// heat-flow measurements, a triggered recording, a second measuring run and a
// series with sound speed and signal amplitude, followed by the user-data
// block with a file comment and comments on some series. The content is fully
// determined by this code, so the committed file can be checked against it.
#pragma once

#include <cstdint>
#include <vector>

namespace gd::demo {

// The whole file: measurement byte stream followed by the user-data block.
std::vector<std::uint8_t> BuildDemoFile();

}  // namespace gd::demo
