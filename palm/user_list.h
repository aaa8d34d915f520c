// Palm Desktop's user list, Users.dat in Palm Desktop's folder. Numbers are
// little-endian; texts carry no terminator.
//
//   offset 0   4 bytes, not used
//   offset 4   items, one after another:
//     tag 0x0001   class definition: length L (2 bytes), class name (L bytes)
//                    "CUser"                a user record follows
//                    "CUserSyncPreference"  10 bytes follow, then the next item
//     tag 0x8001   a user record follows, its class already defined
//
//   user record:
//     0         user id (4 bytes)
//     4         name length N1 (1 byte, 1..255), name (N1 bytes)
//     5+N1      folder name length N2 (1 byte, 1..255), folder name (N2 bytes)
//     6+N1+N2   10 bytes
//
// The search never reads the file's last byte as part of an item, and a file
// shorter than 31 bytes holds no user.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/message_texts.h"
#include "platform/ansi_chars.h"

constexpr std::size_t kUserNameSize = 260;
constexpr std::uint32_t kMinUserListSize = 31;
constexpr std::uint32_t kUnusedHeaderSize = 4;

constexpr std::uint16_t kClassDefinitionTag = 0x0001;
constexpr std::uint16_t kDefinedClassTag = 0x8001;
// Set in the tag of a record that is not the main user's.
constexpr std::uint16_t kDefinedClassBit = 0x8000;

constexpr std::string_view kUserClass = "CUser";
constexpr std::string_view kSyncPreferenceClass = "CUserSyncPreference";
constexpr std::uint32_t kSyncPreferenceSize = 10;
constexpr std::uint32_t kRecordTrailerSize = 10;

struct UserRecord {
  std::uint32_t id;
  std::uint16_t tag;           // of the item that introduced the record
  const std::uint8_t* folder;  // inside the image
  std::uint32_t folderLength;
};

// Walks the items of the `size` bytes at `image` to the first user record that
// either has a name equal to the first bytes of `userName` (which may go on past
// them), or, while `userName` is empty, was introduced by a tag with bit 15
// clear; that record's name and a terminator then become `userName`. Any item
// that does not read as laid out above ends the search with false; `userName`
// may then hold a name all the same. Never reads outside the `size` bytes.
bool FindUserRecord(const std::uint8_t* image, std::uint32_t size, char (&userName)[kUserNameSize],
                    UserRecord* found);

enum class UserLookup : ErrorCode {
  Found = 0,
  NotAvailable = msg::UserNotAvailable,
  NotMainUser = msg::NotMainUser,
};

// The length of the folder name Windows reaches: without its trailing dots and
// blanks, which Windows drops ("PlayerJ." is PlayerJ's folder, as Palm Desktop
// itself finds it); a dot that is a double-byte character's second byte stays.
std::uint32_t ReachedFolderLength(const std::uint8_t* name, std::uint32_t length, LeadByteTest lead);

// Whether a folder name from the list names one folder inside Palm Desktop's
// folder: something is left of it once trimmed ("." and ".." leave nothing),
// and none of its characters, in the code page `lead` describes, is a zero byte
// or one of the separators \ / :.
bool IsPlainFolderName(const std::uint8_t* name, std::uint32_t length, LeadByteTest lead);

// FindUserRecord, then the verdict: a record whose folder name is not plain is
// not available, whatever its tag; one introduced by tag 0x8001 is not the main
// user's. `found` is filled for NotMainUser too, its folder length trimmed to
// the folder Windows reaches.
UserLookup LookUpUser(const std::uint8_t* image, std::uint32_t size, char (&userName)[kUserNameSize],
                      LeadByteTest lead, UserRecord* found);
