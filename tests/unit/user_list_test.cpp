#include "palm/user_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/byte_order.h"
#include "palm/user_list_writer.h"
#include "tests/support/code_pages.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Items laid out by hand, for lists the writer never makes. Filler bytes are
// 0xEE so that nothing passes for being zero.
struct Items {
  Bytes bytes = Bytes(kUnusedHeaderSize, 0xEE);

  Items& Tag(std::uint16_t tag) {
    PutLe16(bytes, tag);
    return *this;
  }
  Items& Class(std::string_view name) {
    Tag(kClassDefinitionTag);
    PutLe16(bytes, static_cast<std::uint16_t>(name.size()));
    bytes.insert(bytes.end(), name.begin(), name.end());
    return *this;
  }
  Items& SyncPreference() {
    Class(kSyncPreferenceClass);
    bytes.insert(bytes.end(), kSyncPreferenceSize, 0xEE);
    return *this;
  }
  Items& Record(std::uint32_t id, std::string_view name, std::string_view folder) {
    PutLe32(bytes, id);
    for (std::string_view text : {name, folder}) {
      bytes.push_back(static_cast<std::uint8_t>(text.size()));
      bytes.insert(bytes.end(), text.begin(), text.end());
    }
    bytes.insert(bytes.end(), kRecordTrailerSize, 0xEE);
    return *this;
  }
};

struct Outcome {
  UserLookup lookup = UserLookup::NotAvailable;
  std::uint32_t id = 0;
  std::uint16_t tag = 0;
  std::size_t folderOffset = 0;
  std::string folder;
  std::string userName;
};

// Searches an exactly-sized heap copy, so that a sanitizer catches a read past
// the end, and checks what every search promises.
Outcome Search(const Bytes& file, const std::string& presetName = "", LeadByteTest lead = IsLeadByte1252) {
  const std::uint32_t size = static_cast<std::uint32_t>(file.size());
  const std::unique_ptr<std::uint8_t[]> image(new std::uint8_t[size]);
  std::copy(file.begin(), file.end(), image.get());
  char userName[kUserNameSize] = {};
  std::memcpy(userName, presetName.data(), presetName.size());
  UserRecord record{};
  Outcome out;
  out.lookup = LookUpUser(image.get(), size, userName, lead, &record);
  if (out.lookup == UserLookup::NotAvailable) return out;

  const auto start = reinterpret_cast<std::uintptr_t>(image.get());
  const auto folder = reinterpret_cast<std::uintptr_t>(record.folder);
  EXPECT_GE(folder, start);
  EXPECT_GT(record.folderLength, 0u);
  EXPECT_LE(folder - start + record.folderLength, size - 1u) << "the last byte is never part of an item";
  EXPECT_NE(std::memchr(userName, 0, kUserNameSize), nullptr) << "user name not terminated";
  if (::testing::Test::HasFailure()) return out;

  out.id = record.id;
  out.tag = record.tag;
  out.folderOffset = folder - start;
  out.folder.assign(reinterpret_cast<const char*>(record.folder), record.folderLength);
  out.userName = userName;
  return out;
}

Bytes Write(const std::vector<UserListEntry>& users, bool syncPreference) {
  const auto bytes = WriteUserList(users, syncPreference);
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or(Bytes{});
}

const std::vector<UserListEntry> kThreeUsers = {
    {0x11223344, "Ann Main", "AnnM"},
    {7, "Bob", "BobsFolder"},
    {0xFFFFFFFF, "Cy", "C"},
};

// Offsets in a list written without the sync preference item.
constexpr std::size_t kFirstNameLength = 17;  // header, tag, class length, "CUser", id

TEST(UserListWriter, LaysOutItemsAsPalmDesktopDoes) {
  const Bytes expected = {
      0, 0, 0, 0,                                                     // not used
      0x01, 0x00, 19, 0, 'C', 'U', 's', 'e', 'r', 'S', 'y', 'n', 'c',  //
      'P', 'r', 'e', 'f', 'e', 'r', 'e', 'n', 'c', 'e',                 //
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                                   // sync preference
      0x01, 0x00, 5, 0, 'C', 'U', 's', 'e', 'r',                      //
      0x04, 0x03, 0x02, 0x01, 3, 'A', 'n', 'n', 4, 'A', 'n', 'n', 'F',  //
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                                   // record trailer
      0x01, 0x80, 0x07, 0, 0, 0, 2, 'B', 'o', 1, 'B',                 //
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                                   // record trailer
  };
  EXPECT_EQ(Write({{0x01020304, "Ann", "AnnF"}, {7, "Bo", "B"}}, true), expected);
}

