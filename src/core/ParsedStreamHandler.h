// The stream handler of the core: the parse of the prolog and table section
// plus the navigator over the stream, for users of a measurement file that
// need no conversion object (the command-line tool, tests).
#pragma once

#include <memory>

#include "core/MeasurementFile.h"
#include "core/StreamParser.h"
#include "core/VXAblage.h"

namespace gd {

class ParsedStreamHandler final : public IStreamHandler {
 public:
  void Discard() override;
  // ParseStream, then the navigator when the stream is usable; a navigator
  // that cannot be created adds flag 0x0010.
  StreamCheck Parse(ByteView stream) override;
  std::shared_ptr<const TSeriesDescription> Describe(int seriesNumber) override;

  // What the last Parse built; the navigator is null when it failed.
  const ParsedStream& Parsed() const { return parsed_; }
  TVXAblage* Navigator() { return navigator_.get(); }

 private:
  ParsedStream parsed_;
  std::unique_ptr<TVXAblage> navigator_;
};

}  // namespace gd
