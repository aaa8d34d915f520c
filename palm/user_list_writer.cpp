#include "palm/user_list_writer.h"

#include "base/byte_order.h"
#include "palm/user_list.h"

namespace {

void PutText(std::vector<std::uint8_t>& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void PutClassDefinition(std::vector<std::uint8_t>& out, std::string_view name) {
  PutLe16(out, kClassDefinitionTag);
  PutLe16(out, static_cast<std::uint16_t>(name.size()));
  PutText(out, name);
}

void PutShortText(std::vector<std::uint8_t>& out, std::string_view text) {
  out.push_back(static_cast<std::uint8_t>(text.size()));
  PutText(out, text);
}

}  // namespace

bool IsUserText(std::string_view text) { return !text.empty() && text.size() <= kMaxUserTextSize; }

std::optional<std::vector<std::uint8_t>> WriteUserList(std::span<const UserListEntry> users, bool syncPreference) {
  if (users.empty()) return std::nullopt;
  for (const UserListEntry& user : users) {
    if (!IsUserText(user.name) || !IsUserText(user.folder)) return std::nullopt;
  }
  std::vector<std::uint8_t> out(kUnusedHeaderSize, 0);
  if (syncPreference) {
    PutClassDefinition(out, kSyncPreferenceClass);
    out.insert(out.end(), kSyncPreferenceSize, 0);
  }
  for (const UserListEntry& user : users) {
    if (&user == &users.front()) {
      PutClassDefinition(out, kUserClass);
    } else {
      PutLe16(out, kDefinedClassTag);
    }
    PutLe32(out, user.id);
    PutShortText(out, user.name);
    PutShortText(out, user.folder);
    out.insert(out.end(), kRecordTrailerSize, 0);
  }
  return out;
}
