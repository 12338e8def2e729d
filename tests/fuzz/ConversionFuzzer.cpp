// libFuzzer entry point: every input is opened as a measurement file and
// taken through conversion, listing and subset saving.
#include <cstddef>
#include <cstdint>

#include "fuzz/ConversionExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gd::fuzz::ExerciseConversion(data, size);
  return 0;
}
