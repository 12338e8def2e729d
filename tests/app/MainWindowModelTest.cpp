#include "app/MainWindowModel.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace gd {
namespace {

// Answers questions from a queue and records every text it was shown or asked.
class ScriptedMessages final : public IMessages {
 public:
  explicit ScriptedMessages(std::deque<Answer> answers) : answers_(std::move(answers)) {}
  void Show(MessageKind, const std::string& text) override { asked.push_back(text); }
  Answer Ask(MessageKind, const std::string& text) override {
    asked.push_back(text);
    if (answers_.empty()) return Answer::Cancel;
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  std::vector<std::string> asked;

 private:
  std::deque<Answer> answers_;
};

constexpr const char* kReceivedQuestion = "Empfangene Daten erst speichern ?";
constexpr const char* kCommentQuestion = "Bemerkungen wurden geaendert. Speichern?";

struct CloseRun {
  bool closes = false;
  std::vector<std::string> asked;
  std::vector<std::string> calls;
};

CloseRun RunClose(const MainWindowState& state, std::deque<Answer> answers, bool changed,
                  bool saveWorks = true, bool rewriteWorks = true) {
  ScriptedMessages messages(std::move(answers));
  CloseRun run;
  CloseQuerySteps steps;
  steps.save = [&] {
    run.calls.push_back("save");
    if (saveWorks) changed = false;  // the save rewrites the file with the comments
    return saveWorks;
  };
  steps.commentsChanged = [&] { return changed; };
  steps.saveMeasurementFile = [&] {
    run.calls.push_back("rewrite");
    return rewriteWorks;
  };
  run.closes = CloseQuery(state, messages, steps);
  run.asked = messages.asked;
  return run;
}

TEST(MainWindowModelTest, CaptionLabelsAndEnableRules) {
  EXPECT_EQ(MainWindowCaption("GaugData", DisplayName(false, "untitled.sdx")),
            "GaugData - (untitled.sdx)");
  EXPECT_EQ(MainWindowCaption("GaugData", DisplayName(true, "/tmp/x.tmp")),
            "GaugData - ((empfangene Daten))");
  EXPECT_EQ(SeriesLabelText(false, false), "Messwertreihen");
  EXPECT_EQ(SeriesLabelText(true, false), "MESS&WERTREIHEN DER DATEI: ");
  EXPECT_EQ(SeriesLabelText(true, true), "EMPFANGENE MESS&WERTREIHEN:");

  MainCommandStates none = CommandStates({});
  EXPECT_FALSE(none.save || none.parameterSets || none.fileInformation || none.commentSwitches);
  // A valid stream without series: information only, unless empty files may be saved.
  MainCommandStates empty = CommandStates({true, 0, false, false});
  EXPECT_TRUE(empty.fileInformation);
  EXPECT_FALSE(empty.save || empty.table || empty.diagram || empty.commentSwitches);
  MainCommandStates emptyAllowed = CommandStates({true, 0, false, true});
  EXPECT_TRUE(emptyAllowed.save && emptyAllowed.parameterSets && emptyAllowed.table);
  EXPECT_FALSE(emptyAllowed.commentSwitches);
  MainCommandStates full = CommandStates({true, 3, false, false});
  EXPECT_TRUE(full.save && full.diagram && full.parameterSets && full.table &&
              full.fileInformation && full.commentSwitches);
}

TEST(MainWindowModelTest, CloseQueryAnswers) {
  const MainWindowState opened{true, 2, false, false};
  const MainWindowState received{true, 2, true, false};

  // Nothing to ask: closes at once.
  CloseRun r = RunClose(opened, {}, false);
  EXPECT_TRUE(r.closes);
  EXPECT_TRUE(r.asked.empty());

  // Changed comments: No closes without saving, Cancel stays, Yes rewrites.
  r = RunClose(opened, {Answer::No}, true);
  EXPECT_TRUE(r.closes);
  EXPECT_EQ(r.asked, std::vector<std::string>{kCommentQuestion});
  EXPECT_TRUE(r.calls.empty());
  r = RunClose(opened, {Answer::Cancel}, true);
  EXPECT_FALSE(r.closes);
  EXPECT_TRUE(r.calls.empty());
  r = RunClose(opened, {Answer::Yes}, true);
  EXPECT_TRUE(r.closes);
  EXPECT_EQ(r.calls, std::vector<std::string>{"rewrite"});
  r = RunClose(opened, {Answer::Yes}, true, true, false);
  EXPECT_FALSE(r.closes);  // a failed rewrite keeps the window open

  // Received data: Cancel stays without the second question; a failed save stays.
  r = RunClose(received, {Answer::Cancel}, true);
  EXPECT_FALSE(r.closes);
  EXPECT_EQ(r.asked, std::vector<std::string>{kReceivedQuestion});
  r = RunClose(received, {Answer::Yes}, true, false);
  EXPECT_FALSE(r.closes);
  EXPECT_EQ(r.calls, std::vector<std::string>{"save"});
  // A save that worked also saved the comments: no second question.
  r = RunClose(received, {Answer::Yes}, true);
  EXPECT_TRUE(r.closes);
  EXPECT_EQ(r.asked.size(), 1u);
  // No to the first question still asks about the comments.
  r = RunClose(received, {Answer::No, Answer::Cancel}, true);
  EXPECT_FALSE(r.closes);
  EXPECT_EQ(r.asked, (std::vector<std::string>{kReceivedQuestion, kCommentQuestion}));
  // Received data without series are not offered for saving.
  r = RunClose({true, 0, true, false}, {}, false);
  EXPECT_TRUE(r.closes && r.asked.empty());
  r = RunClose({true, 0, true, true}, {Answer::No}, false);
  EXPECT_EQ(r.asked, std::vector<std::string>{kReceivedQuestion});
}

TEST(MainWindowModelTest, SaveStepsBySeriesCount) {
  std::vector<std::string> calls;
  SeriesSelection passed;
  bool dialogWorks = true;
  std::optional<SeriesSelection> chosen = SeriesSelection(std::vector<int>{3, 1});
  SaveSteps steps;
  steps.chooseSeries = [&] {
    calls.push_back("choose");
    return chosen;
  };
  steps.saveDialog = [&](const SeriesSelection& s) {
    calls.push_back("dialog");
    passed = s;
    return dialogWorks;
  };
  steps.saveMeasurementFile = [&] {
    calls.push_back("rewrite");
    return true;
  };

  EXPECT_TRUE(RunSave(4, steps));
  EXPECT_EQ(calls, (std::vector<std::string>{"choose", "dialog", "rewrite"}));
  EXPECT_EQ(passed.Numbers(), (std::vector<int>{3, 1}));

  calls.clear();
  EXPECT_TRUE(RunSave(1, steps));  // one series: no selection dialog
  EXPECT_EQ(calls, (std::vector<std::string>{"dialog", "rewrite"}));
  EXPECT_EQ(passed.Numbers(), std::vector<int>{1});
  RunSave(0, steps);
  EXPECT_TRUE(passed.Empty());

  calls.clear();
  chosen.reset();  // the selection dialog cancelled
  EXPECT_FALSE(RunSave(4, steps));
  EXPECT_EQ(calls, std::vector<std::string>{"choose"});
  calls.clear();
  dialogWorks = false;  // a failed save dialog leaves the measurement file alone
  EXPECT_FALSE(RunSave(1, steps));
  EXPECT_EQ(calls, std::vector<std::string>{"dialog"});
}

TEST(MainWindowModelTest, SaveDialogNameRules) {
  EXPECT_EQ(SaveDialogFilterString(),
            "ASCII Text  (*.txt)|*.txt|Binary file (*.sdx)|*.sdx|Excel (*.xls)|*.xls|"
            "Excel 2007+ (*.xlsx)|*.xlsx|CSV (*.csv)|*.csv|"
            "CSV, Semikolon und Dezimalkomma (*.csv)|*.csv");
  EXPECT_EQ(SaveDialogPresetName("C:\\m\\demo.SDX"), "");
  EXPECT_EQ(SaveDialogPresetName("/m/out.txt"), "/m/out.txt");
  EXPECT_EQ(SaveDialogPresetName("/m.sdx/out"), "/m.sdx/out");  // a folder's dot is no extension

  EXPECT_EQ(ApplySaveFilter("/m/a.sdx", kSaveFilterText), "/m/a.txt");
  EXPECT_EQ(ApplySaveFilter("/m/a.SDX", kSaveFilterText), "/m/a.txt");
  EXPECT_EQ(ApplySaveFilter("/m/a.xls", kSaveFilterText), "/m/a.xls");
  // A name typed without an extension gets the text filter's, as with the others.
  EXPECT_EQ(ApplySaveFilter("/m/a", kSaveFilterText), "/m/a.txt");
  EXPECT_EQ(ApplySaveFilter("/m.d/a", kSaveFilterText), "/m.d/a.txt");
  EXPECT_EQ(ApplySaveFilter("/m/a.txt", kSaveFilterMeasurement), "/m/a.sdx");
  EXPECT_EQ(ApplySaveFilter("/m/a", kSaveFilterMeasurement), "/m/a.sdx");
  EXPECT_EQ(ApplySaveFilter("/m/a.txt", kSaveFilterSpreadsheet), "/m/a.xls");
  EXPECT_EQ(ApplySaveFilter("/m/a.xls", kSaveFilterWorkbook), "/m/a.xlsx");
  EXPECT_EQ(ApplySaveFilter("/m/a.xlsx", kSaveFilterSpreadsheet), "/m/a.xls");
  EXPECT_EQ(ApplySaveFilter("/m/a.txt", kSaveFilterDataTable), "/m/a.csv");
  EXPECT_EQ(ApplySaveFilter("/m/a", kSaveFilterDataTableDe), "/m/a.csv");
  EXPECT_FALSE(SaveFilterCsvOptions(kSaveFilterDataTable).excelDe);
  EXPECT_TRUE(SaveFilterCsvOptions(kSaveFilterDataTableDe).excelDe);
  EXPECT_EQ(ApplySaveFilter("", kSaveFilterMeasurement), "");

  EXPECT_TRUE(SaveReceivedFirst({true, 2, true, false}));
  EXPECT_FALSE(SaveReceivedFirst({true, 0, true, false}));
  EXPECT_TRUE(SaveReceivedFirst({true, 0, true, true}));
  EXPECT_FALSE(SaveReceivedFirst({true, 2, false, true}));
}

TEST(MainWindowModelTest, TextOutputLanguageList) {
  const std::vector<std::string> lines = TextOutputLanguageList("GAUGEUNIT");
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "000 = GAUGEUNIT-Sprache");
  EXPECT_EQ(lines[1], "049 = GERMAN");
  EXPECT_EQ(lines[9], "044 = ENGLISH");
}

}  // namespace
}  // namespace gd
