// libFuzzer entry point: every input is opened and walked as a measurement
// byte stream.
#include <cstddef>
#include <cstdint>

#include "fuzz/StreamExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gd::fuzz::ExerciseStream(data, size);
  return 0;
}
