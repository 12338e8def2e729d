// metersim: a virtual GAUGEUNIT meter on a pseudo-terminal, for tests and
// benchmarks of the program's device commands. It encodes and decodes its
// side of the line on its own and shares no code with the program.
#include <cstdio>
#include <iostream>
#include <stdexcept>

#include "Line.h"
#include "Log.h"
#include "MemoryImage.h"
#include "Meter.h"
#include "Options.h"

int main(int argc, char** argv) {
  using namespace gd::sim;
  Options options;
  try {
    options = ParseOptions(argc, argv, METERSIM_DEMO_FILE);
  } catch (const std::invalid_argument& e) {
    std::cerr << "metersim: " << e.what() << "\n";
    return 2;
  }
  if (options.help) {
    std::cout << UsageText();
    return 0;
  }
  try {
    InstallStopHandling();
    Log log;
    log.Open(options.logPath);
    MemoryImage memory = MemoryImage::FromFile(options.memoryPath);
    if (options.generate) memory = MemoryImage::Grown(memory, *options.generate);
    if (!options.writeMemory.empty()) memory.Save(options.writeMemory);
    if (!options.firmwareGiven) options.meter.firmware = memory.Version();
    if (options.meter.userSets > options.meter.userSlots) {
      options.meter.userSets = options.meter.userSlots;
    }

    Line line(log);
    line.SetPacing(options.pacing);
    line.SetDroppedBytes(options.droppedBytes);
    line.SetSilentAfter(options.silentAfter);
    std::printf("%s\n", line.SlavePath().c_str());
    std::fflush(stdout);
    log.Write("line: " + line.SlavePath());

    Meter meter(line, log, std::move(memory), options.meter);
    meter.Run();
  } catch (const StopRequested&) {
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "metersim: " << e.what() << "\n";
    return 1;
  }
}
