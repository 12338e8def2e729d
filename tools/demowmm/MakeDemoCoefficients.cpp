// make-demo-wmm OUT: writes the demo coefficient file (examples/demo.wmm).
#include <fstream>
#include <iostream>

#include "DemoCoefficients.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-demo-wmm OUT.wmm\n";
    return 2;
  }
  const std::string text = gd::demo::BuildDemoCoefficientFile();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) {
    std::cerr << "make-demo-wmm: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
