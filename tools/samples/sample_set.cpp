#include "tools/samples/sample_set.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "archive/archive_format.h"
#include "installer/component_table.h"
#include "palm/palm_database.h"
#include "palm/palm_writer.h"

namespace {

// 2004-03-01 09:30 and 2004-03-08 17:45, in seconds since 1904.
constexpr std::uint32_t kCreated = 0xBC68B318;
constexpr std::uint32_t kModified = 0xBC72619C;

constexpr std::size_t kSmallestRecord = 4 * 1024;
constexpr std::size_t kLargestRecord = 60 * 1024;
constexpr std::uint64_t kSmallestComponent = 40 * 1024;
constexpr std::uint64_t kLargestComponent = 400 * 1024;
// Header and gap; bulk sets subtract it from each database's share and come
// within the record lists' 8 bytes per record (under 0.2%) of the total.
constexpr std::uint64_t kFixedOverhead = kPalmHeaderSize + 2;

// SplitMix64: small, and the same sequence everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  std::uint64_t Between(std::uint64_t low, std::uint64_t high) { return low + Next() % (high - low + 1); }

 private:
  std::uint64_t state_;
};

std::string DeviceWord(const ComponentRow& row) { return row.deviceFlags == kColourDevice ? "Colour" : "Mono"; }

std::vector<std::uint8_t> RecordBytes(Random& random, std::size_t size) {
  std::vector<std::uint8_t> record(size);
  for (std::size_t i = 0; i < size; i += 8) {
    const std::uint64_t word = random.Next();
    for (std::size_t j = 0; j < 8 && i + j < size; ++j) record[i + j] = static_cast<std::uint8_t>(word >> (8 * j));
  }
  return record;
}

SampleDatabase MakeSample(const std::string& name, std::size_t row, std::uint64_t dataBytes, Random& random) {
  PalmDatabaseContents contents{name, {}, {}, kCreated, kModified, {}};
  std::memcpy(contents.type, ComponentTable[row].type, 4);
  std::memcpy(contents.creator, kGameCreator, 4);
  while (dataBytes > 0) {
    const std::uint64_t size = std::min<std::uint64_t>(dataBytes, random.Between(kSmallestRecord, kLargestRecord));
    contents.records.push_back(RecordBytes(random, static_cast<std::size_t>(size)));
    dataBytes -= size;
  }
  SampleDatabase sample;
  BuildPalmDatabase(contents, &sample.bytes);
  char fileName[kEntryFileNameSize];
  char entryName[kEntryNameSize] = {};
  std::memcpy(entryName, name.data(), name.size());
  EntryFileName(entryName, fileName);
  sample.fileName = fileName;
  return sample;
}

}  // namespace

std::string ComponentDatabaseName(std::size_t row) {
  const ComponentRow& entry = ComponentTable[row];
  const std::string type(entry.type, 4);
  std::string suffix(entry.nameSuffix, sizeof entry.nameSuffix);
  suffix.resize(std::min(suffix.find('\0'), suffix.size()));
  if (type == "lang") return "Vexo Language " + suffix;
  if (!suffix.empty()) return "Vexo " + suffix;
  if (std::isdigit(static_cast<unsigned char>(type[2])))
    return "Vexo Level " + type.substr(2) + " " + DeviceWord(entry);
  return "Vexo Data " + DeviceWord(entry);
}

std::vector<SampleDatabase> ComponentSamples() {
  std::vector<SampleDatabase> samples;
  for (std::size_t row = 0; row < kComponentRows; ++row) {
    Random random(row + 1);
    const std::uint64_t dataBytes = random.Between(kSmallestComponent, kLargestComponent);
    samples.push_back(MakeSample(ComponentDatabaseName(row), row, dataBytes, random));
  }
  return samples;
}

std::vector<SampleDatabase> BulkSamples(std::size_t count, std::uint64_t totalBytes) {
  std::vector<SampleDatabase> samples;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t row = i % kComponentRows;
    Random random(0x1000 + i);
    const std::uint64_t share = totalBytes / count + (i < totalBytes % count ? 1 : 0);
    const std::uint64_t dataBytes = share > kFixedOverhead ? share - kFixedOverhead : 1;
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "Vexo %04zu", i);
    samples.push_back(MakeSample(prefix + ComponentDatabaseName(row).substr(4), row, dataBytes, random));
  }
  return samples;
}
