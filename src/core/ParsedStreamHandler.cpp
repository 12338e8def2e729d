#include "core/ParsedStreamHandler.h"

#include <exception>

namespace gd {

void ParsedStreamHandler::Discard() {
  navigator_.reset();
  parsed_ = ParsedStream{};
}

StreamCheck ParsedStreamHandler::Parse(ByteView stream) {
  Discard();
  parsed_ = ParseStream(stream);
  if (parsed_.Usable()) {
    try {
      navigator_ = std::make_unique<TVXAblage>(stream, parsed_);
    } catch (const std::exception&) {
      parsed_.status |= kStreamNoNavigator;
    }
  }
  return StreamCheck{parsed_.status, navigator_ != nullptr};
}

std::shared_ptr<const TSeriesDescription> ParsedStreamHandler::Describe(int seriesNumber) {
  if (!navigator_ || seriesNumber < 1 || seriesNumber > navigator_->SeriesCount()) return nullptr;
  auto description = std::make_shared<TSeriesDescription>();
  try {
    navigator_->GetSeriesDescription(seriesNumber, *description);
  } catch (const std::exception&) {
    return nullptr;
  }
  return description;
}

}  // namespace gd
