#include "app/OpenDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "convert/VXASCIIOUT.h"
#include "core/Errors.h"
#include "core/MessageTexts.h"
#include "core/TextTools.h"
#include "support/StreamBuilder.h"
#include "support/TestFolder.h"

namespace gd {
namespace {
namespace fs = std::filesystem;

class RecordedMessages : public IMessages {
 public:
  void Show(MessageKind kind, const std::string& text) override { shown.push_back({kind, text}); }
  Answer Ask(MessageKind, const std::string& text) override {
    asked.push_back(text);
    return Answer::Yes;
  }
  std::vector<std::pair<MessageKind, std::string>> shown;
  std::vector<std::string> asked;
};

sb::StreamSpec TwoSeries() {
  sb::StreamSpec spec;
  spec.series.push_back(sb::SeriesSpec{});
  spec.series[1].name = "ZWEI";
  return spec;
}

class OpenDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = gd::test::FreshTestFolder("gd_opendoc_");
    doc.SetClock([] { return CalendarTime{2026, 3, 2, 14, 5, 9}; });
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Put(const std::string& name, const Bytes& content) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(content.data()),
               static_cast<std::streamsize>(content.size()));
    return path;
  }
  // The message of a failed call.
  template <typename F>
  std::string Failure(F call) {
    try {
      call();
    } catch (const EGaugData& e) {
      return e.what();
    }
    return "(no error)";
  }
  void ExpectNothingOpen() {
    EXPECT_FALSE(doc.IsOpen());
    EXPECT_EQ(doc.Converter(), nullptr);
    EXPECT_EQ(doc.Navigator(), nullptr);
    EXPECT_EQ(doc.List().RowCount(), 0);
    EXPECT_EQ(doc.SeriesCount(), 0);
    EXPECT_FALSE(doc.Received());
    EXPECT_EQ(doc.CurrentFileName(), kUntitledFileName);
    EXPECT_TRUE(doc.File().Stream().empty());
  }

  fs::path dir;
  DiskFileStore files;
  RecordedMessages messages;
  OpenDocument doc{files, messages};
};

TEST_F(OpenDocumentTest, OpensAFileWithConverterListAndNames) {
  ExpectNothingOpen();
  Locale english = Locale::English();
  doc.SetLocale(english);
  TextOutputOptions options;
  options.colLength = 12;
  doc.SetTextOptions(options);
  const std::string path = Put("messung.sdx", sb::BuildStream(TwoSeries()));

  doc.Open(path);
  EXPECT_TRUE(doc.IsOpen());
  EXPECT_FALSE(doc.Received());
  EXPECT_EQ(doc.SeriesCount(), 2);
  ASSERT_NE(doc.Converter(), nullptr);
  EXPECT_TRUE(doc.Converter()->Usable());
  EXPECT_EQ(doc.Converter()->FileName(), path);
  EXPECT_EQ(doc.Converter()->GetLocale().decimalSeparator, english.decimalSeparator);
  ASSERT_NE(doc.Navigator(), nullptr);
  EXPECT_EQ(doc.Navigator()->SeriesCount(), 2);
  EXPECT_EQ(doc.TextOptions().colLength, 12);
  // The list is built over the file's series.
  ASSERT_EQ(doc.List().RowCount(), 2);
  EXPECT_EQ(doc.List().Description(1), doc.File().Row(2).Description());
  EXPECT_EQ(doc.List().Description(1)->entry.Name(), "ZWEI");
  EXPECT_EQ(doc.DisplayName(), path);
  EXPECT_EQ(doc.WindowName(), "messung.sdx");
  EXPECT_TRUE(messages.shown.empty());

  // A later locale reaches the conversion object of the open file.
  doc.SetLocale(Locale::German());
  EXPECT_EQ(doc.Converter()->GetLocale().decimalSeparator, ',');

  doc.Reset();
  ExpectNothingOpen();
}

