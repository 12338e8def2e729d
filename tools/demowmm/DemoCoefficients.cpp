#include "DemoCoefficients.h"

namespace gd::demo {

std::vector<NamedCoefficientSet> DemoCoefficientSets() {
  struct Row {
    const char* name;
    std::uint16_t descriptor;
    long double values[10];
  };
  static const Row kRows[] = {
      {"WASSER",
       10001,
       {4.1868, -2.5e-3, 1.75e-5, -6.2e-8, 9.1e-11, 999.84, -6.8e-2, -9.1e-3, 1.0e-4, -1.1e-6}},
      {"GLYKOL30",
       10002,
       {3.7, -1.9e-3, 1.6e-5, -5.5e-8, 8.0e-11, 1042.5, -3.1e-1, -2.4e-3, 3.3e-5, -2.2e-7}},
      {"GLYKOL50",
       10003,
       {3.3, -1.2e-3, 1.4e-5, -4.9e-8, 7.2e-11, 1071.1, -4.6e-1, -1.8e-3, 2.9e-5, -1.9e-7}},
  };
  std::vector<NamedCoefficientSet> sets;
  for (const Row& row : kRows) {
    NamedCoefficientSet entry;
    entry.name = row.name;
    entry.set.descriptor = row.descriptor;
    entry.set.flags = TWMMKoeffs::kSelected;
    for (std::size_t k = 0; k < TWMMKoeffs::kCoefficientCount; ++k) {
      entry.set.SetValue(k, row.values[k]);
    }
    sets.push_back(entry);
  }
  return sets;
}

std::string BuildDemoCoefficientFile() { return BuildCoefficientFile(DemoCoefficientSets()); }

}  // namespace gd::demo