TEST(UserListWriter, RefusesWhatTheListCannotHold) {
  const std::string longest(kMaxUserTextSize, 'x');
  const std::string tooLong(kMaxUserTextSize + 1, 'x');
  EXPECT_FALSE(WriteUserList({}, false));
  EXPECT_FALSE(WriteUserList(std::vector<UserListEntry>{{1, "", "F"}}, false));
  EXPECT_FALSE(WriteUserList(std::vector<UserListEntry>{{1, "N", ""}}, false));
  EXPECT_FALSE(WriteUserList(std::vector<UserListEntry>{{1, tooLong, "F"}}, false));
  EXPECT_FALSE(WriteUserList(std::vector<UserListEntry>{{1, "A", "F"}, {2, "N", tooLong}}, false));
  EXPECT_TRUE(WriteUserList(std::vector<UserListEntry>{{1, longest, longest}}, false));
}

TEST(UserListSearch, SyncPreferenceThenUser) {
  const Outcome out = Search(Items().SyncPreference().Class("CUser").Record(0x01020304, "Ann", "AnnF").bytes);
  ASSERT_EQ(out.lookup, UserLookup::Found);
  EXPECT_EQ(out.id, 0x01020304u);
  EXPECT_EQ(out.tag, kClassDefinitionTag);
  EXPECT_EQ(out.userName, "Ann");
  EXPECT_EQ(out.folder, "AnnF");

  EXPECT_EQ(Search(Items().SyncPreference().SyncPreference().Class("CUser").Record(1, "A", "F").bytes).lookup,
            UserLookup::Found)
      << "any number of sync preference items";
}

TEST(UserListSearch, FilesShorterThan31BytesHoldNoUser) {
  const Bytes smallest = Items().Class("CUser").Record(1, "A", "F").bytes;
  ASSERT_EQ(smallest.size(), 31u);
  EXPECT_EQ(Search(smallest).lookup, UserLookup::Found);
  EXPECT_EQ(Search(Bytes(smallest.begin(), smallest.end() - 1)).lookup, UserLookup::NotAvailable)
      << "30 bytes fail although they hold the whole record";
}

TEST(UserListSearch, SeveralUsersYieldTheFirst) {
  for (bool syncPreference : {false, true}) {
    const Outcome out = Search(Write(kThreeUsers, syncPreference));
    ASSERT_EQ(out.lookup, UserLookup::Found);
    EXPECT_EQ(out.id, 0x11223344u);
    EXPECT_EQ(out.userName, "Ann Main");
    EXPECT_EQ(out.folder, "AnnM");
  }
}

TEST(UserListSearch, EmptyNamesAndFoldersFail) {
  Bytes file = Write(kThreeUsers, false);
  const std::size_t firstFolderLength = kFirstNameLength + 1 + kThreeUsers[0].name.size();
  ASSERT_EQ(file[kFirstNameLength], kThreeUsers[0].name.size());
  ASSERT_EQ(file[firstFolderLength], kThreeUsers[0].folder.size());

  Bytes emptyName = file;
  emptyName[kFirstNameLength] = 0;
  EXPECT_EQ(Search(emptyName).lookup, UserLookup::NotAvailable);
  Bytes emptyFolder = file;
  emptyFolder[firstFolderLength] = 0;
  EXPECT_EQ(Search(emptyFolder).lookup, UserLookup::NotAvailable);
  EXPECT_EQ(Search(emptyFolder, "Bob").lookup, UserLookup::NotAvailable) << "in a record passed over too";
}

// The user's folder is made inside Palm Desktop's folder and this game's files
// are deleted and written there: a name that leads anywhere else is refused.
TEST(UserListSearch, FolderNamesThatLeaveTheDesktopFolderAreNotAvailable) {
  const std::string refused[] = {"..\\Escape", ".", "..", "a/b", "C:", "C:Escape", "\\Escape", "...", ". .",
                                 std::string("Jo\0x", 4)};
  for (const std::string& folder : refused) {
    EXPECT_EQ(Search(Items().Class("CUser").Record(1, "Jo", folder).bytes).lookup, UserLookup::NotAvailable)
        << folder;
    EXPECT_EQ(Search(Items().Tag(kDefinedClassTag).Record(1, "Jo", folder).bytes, "Jo").lookup,
              UserLookup::NotAvailable)
        << "a folder that is not plain is not available, main user or not: " << folder;
  }
  for (const std::string folder : {"PlayerJ", ".hidden", "a..b", "  x"}) {
    EXPECT_EQ(Search(Items().Class("CUser").Record(1, "Jo", folder).bytes).folder, folder);
  }
}

