#include "tests/support/pe_resources.h"

#include "palm/counted_reader.h"

namespace {

constexpr std::uint32_t kSubdirectoryBit = 0x80000000u;
constexpr std::uint32_t kResourceDirectoryIndex = 2;

struct Section {
  std::uint32_t virtualAddress, rawSize, rawOffset;
};

// A reader positioned at `offset` within `image`; an empty one, whose first
// read fails, when the offset lies beyond its end.
CountedReader At(const std::vector<std::uint8_t>& image, std::uint64_t offset) {
  if (offset > image.size()) return CountedReader(image.data(), 0);
  return CountedReader(image.data() + offset, static_cast<std::uint32_t>(image.size() - offset));
}

bool Fail(std::string* why, const char* reason) {
  *why = reason;
  return false;
}

class PeImage {
 public:
  explicit PeImage(const std::vector<std::uint8_t>& image) : image_(image) {}

  bool Load(std::string* why) {
    CountedReader dos = At(image_, 0);
    if (dos.Le16() != 0x5A4D) return Fail(why, "no MZ signature");
    const std::uint8_t* lfanew = At(image_, 0x3C).Take(4);
    if (lfanew == nullptr) return Fail(why, "file shorter than its DOS header");
    const std::uint32_t peOffset = GetLe32(lfanew);
    CountedReader pe = At(image_, peOffset);
    if (pe.Le32() != 0x00004550) return Fail(why, "no PE signature");
    pe.Le16();  // machine
    const std::uint16_t sectionCount = pe.Le16();
    pe.Take(12);  // time stamp, symbol table, symbol count
    const std::uint16_t optionalSize = pe.Le16();
    pe.Le16();  // characteristics
    if (pe.Failed()) return Fail(why, "COFF header cut short");

    const std::uint64_t optionalOffset = static_cast<std::uint64_t>(peOffset) + 24;
    CountedReader optional = At(image_, optionalOffset);
    const std::uint16_t magic = optional.Le16();
    std::uint32_t countField = 0;
    if (magic == 0x10B) {
      countField = 92;
    } else if (magic == 0x20B) {
      countField = 108;
    } else {
      return Fail(why, "unknown optional header magic");
    }
    if (countField + 4 > optionalSize) return Fail(why, "optional header too short for its data directories");
    CountedReader directories = At(image_, optionalOffset + countField);
    const std::uint32_t directoryCount = directories.Le32();
    if (directoryCount <= kResourceDirectoryIndex ||
        countField + 4 + 8ull * (kResourceDirectoryIndex + 1) > optionalSize) {
      return Fail(why, "no resource directory entry");
    }
    directories.Take(8 * kResourceDirectoryIndex);
    resourceRva_ = directories.Le32();
    resourceSize_ = directories.Le32();
    if (directories.Failed()) return Fail(why, "data directories cut short");

    CountedReader table = At(image_, optionalOffset + optionalSize);
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
      table.Take(12);  // name, virtual size
      Section s{};
      s.virtualAddress = table.Le32();
      s.rawSize = table.Le32();
      s.rawOffset = table.Le32();
      table.Take(16);
      if (table.Failed()) return Fail(why, "section table cut short");
      sections_.push_back(s);
    }
    return true;
  }

  // The file offset of `size` bytes at `rva`, when one section's raw data holds them all.
  std::optional<std::uint64_t> FileOffset(std::uint32_t rva, std::uint32_t size) const {
    for (const Section& s : sections_) {
      if (rva < s.virtualAddress) continue;
      const std::uint64_t into = rva - s.virtualAddress;
      if (into + size > s.rawSize) continue;
      const std::uint64_t offset = s.rawOffset + into;
      if (offset + size > image_.size()) return std::nullopt;
      return offset;
    }
    return std::nullopt;
  }

  std::uint32_t ResourceRva() const { return resourceRva_; }
  std::uint32_t ResourceSize() const { return resourceSize_; }

 private:
  const std::vector<std::uint8_t>& image_;
  std::vector<Section> sections_;
  std::uint32_t resourceRva_ = 0;
  std::uint32_t resourceSize_ = 0;
};

// One level of the resource tree: the entry with numeric id `id` (any entry
// when `id` is 0), as its offset from the tree's start and whether it is a
// subdirectory.
struct Entry {
  std::uint32_t offset;
  bool subdirectory;
};

std::optional<Entry> FindEntry(CountedReader directory, std::uint16_t id) {
  directory.Take(12);
  const std::uint16_t named = directory.Le16();
  const std::uint16_t numbered = directory.Le16();
  for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(named) + numbered; ++i) {
    const std::uint32_t key = directory.Le32();
    const std::uint32_t target = directory.Le32();
    if (directory.Failed()) return std::nullopt;
    const bool isName = (key & kSubdirectoryBit) != 0;
    if (!isName && (id == 0 || key == id)) return Entry{target & ~kSubdirectoryBit, (target & kSubdirectoryBit) != 0};
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> FindPeResource(const std::vector<std::uint8_t>& image, std::uint16_t type,
                                                        std::uint16_t name, std::string* why) {
  PeImage pe(image);
  if (!pe.Load(why)) return std::nullopt;
  if (pe.ResourceRva() == 0 || pe.ResourceSize() == 0) {
    *why = "the image has no resources";
    return std::nullopt;
  }
  const std::optional<std::uint64_t> tree = pe.FileOffset(pe.ResourceRva(), pe.ResourceSize());
  if (!tree) {
    *why = "resource directory outside the file's sections";
    return std::nullopt;
  }
  const std::uint8_t* base = image.data() + *tree;
  const std::uint32_t treeSize = pe.ResourceSize();
  const auto level = [&](std::uint32_t offset) {
    return offset <= treeSize ? CountedReader(base + offset, treeSize - offset) : CountedReader(base, 0);
  };

  std::uint32_t offset = 0;
  const std::uint16_t path[] = {type, name, 0};
  for (std::size_t depth = 0; depth < 3; ++depth) {
    const std::optional<Entry> entry = FindEntry(level(offset), path[depth]);
    if (!entry || entry->subdirectory != (depth < 2)) {
      *why = depth == 0 ? "no resource of this type" : depth == 1 ? "no resource of this name" : "no language entry";
      return std::nullopt;
    }
    offset = entry->offset;
  }
  CountedReader data = level(offset);
  const std::uint32_t rva = data.Le32();
  const std::uint32_t size = data.Le32();
  if (data.Failed()) {
    *why = "resource data entry outside the resource directory";
    return std::nullopt;
  }
  const std::optional<std::uint64_t> at = pe.FileOffset(rva, size);
  if (!at) {
    *why = "resource bytes outside the file's sections";
    return std::nullopt;
  }
  return std::vector<std::uint8_t>(image.begin() + static_cast<std::ptrdiff_t>(*at),
                                   image.begin() + static_cast<std::ptrdiff_t>(*at + size));
}
