#include "platform/file_layer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/message_lookup.h"
#include "base/message_texts.h"
#include "platform/process_state.h"
#include "tests/win/prompt_answerer.h"
#include "tests/win/scratch_folder.h"
#include "ui/error_report.h"
#include "ui/window_record.h"

namespace {

struct FileLayer : ::testing::Test {
  ScratchFolder folder;
  ErrorCode code = 0;
  void SetUp() override {
    g_instance = GetModuleHandleA(nullptr);
    ResetWindowTable();
    ASSERT_TRUE(LoadMessageTable());
  }
  HANDLE Open(const std::string& path, std::uint32_t mode = ModeRead, std::uint32_t* size = nullptr) {
    HANDLE handle = nullptr;
    std::uint32_t ignored;
    EXPECT_TRUE(FileOpen(path.c_str(), mode, &handle, size ? size : &ignored, &code)) << path;
    return handle;
  }
  // Whether nothing holds the file open any more: an open without sharing succeeds.
  static bool Closed(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  }
  // A sparse file of the given size: no disk is spent on it.
  void MakeSparse(const std::string& path, LONGLONG size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER at;
    at.QuadPart = size;
    ASSERT_TRUE(SetFilePointerEx(file, at, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
  }
};

TEST_F(FileLayer, PrefixedNamesResolveAgainstTheBaseFolders) {
  std::strcpy(g_windowsFolder.text, "C:\\windows\\");
  g_windowsFolder.length = 11;
  const char* resolved = nullptr;
  ASSERT_TRUE(ResolveFileName("+CVexo.qpk", &resolved, &code));
  EXPECT_STREQ(resolved, "Vexo.qpk");
  ASSERT_TRUE(ResolveFileName("+Wwin.ini", &resolved, &code));
  EXPECT_STREQ(resolved, "C:\\windows\\win.ini");
  EXPECT_EQ(resolved, ResolvedName);
  const std::string tooLong = "+W" + std::string(260, 'x');
  EXPECT_FALSE(ResolveFileName(tooLong.c_str(), &resolved, &code));
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_FILENAME_EXCED_RANGE));
  HANDLE handle;
  std::uint32_t size;
  EXPECT_FALSE(FileOpen(tooLong.c_str(), ModeRead, &handle, &size, &code)) << "never opens a cut name";
}

TEST_F(FileLayer, PlusNamesWithOtherLettersAreOpenedLiterally) {
  const std::string literal = folder / "+Xdata.bin";
  ASSERT_TRUE(WriteWholeFile(literal, "12345"));
  std::uint32_t size = 0;
  HANDLE handle = Open(literal, ModeRead, &size);
  EXPECT_EQ(size, 5u);
  EXPECT_EQ(handle, LastOpenedHandle);
  CloseHandle(handle);
}

TEST_F(FileLayer, OpenFailuresReturnTheSystemCodeWithoutAPrompt) {
  HANDLE handle;
  std::uint32_t size;
  EXPECT_FALSE(FileOpen((folder / "missing").c_str(), ModeRead, &handle, &size, &code));
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(FileLastError, code);
  EXPECT_EQ(LastOpenedHandle, INVALID_HANDLE_VALUE);
}

TEST_F(FileLayer, AFileOfFourGigabytesOrMoreOpensInNoMode) {
  const std::string big = folder / "big.bin";
  MakeSparse(big, 0x100000000LL + 5);
  for (std::uint32_t mode : {std::uint32_t{ModeRead}, std::uint32_t{ModeReadWrite}, std::uint32_t{ModeAppend}, 0x1234u}) {
    HANDLE handle;
    std::uint32_t size;
    EXPECT_FALSE(FileOpen(big.c_str(), mode, &handle, &size, &code)) << std::hex << mode;
    EXPECT_EQ(code, 0x20000102u);
    EXPECT_EQ(LastOpenedHandle, nullptr);
  }
  LookupMessage(code);
  EXPECT_STREQ(MessageBuffer, "File size is greater than 0FFFFFFFFh");
}

TEST_F(FileLayer, ReadAtTheEndPromptsRetriesFromTheSamePlaceAndAbortCloses) {
  const std::string path = folder / "ten.bin";
  ASSERT_TRUE(WriteWholeFile(path, "abcdefghij"));
  ReaderSlot = Open(path);
  char buffer[16];
  ASSERT_TRUE(FileRead(&ReaderSlot, buffer, 10, &code));

  PromptAnswerer answerer({kRetry, kRetry, kAbort});
  EXPECT_FALSE(FileRead(&ReaderSlot, buffer, 4, &code));
  EXPECT_EQ(code, 0x20000101u);
  EXPECT_EQ(ReaderSlot, nullptr) << "Abort closed the file and cleared its slot";
  FileCloseReader();
  const auto& seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 3u);
  for (const SeenPrompt& prompt : seen) EXPECT_EQ(prompt.failure, "Attempted to read beyond the end of the file");
}

