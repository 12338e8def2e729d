// The stream listing of builder-made streams, compared line by line with
// listings written by hand.
#include "convert/StreamInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/StreamParser.h"
#include "core/VXAblage.h"
#include "support/StreamBuilder.h"

namespace gd {
namespace {

using sb::ByteVec;

// Parses a built stream and lists it.
struct Listed {
  sb::BuiltStream built;
  ParsedStream parsed;
  std::vector<std::string> lines;

  explicit Listed(const sb::StreamSpec& spec) : built(sb::Build(spec)) {
    parsed = ParseStream(built.bytes);
    TVXAblage nav(built.bytes, parsed);
    lines = StreamInfoLines(parsed, nav);
  }
  std::string Size(std::size_t n) const { return std::to_string(n); }
  std::string StringSize() const { return Size(built.tableSectionEnd - 160 - 31); }
  std::string DataSize() const { return Size(built.bytes.size() - built.tableSectionEnd); }
  std::string StreamSize() const { return Size(built.bytes.size()); }
};

ByteVec U16(std::uint16_t v) {
  return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
}
ByteVec U32(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
          static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

const std::string k17(17, ' ');
const std::string k16(16, ' ');

TEST(StreamInfo, OldFirmwareListing) {
  sb::StreamSpec spec;
  spec.version = sb::kV315;
  spec.device = "GAUGE\x84";  // DOS a-umlaut
  spec.materials = {{"Stahl", 1, 'R'}, {"PVC", 2, 'P'}};
  spec.romCoefficients.items = {
      sb::CoefficientItem(7, {1.5, 0.25, -0.125, 0, 0, 2.5, 0.5, 0, 0, 1e-5})};
  spec.patches = {{114, U16(0x1804)},    {131, U16(0x2040)},     {137, U16(0x0001)},
                  {82, U32(0x00010005)}, {127, U32(0x80000002)}, {86, U32(0xDEADBEEF)},
                  {105, {0x1F}},         {110, {0x12}}};
  const Listed l(spec);
  ASSERT_TRUE(l.parsed.Usable());

  const std::vector<std::string> expected = {
      "THIS IS         : \\SONDIX=MEASUREBYTESTREAM\\3.04",
      "DEVICE          : GAUGE\xE4          ",
      "VERSION         : V 3.15",
      "LANGUAGE        : GER",
      "BINARY-ID       :$12",
      "DATA_VERSION    :$03",
      "PROLOG SIZE     : 160",
      "RESERVED        : 18",
      "STRING SIZE     : " + l.StringSize(),
      "RCA SIZE        : 31",
      "MEAS.DATA SIZE  : " + l.DataSize(),
      "STREAM-SIZE     : " + l.StreamSize(),
      "DATA OFFSET     :$10000000",
      "DATA OFFSET     :$00010000",
      "MD FORMAT       :$0001",
      "MD ERROR-VALUE  :$8000",
      "MD +OVERFLOW    :$7fff",
      "MD -OVERFLOW    :$8001",
      "VELOCITY LIMIT  : 12.0 m/s",
      "USER_BITS       :$1804/$2040/$0001",
      k17 + "(*) Nocorr.velocity   ",
      k17 + "(*) Both quantity     ",
      k17 + "(*) Quantity in Wh    ",
      k17 + "(-) Avarage storing   ",
      k17 + "(-) Both supression   ",
      k17 + "(-) Tx-correction     ",
      k17 + "(-) Delayed measure   ",
      k17 + "(-) Amp-trigger       ",
      k17 + "(-) Enable perimeter  ",
      k17 + "(-) Meas. Point ASCII ",
      k17 + "(-) Show relais status",
      k17 + "(-) Cash Flow Meter   ",
      k17 + "( ) Fat Points        ",  // set, but only from V 3.46
      k17 + "( ) Steam in inlet    ",
      k17 + "( ) Total wrapping    ",
      k17 + "( ) Total recall      ",
      k17 + "( ) PwrOn->measuring  ",
      k17 + "( ) AlwaysUserPath    ",
      k17 + "( ) Logger as RingBuf ",
      k17 + "(*) Auto LightOff     ",
      k17 + "( ) Store SoundSpeed  ",
      k17 + "( ) FastLoop          ",
      k17 + "( ) Serial: KillSpaces         ",  // the third word needs V 3.70
      k17 + "( ) Serial: KommaAsDp          ",
      k17 + "( ) Serial: TabAsSeperator     ",
      k17 + "( ) Enable  ParaPool           ",
      k17 + "( ) Enable  FastFood           ",
      k17 + "( ) Enable  Skydrol correction ",
      k17 + "( ) Enable  Pressure fluid     ",
      k17 + "( ) Enable  Extended libaries  ",
      k17 + "( ) Store   KNZ                ",
      k17 + "( ) Enable  KNZ                ",
      k17 + "( ) Keep Sensor disctance      ",
      k17 + "( ) Store signal amplitude     ",
      "COMPILER_BITS   :$00010005/$80000002",
      k17 + "Word1 bit  0",
      k17 + "Word1 bit  2",
      k17 + "Word2 bit  1",
      k17 + "Word2 bit 31",
      "CONFIGURATION   :$deadbeef",
      "INTERFACE       :  I F V P R",
      "               A:  x . . . .",
      "               B:  x x x x x",
      "               C:  . . . . .",
      "               D:  . . . . .",
      "               E:  . . . . .",
      "               F:  . . . . .",
      "               G:  . x . . x",
      "               H:  . . . . .",
      "MATERIAL        : 2",
      k16 + "-Stahl  ",
      k16 + "-PVC *",
      "MEDIUM          : 1",
      k16 + "-Wasser *",
      "SENSOR          : 2",
      k16 + "-K1N",
      k16 + "-M2N",
      "PHYSIC. QUANT.  : 4",
      k16 + "-Volumenstrom",
      k16 + "-Geschw.",
      k16 + "-Massestrom",
      k16 + "-Waermestrom",
      "WMM-KOEFF-ROM  : 1",
      "-Descriptor=7",
      " h0:   1.500000e+00    r0:   2.500000e+00",
      " a1:   2.500000e-01    b1:   5.000000e-01",
      " a2:  -1.250000e-01    b2:   0.000000e+00",
      " a3:   0.000000e+00    b3:   0.000000e+00",
      " a4:   0.000000e+00    b4:   1.000000e-05",
      "WMM-KOEFF-USER : 0",
      "MEASURING SETS  : 1",
  };
  EXPECT_EQ(l.lines, expected);
}

// Output hardware item: used flag, kind, CD, stage byte, DRV, scale, raw
// high/low, gain, offset and name.
ByteVec OutputHardware(std::uint8_t kind, std::uint8_t cd, std::uint8_t stage, std::uint8_t drv,
                       std::uint8_t scale, std::uint16_t high, std::uint16_t low, double gain,
                       double offset, const std::string& name) {
  ByteVec h(sb::kOutputHardwareItemSize, 0);
  h[0] = 1;
  h[1] = kind;
  h[2] = cd;
  h[3] = stage;
  h[4] = drv;
  h[5] = scale;
  sb::PutU16At(h.data(), 6, high);
  sb::PutU16At(h.data(), 8, low);
  sb::PutReal48At(h.data(), 10, gain);
  sb::PutReal48At(h.data(), 16, offset);
  sb::PutCountedAt(h.data(), 22, 9, name);
  return h;
}

ByteVec OutputSetup(std::uint8_t channel, std::uint8_t source, std::uint8_t selector,
                    std::uint8_t mode, std::uint8_t low, std::uint8_t high, std::uint8_t fixed) {
  ByteVec s(sb::kOutputSetupItemSize, 0);
  s[0] = channel;
  s[1] = source;
  s[2] = selector;
  s[3] = mode;
  s[17] = low;
  s[18] = high;
  s[21] = fixed;
  return s;
}

sb::StreamSpec NewFirmwareSpec() {
  sb::StreamSpec spec;  // V 5.22
  spec.dataLinear = 0x120;
  spec.dataOffsetField = 0x00100020;
  spec.highestMeasuringChannel = 1;
  spec.highestChannel = 2;  // third channel "X" is an extra channel
  spec.materials = {
      {"Gu\x94"
       "eisen",
       3, 'R'}};
  spec.inputHardware.items = {sb::InputHardwareItem(1, "T1"), sb::InputHardwareItem(1, "T2"),
                              sb::InputHardwareItem(4, "I3", 1), sb::InputHardwareItem(9, "Z4", 3),
                              ByteVec(sb::kInputHardwareItemSize, 0)};
  ByteVec pressure = sb::InputDescriptorItem(true, "Druck", "P", "bar", 2.5);
  sb::PutU16At(pressure.data(), 28, 2500);
  spec.inputDescriptors.items = {sb::InputDescriptorItem(true,
                                                         "R\x81"
                                                         "cklauf",
                                                         "TR", "C"),
                                 pressure, sb::InputDescriptorItem(false, "Aus", "A", "-")};
  spec.inputLinks.items = {sb::InputLinkItem({1, 2, 0, 15, 3, 0, 0, 9}),
                           sb::InputLinkItem({2, 1, 0, 0, 0, 0, 0, 0})};
  spec.outputHardware.items = {OutputHardware(1, 3, 0x0B, 0x1A, 4, 20000, 4000, 1000.0, 0.0, "AO1"),
                               OutputHardware(4, 0, 0x01, 0, 200, 1, 0, 0.0, 0.0, "DO1")};
  spec.outputSetup.items = {
      OutputSetup(1, 0, 0x01, 0x80, 20, 100, 0), OutputSetup(2, 4, 1 << 2, 0x0B, 0, 1, 1),
      OutputSetup(3, 9, 2 << 2, 0x81, 0, 0, 0), OutputSetup(0, 1, 0, 0x80, 0, 0, 0)};
  spec.perChannelPresent = true;
  ByteVec c0(sb::kPerChannelItemSize, 0);
  c0[0] = 1;
  c0[1] = 0x1F;
  c0[2] = 5;
  c0[3] = 2;
  sb::PutReal48At(c0.data(), 4, 1.5);
  sb::PutReal48At(c0.data(), 10, -0.25);
  sb::PutU16At(c0.data(), 34, 9950);
  sb::PutU16At(c0.data(), 36, 0xF00A);
  sb::PutU16At(c0.data(), 40, 15);
  sb::PutU16At(c0.data(), 42, 2500);
  sb::PutU16At(c0.data(), 48, 123);
  sb::PutU16At(c0.data(), 50, 4567);
  c0[52] = 7;
  c0[54] = 1;
  c0[55] = 2;
  c0[56] = 3;
  c0[57] = 4;
  ByteVec c2(sb::kPerChannelItemSize, 0);
  c2[1] = 0xA;
  c2[2] = 30;
  spec.perChannel = {c0, ByteVec(sb::kPerChannelItemSize, 0), c2};
  // Byte 128: steam (bit 1) and power-on (bit 4) apply; byte 129: ring
  // buffer (bit 2) and parameter pool (bit 5) apply.
  spec.patches = {
      {114, U16(0x8000)}, {131, U16(0xC480)}, {137, U16(0x0281)}, {127, U32(0x00241200)}};
  return spec;
}

TEST(StreamInfo, NewFirmwareListing) {
  const Listed l(NewFirmwareSpec());
  ASSERT_TRUE(l.parsed.Usable());
  const std::string k21(21, ' ');
  const std::string k18(18, ' ');
  const std::string k34(34, ' ');
  const std::string k35(35, ' ');
  std::vector<std::string> expected = {
      "THIS IS         : \\SONDIX=MEASUREBYTESTREAM\\3.04",
      "DEVICE          : GAUGEUNIT       ",
      "VERSION         : V 5.22",
      "LANGUAGE        : GER",
      "BINARY-ID       :$12",
      "DATA_VERSION    :$03",
      "PROLOG SIZE     : 160",
      "RESERVED        : 18",
      "STRING SIZE     : " + l.StringSize(),
      "RCA SIZE        : 31",
      "MEAS.DATA SIZE  : " + l.DataSize(),
      "STREAM-SIZE     : " + l.StreamSize(),
      "DATA OFFSET     :$00100020",
      "DATA OFFSET     :$00000120",
      "MD FORMAT       :$0001",
      "MD ERROR-VALUE  :$8000",
      "MD +OVERFLOW    :$7fff",
      "MD -OVERFLOW    :$8001",
      "FACTORY SUPRESS.: 2.5 cm/s",
      "VELOCITY LIMIT  : 12.0 m/s",
      "FACTORY R*MIN   : 2000",
      "FACTORY R*MAX   : 8000",
      "USER_BITS       :$8000/$c480/$0281",
      k17 + "(-) Nocorr.velocity   ",
      k17 + "(-) Both quantity     ",
      k17 + "(-) Quantity in Wh    ",
      k17 + "(-) Avarage storing   ",
      k17 + "(-) Both supression   ",
      k17 + "(-) Tx-correction     ",
      k17 + "(-) Delayed measure   ",
      k17 + "(-) Amp-trigger       ",
      k17 + "(-) Enable perimeter  ",
      k17 + "(-) Meas. Point ASCII ",
      k17 + "(-) Show relais status",
      k17 + "(*) Cash Flow Meter   ",
      k17 + "(-) Fat Points        ",
      k17 + "(*) Steam in inlet    ",
      k17 + "( ) Total wrapping    ",
      k17 + "( ) Total recall      ",
      k17 + "(*) PwrOn->measuring  ",
      k17 + "( ) AlwaysUserPath    ",
      k17 + "(-) Logger as RingBuf ",
      k17 + "(-) Auto LightOff     ",
      k17 + "(*) Store SoundSpeed  ",
      k17 + "(*) FastLoop          ",
      k17 + "(*) Serial: KillSpaces         ",
      k17 + "(-) Serial: KommaAsDp          ",
      k17 + "(-) Serial: TabAsSeperator     ",
      k17 + "(-) Enable  ParaPool           ",
      k17 + "( ) Enable  FastFood           ",
      k17 + "(-) Enable  Skydrol correction ",
      k17 + "(-) Enable  Pressure fluid     ",
      k17 + "(-) Enable  Extended libaries  ",
      k17 + "(-) Store   KNZ                ",
      k17 + "(*) Enable  KNZ                ",
      k17 + "(-) Keep Sensor disctance      ",
      k17 + "(*) Store signal amplitude     ",
      "COMPILER_BITS   :$00000000/$00241200",
      k17 + "Word2 bit  9",
      k17 + "Word2 bit 12",
      k17 + "Word2 bit 18",
      k17 + "Word2 bit 21",
      "CONFIGURATION   :$00000000",
      "MATERIAL        : 1",
      k16 +
          "-Gu\xF6"
          "eisen  ",
      "MEDIUM          : 1",
      k16 + "-Wasser *",
      "SENSOR          : 2",
      k16 + "-K1N",
      k16 + "-M2N",
      "PHYSIC. QUANT.  : 4",
      k16 + "-Volumenstrom",
      k16 + "-Geschw.",
      k16 + "-Massestrom",
      k16 + "-Waermestrom",
      "INPUT-HARDWARE  : 4",
      k16 + "-[1]   T1 = Pt100   ",
      k16 + "-[2]   T2 = Pt100   ",
      k16 + "-[3]   I3 = 4..20mA   ->'P'(1)",
      k16 + "-[4]   Z4 = UNKNOWN ",  // link 3 is beyond the descriptors
      "INPUT-DESCRIPT  : 2",
      k16 +
          "-[0]   TR = R\xFC"
          "cklauf C           (1.0000; 0.0000)",
      k16 + "-[1]    P = Druck bar            (2.5000; 0.1000)",
      "INPUT-LINKS     : 7",
      "                      Tv   Tr   T(3) T(4) X(1) X(2) X(3) X(4)",
      k16 + "-A:   T1   T2    -  FIX   I3    -    -  ?9?",
      k16 + "-B:   T2   T1    -    -    -    -    -    -",
      "OUTPUT-HARDWARE : 2",
      k16 + "-[1]   AO1 = CURRENT   Active       4 mA  (4.000.. 20.000)  CD:3 SL:3 CH:1 DRV:1a",
      k16 + "-[2]   DO1 = BINARY    OpenColl.  200 bit (0.000..  0.000)  CD:0 SL:1 CH:0 DRV:0",
      "OUTPUT-SETUP    : 3",
      k16 + "-[1]:SOURCE-CHANNEL= A: ",
      k21 + "SOURCE-VALUE  = Measure  Flow",
      k21 + "OUTPUT-RANGE  = 0.40.. 2.0 mA ",
      k21 + "OnERROR       = MINIMUM (0.40 mA )",
      k16 + "-[2]:SOURCE-CHANNEL= B: (NOT ACTIVATED)",
      k21 + "SOURCE-VALUE  = Temperature  T-Outlet[2]=T1",
      k21 + "OUTPUT-RANGE  =    0..   1 bit",
      k21 + "OnERROR       = Output ON  ",
      k21 + "INPUT         = ABSOLUTE(INPUT)",
      k16 + "-[3]:SOURCE-CHANNEL= X: ",
      k21 + "SOURCE-VALUE  = Signal",
      k21 + "OUTPUT-RANGE  = 0.00..0.00    ",  // no hardware item 3: all zero
      k21 + "OnERROR       = Hold Last Value",
      "A:CURRENT SETUP : SwitchedOn      YES",
      k18 + "MeasMode        $1f",
      k18 + "Error delay     5 s",
      k18 + "c-Fluid corr.   -Type=2",
      k34 + "-K[0]=1.50",
      k34 + "-K[1]=-0.25",
      k34 + "-K[2]=0.00",
      k34 + "-K[3]=0.00",
      k34 + "-K[4]=0.00",
      k18 + "KNZ final corr.  99.50 M%",
      k18 + "Add.cable length 10 m",
      k18 + "Cable corr.      7",
      k18 + "P-Bounds         -I:   1.5 /  250.0",
      k35 + "-W:   0.0 /    0.0",
      k35 + "-O:  12.3 /  456.7",
      k18 + "S-Bounds         svu:1 svo:2 shu:3 sho:4",
      "B:CURRENT SETUP : SwitchedOn      NO",
      k18 + "MeasMode        $0",
      k18 + "Error delay     0 s",
      k18 + "c-Fluid corr.   -Type=0",
      k34 + "-K[0]=0.00",
      k34 + "-K[1]=0.00",
      k34 + "-K[2]=0.00",
      k34 + "-K[3]=0.00",
      k34 + "-K[4]=0.00",
      k18 + "KNZ final corr.  0.00 M%",
      k18 + "Add.cable length 0 m",
      k18 + "Cable corr.      0",
      k18 + "P-Bounds         -I:   0.0 /    0.0",
      k35 + "-W:   0.0 /    0.0",
      k35 + "-O:   0.0 /    0.0",
      k18 + "S-Bounds         svu:0 svo:0 shu:0 sho:0",
      "X:CURRENT SETUP : SwitchedOn      NO",  // extra channel: short block
      k18 + "MeasMode        $a",
      k18 + "Error delay     30 s",
      "MEASURING SETS  : 1",
  };
  EXPECT_EQ(l.lines, expected);
}

TEST(StreamInfo, AppendsAfterExistingLinesAndConvertsOnlyItsOwn) {
  const auto bytes = sb::BuildStream(sb::StreamSpec{});
  const ParsedStream parsed = ParseStream(bytes);
  const TVXAblage nav(bytes, parsed);
  std::vector<std::string> lines = {"caller \x84"};
  WriteStreamInfo(parsed, nav, lines);
  ASSERT_GT(lines.size(), 2u);
  EXPECT_EQ(lines[0], "caller \x84");
  EXPECT_EQ(lines[1], "THIS IS         : \\SONDIX=MEASUREBYTESTREAM\\3.04");
  EXPECT_EQ(lines.back(), "MEASURING SETS  : 1");
}

// Lines of `lines` that start with `prefix`.
std::vector<std::string> Starting(const std::vector<std::string>& lines,
                                  const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& line : lines)
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  return out;
}

// The lines after the line starting with `from`, up to the line starting with `to`.
std::vector<std::string> Between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
  std::vector<std::string> out;
  bool inside = false;
  for (const auto& line : lines) {
    if (line.rfind(to, 0) == 0) inside = false;
    if (inside) out.push_back(line);
    if (line.rfind(from, 0) == 0) inside = true;
  }
  return out;
}

TEST(StreamInfo, VersionGatesInterfacesAndInputTables) {
  // From V 3.60 the interface block ends at the highest channel, whose extra
  // channels carry letters of their own.
  sb::StreamSpec spec;
  spec.version = sb::kV360;
  spec.highestChannel = 2;
  spec.firstExtraLetter = 'R';
  const Listed v360(spec);
  EXPECT_EQ(
      Between(v360.lines, "INTERFACE", "MATERIAL"),
      (std::vector<std::string>{"               A:  x . . . .", "               B:  . . . . .",
                                "               R:  . . . . ."}));
  EXPECT_EQ(Starting(v360.lines, "INPUT-LINKS").size(), 1u);
  // No link is set: no head line.
  EXPECT_TRUE(Starting(v360.lines, "                      Tv").empty());

  // V 3.16 lists the input hardware, but neither descriptors nor links.
  spec.version = sb::kV316;
  const Listed v316(spec);
  EXPECT_EQ(Starting(v316.lines, "INPUT-HARDWARE  : 2").size(), 1u);
  EXPECT_EQ(Starting(v316.lines, "FACTORY SUPRESS.: 2.5 cm/s").size(), 1u);
  EXPECT_TRUE(Starting(v316.lines, "INPUT-DESCRIPT").empty());
  EXPECT_TRUE(Starting(v316.lines, "INPUT-LINKS").empty());
  EXPECT_TRUE(Starting(v316.lines, "FACTORY R*").empty());

  // V 5.00 replaces interface and coefficient blocks by the output tables;
  // R*MIN/MAX need V 5.22.
  spec.version = sb::kV500;
  const Listed v500(spec);
  EXPECT_TRUE(Starting(v500.lines, "INTERFACE").empty());
  EXPECT_TRUE(Starting(v500.lines, "WMM-KOEFF").empty());
  EXPECT_TRUE(Starting(v500.lines, "FACTORY R*").empty());
  EXPECT_EQ(Starting(v500.lines, "OUTPUT-HARDWARE : 0").size(), 1u);
  EXPECT_EQ(Starting(v500.lines, "OUTPUT-SETUP    : 0").size(), 1u);
  // Without byte 141 there is no per-channel block.
  EXPECT_TRUE(Starting(v500.lines, "A:CURRENT SETUP").empty());
}

TEST(StreamInfo, DamagedStreamsListWhatWasRead) {
  // The prolog promises more output setup items than the stream holds: the
  // parse stops, and the listing shows the tables as far as they were read.
  sb::StreamSpec spec = NewFirmwareSpec();
  spec.patches.push_back({140, {200}});
  const Listed cut(spec);
  EXPECT_FALSE(cut.parsed.Usable());
  EXPECT_EQ(Starting(cut.lines, "OUTPUT-HARDWARE : 2").size(), 1u);
  EXPECT_EQ(Starting(cut.lines, "OUTPUT-SETUP    : 0").size(), 1u);
  EXPECT_EQ(cut.lines.back(), "MEASURING SETS  : 1");

  // A stream cut inside the table section.
  const ByteVec whole = sb::BuildStream(NewFirmwareSpec());
  for (std::size_t n :
       {std::size_t{0}, std::size_t{20}, std::size_t{100}, std::size_t{200}, whole.size() / 2}) {
    const ByteVec part = sb::Truncated(whole, n);
    const ParsedStream parsed = ParseStream(part);
    const TVXAblage nav(part, parsed);
    const auto lines = StreamInfoLines(parsed, nav);
    EXPECT_FALSE(parsed.Usable()) << n;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().rfind("MEASURING SETS  : ", 0), 0u) << n;
  }

  // A stream without identification has an empty prolog.
  const ByteVec junk(300, 0xFF);
  const ParsedStream parsed = ParseStream(junk);
  const TVXAblage nav(junk, parsed);
  const auto lines = StreamInfoLines(parsed, nav);
  EXPECT_EQ(lines.front(), "THIS IS         : ");
  EXPECT_EQ(lines.back(), "MEASURING SETS  : 0");
}

}  // namespace
}  // namespace gd
