// make-demo-file OUT: writes the demo measurement file (examples/demo.sdx).
#include <cstdio>
#include <fstream>
#include <iostream>

#include "DemoFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-demo-file OUT.sdx\n";
    return 2;
  }
  const auto bytes = gd::demo::BuildDemoFile();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << "make-demo-file: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
