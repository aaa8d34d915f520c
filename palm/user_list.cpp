#include "palm/user_list.h"

#include <cstring>

#include "palm/counted_reader.h"
#include "platform/file_names.h"

namespace {

enum class ClassKind { User, SyncPreference, Other };

ClassKind ReadClassName(CountedReader& in) {
  const std::uint16_t length = in.Le16();
  const std::uint8_t* name = in.Take(length);
  if (name == nullptr) return ClassKind::Other;
  const std::string_view text(reinterpret_cast<const char*>(name), length);
  if (text == kUserClass) return ClassKind::User;
  if (text == kSyncPreferenceClass) return ClassKind::SyncPreference;
  return ClassKind::Other;
}

// Reads item tags up to the start of the next user record; false when an item
// does not read as laid out.
bool ReachUserRecord(CountedReader& in, std::uint16_t* tag) {
  for (;;) {
    *tag = in.Le16();
    if (in.Failed()) return false;
    if (*tag == kDefinedClassTag) return true;
    if (*tag != kClassDefinitionTag) return false;
    switch (ReadClassName(in)) {
      case ClassKind::User:
        return true;
      case ClassKind::SyncPreference:
        in.Take(kSyncPreferenceSize);
        break;
      case ClassKind::Other:
        return false;
    }
  }
}

// A length byte of 1..255 and the text it announces; nullptr when either is
// missing or the length is zero.
const std::uint8_t* ReadShortText(CountedReader& in, std::uint8_t* length) {
  *length = in.Byte();
  if (*length == 0) return nullptr;
  return in.Take(*length);
}

bool Selects(const std::uint8_t* name, std::uint8_t length, std::uint16_t tag, char (&userName)[kUserNameSize]) {
  if (std::memcmp(name, userName, length) == 0) return true;
  if (userName[0] != 0 || (tag & kDefinedClassBit) != 0) return false;
  std::memcpy(userName, name, length);
  userName[length] = 0;
  return true;
}

}  // namespace

bool FindUserRecord(const std::uint8_t* image, std::uint32_t size, char (&userName)[kUserNameSize],
                    UserRecord* found) {
  if (size < kMinUserListSize) return false;
  CountedReader in(image, size - 1);
  in.Take(kUnusedHeaderSize);
  for (;;) {
    std::uint16_t tag = 0;
    if (!ReachUserRecord(in, &tag)) return false;
    const std::uint32_t id = in.Le32();
    std::uint8_t nameLength = 0;
    const std::uint8_t* name = ReadShortText(in, &nameLength);
    if (name == nullptr) return false;

    std::uint8_t folderLength = 0;
    if (Selects(name, nameLength, tag, userName)) {
      const std::uint8_t* folder = ReadShortText(in, &folderLength);
      if (folder == nullptr) return false;
      *found = UserRecord{id, tag, folder, folderLength};
      return true;
    }
    if (ReadShortText(in, &folderLength) == nullptr) return false;
    in.Take(kRecordTrailerSize);
  }
}

std::uint32_t ReachedFolderLength(const std::uint8_t* name, std::uint32_t length, LeadByteTest lead) {
  const char* text = reinterpret_cast<const char*>(name);
  std::uint32_t reached = 0;
  for (const char* at = text; at < text + length;) {
    const std::size_t step = CharLength(at, text + length, lead);
    at += step;
    if (step == 2 || !EndsInDotOrBlank(at - 1, 1)) reached = static_cast<std::uint32_t>(at - text);
  }
  return reached;
}

bool IsPlainFolderName(const std::uint8_t* name, std::uint32_t length, LeadByteTest lead) {
  return ReachedFolderLength(name, length, lead) != 0 &&
         !HasZeroOrCharOf(reinterpret_cast<const char*>(name), length, "\\/:", lead);
}

UserLookup LookUpUser(const std::uint8_t* image, std::uint32_t size, char (&userName)[kUserNameSize],
                      LeadByteTest lead, UserRecord* found) {
  if (!FindUserRecord(image, size, userName, found)) return UserLookup::NotAvailable;
  if (!IsPlainFolderName(found->folder, found->folderLength, lead)) return UserLookup::NotAvailable;
  found->folderLength = ReachedFolderLength(found->folder, found->folderLength, lead);
  return (found->tag & kDefinedClassBit) != 0 ? UserLookup::NotMainUser : UserLookup::Found;
}