// The folder a name reaches, read by character in the code page: Windows, and
// Palm Desktop with it, drop trailing dots and blanks ("PlayerJ." is PlayerJ's
// folder); in 932 the second byte of ソ, 表 and 能 is the backslash's, and a dot
// after a lead byte is that character's; in 1252 the same bytes hold a backslash.
// nullptr: not available.
TEST(UserListSearch, FolderNamesAreReadByCharacterInTheCodePage) {
  struct Case {
    std::string_view folder;
    const char* reachedIn932;
    const char* reachedIn1252;
  };
  const Case cases[] = {
      {"PlayerJ.", "PlayerJ", "PlayerJ"},
      {"PlayerJ ", "PlayerJ", "PlayerJ"},
      {"PlayerJ. .", "PlayerJ", "PlayerJ"},
      {"\x83\x5C\x83\x6A\x81\x5B", "\x83\x5C\x83\x6A\x81\x5B", nullptr},  // ソニー
      {"\x83\x76\x83\x8C\x83\x43\x83\x84\x81\x5B\x95\x5C", "\x83\x76\x83\x8C\x83\x43\x83\x84\x81\x5B\x95\x5C",
       nullptr},                                              // プレイヤー表
      {"\x94\x5C\x97\x5C", "\x94\x5C\x97\x5C", nullptr},              // 能予
      {"\x83\x5C\\..", nullptr, nullptr},                         // ソ\..
      {"\x83\x5C:", nullptr, nullptr},
      {"\x83", "\x83", "\x83"},  // a lead byte the name ends on is a character of its own
      {"\x83..", "\x83.", "\x83"},
      {std::string_view("\x83\x00", 2), nullptr, nullptr},
  };
  for (const Case& c : cases) {
    const std::string folder(c.folder);
    const Bytes file = Items().Class("CUser").Record(1, "Jo", folder).bytes;
    const std::pair<LeadByteTest, const char*> codePages[] = {{IsLeadByte932, c.reachedIn932},
                                                              {IsLeadByte1252, c.reachedIn1252}};
    for (const auto& [lead, reached] : codePages) {
      const Outcome out = Search(file, "", lead);
      EXPECT_EQ(out.lookup == UserLookup::Found, reached != nullptr) << folder;
      if (reached != nullptr) {
        EXPECT_EQ(out.folder, reached) << folder;
      }
    }
  }
}

TEST(UserListSearch, FolderRunningPastTheEndFails) {
  const Bytes file = Items().Class("CUser").Record(9, "A long enough user name", "Folder").bytes;
  const std::size_t folderEnd = file.size() - kRecordTrailerSize;
  ASSERT_GT(folderEnd, kMinUserListSize);

  const Outcome fits = Search(Bytes(file.begin(), file.begin() + folderEnd + 1));
  ASSERT_EQ(fits.lookup, UserLookup::Found);
  EXPECT_EQ(fits.folder, "Folder");
  EXPECT_EQ(Search(Bytes(file.begin(), file.begin() + folderEnd)).lookup, UserLookup::NotAvailable)
      << "the folder may not reach the last byte";

  Bytes declaredTooLong = file;
  declaredTooLong[folderEnd - 7] = 0xFF;
  EXPECT_EQ(Search(declaredTooLong).lookup, UserLookup::NotAvailable);
}

TEST(UserListSearch, PresetNameSelectsByTheRecordsNameLength) {
  const Bytes file = Write(kThreeUsers, true);
  const Outcome bob = Search(file, "Bob");
  ASSERT_EQ(bob.lookup, UserLookup::NotMainUser);
  EXPECT_EQ(bob.id, 7u);
  EXPECT_EQ(bob.tag, kDefinedClassTag);
  EXPECT_EQ(bob.folder, "BobsFolder");
  EXPECT_EQ(bob.userName, "Bob");

  EXPECT_EQ(Search(file, "Ann Main").lookup, UserLookup::Found);
  const Outcome longer = Search(file, "Bobby");
  EXPECT_EQ(longer.lookup, UserLookup::NotMainUser) << "the user name may go on past the record's name";
  EXPECT_EQ(longer.userName, "Bobby");
  EXPECT_EQ(Search(file, "Bo").lookup, UserLookup::NotAvailable);
  EXPECT_EQ(Search(file, "Zed").lookup, UserLookup::NotAvailable);
}

TEST(UserListSearch, EmptyNameSkipsRecordsOfADefinedClass) {
  const Bytes file = Items().Tag(kDefinedClassTag).Record(5, "Bob", "B").Class("CUser").Record(6, "Ann", "A").bytes;
  const Outcome out = Search(file);
  ASSERT_EQ(out.lookup, UserLookup::Found);
  EXPECT_EQ(out.id, 6u) << "the id of the record passed over is replaced";
  EXPECT_EQ(out.userName, "Ann");

  EXPECT_EQ(Search(Items().Tag(kDefinedClassTag).Record(5, "Bob", "B").bytes).lookup, UserLookup::NotAvailable);
}

