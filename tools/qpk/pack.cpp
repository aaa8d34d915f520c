#include "tools/qpk/pack.h"

#include <cstring>
#include <ostream>

#include "archive/archive_format.h"
#include "palm/palm_database.h"
#include "shell/byte_order.h"
#include "tools/qpk/commands.h"
#include "tools/qpk/data_area_plan.h"
#include "tools/qpk/file_io.h"

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
  for (std::size_t i = 0; i < kEntryNameSize && header.name[i] != 0; ++i) entry.name[i] = header.name[i];
  std::memcpy(entry.creator, header.creator, 4);
  std::memcpy(entry.type, header.type, 4);
  return entry;
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
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    EncodeEntry(EntryFor(headers[i], inputs[i].bytes, plan.offsets[i]), head.data() + 4 + kArchiveEntrySize * i);
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

int RunPack(const std::string& archive, const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  std::vector<PackInput> inputs;
  std::string error;
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
  std::vector<FilePart> parts{{packed.head.data(), packed.head.size()}};
  for (const PackInput& input : inputs) parts.push_back({input.bytes.data(), input.bytes.size()});
  const std::vector<std::uint8_t> padding(packed.padding, 0);
  parts.push_back({padding.data(), padding.size()});
  if (!WriteFileReplacing(archive, parts, &error)) {
    err << "qpk: " << error << "\n";
    return 1;
  }
  out << archive << ": " << inputs.size() << (inputs.size() == 1 ? " database" : " databases") << " packed\n";
  return 0;
}
