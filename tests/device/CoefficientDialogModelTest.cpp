// The coefficient dialog's model against a fake meter: start, edit area,
// limit question, removing and restoring, sorting, files, and the send
// sequence with slot clearing, store, wait, recall, read-back and resend.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <stdexcept>

#include "core/Errors.h"
#include "core/FileStore.h"
#include "core/Messages.h"
#include "device/CoefficientDialogModel.h"
#include "device/WaitWindowModel.h"

namespace gd {
namespace {

TWMMKoeffs Set(std::uint16_t descriptor, long double first) {
  TWMMKoeffs set;
  set.descriptor = descriptor;
  for (std::size_t k = 0; k < 10; ++k) set.SetValue(k, first + static_cast<long double>(k) / 4);
  return set;
}

// A meter with a media table, factory sets and a number of user slots; the
// slots hold what was sent, store and recall copy them to and from a backup.
class FakeMeter : public CoefficientMeter {
 public:
  struct Medium {
    std::string name;
    std::uint16_t descriptor;
  };
  std::vector<Medium> media = {{"Wasser", 10001},   {"Glykol", 10002}, {"Oel", 10003},
                               {"Ammoniak", 10004}, {"Benzin", 10005}, {"Diesel", 10006}};
  std::vector<TWMMKoeffs> factory = {Set(10001, 1), Set(10003, 3)};
  std::vector<Bytes> slots;
  std::vector<Bytes> stored;
  std::vector<std::string> log;
  int corruptReadBacks = 0;  // reads after the recall that come back changed
  bool failOnStore = false;

  explicit FakeMeter(std::size_t slotCount, std::vector<TWMMKoeffs> user = {})
      : slots(slotCount, Bytes(62, 0)) {
    for (std::size_t i = 0; i < user.size() && i < slotCount; ++i) slots[i] = user[i].ToRecord();
    stored = slots;
  }

  void LoadMediaTable(TFRD_MenuAndTab& table) override {
    log.push_back("load 2");
    table.Clear();
    table.records = TTabCollection(24);
    for (const Medium& m : media) {
      Bytes r(24, 0);
      StoreU16(r.data(), m.descriptor);
      table.records.Add(r);
      table.entryNames.Add(m.name);
    }
    table.loaded = true;
  }
  void LoadUserSets(TFRD_Tabelle& table) override {
    log.push_back("load 27");
    table.Clear();
    table.records = TTabCollection(62);
    const bool corrupt = recalled && corruptReadBacks > 0;
    for (Bytes r : slots) {
      if (corrupt) r[20] ^= 1;
      table.records.Add(r);
    }
    if (corrupt) --corruptReadBacks;
    table.loaded = true;
  }
  void LoadFactorySets(TFRD_Tabelle& table) override {
    log.push_back("load 26");
    table.Clear();
    table.records = TTabCollection(62);
    for (const TWMMKoeffs& s : factory) table.records.Add(s.ToRecord());
    table.loaded = true;
  }
  std::uint8_t SendUserSet(std::uint8_t slot, ByteView record) override {
    log.push_back("send " + std::to_string(slot) + (record[0] == 0 && record[1] == 0 ? " 0" : ""));
    if (slot < 1 || slot > slots.size()) return 1;
    slots[slot - 1].assign(record.begin(), record.end());
    return 0;
  }
  void StoreUserSets() override {
    log.push_back("store");
    if (failOnStore) throw std::runtime_error("RECEIVE TIMEOUT");
    stored = slots;
  }
  void RecallUserSets() override {
    log.push_back("recall");
    slots = stored;
    recalled = true;
  }

 private:
  bool recalled = false;
};

class FakeWait : public WaitWindow {
 public:
  explicit FakeWait(std::vector<std::string>& log) : log_(log) {}
  bool WaitFor(const std::string& text, int ms) override {
    log_.push_back("wait " + std::to_string(ms) + " " + text);
    return true;
  }

 private:
  std::vector<std::string>& log_;
};

class Answers : public IMessages {
 public:
  void Show(MessageKind, const std::string& text) override { shown.push_back(text); }
  Answer Ask(MessageKind, const std::string& text) override {
    asked.push_back(text);
    return answer;
  }
  std::vector<std::string> shown, asked;
  Answer answer = Answer::Yes;
};

struct Dialog {
  explicit Dialog(std::size_t slots, std::vector<TWMMKoeffs> user = {})
      : meter(slots, std::move(user)), wait(meter.log), model(meter, tables, wait, messages) {}
  FakeMeter meter;
  DeviceTables tables;
  FakeWait wait;
  Answers messages;
  CoefficientDialogModel model;

