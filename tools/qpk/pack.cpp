#include "tools/qpk/pack.h"

#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "archive/archive_format.h"
#include "base/byte_order.h"
#include "palm/palm_database.h"
#include "tools/qpk/commands.h"
#include "tools/qpk/data_area_plan.h"
#include "tools/qpk/file_io.h"
#include "tools/qpk/install_verdicts.h"

namespace {

std::string PlanError(PlanResult result, const std::vector<PackInput>& inputs, std::size_t culprit) {
  switch (result) {
    case PlanResult::NoEntries:
      return "no databases to pack";
    case PlanResult::TooManyEntries:
      return std::to_string(inputs.size()) + " databases: an archive holds at most " +
             std::to_string(kMaxArchiveEntries);
    case PlanResult::TooLarge:
      return inputs[culprit].source + ": the archive would reach 4 GiB";
    case PlanResult::Planned:
      break;
  }
  return {};
}

ArchiveEntry EntryFor(const PalmDatabaseHeader& header, const std::vector<std::uint8_t>& bytes, std::uint32_t offset) {
  ArchiveEntry entry{};
  entry.marker = kEntryMarker;
  entry.dataOffset = offset;
  entry.dataSize = static_cast<std::uint32_t>(bytes.size());
  std::vector<std::uint8_t> copy(bytes);
  entry.checksum = ArchiveXorChecksum(copy.data(), copy.size());
  // All 32 bytes, those after the terminator too: the installer compares all of
  // them with the header of the file it finds in the Install folder.
  std::memcpy(entry.name, header.name, kEntryNameSize);
  std::memcpy(entry.creator, header.creator, 4);
  std::memcpy(entry.type, header.type, 4);
  return entry;
}

// The archive may replace only an archive: refuses, with the reason, an output
// that is one of the inputs or an existing file of another kind.
bool MayWrite(const std::string& archive, const std::vector<std::string>& files, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code code;
  if (!fs::exists(archive, code)) return true;
  for (const std::string& file : files) {
    if (fs::equivalent(archive, file, code)) {
      *error = archive + ": is also one of the databases to pack; nothing written";
      return false;
    }
  }
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(archive, &bytes, error)) return false;
  std::vector<ArchiveEntry> directory(kMaxArchiveEntries + 1);
  std::uint32_t count = 0;
  if (bytes.size() > 0xFFFFFFFFu ||
      ReadArchiveDirectory(bytes.data(), static_cast<std::uint32_t>(bytes.size()), directory.data(), &count) ==
          LayoutResult::NotAnArchive) {
    *error = archive + ": exists and is not a QPK archive; nothing written";
    return false;
  }
  return true;
}

// What the installer will not do with the packed entries, one warning each.
std::vector<std::string> PackWarnings(const PackedArchive& packed, const std::vector<PackInput>& inputs) {
  std::vector<const std::uint8_t*> stored;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    stored.push_back(inputs[i].bytes.data());
    names.push_back(inputs[i].source + " (entry " + std::to_string(i) + ")");
  }
  return InstallWarnings(packed.directory, stored, names, std::vector<bool>(inputs.size(), true));
}

}  // namespace

bool PackArchive(const std::vector<PackInput>& inputs, PackedArchive* packed, std::string* error) {
  std::vector<PalmDatabaseHeader> headers(inputs.size());
  std::vector<std::uint64_t> sizes;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const std::vector<std::uint8_t>& bytes = inputs[i].bytes;
    const PalmCheck check = CheckPalmDatabase(bytes.data(), bytes.size());
    if (check != PalmCheck::Valid) {
      *error = inputs[i].source + ": " + PalmCheckText(check);
      return false;
    }
    ReadPalmHeader(bytes.data(), bytes.size(), &headers[i]);
    sizes.push_back(bytes.size());
  }
  DataAreaPlan plan;
  std::size_t culprit = 0;
  const PlanResult result = PlanDataArea(sizes, &plan, &culprit);
  if (result != PlanResult::Planned) {
    *error = PlanError(result, inputs, culprit);
    return false;
  }

  const std::uint32_t count = static_cast<std::uint32_t>(inputs.size());
  std::vector<std::uint8_t> head;
  PutLe32(head, count);
  head.resize(DataAreaStart(count), 0);
  packed->directory.clear();
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    packed->directory.push_back(EntryFor(headers[i], inputs[i].bytes, plan.offsets[i]));
    EncodeEntry(packed->directory.back(), head.data() + 4 + kArchiveEntrySize * i);
  }
  ArchiveXor(head.data() + 4, head.size() - 4);
  packed->head = std::move(head);
  packed->padding = plan.padding;
  return true;
}

std::vector<std::uint8_t> ArchiveImage(const PackedArchive& packed, const std::vector<PackInput>& inputs) {
  std::vector<std::uint8_t> image(packed.head);
  for (const PackInput& input : inputs) image.insert(image.end(), input.bytes.begin(), input.bytes.end());
  image.resize(image.size() + packed.padding, 0);
  return image;
}

int RunPack(const std::string& archive, const std::vector<std::string>& files, bool strict, std::ostream& out,
            std::ostream& err) {
  std::vector<PackInput> inputs;
  std::string error;
  if (!MayWrite(archive, files, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  for (const std::string& file : files) {
    PackInput input{file, {}};
    if (!ReadFileBytes(file, &input.bytes, &error)) {
      err << "qpk: " << error << "\n";
      return 1;
    }
    inputs.push_back(std::move(input));
  }
  PackedArchive packed;
  if (!PackArchive(inputs, &packed, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  const std::vector<std::string> warnings = PackWarnings(packed, inputs);
  if (!ReportWarnings(warnings, strict, err)) {
    err << "qpk: " << archive << ": nothing written\n";
    return 1;
  }
  std::vector<FilePart> parts{{packed.head.data(), packed.head.size()}};
  for (const PackInput& input : inputs) parts.push_back({input.bytes.data(), input.bytes.size()});
  const std::vector<std::uint8_t> padding(packed.padding, 0);
  parts.push_back({padding.data(), padding.size()});
  if (!WriteFileReplacing(archive, parts, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  out << archive << ": " << Counted(inputs.size(), "database", "databases") << " packed, "
      << Counted(warnings.size(), "warning", "warnings") << "\n";
  return 0;
}
