#include "palm/palm_writer.h"

#include <utility>

#include "base/byte_order.h"
#include "palm/palm_database.h"

namespace {

constexpr std::size_t kGapSize = 2;
constexpr std::uint16_t kVersion = 1;

void PutCode(std::vector<std::uint8_t>& out, const char code[4]) { out.insert(out.end(), code, code + 4); }

}  // namespace

bool BuildPalmDatabase(const PalmDatabaseContents& contents, std::vector<std::uint8_t>* out) {
  const std::string& name = contents.name;
  if (name.empty() || name.size() > kPalmNameSize || name.find('\0') != std::string::npos) return false;
  if (contents.records.size() > 0xFFFF) return false;
  const std::size_t dataStart = kPalmHeaderSize + kPalmRecordEntrySize * contents.records.size() + kGapSize;
  std::uint64_t size = dataStart;
  for (const auto& record : contents.records) size += record.size();
  if (size > 0xFFFFFFFFu) return false;

  std::vector<std::uint8_t> file;
  file.reserve(static_cast<std::size_t>(size));
  file.assign(name.begin(), name.end());
  file.resize(kPalmNameSize, 0);
  PutBe16(file, 0);
  PutBe16(file, kVersion);
  PutBe32(file, contents.creationDate);
  PutBe32(file, contents.modificationDate);
  PutBe32(file, 0);  // backup date
  PutBe32(file, 0);  // modification number
  PutBe32(file, 0);  // app info
  PutBe32(file, 0);  // sort info
  PutCode(file, contents.type);
  PutCode(file, contents.creator);
  PutBe32(file, 0);  // unique id seed
  PutBe32(file, 0);  // next record list
  PutBe16(file, static_cast<std::uint16_t>(contents.records.size()));

  std::uint32_t offset = static_cast<std::uint32_t>(dataStart);
  for (std::size_t i = 0; i < contents.records.size(); ++i) {
    PutBe32(file, offset);
    const std::uint32_t uniqueId = static_cast<std::uint32_t>(i + 1);
    file.push_back(0);
    file.push_back(static_cast<std::uint8_t>(uniqueId >> 16));
    file.push_back(static_cast<std::uint8_t>(uniqueId >> 8));
    file.push_back(static_cast<std::uint8_t>(uniqueId));
    offset += static_cast<std::uint32_t>(contents.records[i].size());
  }
  file.resize(dataStart, 0);
  for (const auto& record : contents.records) file.insert(file.end(), record.begin(), record.end());
  *out = std::move(file);
  return true;
}
