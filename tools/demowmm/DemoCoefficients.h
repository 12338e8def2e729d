// The demo coefficient file shipped in examples/demo.wmm: three user sets
// for water and two glycol mixtures, as the coefficient dialog saves them.
// The content is fully determined by this code, so the committed file can be
// checked against it.
#pragma once

#include <string>
#include <vector>

#include "device/Coefficients.h"

namespace gd::demo {

std::vector<NamedCoefficientSet> DemoCoefficientSets();
// The file's bytes (Windows-1252, CR LF).
std::string BuildDemoCoefficientFile();

}  // namespace gd::demo
