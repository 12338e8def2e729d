#include "device/TableLoading.h"

#include <string>

#include "core/Errors.h"
#include "core/TextTools.h"
#include "device/Coefficients.h"
#include "device/MessageText.h"
#include "device/SondAmComPort.h"

namespace gd {
namespace {

constexpr std::uint8_t kSendUser = 3;
constexpr std::uint8_t kStoreUser = 4;
constexpr std::uint8_t kRecallUser = 5;
constexpr const char* kWrongRecordSize =
    "Koeffizientensatz mit %d Bytes statt 62 kann nicht gesendet werden";

const char* PlainTableName(std::uint8_t kind) {
  switch (kind) {
    case kTableLanguages:
      return "\\SprachCodes";
    case kTableFactoryCoefficients:
      return "\\WMM-FIRMKoeffs";
    case kTableUserCoefficients:
      return "\\WMM-USERKoeffs";
    default:
      return "";
  }
}

const char* NamedTableName(std::uint8_t kind) {
  switch (kind) {
    case 1:
      return "\\Materialien";
    case 2:
      return "\\Medien";
    case 3:
      return "\\Schwinger";
    case 4:
      return "\\Ablagerate";
    case 6:
      return "\\Geschw";
    default:
      return "";
  }
}

}  // namespace

void LoadDeviceTable(TSondAmComPort& link, std::uint8_t kind, TFRD_Tabelle& table) {
  table.Clear();
  CommandIdleGuard idle(link);
  link.SendCommand(cmd::kRomData);
  link.SendByte(kind);
  link.AppendDoing(PlainTableName(kind));
  const std::uint16_t recordSize = link.ReceiveWord();
  const std::uint16_t total = link.ReceiveWord();
  const std::size_t count = recordSize == 0 ? 0 : total / recordSize;
  table.records = TTabCollection(recordSize);
  link.StartProgress("Load Table", total, ProgressMode::kReceived);
  Bytes record(recordSize);
  for (std::size_t i = 0; i < count; ++i) {
    link.ReceiveBlock(record);
    table.records.Add(record);
  }
  table.loaded = true;
}

void LoadMenuTable(TSondAmComPort& link, std::uint8_t kind, TFRD_MenuAndTab& table) {
  link.RequireNamedTableFirmware();
  table.Clear();
  CommandIdleGuard idle(link);
  link.SendCommand(cmd::kRomDataNamed);
  link.SendByte(kind);
  link.AppendDoing(NamedTableName(kind));

  // The count byte is the number of entries less one: 0 means one entry and
  // 255 means 256 (the editable set has a bit for each of them).
  const std::size_t count = std::size_t{link.ReceiveByte()} + 1;
  const std::uint16_t recordSize = link.ReceiveWord();
  // The editable entries come as a counted string of entry indices. It is
  // taken as raw bytes: an index is no text and must not pass the DOS letter
  // conversion, which would turn index 0x81 into 0xFC.
  Bytes editable(link.ReceiveByte());
  link.ReceiveBlock(editable);
  std::string name = link.ReceiveString();
  if (name.size() > TFRD_MenuAndTab::kMaxNameLength) name.resize(TFRD_MenuAndTab::kMaxNameLength);
  table.name = std::move(name);
  for (const std::uint8_t index : editable) table.editable.set(index);

  link.StartProgress("Load Strings", static_cast<std::int64_t>(count) * 17 + 17,
                     ProgressMode::kReceived);
  for (std::size_t i = 0; i < count; ++i) {
    std::string entry(TrimBlanks(link.ReceiveString()));
    table.entryNames.Add(entry.empty() ? "." : std::move(entry));
  }

  const std::uint16_t total = link.ReceiveWord();
  link.StartProgress("Load Table", total, ProgressMode::kReceived);
  table.records = TTabCollection(recordSize);
  for (std::size_t i = 0; i < count; ++i) {
    Bytes record(recordSize, 0);
    if (!table.editable.test(i)) {
      link.ReceiveBlock(record);
    } else if (recordSize >= 2) {
      // Editable entries get the default code of the materials and media lookups.
      if (kind == kTableMaterials) StoreU16(record.data(), 0);
      if (kind == kTableMedia) StoreU16(record.data(), 10000);
    }
    table.records.Add(record);
  }
  table.loaded = true;
}

void LoadLanguages(TSondAmComPort& link, DeviceTables& tables) {
  LoadDeviceTable(link, kTableLanguages, tables.languages);
}

void LoadMaterials(TSondAmComPort& link, DeviceTables& tables) {
  LoadMenuTable(link, kTableMaterials, tables.materials);
}

void LoadMedia(TSondAmComPort& link, DeviceTables& tables) {
  LoadMenuTable(link, kTableMedia, tables.media);
}

void LoadFactoryCoefficients(TSondAmComPort& link, TFRD_Tabelle& table) {
  link.RequireCoefficientFirmware();
  LoadDeviceTable(link, kTableFactoryCoefficients, table);
}

void LoadUserCoefficients(TSondAmComPort& link, TFRD_Tabelle& table) {
  link.RequireCoefficientFirmware();
  LoadDeviceTable(link, kTableUserCoefficients, table);
}

void LoadTableFor(TSondAmComPort& link, DeviceTableMode mode, DeviceTables& tables) {
  switch (mode) {
    case DeviceTableMode::kLanguages:
      LoadLanguages(link, tables);
      break;
    case DeviceTableMode::kMaterials:
      LoadMaterials(link, tables);
      break;
    case DeviceTableMode::kMedia:
      LoadMedia(link, tables);
      break;
  }
}

std::uint8_t SendUserSet(TSondAmComPort& link, std::uint8_t slot, ByteView record) {
  link.RequireCoefficientFirmware();
  if (record.size() != TWMMKoeffs::kRecordSize) {
    throw EGaugData(FillMessage(Translate(kWrongRecordSize), {static_cast<int>(record.size())}));
  }
  CommandIdleGuard idle(link);
  link.SendCommand(cmd::kUserCoefficients);
  link.SendByte(kSendUser);
  link.AppendDoing("\\RecieveUser");
  link.SendByte(slot);
  const std::uint8_t status = link.ReceiveByte();
  if (status == 0) link.SendBlock(record);
  return status;
}

void StoreUserSets(TSondAmComPort& link) {
  link.RequireCoefficientFirmware();
  CommandIdleGuard idle(link);
  link.SendCommand(cmd::kUserCoefficients);
  link.SendByte(kStoreUser);
  link.AppendDoing("\\StoreUser");
}

void RecallUserSets(TSondAmComPort& link) {
  link.RequireCoefficientFirmware();
  CommandIdleGuard idle(link);
  link.SendCommand(cmd::kUserCoefficients);
  link.SendByte(kRecallUser);
  link.AppendDoing("\\RecallUser");
}

void LinkCoefficientMeter::LoadMediaTable(TFRD_MenuAndTab& table) {
  LoadMenuTable(link_, kTableMedia, table);
}
void LinkCoefficientMeter::LoadUserSets(TFRD_Tabelle& table) { LoadUserCoefficients(link_, table); }
void LinkCoefficientMeter::LoadFactorySets(TFRD_Tabelle& table) {
  LoadFactoryCoefficients(link_, table);
}
std::uint8_t LinkCoefficientMeter::SendUserSet(std::uint8_t slot, ByteView record) {
  return gd::SendUserSet(link_, slot, record);
}
void LinkCoefficientMeter::StoreUserSets() { gd::StoreUserSets(link_); }
void LinkCoefficientMeter::RecallUserSets() { gd::RecallUserSets(link_); }

}  // namespace gd
