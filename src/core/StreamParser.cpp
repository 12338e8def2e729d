#include "core/StreamParser.h"

#include <cstring>

#include "core/DateTime.h"
#include "core/Version.h"

namespace gd {
namespace {

// Reads a device table: 4-byte head, then `count` items of the table's fixed size.
void ReadDeviceTable(ByteReader& in, TDeviceTable& table, std::size_t count) {
  table.itemSize = in.U16();
  table.tag = in.U16();
  ByteView items = in.Take(count * table.FixedSize());
  for (std::size_t i = 0; i < count; ++i)
    table.Add(items.subspan(i * table.FixedSize(), table.FixedSize()));
}

void ReadMediMat(ByteReader& in, TMediMatStrColl& list, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) list.Add(ReadMediMatItem(in));
}

void ReadTableSection(ByteReader& in, ParsedStream& p) {
  const TStreamProlog& pro = p.prolog;
  const std::uint16_t version = pro.Version();

  // Directory with the date repair.
  const std::size_t sets = pro.MeasuringSets();
  ByteView dir = in.Take(sets * kRcaEntrySize);
  p.directory.resize(sets);
  for (std::size_t i = 0; i < sets; ++i) {
    std::memcpy(p.directory[i].raw.data(), dir.data() + i * kRcaEntrySize, kRcaEntrySize);
    RepairStartDate(p.directory[i]);
  }

  ReadMediMat(in, p.materials, pro.MaterialCount());
  ReadMediMat(in, p.media, pro.MediumCount());
  for (std::size_t i = 0; i < pro.SensorCount(); ++i) p.sensorNames.Add(in.CountedString());
  for (std::size_t i = 0; i < pro.QuantityCount(); ++i) p.quantityNames.Add(in.CountedString());
  p.sensorWords.reserve(pro.SensorCount());
  for (std::size_t i = 0; i < pro.SensorCount(); ++i) p.sensorWords.push_back(in.U16());

  ReadDeviceTable(in, p.romCoefficients, pro.RomCoeffCount());
  ReadDeviceTable(in, p.userCoefficients, pro.UserCoeffCount());

  if (VersionAtLeast(kVersion316, version))
    ReadDeviceTable(in, p.inputHardware, pro.InputHardwareCount());
  else
    AddDefaultInputHardware(p.inputHardware);

  if (VersionAtLeast(kVersion322, version))
    ReadDeviceTable(in, p.inputDescriptors, pro.InputDescriptorCount());
  else
    AddDefaultInputDescriptor(p.inputDescriptors);

  if (VersionAtLeast(kVersion351, version)) {
    ReadDeviceTable(in, p.extended, pro.ExtendedCount());
    ReadDeviceTable(in, p.inputLinks, pro.InputLinkCount());
  }
  if (VersionAtLeast(kVersion500, version)) {
    ReadDeviceTable(in, p.outputHardware, pro.OutputHardwareCount());
    ReadDeviceTable(in, p.outputSetup, pro.OutputSetupCount());
  }
  if (pro.HasChannelTable()) {
    const std::size_t n = std::size_t{pro.LastChannel()} + 1;
    ByteView items = in.Take(n * kChannelTableItemSize);
    p.channelTable.resize(n);
    for (std::size_t i = 0; i < n; ++i)
      std::memcpy(p.channelTable[i].data(), items.data() + i * kChannelTableItemSize,
                  kChannelTableItemSize);
  }
  if (VersionAtLeast(kVersion351, version)) {
    for (std::size_t i = 0; i < p.inputLinks.Count(); ++i)
      p.inputLinkRecords.push_back(
          InputLinkNames(p.inputLinks.Item(i), p.inputHardware, p.inputLinkCount));
  }
}

}  // namespace