  std::vector<std::string> DownloadTexts() const {
    std::vector<std::string> out;
    for (const auto& item : model.DownloadList()) out.push_back(item.text);
    return out;
  }
  // Chooses a medium and types coefficients starting at `first`.
  void Type(int comboIndex, long double first) {
    model.SelectCombo(comboIndex);
    for (std::size_t k = 0; k < 10; ++k) {
      model.SetCoefficientText(
          k, std::to_string(static_cast<double>(first) + static_cast<double>(k) / 4.0));
    }
  }
};

TEST(CoefficientDialogModel, StartFillsLibraryComboAndDownloadList) {
  Dialog d(8, {Set(10002, 20), Set(10001, 10)});
  d.model.Start();
  EXPECT_EQ(d.meter.log, (std::vector<std::string>{"load 2", "load 27", "load 26"}));

  std::vector<std::string> library;
  for (const auto& item : d.model.Library()) library.push_back(item.text);
  EXPECT_EQ(library, (std::vector<std::string>{"F\tWasser", "U\tWasser", "U\tGlykol", "F\tOel"}));
  EXPECT_EQ(d.model.LibrarySelection(), 0);
  EXPECT_EQ(d.model.Library()[1].set.flags, TWMMKoeffs::kSelected);

  // The user set for Wasser overrides its factory set; Glykol has none.
  EXPECT_EQ(d.DownloadTexts(), (std::vector<std::string>{"*\tWasser", "F\tOel", "U\tGlykol"}));
  EXPECT_TRUE(d.model.DownloadList()[0].set.SameRecord(Set(10001, 10)));
  EXPECT_EQ(d.model.DownloadList()[0].set.flags, TWMMKoeffs::kFactory | TWMMKoeffs::kSelected);
  EXPECT_EQ(d.model.DownloadList()[1].set.flags, TWMMKoeffs::kFactory);
  EXPECT_EQ(d.model.SelectedCount(), 2);

  EXPECT_EQ(d.model.DescriptorText(), "");
  EXPECT_EQ(d.model.ComboSelection(), -1);
  ASSERT_EQ(d.model.Combo().size(), 6u);
  EXPECT_EQ(d.model.Combo()[2].text, "Oel");
  EXPECT_EQ(d.model.Combo()[2].medium.index, 2);
  EXPECT_EQ(d.model.Combo()[2].medium.descriptor, 10003);
  EXPECT_EQ(d.model.Limit(), -1);
  EXPECT_EQ(d.model.AvailableLabelStyle(), (LabelStyle{false, false}));
  EXPECT_EQ(d.model.MediumLabel(), "f\xFCr GAUGEUNIT-Medium");
  EXPECT_EQ(d.model.SendButtonText(), "Zum GAUGEUNIT Senden");
}

TEST(CoefficientDialogModel, EditAreaCouplingAndBadNumbers) {
  Dialog d(8);
  d.model.Start();
  d.model.SelectCombo(1);
  EXPECT_EQ(d.model.DescriptorText(), "10002");
  d.model.SetDescriptorText("10005");
  EXPECT_EQ(d.model.ComboSelection(), 4);
  d.model.SetDescriptorText("abc");
  EXPECT_EQ(d.model.ComboSelection(), -1);
  d.model.SetDescriptorText("99999");
  EXPECT_EQ(d.model.ComboSelection(), -1);

  d.model.SelectLibrary(1);  // factory set of Oel
  d.model.LibraryToEdits();
  EXPECT_EQ(d.model.DescriptorText(), "10003");
  EXPECT_EQ(d.model.ComboSelection(), 2);
  EXPECT_EQ(d.model.CoefficientText(0), "3");
  EXPECT_EQ(d.model.CoefficientText(1), "3.25");

  // Without a medium, adding only refreshes.
  d.model.SetDescriptorText("");
  d.model.AddEditsToDownload();
  EXPECT_EQ(d.model.DownloadList().size(), 2u);

  d.Type(3, 1.5);
  d.model.SetCoefficientText(7, "1,2.3");
  const auto before = d.DownloadTexts();
  EXPECT_THROW(d.model.AddEditsToDownload(), EGaugData);
  EXPECT_EQ(d.DownloadTexts(), before);
  d.model.SetCoefficientText(7, "-1,5E-3");  // a decimal comma is accepted
  d.model.AddEditsToDownload();
  EXPECT_EQ(d.DownloadTexts().back(), "U\tAmmoniak");
  EXPECT_EQ(d.model.DownloadList().back().set.Value(7), RoundToReal48(-1.5e-3L));
  EXPECT_EQ(d.model.DownloadSelection(), 2);
}

TEST(CoefficientDialogModel, EditTextsReproduceEveryStoredValue) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 2000; ++i) {
    Real48 r{};
    for (auto& b : r) b = static_cast<std::uint8_t>(random());
    if (r[0] == 0) continue;
    Real48 back{};
    const std::string text = CoefficientEditText(r, ',');
    ASSERT_TRUE(ParseCoefficientText(text, back)) << text;
    ASSERT_EQ(back, r) << text;
  }
  EXPECT_EQ(CoefficientEditText(LongDoubleToReal48(0.1L)), "0.1");
}