TEST_F(OpenDocumentTest, AFailedOpenLeavesNothingOpenEvenAfterAGoodFile) {
  const Bytes good = sb::BuildStream(TwoSeries());
  doc.Open(Put("gut.sdx", good));
  ASSERT_TRUE(doc.IsOpen());

  const std::string cut = Put("cut.sdx", sb::Truncated(good, 200));
  EXPECT_EQ(Failure([&] { doc.Open(cut); }), kBinFileInvalidText);
  ExpectNothingOpen();

  sb::StreamSpec wrongId;
  wrongId.identification[28] = '5';
  doc.Open(Put("gut.sdx", good));
  const std::string old = Put("old.sdx", sb::BuildStream(wrongId));
  EXPECT_EQ(Failure([&] { doc.Open(old); }), kBinFileTooOldText);
  ExpectNothingOpen();

  // A missing file is the file layer's error, and nothing stays open either.
  doc.Open(Put("gut.sdx", good));
  EXPECT_NE(Failure([&] { doc.Open((dir / "fehlt.sdx").string()); }), "(no error)");
  ExpectNothingOpen();

  // The texts pass through the dictionary.
  SetTranslateFunction([](std::string_view t) { return "T:" + std::string(t); });
  EXPECT_EQ(Failure([&] { doc.Open(cut); }), "T:" + std::string(kBinFileInvalidText));
  SetTranslateFunction({});
}

TEST_F(OpenDocumentTest, SeriesNumbersAreCheckedWithTheCommandsMessages) {
  EXPECT_EQ(Failure([&] { doc.CheckSeriesNumber(1); }), kNoSeriesAvailableText);
  doc.Open(Put("a.sdx", sb::BuildStream(TwoSeries())));
  EXPECT_EQ(Failure([&] { doc.CheckSeriesNumber(1); }), "(no error)");
  EXPECT_EQ(Failure([&] { doc.CheckSeriesNumber(2); }), "(no error)");
  EXPECT_EQ(Failure([&] { doc.CheckSeriesNumber(3); }), "Nur 2 Reihen enthalten");

  // A valid stream without series opens, says so and has no series to show.
  sb::StreamSpec none;
  none.series.clear();
  doc.Open(Put("leer.sdx", sb::BuildStream(none)));
  EXPECT_TRUE(doc.IsOpen());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].second, kNoSeriesContainedText);
  EXPECT_EQ(Failure([&] { doc.CheckSeriesNumber(1); }), kNoSeriesAvailableText);
}

TEST_F(OpenDocumentTest, ReceivedDataIsNamedSoAndSavedUnderANewName) {
  const std::string download = Put("download.tmp", sb::BuildStream(TwoSeries()));
  doc.Open(download, true);
  EXPECT_TRUE(doc.Received());
  EXPECT_EQ(doc.DisplayName(), "(empfangene Daten)");
  EXPECT_EQ(doc.WindowName(), "(empfangene Daten)");
  doc.Comments().fileCommentField.text = "Anlage 7";

  // A name without ".sdx" is refused and the received data stays as it was.
  EXPECT_FALSE(doc.SaveReceivedAs((dir / "neu.txt").string()));
  EXPECT_TRUE(doc.Received());
  EXPECT_TRUE(fs::exists(download));

  const std::string target = (dir / "neu.sdx").string();
  ASSERT_TRUE(doc.SaveReceivedAs(target));
  EXPECT_FALSE(doc.Received());
  EXPECT_EQ(doc.CurrentFileName(), target);
  EXPECT_EQ(doc.WindowName(), "neu.sdx");
  EXPECT_FALSE(fs::exists(download));
  // The conversion object still reads the stream the document holds.
  ASSERT_NE(doc.Converter(), nullptr);
  EXPECT_EQ(doc.Converter()->Navigator().SeriesCount(), 2);

  // The saved file opens again with its comment.
  OpenDocument again(files, messages);
  again.Open(target);
  EXPECT_FALSE(again.Received());
  EXPECT_EQ(again.SeriesCount(), 2);
  EXPECT_EQ(again.Comments().fileCommentField.text, "Anlage 7");
}

TEST_F(OpenDocumentTest, SavingKeepsTheDocumentUsable) {
  const std::string path = Put("a.sdx", sb::BuildStream(TwoSeries()));
  doc.Open(path);
  doc.File().Row(1).TakeFromMemo(MemoField{"erste Reihe", true});
  doc.Save();
  EXPECT_TRUE(doc.IsOpen());
  EXPECT_EQ(doc.List().RowCount(), 2);
  EXPECT_EQ(doc.Converter()->Navigator().SeriesCount(), 2);

  doc.Open(path);
  MemoField memo;
  doc.File().Row(1).PutToMemo(memo);
  EXPECT_EQ(memo.text, "erste Reihe");
}

}  // namespace
}  // namespace gd