TEST_F(FileLayer, RetryStartsAgainFromWhereTheTransferBegan) {
  const std::string path = folder / "ten.bin";
  ASSERT_TRUE(WriteWholeFile(path, "abcdefghij"));
  ReaderSlot = Open(path);
  char buffer[16];
  ASSERT_TRUE(FileRead(&ReaderSlot, buffer, 4, &code));
  PromptAnswerer answerer({kRetry, kAbort});
  EXPECT_FALSE(FileRead(&ReaderSlot, buffer, 8, &code));
  EXPECT_EQ(code, 0x20000105u) << "a partial read, not a read past the end";
  EXPECT_EQ(SavedPosition, 4u);
  const auto& seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].failure, "Bytes not all read from file") << "the retry read from offset 4 again";
}

TEST_F(FileLayer, AbortAndARefusedOpenLeaveTheFileClosed) {
  const std::string path = folder / "ten.bin";
  ASSERT_TRUE(WriteWholeFile(path, "abcdefghij"));
  HANDLE held = Open(path);
  char buffer[16];
  PromptAnswerer answerer({kAbort});
  EXPECT_FALSE(FileRead(&held, buffer, 11, &code));
  answerer.Finish();
  EXPECT_EQ(held, nullptr);
  EXPECT_TRUE(Closed(path)) << "Abort closed the handle itself, not only its holder";

  const std::string big = folder / "big.bin";
  MakeSparse(big, 0x100000000LL);
  HANDLE handle;
  std::uint32_t size;
  EXPECT_FALSE(FileOpen(big.c_str(), ModeRead, &handle, &size, &code));
  EXPECT_TRUE(Closed(big)) << "the handle opened before the size was refused is closed";
}

TEST_F(FileLayer, AWriteOnAReadHandleAndANegativeSeekAsk) {
  const std::string path = folder / "five.bin";
  ASSERT_TRUE(WriteWholeFile(path, "12345"));
  HANDLE reader = Open(path);
  PromptAnswerer answerer({kRetry, kAbort, kAbort});
  EXPECT_FALSE(FileWrite(&reader, "x", 1, &code));
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_ACCESS_DENIED));
  HANDLE seeker = Open(path);
  DWORD position = 7;
  EXPECT_FALSE(FileSeek(&seeker, -1, FILE_BEGIN, &position, &code));
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_NEGATIVE_SEEK));
  EXPECT_EQ(position, 7u);
  const auto& seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 3u) << "the write asked twice (Retry, Abort), the seek once";
  EXPECT_EQ(seen[0].failure, MessageText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(seen[2].failure, MessageText(ERROR_NEGATIVE_SEEK));
  EXPECT_EQ(ReadWholeFile(path), "12345");
}