TEST(CoefficientDialogModel, RemovingRestoresFactorySetsAndRemovesUserSets) {
  Dialog d(8, {Set(10001, 10), Set(10002, 20), Set(10004, 40)});
  d.model.Start();
  ASSERT_EQ(d.DownloadTexts(),
            (std::vector<std::string>{"*\tWasser", "F\tOel", "U\tGlykol", "U\tAmmoniak"}));
  d.model.SelectDownload(0);
  d.model.RemoveDownloadItem();
  EXPECT_EQ(d.DownloadTexts()[0], "F\tWasser");
  EXPECT_TRUE(d.model.DownloadList()[0].set.SameRecord(Set(10001, 1)));
  EXPECT_EQ(d.model.DownloadList()[0].set.flags, TWMMKoeffs::kFactory);
  EXPECT_EQ(d.model.DownloadSelection(), 0);

  d.model.SelectDownload(2);
  d.model.RemoveDownloadItem();
  EXPECT_EQ(d.DownloadTexts(), (std::vector<std::string>{"F\tWasser", "F\tOel", "U\tAmmoniak"}));
  EXPECT_EQ(d.model.DownloadSelection(), 2);
  d.model.RemoveDownloadItem();
  EXPECT_EQ(d.model.DownloadSelection(), 1);  // moved to the new last item
  d.model.SelectDownload(-1);
  d.model.RemoveDownloadItem();  // nothing selected: nothing happens
  EXPECT_EQ(d.model.DownloadList().size(), 2u);
}

TEST(CoefficientDialogModel, SendsSetsClearsFreeSlotsAndLearnsTheLimit) {
  Dialog d(8, {Set(10002, 20)});
  d.model.Start();
  d.Type(3, 40);
  d.model.AddEditsToDownload();
  d.Type(0, 10);
  d.model.AddEditsToDownload();  // overrides the factory set of Wasser
  ASSERT_EQ(d.model.SelectedCount(), 3);
  d.meter.log.clear();

  d.model.Send();
  EXPECT_EQ(d.meter.log,
            (std::vector<std::string>{"send 1", "send 2", "send 3", "send 4 0", "send 5 0",
                                      "send 6 0", "send 7 0", "send 8 0", "send 9 0", "store",
                                      "wait 1500 Daten werden gespeichert", "recall", "load 27",
                                      "load 27", "load 26"}));
  // List order: *Wasser, F Oel, U Glykol, U Ammoniak.
  EXPECT_EQ(d.meter.stored[0], Set(10001, 10).ToRecord());
  EXPECT_EQ(d.meter.stored[1], Set(10002, 20).ToRecord());
  EXPECT_EQ(d.meter.stored[2].front(), 10004 & 0xFF);
  for (std::size_t i = 3; i < 8; ++i) EXPECT_EQ(d.meter.stored[i], Bytes(62, 0));
  EXPECT_EQ(d.model.Limit(), 8);
  EXPECT_EQ(d.model.AvailableLabelStyle(), (LabelStyle{true, false}));
  EXPECT_TRUE(d.messages.shown.empty());
  EXPECT_FALSE(d.model.Busy());
  EXPECT_TRUE(d.model.SendEnabled());
  // The library now shows the meter's new user sets.
  EXPECT_EQ(d.model.Library().size(), 5u);
}

