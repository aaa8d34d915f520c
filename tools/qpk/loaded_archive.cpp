#include "tools/qpk/loaded_archive.h"

#include <utility>

#include "tools/qpk/file_io.h"
#include "tools/qpk/install_verdicts.h"

namespace {

std::string Printable(const char* text, std::size_t size) {
  std::string out;
  for (std::size_t i = 0; i < size && text[i] != 0; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    out.push_back(c < 0x20 || c == 0x7F ? '?' : text[i]);
  }
  return out;
}

}  // namespace

bool ParseArchive(std::vector<std::uint8_t> bytes, LoadedArchive* archive, std::string* fault) {
  std::string ignored;
  if (fault == nullptr) fault = &ignored;
  *fault = "not a QPK archive";
  if (bytes.size() > 0xFFFFFFFFu) return false;
  archive->directory.assign(kMaxArchiveEntries + 1, ArchiveEntry{});
  const LayoutResult layout = ReadArchiveDirectory(bytes.data(), static_cast<std::uint32_t>(bytes.size()),
                                                   archive->directory.data(), &archive->count);
  bool atLeast = false;
  const std::uint64_t missing = layout == LayoutResult::NotAnArchive
                                    ? MissingArchiveBytes(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &atLeast)
                                    : 0;
  if (missing != 0) {
    *fault = std::string("not a QPK archive: cut short, ") + (atLeast ? "at least " : "") + std::to_string(missing) +
             (missing == 1 ? " byte" : " bytes") + " missing";
  }
  std::uint32_t first = 0, second = 0;
  if (layout == LayoutResult::SharedBytes &&
      FindSharedBytes(archive->directory.data(), archive->count, &first, &second)) {
    *fault = "not a QPK archive the installer accepts: entries " + std::to_string(first) + " and " +
             std::to_string(second) + " share data bytes";
  }
  if (layout != LayoutResult::Valid) return false;
  archive->directory.resize(archive->count);
  archive->bytes = std::move(bytes);
  return true;
}

bool LoadArchive(const std::string& path, LoadedArchive* archive, std::string* error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(path, &bytes, error)) return false;
  std::string fault;
  if (!ParseArchive(std::move(bytes), archive, &fault)) {
    *error = path + ": " + fault;
    return false;
  }
  return true;
}

bool EntryChecksumGood(const LoadedArchive& archive, std::uint32_t index) {
  const ArchiveEntry& entry = archive.directory[index];
  const auto first = archive.bytes.begin() + entry.dataOffset;
  std::vector<std::uint8_t> copy(first, first + entry.dataSize);
  return ArchiveXorChecksum(copy.data(), copy.size()) == entry.checksum;
}

std::vector<std::uint32_t> BadChecksums(const LoadedArchive& archive) {
  std::vector<std::uint32_t> bad;
  for (std::uint32_t i = 0; i < archive.count; ++i) {
    if (!EntryChecksumGood(archive, i)) bad.push_back(i);
  }
  return bad;
}

std::vector<const std::uint8_t*> StoredData(const LoadedArchive& archive) {
  std::vector<const std::uint8_t*> stored;
  for (const ArchiveEntry& entry : archive.directory) stored.push_back(archive.bytes.data() + entry.dataOffset);
  return stored;
}

std::vector<std::string> ArchiveWarnings(const LoadedArchive& archive) {
  std::vector<std::string> names;
  std::vector<bool> good;
  for (std::uint32_t i = 0; i < archive.count; ++i) {
    names.push_back(EntryLabel(archive, i));
    good.push_back(EntryChecksumGood(archive, i));
  }
  return InstallWarnings(archive.directory, StoredData(archive), names, good);
}

std::string EntryLabel(const LoadedArchive& archive, std::uint32_t index) {
  return "entry " + std::to_string(index) + " \"" + EntryNameText(archive.directory[index]) + "\"";
}

std::string EntryNameText(const ArchiveEntry& entry) { return Printable(entry.name, kEntryNameSize); }

std::string CodeText(const char code[4]) {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    const unsigned char c = static_cast<unsigned char>(code[i]);
    text.push_back(c < 0x20 || c >= 0x7F ? '?' : code[i]);
  }
  return text;
}
