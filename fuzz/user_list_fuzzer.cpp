#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "palm/user_list.h"
#include "tests/support/code_pages.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/asan_interface.h>
#define FUZZ_POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define FUZZ_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#endif
#endif
#ifndef FUZZ_POISON
#define FUZZ_POISON(address, size) ((void)(address), (void)(size))
#define FUZZ_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace {

// The first input byte chooses the user name: 0 leaves it empty, otherwise that
// many following bytes (then cut at any zero) become it; the rest is the file.
void SplitInput(const std::uint8_t*& data, std::size_t& size, char (&userName)[kUserNameSize]) {
  std::memset(userName, 0, sizeof userName);
  if (size == 0) return;
  std::size_t length = data[0];
  ++data;
  --size;
  if (length > size) length = size;
  std::memcpy(userName, data, length);
  data += length;
  size -= length;
}

void CheckRecord(const std::uint8_t* image, std::uint32_t size, const UserRecord& record) {
  FUZZ_CHECK(record.folder >= image);
  FUZZ_CHECK(record.folderLength >= 1 && record.folderLength <= 255);
  FUZZ_CHECK(record.folder + record.folderLength <= image + size);
}

// A folder name that stays one folder below Palm Desktop's: no separator or
// zero byte among its characters, and something besides dots and blanks;
// `reached` is its length without its trailing dots and blanks.
bool StaysInside(const UserRecord& record, std::uint32_t* reached) {
  bool somethingElse = false;
  *reached = 0;
  for (std::uint32_t i = 0; i < record.folderLength; ++i) {
    const char c = static_cast<char>(record.folder[i]);
    if (c == 0) return false;
    if (IsLeadByte932(record.folder[i]) && i + 1 < record.folderLength && record.folder[i + 1] != 0) {
      somethingElse = true;
      *reached = ++i + 1;
      continue;
    }
    if (c == '\\' || c == '/' || c == ':') return false;
    if (c != '.' && c != ' ') {
      somethingElse = true;
      *reached = i + 1;
    }
  }
  return somethingElse;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  char requested[kUserNameSize];
  SplitInput(data, size, requested);

  // The last byte is never part of an item, so reading it is caught like a read past the end.
  std::vector<std::uint8_t> image(data, data + size);
  const std::uint32_t imageSize = static_cast<std::uint32_t>(size);
  if (size > 0) FUZZ_POISON(image.data() + size - 1, 1);

  char name[kUserNameSize];
  std::memcpy(name, requested, sizeof name);
  UserRecord record = {};
  const bool found = FindUserRecord(image.data(), imageSize, name, &record);
  FUZZ_CHECK(std::memchr(name, 0, kUserNameSize) != nullptr);
  if (found) {
    FUZZ_CHECK(size >= kMinUserListSize);
    CheckRecord(image.data(), imageSize, record);
    if (requested[0] == 0) {
      // A name of zero bytes equals the empty name, so such a record matches whatever its tag.
      FUZZ_CHECK((record.tag & kDefinedClassBit) == 0 || name[0] == 0);
      FUZZ_CHECK(strnlen(name, kUserNameSize) <= 255);
    }
  }

  char lookUpName[kUserNameSize];
  std::memcpy(lookUpName, requested, sizeof lookUpName);
  UserRecord lookedUp = {};
  const UserLookup verdict = LookUpUser(image.data(), imageSize, lookUpName, IsLeadByte932, &lookedUp);
  FUZZ_CHECK(std::memchr(lookUpName, 0, kUserNameSize) != nullptr);
  std::uint32_t reached = 0;
  FUZZ_CHECK((verdict != UserLookup::NotAvailable) == (found && StaysInside(record, &reached)));
  if (verdict != UserLookup::NotAvailable) {
    FUZZ_CHECK(verdict == UserLookup::Found || verdict == UserLookup::NotMainUser);
    CheckRecord(image.data(), imageSize, lookedUp);
    FUZZ_CHECK(lookedUp.folderLength == reached);
    FUZZ_CHECK(lookedUp.folder == record.folder && lookedUp.id == record.id && lookedUp.tag == record.tag);
    FUZZ_CHECK((verdict == UserLookup::NotMainUser) == (lookedUp.tag == kDefinedClassTag));
  }

  if (size > 0) FUZZ_UNPOISON(image.data() + size - 1, 1);
  return 0;
}