TEST(UserListSearch, ChosenNameReplacesWhatFollowsTheEmptyName) {
  const std::string longest(kMaxUserTextSize, 'n');
  const Bytes file = Items().Class("CUser").Record(1, longest, "F").bytes;
  const std::unique_ptr<std::uint8_t[]> image(new std::uint8_t[file.size()]);
  std::copy(file.begin(), file.end(), image.get());
  char userName[kUserNameSize];
  std::memset(userName, 0xAA, sizeof userName);
  userName[0] = 0;
  UserRecord record{};
  ASSERT_EQ(LookUpUser(image.get(), static_cast<std::uint32_t>(file.size()), userName, IsLeadByte1252, &record), UserLookup::Found);
  EXPECT_EQ(std::string(userName), longest);
}

TEST(UserListSearch, ItemsThatDoNotReadFail) {
  for (std::uint16_t tag : {0x0000, 0x0002, 0x8000, 0x8002, 0x0101}) {
    EXPECT_EQ(Search(Items().Tag(tag).Record(1, "A", "F").bytes).lookup, UserLookup::NotAvailable) << tag;
  }
  for (const char* name : {"CUserX", "CUse", "cuser", "CUsex", "CUserSyncPreferenc", "CUserSyncPreferences", ""}) {
    EXPECT_EQ(Search(Items().Class(name).Record(1, "A", "F").bytes).lookup, UserLookup::NotAvailable) << name;
  }
  Bytes hugeClass = Items().Class("CUser").Record(1, "A", "F").bytes;
  hugeClass[7] = 0xFF;
  EXPECT_EQ(Search(hugeClass).lookup, UserLookup::NotAvailable);
}

TEST(UserListRoundTrip, EveryUserIsFoundByName) {
  const std::vector<UserListEntry> users = {
      {0, std::string(kMaxUserTextSize, 'M'), std::string(kMaxUserTextSize, 'f')},
      {1, "x", "y"},
      {0x80000000, "Name: with colon", "Folder"},
      {0xFFFFFFFF, "Last", "L"},
  };
  for (bool syncPreference : {false, true}) {
    const Bytes file = Write(users, syncPreference);
    const Outcome main = Search(file);
    EXPECT_EQ(main.lookup, UserLookup::Found);
    EXPECT_EQ(main.userName, users[0].name);
    for (std::size_t i = 0; i < users.size(); ++i) {
      const Outcome out = Search(file, users[i].name);
      EXPECT_EQ(out.lookup, i == 0 ? UserLookup::Found : UserLookup::NotMainUser) << i;
      EXPECT_EQ(out.id, users[i].id) << i;
      EXPECT_EQ(out.folder, users[i].folder) << i;
    }
  }
}

TEST(UserListRobustness, EveryTruncation) {
  const Bytes file = Write(kThreeUsers, true);
  for (const std::string preset : {"", "Cy"}) {
    const Outcome whole = Search(file, preset);
    ASSERT_NE(whole.lookup, UserLookup::NotAvailable);
    const std::size_t needed = std::max<std::size_t>(kMinUserListSize, whole.folderOffset + whole.folder.size() + 1);
    for (std::size_t length = 0; length <= file.size(); ++length) {
      const Outcome out = Search(Bytes(file.begin(), file.begin() + length), preset);
      if (length < needed) {
        EXPECT_EQ(out.lookup, UserLookup::NotAvailable) << preset << " cut to " << length;
      } else {
        EXPECT_EQ(out.lookup, whole.lookup) << preset << " cut to " << length;
        EXPECT_EQ(out.folder, whole.folder) << preset << " cut to " << length;
      }
    }
  }
}

TEST(UserListRobustness, EverySingleByteCorruption) {
  const Bytes file = Write(kThreeUsers, true);
  for (const std::string preset : {"", "Cy"}) {
    const Outcome whole = Search(file, preset);
    const std::size_t folderEnd = whole.folderOffset + whole.folder.size();
    for (std::size_t at = 0; at < file.size(); ++at) {
      for (int value = 0; value < 256; ++value) {
        if (value == file[at]) continue;
        Bytes corrupt = file;
        corrupt[at] = static_cast<std::uint8_t>(value);
        const Outcome out = Search(corrupt, preset);
        if (at < kUnusedHeaderSize || at >= folderEnd) {
          EXPECT_EQ(out.lookup, whole.lookup) << preset << " byte " << at << " = " << value;
          EXPECT_EQ(out.folder, whole.folder) << preset << " byte " << at << " = " << value;
        }
        if (::testing::Test::HasFailure()) return;
      }
    }
  }
}

}  // namespace
