#include "app/OpenDocument.h"

#include <cstdint>

#include "app/MainWindowModel.h"
#include "convert/VXASCIIOUT.h"
#include "core/Errors.h"
#include "core/FormatText.h"
#include "core/MessageTexts.h"
#include "core/PathText.h"
#include "core/TextTools.h"

namespace gd {

OpenDocument::OpenDocument(IFileStore& files, IMessages& messages)
    : file_(files, handler_, messages) {
  SetLocale(locale_);
}

OpenDocument::~OpenDocument() = default;

void OpenDocument::SetLocale(const Locale& locale) {
  locale_ = locale;
  file_.SetLocale(locale);
  list_.SetLocale(locale);
  if (converter_) converter_->SetLocale(locale);
}

void OpenDocument::SetTextOptions(const TextOutputOptions& options) {
  textOptions_ = options;
  if (converter_) converter_->SetOptions(options);
}

void OpenDocument::SetClock(std::function<CalendarTime()> clock) {
  file_.SetClock(std::move(clock));
}

void OpenDocument::Reset() {
  // The conversion object reads the file's stream: it goes first.
  converter_.reset();
  file_.Reset();
  list_.Clear();
}

void OpenDocument::Open(const std::string& path, bool received) {
  Reset();
  try {
    file_.Open(path, received);
    CreateConverter();
  } catch (...) {
    Reset();
    throw;
  }
  list_.Build(file_.Comments().rows);
}

void OpenDocument::CreateConverter() {
  std::uint16_t status = 0;
  auto converter = std::make_unique<TVXASCIIOUT>(
      file_.CurrentFileName(), [](std::string_view text) { return Translate(text); }, &status,
      textOptions_.language, textOptions_.style, nullptr, nullptr, file_.Stream());
  if (!converter->Usable()) throw EBinFileInvalid(Translate(kBinFileInvalidText));
  converter->SetOptions(textOptions_);
  converter->SetLocale(locale_);
  converter_ = std::move(converter);
}

std::string OpenDocument::DisplayName() const {
  return gd::DisplayName(file_.Received(), file_.CurrentFileName());
}

std::string OpenDocument::WindowName() const {
  if (file_.Received()) return DisplayName();
  const std::string& path = file_.CurrentFileName();
#ifdef _WIN32
  const std::size_t slash = path.find_last_of("/\\");
#else
  const std::size_t slash = path.find_last_of('/');
#endif
  // A text for captions: the name in the code page of texts.
  return PathText(slash == std::string::npos ? path : path.substr(slash + 1));
}

void OpenDocument::CheckSeriesNumber(int seriesNumber) const {
  const int count = file_.SeriesCount();
  if (count <= 0) throw EGaugData(Translate(kNoSeriesAvailableText));
  if (seriesNumber > count) throw EGaugData(FormatText(Translate(kOnlyNSeriesText), {count}));
}

bool OpenDocument::Save() {
  const ByteView before = file_.Stream();
  const bool saved = file_.Save();
  FollowStream(before);
  return saved;
}

bool OpenDocument::SaveReceivedAs(const std::string& target) {
  const ByteView before = file_.Stream();
  const bool saved = file_.SaveReceivedAs(target);
  FollowStream(before);
  return saved;
}

void OpenDocument::FollowStream(ByteView before) {
  // Saving changes prolog bytes in place. Should the stream ever be held
  // anew, the conversion object must not keep reading the old bytes.
  const ByteView now = file_.Stream();
  // The file information reads the prolog the save changed.
  if (converter_) converter_->RefreshProlog(now);
  if (!converter_ || (now.data() == before.data() && now.size() == before.size())) return;
  try {
    CreateConverter();
  } catch (...) {
    Reset();
    throw;
  }
  list_.Build(file_.Comments().rows);
}

}  // namespace gd