TEST(CoefficientDialogModel, AReadBackDifferenceResendsExactlyOnce) {
  for (int corrupt : {1, 5}) {
    Dialog d(4, {Set(10002, 20), Set(10005, 50)});
    d.model.Start();
    d.meter.corruptReadBacks = corrupt;
    d.meter.log.clear();
    d.model.Send();
    const auto sends = std::count_if(d.meter.log.begin(), d.meter.log.end(),
                                     [](const std::string& s) { return s.rfind("send", 0) == 0; });
    EXPECT_EQ(sends, 2 * 5) << corrupt;  // 2 sets, 2 zero records, refused slot 5; twice
    EXPECT_EQ(std::count(d.meter.log.begin(), d.meter.log.end(), "store"), 1);
    EXPECT_EQ(d.meter.slots[1], Set(10005, 50).ToRecord());
  }
  Dialog clean(4, {Set(10002, 20)});
  clean.model.Start();
  clean.meter.log.clear();
  clean.model.Send();
  EXPECT_EQ(std::count(clean.meter.log.begin(), clean.meter.log.end(), "send 1"), 1);
}

TEST(CoefficientDialogModel, AMeterWithFewerSlotsKeepsTheFirstSets) {
  Dialog d(2, {Set(10002, 20), Set(10004, 40)});
  d.model.Start();
  d.Type(5, 60);
  d.model.AddEditsToDownload();  // limit unknown yet: no question
  EXPECT_TRUE(d.messages.asked.empty());
  d.meter.log.clear();
  d.model.Send();
  EXPECT_EQ(std::count(d.meter.log.begin(), d.meter.log.end(), "send 3"), 1);
  EXPECT_EQ(std::count(d.meter.log.begin(), d.meter.log.end(), "send 3 0"), 0);
  EXPECT_EQ(d.model.Limit(), 2);
  EXPECT_EQ(d.model.AvailableLabelStyle(), (LabelStyle{true, true}));
  ASSERT_EQ(d.messages.shown.size(), 1u);
  EXPECT_EQ(d.messages.shown[0],
            "GAUGEUNIT konnte nur USER-Koeffizientensaetze\rfuer 2 Medien speichern");
}

TEST(CoefficientDialogModel, LimitQuestionInsertAndReplace) {
  Dialog d(4, {Set(10002, 20), Set(10004, 40), Set(10005, 50), Set(10006, 60)});
  d.model.Start();
  d.model.Send();
  ASSERT_EQ(d.model.Limit(), 4);
  ASSERT_EQ(d.model.SelectedCount(), 4);

  // Replacing one of four with limit 4: no question.
  d.Type(1, 21);
  d.model.AddEditsToDownload();
  EXPECT_TRUE(d.messages.asked.empty());

  // A fifth medium asks "einfuegen"; No changes nothing.
  d.messages.answer = Answer::No;
  d.Type(2, 30);
  d.model.AddEditsToDownload();
  ASSERT_EQ(d.messages.asked.size(), 1u);
  EXPECT_EQ(d.messages.asked[0],
            "GAUGEUNIT kann nur 4 Saetze von USER-Koeffizienten speichern\rDen "
            "Koeffizientensatz fuer 'Oel' trotzdem einfuegen ?");
  EXPECT_EQ(d.model.SelectedCount(), 4);

  d.messages.answer = Answer::Yes;
  d.model.AddEditsToDownload();
  EXPECT_EQ(d.model.SelectedCount(), 5);
  EXPECT_EQ(d.model.AvailableLabelStyle(), (LabelStyle{true, true}));

  // With five selected, replacing asks "ersetzen".
  d.Type(1, 22);
  d.model.AddEditsToDownload();
  ASSERT_EQ(d.messages.asked.size(), 3u);
  EXPECT_NE(d.messages.asked[2].find("'Glykol' trotzdem ersetzen ?"), std::string::npos);
  // Asking is skipped when loading (start, files).
  d.model.AddEditsToDownload(false);
  EXPECT_EQ(d.messages.asked.size(), 3u);
}

