// Writes the builder-made fuzz corpus: make_fuzz_corpus <directory>.
#include <cstdio>
#include <fstream>
#include <string>

#include "fuzz/CorpusStreams.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
    return 2;
  }
  for (const gd::fuzz::CorpusStream& c : gd::fuzz::CorpusStreams()) {
    const gd::sb::ByteVec bytes = gd::sb::BuildStream(c.spec);
    const std::string path = std::string(argv[1]) + "/" + c.name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
  }
  return 0;
}
