#include "convert/StreamInfo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "convert/IoDescriptors.h"
#include "core/Real48.h"
#include "core/TextTools.h"
#include "core/VXAblage.h"
#include "core/Version.h"

namespace gd {
namespace {

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// A fixed character field of the prolog as one line's text: it ends at the
// first NUL, and line-break characters at its end are dropped so that every
// entry of the list stays one line.
std::string FieldText(std::string_view field) {
  field = field.substr(0, field.find('\0'));
  while (!field.empty() && (field.back() == '\r' || field.back() == '\n')) field.remove_suffix(1);
  return std::string(field);
}

// Kind letter of a material or medium built into the meter.
constexpr std::uint8_t kBuiltInKind = 'R';

std::string Letter(std::uint8_t code) { return std::string(1, static_cast<char>(code)); }

long double RealAt(ByteView item, std::size_t off) {
  return off + 6 <= item.size() ? Real48ToLongDouble(&item[off]) : 0.0L;
}
std::uint16_t U16At(ByteView item, std::size_t off) {
  return off + 2 <= item.size() ? LoadU16(&item[off]) : 0;
}
// Counted string at `off`, at most `maxChars` characters and never past the item.
std::string CountedAt(ByteView item, std::size_t off, std::size_t maxChars) {
  if (off >= item.size()) return {};
  return CountedField(&item[off], std::min(maxChars, item.size() - off - 1));
}

std::size_t CountUsed(const TDeviceTable& table) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < table.Count(); ++i)
    if (ItemByte(table.Item(i), 0) != 0) ++n;
  return n;
}

// One feature of a user-bit word: its caption, its bit, and whether it
// applies to the stream (a feature that does not apply is shown blank).
struct Feature {
  std::string_view caption;
  std::uint16_t mask;
  bool applies = true;
};

class Lister {
 public:
  Lister(const ParsedStream& parsed, const TVXAblage& navigator, std::vector<std::string>& lines)
      : p_(parsed), pro_(parsed.prolog), nav_(navigator), out_(lines), version_(pro_.Version()) {}

  void Write() {
    Prolog();
    UserBits();
    CompilerBits();
    Interfaces();
    NameLists();
    Coefficients();
    InputTables();
    OutputTables();
    ChannelTable();
    Add(Sprintf("MEASURING SETS  : %d", pro_.MeasuringSets()));
  }

 private:
  bool AtLeast(int major, int minor) const {
    return VersionAtLeast(MakeVersion(major, minor), version_);
  }
  bool Bit(std::size_t prologByte, int bit) const { return (pro_.U8(prologByte) >> bit) & 1; }
  void Add(std::string line) { out_.push_back(std::move(line)); }

  void Prolog() {
    Add("THIS IS         : " + FieldText(pro_.Identification()));
    Add("DEVICE          : " + FieldText(pro_.DeviceName()));
    Add("VERSION         : " + VersionText(version_));
    Add("LANGUAGE        : " + FieldText(pro_.Language()));
    Add(Sprintf("BINARY-ID       :$%.2x", pro_.U8(TStreamProlog::kBinaryId)));
    Add(Sprintf("DATA_VERSION    :$%.2x", pro_.U8(TStreamProlog::kDataVersion)));
    Add(Sprintf("PROLOG SIZE     : %d", pro_.PrologSize()));
    Add(Sprintf("RESERVED        : %d", 18));
    Add(Sprintf("STRING SIZE     : %d", pro_.StringSize()));
    Add(Sprintf("RCA SIZE        : %d", pro_.RcaSize()));
    Add(Sprintf("MEAS.DATA SIZE  : %d", pro_.MeasDataSize()));
    Add(Sprintf("STREAM-SIZE     : %d", pro_.StreamSize()));
    Add(Sprintf("DATA OFFSET     :$%.8x", pro_.DataOffset()));
    Add(Sprintf("DATA OFFSET     :$%.8x", FarLinear(pro_.DataOffset())));
    Add(Sprintf("MD FORMAT       :$%.4x", pro_.U16(TStreamProlog::kMdFormat)));
    Add(Sprintf("MD ERROR-VALUE  :$%.4x", pro_.U16(TStreamProlog::kMdErrorValue)));
    Add(Sprintf("MD +OVERFLOW    :$%.4x", pro_.U16(TStreamProlog::kMdPlusOverflow)));
    Add(Sprintf("MD -OVERFLOW    :$%.4x", pro_.U16(TStreamProlog::kMdMinusOverflow)));
    if (AtLeast(3, 16))
      Add("FACTORY SUPRESS.: " + Tenths(pro_.U8(TStreamProlog::kFactorySuppress)) + " cm/s");
    Add("VELOCITY LIMIT  : " + Tenths(pro_.U8(TStreamProlog::kVelocityLimit)) + " m/s");
    if (AtLeast(5, 22)) {
      Add(Sprintf("FACTORY R*MIN   : %d", pro_.U8(TStreamProlog::kFactoryRMin) * 100));
      Add(Sprintf("FACTORY R*MAX   : %d", pro_.U8(TStreamProlog::kFactoryRMax) * 100));
    }
  }

