// Test tool: writes a Palm Desktop user list (Users.dat) for the stand-in Palm
// Desktop, so tests never need the real one.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "palm/user_list_writer.h"
#include "tools/tool_arguments.h"

namespace {

constexpr char kUsage[] =
    "usage: palmusers OUT [--sync-preference] ID:NAME:FOLDER [ID:NAME:FOLDER ...]\n"
    "Writes the Palm Desktop user list OUT; the first user is the main user.\n"
    "  ID      user id: decimal, or hexadecimal after 0x, below 2^32\n"
    "  NAME    user name, 1 to 255 bytes (may hold colons)\n"
    "  FOLDER  the user's folder name, 1 to 255 bytes, no colon\n"
    "  --sync-preference  put a CUserSyncPreference item before the users\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "palmusers: %s\n%s", message.c_str(), kUsage);
  return 2;
}

bool ParseId(std::string_view text, std::uint32_t* id) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, *id, base);
  return !text.empty() && error == std::errc() && stop == end;
}

// ID:NAME:FOLDER, the name being everything between the first and the last colon.
bool ParseUser(std::string_view arg, UserListEntry* user, std::string* problem) {
  const std::size_t first = arg.find(':');
  const std::size_t last = arg.rfind(':');
  if (first == std::string_view::npos || first == last) {
    *problem = "'" + std::string(arg) + "' is not ID:NAME:FOLDER";
  } else if (!ParseId(arg.substr(0, first), &user->id)) {
    *problem = "'" + std::string(arg.substr(0, first)) + "' is not a user id below 2^32";
  } else {
    user->name = arg.substr(first + 1, last - first - 1);
    user->folder = arg.substr(last + 1);
    if (!IsUserText(user->name)) {
      *problem = "the user name in '" + std::string(arg) + "' must be 1 to 255 bytes";
    } else if (!IsUserText(user->folder)) {
      *problem = "the folder name in '" + std::string(arg) + "' must be 1 to 255 bytes";
    } else {
      return true;
    }
  }
  return false;
}

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* out = std::fopen(path, "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  const int early = CheckToolArguments("palmusers", kUsage, argc, argv, {"--sync-preference"});
  if (early != kArgumentsAccepted) return early;
  if (argc < 2 || std::string_view(argv[1]).starts_with("--")) return UsageError("the output file comes first");

  bool syncPreference = false;
  std::vector<UserListEntry> users;
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--sync-preference") {
      syncPreference = true;
    } else {
      UserListEntry user;
      std::string problem;
      if (!ParseUser(arg, &user, &problem)) return UsageError(problem);
      users.push_back(user);
    }
  }
  if (users.empty()) return UsageError("at least one user is needed");

  // Every user was checked above, so the list is always written.
  if (!WriteFile(argv[1], WriteUserList(users, syncPreference).value())) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
