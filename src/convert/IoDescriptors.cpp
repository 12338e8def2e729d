#include "convert/IoDescriptors.h"

#include <algorithm>
#include <array>

#include "core/TextTools.h"

namespace gd {
namespace {

constexpr std::array<std::string_view, 5> kKindTexts = {"NIX      ", "CURRENT  ", "VOLTAGE  ",
                                                        "FREQUENCY", "BINARY   "};
constexpr std::array<std::string_view, 5> kKindUnits = {"   ", "mA ", "V  ", "kHz", "bit"};

// Current stages by number.
struct CurrentStage {
  int number;
  std::string_view name;
};
constexpr std::array<CurrentStage, 4> kCurrentStages = {
    {{0, "Generic   "}, {1, "Passiv    "}, {2, "SemiActive"}, {3, "Active    "}}};

constexpr std::array<std::string_view, 10> kSourceTexts = {
    "Measure",           "Positive totals", "Negative totals", "Sum totals", "Temperature",
    "Temperature diff.", "Other Input",     "Alarm output",    "Impuls",     "Others"};

constexpr std::string_view kUnknownSpec = "UNKNOWN SPEC";

// Link text n (1-based) of a link record.
std::string LinkText(const InputLinkRecord& links, int n) {
  return links.names[static_cast<std::size_t>(n - 1)].Text();
}

}  // namespace

std::string_view SignalKindText(int kind) {
  return kind >= 0 && kind < 5 ? kKindTexts[static_cast<std::size_t>(kind)] : "UNKNOWN  ";
}

std::string_view SignalUnitText(int kind) {
  return kind >= 0 && kind < 5 ? kKindUnits[static_cast<std::size_t>(kind)] : "???";
}

std::string_view OutputStageText(int kind, std::uint8_t stageByte) {
  const int s = stageByte & 7;
  switch (kind) {
    case 0:
      return "nothing   ";
    case 1:
      for (const CurrentStage& stage : kCurrentStages)
        if (stage.number == s) return stage.name;
      return "UNDEF_I   ";
    case 2:
      return s == 1 ? "default   " : s == 2 ? "booster   " : "UNDEF_U   ";
    case 3:
    case 4:
      switch (s) {
        case 0:
          return "generic   ";
        case 1:
          return "OpenColl. ";
        case 2:
          return "TotemPool ";
        case 3:
          return "Reed      ";
        default:
          return "UNDEF_B   ";
      }
    default:
      return "UNDEF KIND";
  }
}

std::string_view OutputSourceText(int source, bool shortForm) {
  if (source < 0 || source >= static_cast<int>(kSourceTexts.size())) return "?";
  if (shortForm && source == 9) return "";
  return kSourceTexts[static_cast<std::size_t>(source)];
}

std::string OutputValueDescription(ByteView setup, const InputLinkRecord* links) {
  const int q = ItemByte(setup, kOutputSetupSource);
  const std::uint8_t v = ItemByte(setup, kOutputSetupSelector);
  const int c2 = (v >> 2) & 7;  // selector of temperatures, inputs and others
  const int c5 = (v >> 5) & 3;  // selector of alarms and pulses
  switch (q) {
    case 0:
    case 1:
    case 2:
    case 3:
      switch (v & 3) {
        case 0:
          return "Current measure";
        case 1:
          return "Flow";
        case 2:
          return "Heat";
        default:
          return std::string(kUnknownSpec);
      }
    case 4:
      if (!links || c2 > 3) return std::string(kUnknownSpec);
      return Sprintf("%s[%d]=%s",
                     c2 == 0   ? "T-Inlet "
                     : c2 == 1 ? "T-Outlet"
                               : "T",
                     c2 + 1, LinkText(*links, c2 + 1).c_str());
    case 5: {
      if (!links || c2 > 5) return std::string(kUnknownSpec);
      static constexpr std::array<std::array<int, 2>, 6> kPairs = {
          {{1, 2}, {1, 3}, {2, 3}, {1, 4}, {2, 4}, {3, 4}}};
      const auto& pair = kPairs[static_cast<std::size_t>(c2)];
      std::string a = LinkText(*links, pair[0]), b = LinkText(*links, pair[1]);
      if (a.empty()) a = "T?";
      if (b.empty()) b = "T?";
      // Inlet against return, inlet or return against T(3) / T(4), T(3) against T(4).
      switch (c2) {
        case 0:
          return Sprintf("Tv(=%s)-Tr(=%s)", a.c_str(), b.c_str());
        case 1:
        case 3:
          return Sprintf("Tv(=%s)-%s", a.c_str(), b.c_str());
        case 2:
        case 4:
          return Sprintf("Tr(=%s)-%s", a.c_str(), b.c_str());
        default:
          return Sprintf("%s - %s", a.c_str(), b.c_str());
      }
    }
    case 6:
      if (!links || c2 > 3) return std::string(kUnknownSpec);
      return Sprintf("X[%d]=%s", c2 + 1, LinkText(*links, c2 + 5).c_str());
    case 7:
      return Sprintf("R%d", c5 + 1);
    case 8: {
      static constexpr std::array<std::string_view, 4> kPulse = {"from abs(x)", "from x>0",
                                                                 "from x<0", "reserved"};
      return std::string(kPulse[static_cast<std::size_t>(c5)]);
    }
    case 9:
      switch (c2) {
        case 0:
          return "Sound velocity";
        case 1:
          return "Concentration";
        case 2:
          return "Signal";
        default:
          return std::string(kUnknownSpec);
      }
    default:
      return std::string(kUnknownSpec);
  }
}

std::string OutputValueText(std::uint8_t b, ByteView hardware, bool withUnit) {
  const int kind = ItemByte(hardware, kOutputHardwareKind);
  const double x = b * 0.005 * ItemByte(hardware, kOutputHardwareScale);
  if (kind == 4 && withUnit) return x != 0 ? "ON  " : "OFF ";
  const int decimals = kind == 4 ? 0 : x > 1 ? 1 : 2;
  std::string text = Sprintf("%4.*f", decimals, x);
  if (withUnit) {
    text += ' ';
    text += SignalUnitText(kind);
  }
  return text;
}

std::string OnErrorText(ByteView setup, ByteView hardware) {
  switch (ItemByte(setup, kOutputSetupMode) & kOutputModeErrorMask) {
    case 0:
      return "MINIMUM (" + OutputValueText(ItemByte(setup, kOutputSetupLow), hardware, true) + ")";
    case 1:
      return "Hold Last Value";
    case 2:
      return "MAXIMUM (" + OutputValueText(ItemByte(setup, kOutputSetupHigh), hardware, true) + ")";
    case 3:
      return "Output " + OutputValueText(ItemByte(setup, kOutputSetupFixed), hardware, true);
    default:
      return "UNKNOWN MODE";
  }
}

std::string_view InputModeText(ByteView setup) {
  return (ItemByte(setup, kOutputSetupMode) & kOutputModeInput) ? "ABSOLUTE" : "SIGN";
}

std::string_view InputHardwareTypeText(int type) {
  switch (type) {
    case 1:
      return "Pt100  ";
    case 2:
      return "0..1V  ";
    case 3:
      return "0..10V ";
    case 4:
      return "4..20mA";
    default:
      return "UNKNOWN";
  }
}

}  // namespace gd