void RepairStartDate(TRcaEntry& entry) {
  if (IsValidDate(LoadDateRecord(&entry.raw[TRcaEntry::kStartYear]))) return;
  StoreU16(&entry.raw[TRcaEntry::kStartYear], 1990);
  entry.raw[TRcaEntry::kStartMonth] = 1;
  entry.raw[TRcaEntry::kStartDay] = 1;
  entry.raw[TRcaEntry::kDateSpare] = 0;
}

void AddDefaultInputHardware(TDeviceTable& table) {
  for (const char* name : {"T1", "T2"}) {
    std::array<std::uint8_t, kInputHardwareItemSize> item{};
    item[0] = 1;
    StoreCountedField(&item[kInputHardwareShortName],
                      kInputHardwareItemSize - kInputHardwareShortName - 1, name);
    table.Add(item);
  }
  table.itemSize = kInputHardwareItemSize;
}

void AddDefaultInputDescriptor(TDeviceTable& table) {
  std::array<std::uint8_t, kInputDescriptorItemSize> item{};
  StoreCountedField(&item[kInputDescriptorName], 16, "UNKNOWN_INPUT");
  StoreCountedField(&item[kInputDescriptorShortName], 2, "X");
  StoreCountedField(&item[kInputDescriptorUnit], 8, "------");
  StoreReal48(&item[30], 1.0L);
  item[36] = 1;
  table.Add(item);
  table.itemSize = kInputDescriptorItemSize;
}

InputLinkRecord InputLinkNames(ByteView item, const TDeviceTable& inputHardware, int& count) {
  InputLinkRecord rec;
  const std::uint16_t w0 = item.size() >= 2 ? LoadU16(item.data()) : 0;
  const std::uint16_t w1 = item.size() >= 4 ? LoadU16(item.data() + 2) : 0;
  for (int i = 0; i < 8; ++i) {
    const unsigned v = ((i < 4 ? w0 : w1) >> (4 * (i % 4))) & 0xF;
    auto& name = rec.names[static_cast<std::size_t>(i)];
    if (v == 0) {
      name.Assign("-");
      continue;
    }
    ++count;
    if (v == 15) {
      name.Assign("FIX");
    } else if (v <= inputHardware.Count()) {
      ByteView hw = inputHardware.Item(v - 1);
      name.Assign(CountedField(&hw[kInputHardwareShortName], 4));
    } else {
      name.Assign("?" + std::to_string(v) + "?");
    }
  }
  return rec;
}

ParsedStream ParseStream(ByteView stream) {
  ParsedStream p;
  if (stream.empty()) {
    p.status |= kStreamNoStream;
    return p;
  }
  if (stream.size() < kIdentificationSize ||
      std::memcmp(stream.data(), kStreamIdentification.data(), kIdentificationSize) != 0) {
    p.status |= kStreamBadIdentification;
    return p;
  }
  if (stream.size() < kStreamPrologSize) {
    p.status |= kStreamOutOfBounds;
    return p;
  }
  std::memcpy(p.prolog.raw.data(), stream.data(), kStreamPrologSize);

  if (p.prolog.MeasuringSets() == 0) p.status |= kStreamEmptyDirectory;
  if (p.prolog.MeasuringSets() > kMaxDirectoryEntries) {
    p.status |= kStreamOutOfBounds;
    return p;
  }

  ByteReader in(stream, kStreamPrologSize);
  try {
    ReadTableSection(in, p);
  } catch (const EOutOfBounds&) {
    p.status |= kStreamOutOfBounds;
    return p;
  }

  const std::size_t end = p.prolog.TableSectionEnd();
  if (in.Pos() != end) p.status |= kStreamTableSectionMoved;
  if (end > stream.size()) {
    p.status |= kStreamOutOfBounds;
    return p;
  }
  p.dataStart = end;

  p.materials.ConvertNames();
  p.media.ConvertNames();
  p.sensorNames.ExchangeDOSSonderzeichen();
  p.quantityNames.ExchangeDOSSonderzeichen();
  return p;
}

}  // namespace gd