// Positions from 2 GiB on are unsigned 32-bit offsets, 0xFFFFFFFF among them.
TEST_F(FileLayer, PositionsBeyondTwoGigabytes) {
  const std::string path = folder / "large.bin";
  MakeSparse(path, 0x90000000LL);
  HANDLE file = Open(path);
  DWORD position = 0;
  ASSERT_TRUE(FileSeek(&file, 0, FILE_END, &position, &code));
  EXPECT_EQ(position, 0x90000000u);
  char buffer[4];
  PromptAnswerer answerer({kRetry, kAbort});
  EXPECT_FALSE(FileRead(&file, buffer, 4, &code));
  const auto& seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].failure, "Attempted to read beyond the end of the file") << "Retry went back to 0x90000000";

  file = Open(path);
  ASSERT_TRUE(FileSeek(&file, 0x7FFFFFFF, FILE_BEGIN, &position, &code));
  ASSERT_TRUE(FileSeek(&file, 0x7FFFFFFF, FILE_CURRENT, &position, &code));
  EXPECT_EQ(position, 0xFFFFFFFEu);
  ASSERT_TRUE(FileSeek(&file, 1, FILE_CURRENT, &position, &code));
  EXPECT_EQ(position, 0xFFFFFFFFu) << "a position, not a failure";
  CloseHandle(file);
}

TEST_F(FileLayer, ZeroByteTransfers) {
  const std::string path = folder / "five.bin";
  ASSERT_TRUE(WriteWholeFile(path, "12345"));
  ReaderSlot = Open(path);
  char buffer[4];
  PromptAnswerer answerer({kAbort});
  EXPECT_FALSE(FileRead(&ReaderSlot, buffer, 0, &code)) << "receiving zero bytes is a failure";
  EXPECT_EQ(code, 0x20000101u);
  ASSERT_EQ(answerer.Finish().size(), 1u);

  WriterSlot = Open(path, ModeCreate);
  EXPECT_TRUE(FileWrite(&WriterSlot, "", 0, &code));
  FileCloseWriter();
  EXPECT_EQ(WriterSlot, nullptr);
}

TEST_F(FileLayer, ReadAllAddsZeroedExtraBytes) {
  const std::string empty = folder / "empty.bin";
  ASSERT_TRUE(WriteWholeFile(empty, ""));
  void* block = nullptr;
  std::uint32_t size = 99;
  ASSERT_TRUE(FileReadAll(empty.c_str(), 16, &block, &size, &code));
  EXPECT_EQ(size, 0u);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 16u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(static_cast<std::uint8_t*>(block)[i], 0);
  MemFree(&block);
  EXPECT_EQ(block, nullptr);
  MemFree(&block);

  const std::string text = folder / "text.txt";
  ASSERT_TRUE(WriteWholeFile(text, "hello"));
  ASSERT_TRUE(FileReadAll(text.c_str(), 3, &block, &size, &code));
  EXPECT_EQ(size, 5u);
  EXPECT_EQ(std::memcmp(block, "hello\0\0\0", 8), 0);
  EXPECT_EQ(LastOpenedHandle, nullptr) << "closed after reading";
  MemFree(&block);
}

TEST_F(FileLayer, ReadAllRefusesABlockSizeThatWouldWrap) {
  const std::string nearlyFour = folder / "nearly4g.bin";
  MakeSparse(nearlyFour, 0xFFFFFFF8LL);
  void* block = reinterpret_cast<void*>(1);
  std::uint32_t size = 0;
  EXPECT_FALSE(FileReadAll(nearlyFour.c_str(), 16, &block, &size, &code));
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(block, reinterpret_cast<void*>(1)) << "no block is handed out";
  EXPECT_EQ(LastOpenedHandle, nullptr);
}

