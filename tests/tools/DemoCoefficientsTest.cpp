// The committed demo coefficient file must be exactly what the generator
// makes, and it must read back as its three sets without a message.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "DemoCoefficients.h"

namespace {

TEST(DemoCoefficientFile, CommittedBytesEqualTheGeneratorAndReadBack) {
  std::ifstream in(GAUGDATA_DEMO_WMM, std::ios::binary);
  const std::string committed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(committed.empty()) << "missing " << GAUGDATA_DEMO_WMM;
  EXPECT_TRUE(committed == gd::demo::BuildDemoCoefficientFile())
      << "examples/demo.wmm is out of date: rebuild it with make-demo-wmm";

  const auto content = gd::ParseCoefficientFile(committed);
  EXPECT_TRUE(content.errors.empty());
  const auto sets = gd::demo::DemoCoefficientSets();
  ASSERT_EQ(content.sets.size(), sets.size());
  for (std::size_t i = 0; i < sets.size(); ++i) {
    EXPECT_EQ(content.sets[i].name, sets[i].name);
    EXPECT_TRUE(content.sets[i].set.SameRecord(sets[i].set)) << sets[i].name;
  }
}

}  // namespace
