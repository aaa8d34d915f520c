#include "archive/extract.h"

#include <cstring>

#include <windows.h>

#include "base/message_texts.h"
#include "base/text_builder.h"
#include "platform/file_layer.h"
#include "ui/error_report.h"

char ArchiveName[kPathSize];
char TargetFolder[kPathSize];
std::uint8_t* ArchiveBlock;
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
  MemFree(&ArchiveBlock);
  *code = 0;
  return false;
}

std::uint8_t* EntryData(const ArchiveEntry& entry) { return ArchiveBlock + entry.dataOffset; }

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

  void* block = nullptr;
  std::uint32_t size = 0;
  ErrorCode readFailure;
  if (!FileReadAll(ArchiveName, 0, &block, &size, &readFailure)) return FailLoad(text::kArchiveAccess, code);
  ArchiveBlock = static_cast<std::uint8_t*>(block);
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
  if (!FileWriteAll(g_outputPath, EntryData(entry), entry.dataSize, &failure)) {
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
  std::uint8_t* data = EntryData(*entry);
  ArchiveXor(data, entry->dataSize);
  const bool written = FileWriteAll(path, data, entry->dataSize, code);
  ArchiveXor(data, entry->dataSize);
  return written;
}