// The file is written under a new name first; a file that already has that name
// belongs to someone else and keeps its bytes.
TEST_F(FileLayer, WriteAllCreatesOrEmptiesTheFile) {
  const std::string path = folder / "out.pdb";
  ASSERT_TRUE(WriteWholeFile(folder / "~00out.pdb", "someone's"));
  ASSERT_TRUE(FileWriteAll(path.c_str(), "database", 8, &code));
  EXPECT_EQ(ReadWholeFile(folder / "~00out.pdb"), "someone's");
  EXPECT_FALSE(FileExists(folder / "~01out.pdb"));
  EXPECT_EQ(ReadWholeFile(path), "database");
  ASSERT_TRUE(FileWriteAll(path.c_str(), "x", 0, &code));
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadWholeFile(path), "");
  EXPECT_EQ(WriterSlot, nullptr);
  EXPECT_FALSE(FileWriteAll((folder / "no\\such\\dir.pdb").c_str(), "x", 1, &code));
  EXPECT_EQ(code, static_cast<ErrorCode>(ERROR_PATH_NOT_FOUND));
}

// Writes of one batch to the same name go into one new file; the name keeps its
// bytes until the commit moves the last ones over it. A move refused at the
// commit is reported, and neither the name nor a new file is left changed.
TEST_F(FileLayer, WriteBatchMovesEachFileOnceAtTheCommit) {
  const std::string path = folder / "batch.pdb", held = folder / "held.pdb";
  ASSERT_TRUE(WriteWholeFile(path, "old"));
  ASSERT_TRUE(WriteWholeFile(held, "kept"));
  FileWriteBatchBegin();
  ASSERT_TRUE(FileWriteAll(path.c_str(), "first, longer", 13, &code));
  ASSERT_TRUE(FileWriteAll(held.c_str(), "lost", 4, &code));
  ASSERT_TRUE(FileWriteAll(path.c_str(), "second", 6, &code));
  EXPECT_EQ(ReadWholeFile(path), "old");
  HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  static ErrorCode reported;
  reported = 0;
  FileWriteBatchCommit([](ErrorCode failure) { return (reported = failure) == 0; });
  CloseHandle(holder);
  EXPECT_EQ(ReadWholeFile(path), "second");
  EXPECT_EQ(ReadWholeFile(held), "kept");
  EXPECT_NE(reported, 0u);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder / "~*").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << found.cFileName;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST_F(FileLayer, AppendModeStartsAtTheEnd) {
  const std::string path = folder / "log.txt";
  ASSERT_TRUE(WriteWholeFile(path, "abc"));
  HANDLE handle = Open(path, ModeAppend);
  ASSERT_TRUE(FileWrite(&handle, "def", 3, &code));
  CloseHandle(handle);
  EXPECT_EQ(ReadWholeFile(path), "abcdef");
}

TEST_F(FileLayer, SeekAndFillBuffer) {
  const std::string path = folder / "header.pdb";
  std::string bytes(100, 'h');
  bytes[72] = 'X';
  ASSERT_TRUE(WriteWholeFile(path, bytes));
  ReaderSlot = Open(path);
  DWORD position = 0;
  ASSERT_TRUE(FileSeek(&ReaderSlot, 72, FILE_BEGIN, &position, &code));
  EXPECT_EQ(position, 72u);
  ASSERT_TRUE(FileSeek(&ReaderSlot, 0, FILE_BEGIN, &position, &code));
  std::uint32_t read = 0, unread = 0;
  ASSERT_TRUE(FileFillBuffer(72, 0, &read, &unread, &code));
  EXPECT_EQ(read, 72u);
  EXPECT_EQ(unread, 0u);
  ASSERT_TRUE(FileFillBuffer(1, 72, &read, &unread, &code));
  EXPECT_EQ(IoBuffer[72], 'X');
  ASSERT_TRUE(FileFillBuffer(0, 0, &read, &unread, &code));
  EXPECT_EQ(read, 0u);
  SetLastError(1234);
  FileCloseReader();
  EXPECT_EQ(GetLastError(), 1234u) << "closing leaves the caller's error alone";
  EXPECT_EQ(ReaderSlot, nullptr);
}

}  // namespace
