// gaugdata-cli's table and coefficient commands against the virtual meter:
// the renderings with and without values, a table of 256 entries, the
// coefficient transfer with its slots, store, recall and read-back, and
// firmware too old for an operation.
#include "DeviceCliFixture.h"

namespace gd::test {
namespace {

TEST_F(DeviceCli, TablesWithAndWithoutValues) {
  ASSERT_TRUE(Meter({}));
  const CliResult languages = Device({"table", "languages"});
  ASSERT_EQ(languages.status, 0) << languages.err;
  EXPECT_THAT(languages.out, HasSubstr("*** SPRACHEN ***\n"));
  EXPECT_THAT(languages.out, HasSubstr("DE= Deutsch\n"));
  EXPECT_THAT(languages.out, HasSubstr("NL= Nederlands\n"));

  const CliResult materials = Device({"table", "materials"});
  ASSERT_EQ(materials.status, 0) << materials.err;
  EXPECT_THAT(materials.out, HasSubstr("*** MATERIALIEN ***\n"));
  EXPECT_THAT(materials.out, HasSubstr("-Stahl"));
  EXPECT_THAT(materials.out, HasSubstr("-Grauguß"));
  EXPECT_THAT(materials.out, HasSubstr("-Benutzer 1" + std::string(6, ' ') + " EDITIERBAR"));
  EXPECT_THAT(materials.out, Not(HasSubstr("Descriptor")));
  const CliResult materialValues = Device({"table", "materials", "--values"});
  ASSERT_EQ(materialValues.status, 0) << materialValues.err;
  EXPECT_THAT(materialValues.out, HasSubstr(" Descriptor      : 00001\n"));
  EXPECT_THAT(materialValues.out, HasSubstr(" c_trans_MIN     :   3100.0  m/s\n"));
  EXPECT_THAT(materialValues.out, HasSubstr(" Rauhigkeit      :      0.5  mm\n"));

  const CliResult media = Device({"table", "media"});
  ASSERT_EQ(media.status, 0) << media.err;
  EXPECT_THAT(media.out, HasSubstr("*** MEDIEN ***\n"));
  EXPECT_THAT(media.out, HasSubstr("-Heizöl EL"));
  EXPECT_THAT(media.out, Not(HasSubstr("Roh")));
  const CliResult mediaValues = Device({"table", "media", "--values"});
  ASSERT_EQ(mediaValues.status, 0) << mediaValues.err;
  EXPECT_THAT(mediaValues.out, HasSubstr(" Descriptor      : 10001\n"));
  EXPECT_THAT(mediaValues.out, HasSubstr(" Roh             :     1.00  g/cm³\n"));
  EXPECT_THAT(mediaValues.out, HasSubstr(" Viskositaet_MAX :     1.79  mm²/s\n"));
  EXPECT_THAT(mediaValues.out, HasSubstr(" c_medium_MIN    :   1400.0  m/s\n"));
  // The user's medium carries the default code.
  EXPECT_THAT(mediaValues.out, HasSubstr(" Descriptor      : 10000\n"));
}

TEST_F(DeviceCli, NamedTableOf256Entries) {
  ASSERT_TRUE(Meter({"--materials", "256"}));
  const CliResult r = Device({"table", "materials"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("-Material 256"));
  EXPECT_EQ(meter_->Count("cmd 64 Return from Slave"), 1);
  EXPECT_EQ(meter_->Count("ignored"), 0) << "the line stayed in step: " << meter_->Log();
}

TEST_F(DeviceCli, CoefficientsToAMeterWithEightSlots) {
  ASSERT_TRUE(Meter({"--user-slots", "8"}));
  const CliResult r = Device({"coefficients", "--send", GAUGDATA_DEMO_WMM});
  ASSERT_EQ(r.status, 0) << r.err << meter_->Log();
  // Three sets, five cleared slots, the ninth slot refused.
  EXPECT_EQ(meter_->Count("cmd 5a 3 user set slot"), 9);
  EXPECT_EQ(meter_->Count("user set slot 1: descriptor 10001"), 1);
  EXPECT_EQ(meter_->Count("user set slot 2: descriptor 10002"), 1);
  EXPECT_EQ(meter_->Count("user set slot 3: descriptor 10003"), 1);
  EXPECT_EQ(meter_->Count("(empty)"), 5);
  EXPECT_EQ(meter_->Count("user set slot 9: no such slot"), 1);
  EXPECT_EQ(meter_->Count("cmd 5a 4 store"), 1);
  EXPECT_EQ(meter_->Count("cmd 5a 5 recall"), 1);
  EXPECT_THAT(r.out, HasSubstr("sent 3 of 3 sets; user slots in the meter: 8"));

  // Saving what the meter now holds gives the three sets back.
  const std::string saved = dir_.Path("back.wmm").string();
  const CliResult save = Device({"coefficients", "--save", saved});
  ASSERT_EQ(save.status, 0) << save.err;
  const std::string text = ReadFileBytes(saved);
  EXPECT_THAT(text, HasSubstr("\\DESCRIPTOR=10001"));
  EXPECT_THAT(text, HasSubstr("\\DESCRIPTOR=10003"));
}

TEST_F(DeviceCli, ReadBackDifferenceCausesExactlyOneResend) {
  for (const char* fault : {"--readback-fault=once", "--readback-fault=always"}) {
    SCOPED_TRACE(fault);
    ASSERT_TRUE(Meter({"--user-slots", "8", fault}));
    const CliResult r = Device({"coefficients", "--send", GAUGDATA_DEMO_WMM});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(meter_->Count("cmd 5a 3 user set slot"), 18) << meter_->Log();
    EXPECT_EQ(meter_->Count("cmd 5a 4 store"), 1);
  }
}

TEST_F(DeviceCli, TooOldFirmwareIsRefusedBeforeAnyByteOfTheOperation) {
  ASSERT_TRUE(Meter({"--firmware", "3.11"}));
  const CliResult materials = Device({"table", "materials"});
  EXPECT_EQ(materials.status, 1);
  EXPECT_THAT(materials.err, HasSubstr("V 3.11 wird nicht unterstützt"));
  EXPECT_EQ(meter_->Count("cmd 58"), 0) << meter_->Log();
  EXPECT_EQ(meter_->Count("cmd 64 Return from Slave"), 1);

  // The coefficient dialog loads the media table first, so a meter older
  // than 3.02 is refused with the named table's text, still before any byte.
  ASSERT_TRUE(Meter({"--firmware", "3.01"}));
  const CliResult coefficients = Device({"coefficients"});
  EXPECT_EQ(coefficients.status, 1);
  EXPECT_THAT(coefficients.err, HasSubstr("V 3.01 wird nicht unterstützt"));
  EXPECT_EQ(meter_->Count("cmd 58"), 0) << meter_->Log();
  EXPECT_EQ(meter_->Count("cmd 74"), 0);
  EXPECT_EQ(meter_->Count("cmd 5a"), 0);

  // A 3.12 meter gets its media table and then both coefficient tables.
  ASSERT_TRUE(Meter({"--firmware", "3.12"}));
  const CliResult newer = Device({"coefficients"});
  EXPECT_EQ(newer.status, 0) << newer.err;
  EXPECT_EQ(meter_->Count("cmd 74 table 26"), 1);
  EXPECT_EQ(meter_->Count("ignored"), 0) << meter_->Log();
}

}  // namespace
}  // namespace gd::test