TEST(CoefficientDialogModel, SortingKeepsTheChosenMedium) {
  Dialog d(8);
  d.model.Start();
  EXPECT_EQ(d.model.SortHint(), "Medien sortieren");
  d.model.ToggleSort();  // nothing chosen: the first item is kept
  EXPECT_TRUE(d.model.SortDown());
  EXPECT_EQ(d.model.SortHint(), "Medien nicht sortieren");
  EXPECT_EQ(d.model.Combo()[0].text, "Ammoniak");
  EXPECT_EQ(d.model.Combo()[5].text, "Wasser");
  EXPECT_EQ(d.model.Combo()[d.model.ComboSelection()].text, "Wasser");
  EXPECT_EQ(d.model.DescriptorText(), "10001");
  d.model.SelectCombo(1);  // Benzin
  d.model.ToggleSort();
  EXPECT_EQ(d.model.Combo()[0].text, "Wasser");
  EXPECT_EQ(d.model.ComboSelection(), 4);
  EXPECT_EQ(d.model.DescriptorText(), "10005");
}

TEST(CoefficientDialogModel, SavedListLoadsIntoAnotherDialog) {
  const auto dir = std::filesystem::temp_directory_path() / "gaugdata_wmm_dialog";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "liste.wmm").string();
  DiskFileStore disk;

  Dialog first(8, {Set(10002, 20), Set(10001, 10)});
  first.model.Start();
  first.model.SaveList(disk, path);

  Dialog second(8, {Set(10006, 60)});
  second.model.Start();
  ASSERT_EQ(second.DownloadTexts(), (std::vector<std::string>{"F\tWasser", "F\tOel", "U\tDiesel"}));
  EXPECT_EQ(second.model.LoadList(disk, path), 2u);
  EXPECT_EQ(second.DownloadTexts(), (std::vector<std::string>{"*\tWasser", "F\tOel", "U\tGlykol"}));
  EXPECT_TRUE(second.model.DownloadList()[0].set.SameRecord(Set(10001, 10)));
  EXPECT_TRUE(second.model.DownloadList()[2].set.SameRecord(Set(10002, 20)));
  EXPECT_TRUE(second.messages.shown.empty());

  // A file whose set has no medium here: skipped.
  WriteCoefficientFile(disk, path, {{"X", Set(777, 1)}, {"GLYKOL", Set(10002, 5)}});
  EXPECT_EQ(second.model.LoadList(disk, path), 2u);
  EXPECT_EQ(second.DownloadTexts(), (std::vector<std::string>{"F\tWasser", "F\tOel", "U\tGlykol"}));

  // A file with no sets leaves the list as it was and says why.
  WriteCoefficientFile(disk, path, {});
  EXPECT_EQ(second.model.LoadList(disk, path), 0u);
  EXPECT_EQ(second.DownloadTexts().size(), 3u);
  EXPECT_EQ(second.messages.shown.size(), 2u);
  std::filesystem::remove_all(dir);
}

TEST(CoefficientDialogModel, ALinkErrorDuringSendingEnablesTheButtonAgain) {
  Dialog d(8, {Set(10002, 20)});
  d.model.Start();
  d.meter.failOnStore = true;
  EXPECT_THROW(d.model.Send(), std::runtime_error);
  EXPECT_FALSE(d.model.Busy());
  EXPECT_TRUE(d.model.SendEnabled());
}

TEST(WaitWindowModel, FifteenTicksForTheStoreWaitAndAnEarlyClose) {
  WaitWindowModel wait;
  wait.Start("Daten werden gespeichert", CoefficientDialogModel::kWaitMilliseconds);
  EXPECT_EQ(wait.Steps(), 15);
  int ticks = 1;
  while (!wait.Tick()) ++ticks;
  EXPECT_EQ(ticks, 15);
  EXPECT_TRUE(wait.Result());
  EXPECT_FALSE(wait.TimerRunning());
  EXPECT_FALSE(wait.Tick());

  wait.Start("x", 250);
  EXPECT_FALSE(wait.Tick());
  wait.Closed();
  EXPECT_FALSE(wait.TimerRunning());
  EXPECT_FALSE(wait.Result());
  EXPECT_FALSE(wait.Tick());

  wait.Start("x", 50);  // less than one step
  EXPECT_TRUE(wait.Tick());

  const auto texts = CoefficientDialogModel::WindowTexts();
  EXPECT_EQ(texts.saveFilter, "Koeffizienten-S\xE4tze (*.wmm)|*.wmm|Alle Dateien (*.*)|*.*");
  EXPECT_EQ(texts.waitCaption, "BITTE WARTEN");
}

}  // namespace
}  // namespace gd
