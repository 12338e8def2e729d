// A scratch folder for one test: under the system's temporary folder, named
// after the test and the process, so that two runs of the same test (two
// builds on one machine) never share it. Made empty; the caller removes it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace gd::test {

// The running test's name as one folder name: a parameterized test's "/"
// would otherwise make a nested folder that removing the inner one leaves.
inline std::string TestFolderName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info != nullptr ? info->name() : "run";
  std::replace(name.begin(), name.end(), '/', '_');
  return name;
}

// <temp>/<prefix><pid>-<test name><suffix>, made empty.
inline std::filesystem::path FreshTestFolder(const std::string& prefix,
                                             const std::string& suffix = {}) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      (prefix + std::to_string(getpid()) + "-" + TestFolderName() + suffix);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace gd::test
