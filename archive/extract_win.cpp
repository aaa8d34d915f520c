#include "archive/extract.h"

#include <cstring>

#include <windows.h>

#include "base/message_texts.h"
#include "base/text_builder.h"
#include "platform/file_layer.h"
#include "ui/error_report.h"

char ArchiveName[kPathSize];
char TargetFolder[kPathSize];
const std::uint8_t* ArchiveBlock;
std::uint32_t EntryCount;
ArchiveSelection Selection;
char CurrentEntryName[kEntryNameSize + 1];
bool EntryVerified[kMaxArchiveEntries];

namespace {

char g_outputPath[kPathSize];

// Message texts are composed in the file layer's buffer.
TextBuilder IoText() { return TextBuilder(reinterpret_cast<char*>(IoBuffer), kIoBufferSize); }

// A load failure: the text, the archive's name after a text that ends in a
// blank, the block freed.
bool FailLoad(const char* text, ErrorCode* code) {
  TextBuilder message = IoText();
  message.Append(text);
  const std::size_t length = std::strlen(text);
  const char* name = nullptr;
  ErrorCode ignored;
  if (length > 0 && text[length - 1] == ' ' && ResolveFileName(ArchiveName, &name, &ignored)) message.Append(name);
  ShowErrorText(reinterpret_cast<const char*>(IoBuffer));
  ReleaseArchive();
  *code = 0;
  return false;
}

const std::uint8_t* EntryData(const ArchiveEntry& entry) { return ArchiveBlock + entry.dataOffset; }

// A target folder's file holds the data after the transform; the archive view
// stays as stored, so the transform is made in a block of its own.
bool WriteTransformed(const ArchiveEntry& entry, ErrorCode* code) {
  void* block = MemAlloc(GMEM_FIXED, entry.dataSize != 0 ? entry.dataSize : 1);
  if (block == nullptr) {
    *code = ERROR_NOT_ENOUGH_MEMORY;
    return false;
  }
  std::uint8_t* bytes = static_cast<std::uint8_t*>(block);
  std::memcpy(bytes, EntryData(entry), entry.dataSize);
  ArchiveXor(bytes, entry.dataSize);
  const bool written = FileWriteAll(g_outputPath, bytes, entry.dataSize, code);
  MemFree(&block);
  return written;
}

}  // namespace

bool Extract(std::uint32_t creatorValue, std::uint32_t creatorMask, std::uint32_t typeValue,
             std::uint32_t typeMask, const char* namePrefix, ErrorCode* code) {
  Selection.creatorValue = creatorValue & creatorMask;
  Selection.creatorMask = creatorMask;
  Selection.typeValue = typeValue & typeMask;
  Selection.typeMask = typeMask;
  Selection.namePrefix[0] = 0;
  if (namePrefix != nullptr && !CopyText(Selection.namePrefix, sizeof Selection.namePrefix, namePrefix)) {
    return FailLoad(text::kPrefixTooLong, code);
  }
  std::memset(EntryVerified, 0, sizeof EntryVerified);

  std::uint32_t size = 0;
  ErrorCode readFailure;
  if (!FileMapAll(ArchiveName, &ArchiveBlock, &size, &readFailure)) return FailLoad(text::kArchiveAccess, code);
  if (ReadArchiveDirectory(ArchiveBlock, size, ArchiveDirectory, &EntryCount) != LayoutResult::Valid) {
    EntryCount = 0;
    return FailLoad(text::kNotAnArchive, code);
  }
  for (std::uint32_t i = 0; i < EntryCount; ++i) {
    if (IsSelected(ArchiveDirectory[i], Selection)) ExtractEntry(i);
  }
  return true;
}

bool ExtractEntry(std::uint32_t index) {
  const ArchiveEntry& entry = ArchiveDirectory[index];
  std::memcpy(CurrentEntryName, entry.name, kEntryNameSize);
  const bool writing = TargetFolder[0] != 0;
  if (writing) {
    char fileName[kEntryFileNameSize];
    EntryFileName(entry.name, fileName);
    CopyText(g_outputPath, sizeof g_outputPath, TargetFolder);
    if (!JoinPath(g_outputPath, fileName)) {
      IoText().Append(MessageText(ERROR_FILENAME_EXCED_RANGE)).Append(TargetFolder);
      ShowErrorText(reinterpret_cast<const char*>(IoBuffer));
      return false;
    }
  }
  if (!VerifyEntryData(ArchiveBlock, entry)) {
    IoText().Append(text::kChecksumIncorrect).Append(writing ? g_outputPath : CurrentEntryName);
    ShowErrorText(reinterpret_cast<const char*>(IoBuffer));
    return false;
  }
  EntryVerified[index] = true;
  if (!writing) return true;
  ErrorCode failure;
  if (!WriteTransformed(entry, &failure)) {
    IoText().Append(MessageText(failure)).Append(g_outputPath);
    ShowErrorText(reinterpret_cast<const char*>(IoBuffer));
    return false;
  }
  return true;
}

bool WriteEntryFile(const ArchiveEntry* entry, const char* path, ErrorCode* code) {
  const std::ptrdiff_t index = entry - ArchiveDirectory;
  if (ArchiveBlock == nullptr || index < 0 || static_cast<std::uint32_t>(index) >= EntryCount ||
      !EntryVerified[index]) {
    *code = msg::GeneralFileError;
    return false;
  }
  return FileWriteAll(path, EntryData(*entry), entry->dataSize, code);
}

void ReleaseArchive() { FileUnmap(&ArchiveBlock); }