  static std::string Tenths(int value) { return Trim(Sprintf("%8.1f", value / 10.0)); }

  void FeatureLines(std::uint16_t word, const Feature* features, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      const Feature& f = features[i];
      const char* mark = !f.applies ? " " : (word & f.mask) ? "*" : "-";
      Add(Sprintf("                 (%s) %.*s", mark, static_cast<int>(f.caption.size()),
                  f.caption.data()));
    }
  }

  void UserBits() {
    const std::uint16_t w1 = pro_.U16(TStreamProlog::kUserBits1);
    const std::uint16_t w2 = pro_.U16(TStreamProlog::kUserBits2);
    const std::uint16_t w3 = pro_.U16(TStreamProlog::kUserBits3);
    Add(Sprintf("USER_BITS       :$%.4x/$%.4x/$%.4x", w1, w2, w3));

    const Feature first[] = {
        {"Nocorr.velocity   ", 0x1000}, {"Both quantity     ", 0x0800},
        {"Quantity in Wh    ", 0x0004}, {"Avarage storing   ", 0x0400},
        {"Both supression   ", 0x0080}, {"Tx-correction     ", 0x0200},
        {"Delayed measure   ", 0x0100}, {"Amp-trigger       ", 0x4000},
        {"Enable perimeter  ", 0x0040}, {"Meas. Point ASCII ", 0x0008},
        {"Show relais status", 0x2000}, {"Cash Flow Meter   ", 0x8000},
    };
    FeatureLines(w1, first, std::size(first));

    const std::size_t b128 = 128, b129 = 129;
    const Feature second[] = {
        {"Fat Points        ", 0x0040, AtLeast(3, 46)},
        {"Steam in inlet    ", 0x0080, Bit(b128, 1)},
        {"Total wrapping    ", 0x0100, Bit(b128, 3)},
        {"Total recall      ", 0x0200, Bit(b128, 2)},
        {"PwrOn->measuring  ", 0x0400, Bit(b128, 4)},
        {"AlwaysUserPath    ", 0x0800, Bit(b128, 6)},
        {"Logger as RingBuf ", 0x1000, Bit(b129, 2)},
        {"Auto LightOff     ", 0x2000, true},
        {"Store SoundSpeed  ", 0x4000, AtLeast(5, 0)},
        {"FastLoop          ", 0x8000, AtLeast(3, 63)},
    };
    FeatureLines(w2, second, std::size(second));

    const bool v370 = AtLeast(3, 70);
    const Feature third[] = {
        {"Serial: KillSpaces         ", 0x0001, v370},
        {"Serial: KommaAsDp          ", 0x0002, v370},
        {"Serial: TabAsSeperator     ", 0x0004, v370},
        {"Enable  ParaPool           ", 0x8000, v370 && Bit(b129, 5)},
        {"Enable  FastFood           ", 0x4000, v370 && Bit(b128, 0)},
        {"Enable  Skydrol correction ", 0x2000, v370},
        {"Enable  Pressure fluid     ", 0x1000, v370 && Bit(b128, 1)},
        {"Enable  Extended libaries  ", 0x0800, v370 && AtLeast(5, 0)},
        {"Store   KNZ                ", 0x0400, v370 && AtLeast(5, 2)},
        {"Enable  KNZ                ", 0x0200, v370 && AtLeast(5, 2)},
        {"Keep Sensor disctance      ", 0x0100, v370 && AtLeast(5, 2)},
        {"Store signal amplitude     ", 0x0080, v370 && AtLeast(5, 3)},
    };
    FeatureLines(w3, third, std::size(third));
  }

  void CompilerBits() {
    const std::uint32_t c1 = pro_.U32(TStreamProlog::kCompilerBits1);
    const std::uint32_t c2 = pro_.U32(TStreamProlog::kCompilerBits2);
    Add(Sprintf("COMPILER_BITS   :$%.8x/$%.8x", c1, c2));
    for (int bit = 0; bit < 16; ++bit)
      if ((c1 >> bit) & 1) Add("                 " + CompilerOptionName(1, bit));
    for (int bit = 0; bit < 32; ++bit)
      if ((c2 >> bit) & 1) Add("                 " + CompilerOptionName(2, bit));
    Add(Sprintf("CONFIGURATION   :$%.8x", pro_.U32(TStreamProlog::kConfiguration)));
  }

  void Interfaces() {
    if (AtLeast(5, 0)) return;
    Add("INTERFACE       :  I F V P R");
    const int last = AtLeast(3, 60) ? std::min<int>(pro_.LastChannel(), 7) : 7;
    for (int ch = 0; ch <= last; ++ch) {
      std::string marks = " . . . . .";
      const std::uint8_t flags = pro_.InterfaceFlags(ch);
      for (int i = 0; i < 5; ++i)
        if ((flags >> i) & 1) marks[static_cast<std::size_t>(2 * i + 1)] = 'x';
      Add("               " + Letter(nav_.ChannelLetter(ch)) + ": " + marks);
    }
  }

  void MediMatLines(const char* caption, const TMediMatStrColl& list) {
    Add(Sprintf("%s: %zu", caption, list.Count()));
    for (std::size_t i = 0; i < list.Count(); ++i) {
      const MediMatItem& item = list[i];
      const char* flag = item.kind == kBuiltInKind ? " " : "*";
      Add(Sprintf("%16s-%s %s", " ", item.name.c_str(), flag));
    }
  }

  void NameLines(const char* caption, const TNoSortStringCollection& list) {
    Add(Sprintf("%s: %zu", caption, list.Count()));
    for (std::size_t i = 0; i < list.Count(); ++i) Add(Sprintf("%16s-%s", " ", list[i].c_str()));
  }

  void NameLists() {
    MediMatLines("MATERIAL        ", p_.materials);
    MediMatLines("MEDIUM          ", p_.media);
    NameLines("SENSOR          ", p_.sensorNames);
    NameLines("PHYSIC. QUANT.  ", p_.quantityNames);
  }

  void CoefficientLines(const char* caption, const TDeviceTable& table) {
    Add(Sprintf("%s: %zu", caption, table.Count()));
    for (std::size_t i = 0; i < table.Count(); ++i) {
      const ByteView item = table.Item(i);
      // Key, then h0, a1..a4, r0, b1..b4.
      auto c = [&](int n) { return Sprintf("%15e", static_cast<double>(RealAt(item, 2 + 6 * n))); };
      Add(Sprintf("-Descriptor=%u", unsigned{U16At(item, 0)}));
      Add(" h0:" + c(0) + "    r0:" + c(5));
      for (int k = 1; k <= 4; ++k)
        Add(Sprintf(" a%d:", k) + c(k) + Sprintf("    b%d:", k) + c(5 + k));
    }
  }

  void Coefficients() {
    if (AtLeast(5, 0)) return;
    CoefficientLines("WMM-KOEFF-ROM  ", p_.romCoefficients);
    CoefficientLines("WMM-KOEFF-USER ", p_.userCoefficients);
  }

  void InputTables() {
    const TDeviceTable& hw = p_.inputHardware;
    const TDeviceTable& desc = p_.inputDescriptors;
    if (AtLeast(3, 16)) {
      Add(Sprintf("INPUT-HARDWARE  : %zu", CountUsed(hw)));
      for (std::size_t i = 0; i < hw.Count(); ++i) {
        const ByteView item = hw.Item(i);
        if (ItemByte(item, 0) == 0) continue;
        std::string link;
        const std::size_t l = ItemByte(item, kInputHardwareLink);
        if (l != 0 && l < desc.Count() && ItemByte(desc.Item(l), kInputDescriptorActive) != 0)
          link = Sprintf("  ->'%s'(%zu)",
                         CountedAt(desc.Item(l), kInputDescriptorShortName, 4).c_str(), l);
        Add(Sprintf("                -[%zu] %4s = %s %s", i + 1,
                    CountedAt(item, kInputHardwareShortName, 4).c_str(),
                    std::string(InputHardwareTypeText(ItemByte(item, kInputHardwareType))).c_str(),
                    link.c_str()));
      }
    }
    if (AtLeast(3, 22)) {
      Add(Sprintf("INPUT-DESCRIPT  : %zu", CountUsed(desc)));
      for (std::size_t i = 0; i < desc.Count(); ++i) {
        const ByteView item = desc.Item(i);
        if (ItemByte(item, kInputDescriptorActive) == 0) continue;
        const std::string nameUnit = CountedAt(item, kInputDescriptorName, 16) + " " +
                                     CountedAt(item, kInputDescriptorUnit, 15);
        const double factor = static_cast<double>(RealAt(item, 30));
        const double offset = static_cast<std::int16_t>(U16At(item, 28)) * 40 / 1000000.0;
        Add(Sprintf("                -[%zu] %4s = %-20s (%s; %s)", i,
                    CountedAt(item, kInputDescriptorShortName, 4).c_str(), nameUnit.c_str(),
                    Trim(Sprintf("%12.4f", factor)).c_str(),
                    Trim(Sprintf("%12.4f", offset)).c_str()));
      }
    }
    if (AtLeast(3, 51)) {
      Add(Sprintf("INPUT-LINKS     : %d", p_.inputLinkCount));
      if (p_.inputLinkCount > 0) {
        Add("                      Tv   Tr   T(3) T(4) X(1) X(2) X(3) X(4)");
        for (std::size_t i = 0; i < p_.inputLinkRecords.size(); ++i) {
          std::string line = "                -" + Letter(static_cast<std::uint8_t>('A' + i)) + ":";
          for (std::size_t n = 0; n < 8; ++n)
            line += Sprintf("%5s", p_.inputLinkRecords[i].names[n].Text().c_str());
          Add(std::move(line));
        }
      }
    }
  }

  // Output hardware item k, or an all-zero item when the table has none.
  ByteView Hardware(std::size_t k) const {
    static const std::array<std::uint8_t, kOutputHardwareItemSize> kNone{};
    return k < p_.outputHardware.Count() ? p_.outputHardware.Item(k) : ByteView(kNone);
  }

  static double RangeEnd(std::uint16_t raw, long double offset, long double gain) {
    const long double v = (raw - offset) / gain;
    return gain != 0 && std::isfinite(v) ? static_cast<double>(v) : 0.0;
  }

  void OutputTables() {
    if (!AtLeast(5, 0)) return;
    const TDeviceTable& hw = p_.outputHardware;
    Add(Sprintf("OUTPUT-HARDWARE : %zu", CountUsed(hw)));
    for (std::size_t k = 0; k < hw.Count(); ++k) {
      const ByteView h = hw.Item(k);
      const int kind = ItemByte(h, kOutputHardwareKind);
      const std::uint8_t stage = ItemByte(h, kOutputHardwareStage);
      const long double gain = RealAt(h, kOutputHardwareGain);
      const long double offset = RealAt(h, kOutputHardwareOffset);
      Add(Sprintf(
          "                -[%zu]   %s = %s %s %3d%4s (%.3f..%7.3f)  CD:%d SL:%d CH:%d DRV:%x",
          k + 1, CountedAt(h, kOutputHardwareName, 9).c_str(),
          std::string(SignalKindText(kind)).c_str(),
          std::string(OutputStageText(kind, stage)).c_str(), ItemByte(h, kOutputHardwareScale),
          std::string(SignalUnitText(kind)).c_str(),
          RangeEnd(U16At(h, kOutputHardwareLowRaw), offset, gain),
          RangeEnd(U16At(h, kOutputHardwareHighRaw), offset, gain), ItemByte(h, kOutputHardwareCd),
          stage & 7, (stage >> 3) & 7, unsigned{ItemByte(h, kOutputHardwareDrv)}));
    }

    const TDeviceTable& setup = p_.outputSetup;
    Add(Sprintf("OUTPUT-SETUP    : %zu", CountUsed(setup)));
    for (std::size_t k = 0; k < setup.Count(); ++k) {
      const ByteView s = setup.Item(k);
      const int channel = ItemByte(s, kOutputSetupChannel);
      if (channel == 0) continue;
      const std::uint8_t mode = ItemByte(s, kOutputSetupMode);
      const ByteView h = Hardware(k);
      Add(Sprintf("                -[%zu]:SOURCE-CHANNEL= %s: %s", k + 1,
                  Letter(nav_.ChannelLetter(channel - 1)).c_str(),
                  (mode & kOutputModeActive) ? "" : "(NOT ACTIVATED)"));
      std::string source(OutputSourceText(ItemByte(s, kOutputSetupSource), true));
      if (!source.empty()) source += "  ";
      const std::size_t linkIndex = static_cast<std::size_t>(channel - 1);
      const InputLinkRecord* links =
          linkIndex < p_.inputLinkRecords.size() ? &p_.inputLinkRecords[linkIndex] : nullptr;
      Add("                     SOURCE-VALUE  = " + source + OutputValueDescription(s, links));
      Add("                     OUTPUT-RANGE  = " +
          OutputValueText(ItemByte(s, kOutputSetupLow), h, false) + ".." +
          OutputValueText(ItemByte(s, kOutputSetupHigh), h, false) + " " +
          std::string(SignalUnitText(ItemByte(h, kOutputHardwareKind))));
      Add("                     OnERROR       = " + OnErrorText(s, h));
      if (mode & kOutputModeInput)
        Add("                     INPUT         = " + std::string(InputModeText(s)) + "(INPUT)");
    }
  }

  void ChannelTable() {
    if (!AtLeast(5, 0) || !pro_.HasChannelTable()) return;
    for (std::size_t k = 0; k < p_.channelTable.size(); ++k) {
      const ByteView c(p_.channelTable[k]);
      Add(Letter(nav_.ChannelLetter(static_cast<int>(k))) + ":CURRENT SETUP : SwitchedOn      " +
          (c[0] != 0 ? "YES" : "NO"));
      Add(Sprintf("                  MeasMode        $%x", unsigned{c[1]}));
      Add(Sprintf("                  Error delay     %d s", c[2]));
      if (k > pro_.LastMeasuringChannel()) continue;
      Add(Sprintf("                  c-Fluid corr.   -Type=%d", c[3]));
      for (int i = 0; i < 5; ++i)
        Add(Sprintf("                                  -K[%d]=%.2f", i,
                    static_cast<double>(RealAt(c, 4 + 6 * static_cast<std::size_t>(i)))));
      Add(Sprintf("                  KNZ final corr.  %.2f M%%", U16At(c, 34) / 100.0));
      Add(Sprintf("                  Add.cable length %d m", U16At(c, 36) & 0x0FFF));
      Add(Sprintf("                  Cable corr.      %d", c[52]));
      Add(Sprintf("                  P-Bounds         -I: %5.1f / %6.1f", U16At(c, 40) / 10.0,
                  U16At(c, 42) / 10.0));
      Add(Sprintf("                                   -W: %5.1f / %6.1f", U16At(c, 44) / 10.0,
                  U16At(c, 46) / 10.0));
      Add(Sprintf("                                   -O: %5.1f / %6.1f", U16At(c, 48) / 10.0,
                  U16At(c, 50) / 10.0));
      Add(Sprintf("                  S-Bounds         svu:%d svo:%d shu:%d sho:%d", c[54], c[55],
                  c[56], c[57]));
    }
  }

  const ParsedStream& p_;
  const TStreamProlog& pro_;
  const TVXAblage& nav_;
  std::vector<std::string>& out_;
  std::uint16_t version_;
};

}  // namespace

std::string CompilerOptionName(int word, int bit) { return Sprintf("Word%d bit %2d", word, bit); }

void WriteStreamInfo(const ParsedStream& parsed, const TVXAblage& navigator,
                     std::vector<std::string>& lines) {
  const std::size_t first = lines.size();
  Lister(parsed, navigator, lines).Write();
  for (std::size_t i = first; i < lines.size(); ++i) lines[i] = DosToWindows(lines[i]);
}

std::vector<std::string> StreamInfoLines(const ParsedStream& parsed, const TVXAblage& navigator) {
  std::vector<std::string> lines;
  WriteStreamInfo(parsed, navigator, lines);
  return lines;
}

}  // namespace gd
