// Writes a user list the way Palm Desktop lays it out (see palm/user_list.h),
// for the tools and tests that stand in for Palm Desktop.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct UserListEntry {
  std::uint32_t id;
  std::string name;
  std::string folder;
};

constexpr std::size_t kMaxUserTextSize = 255;

// A name or folder name the list can hold: 1 to 255 bytes.
bool IsUserText(std::string_view text);

// The unused header, optionally a "CUserSyncPreference" item, the first user
// after the "CUser" class definition and every later one after tag 0x8001, each
// record with its 10 closing bytes. Nothing when there is no user or a text is
// not one IsUserText accepts.
std::optional<std::vector<std::uint8_t>> WriteUserList(std::span<const UserListEntry> users, bool syncPreference);
