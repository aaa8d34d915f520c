#include <algorithm>
#include <climits>
#include <cstdio>
#include <set>

#include "command_handlers.h"
#include "file_tree.h"
#include "name_list.h"
#include "script_errors.h"
#include "step_args.h"
#include "text_format.h"
#include "win_error.h"

namespace {

constexpr size_t kShownBytes = 200;

std::string ContentText(const std::string& content) {
  std::string shown = content.size() > kShownBytes ? Quoted(content.substr(0, kShownBytes)) + "..." : Quoted(content);
  return shown + " (" + std::to_string(content.size()) + " bytes)";
}

void ExpectKind(const std::string& path, PathKind wanted) {
  PathKind found = KindOf(path);
  if (found != wanted) throw StepFailure("expected " + KindText(wanted) + " " + path + ", found " + KindText(found));
}

std::string Content(const std::string& path) {
  DWORD error = 0;
  std::optional<std::string> content = ReadWholeFile(path, error);
  if (!content) throw StepFailure("expected to read " + path + ", reading failed with " + ErrorText(error));
  return *content;
}

unsigned long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    throw StepFailure("expected to read the size of " + path + ", GetFileAttributesEx failed with " +
                      ErrorText(GetLastError()));
  return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void ExpectSameContent(const std::string& path, const std::string& other) {
  ExpectKind(other, PathKind::kFile);
  const std::string mine = Content(path);
  const std::string theirs = Content(other);
  if (mine == theirs) return;
  const size_t common = std::min(mine.size(), theirs.size());
  size_t first = std::mismatch(mine.begin(), mine.begin() + common, theirs.begin()).first - mine.begin();
  throw StepFailure("expected " + path + " to be the same as " + other + ", found " + std::to_string(mine.size()) +
                    " bytes against " + std::to_string(theirs.size()) + ", first differing at byte " +
                    std::to_string(first));
}

// One line for every entry below `folder`, indented by depth: folders end in a backslash, files show
// their size.
void PrintTree(const std::string& folder, const std::string& indent) {
  std::optional<std::vector<FolderEntry>> entries = ListFolder(folder);
  if (!entries) throw StepFailure("expected to list " + folder + ", listing failed with " + ErrorText(GetLastError()));
  std::sort(entries->begin(), entries->end(),
            [](const FolderEntry& a, const FolderEntry& b) { return FoldedName(a.name) < FoldedName(b.name); });
  for (const FolderEntry& entry : *entries) {
    if (entry.folder) {
      std::printf("%s%s\\\n", indent.c_str(), entry.name.c_str());
      PrintTree(JoinPath(folder, entry.name), indent + "  ");
    } else {
      std::printf("%s%s  %llu bytes\n", indent.c_str(), entry.name.c_str(), entry.size);
    }
  }
}

}  // namespace

void RunExpectFile(Session&, const Args& args) {
  const std::string& path = args[0];
  if (args.size() == 2 || (args.size() == 3 && args[1] != "same-as" && args[1] != "size" && args[1] != "text"))
    throw ScriptError("expect-file takes PATH, optionally followed by same-as OTHER, size N or text TEXT");
  const long long size = args.size() == 3 && args[1] == "size" ? IntegerArg(args[2], 0, LLONG_MAX) : 0;
  ExpectKind(path, PathKind::kFile);
  if (args.size() == 1) return;
  if (args[1] == "same-as") {
    ExpectSameContent(path, args[2]);
  } else if (args[1] == "size") {
    unsigned long long found = FileSize(path);
    if (found != static_cast<unsigned long long>(size))
      throw StepFailure("expected " + path + " to be " + std::to_string(size) + " bytes long, found " +
                        std::to_string(found) + " bytes");
  } else {
    const std::string content = Content(path);
    if (content != args[2])
      throw StepFailure("expected " + path + " to hold " + ContentText(args[2]) + ", found " + ContentText(content));
  }
}

void RunExpectNoFile(Session&, const Args& args) { ExpectKind(args[0], PathKind::kNothing); }

// For what another program makes, such as a Unix program, whose end cannot be
// waited for.
void RunWaitFile(Session&, const Args& args) {
  const DWORD timeout = TimeoutArg(args, 1);
  const DWORD start = GetTickCount();
  while (GetFileAttributesA(args[0].c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount() - start >= timeout)
      throw StepFailure("expected " + args[0] + " to appear within " + std::to_string(timeout) + " ms, found nothing");
    Sleep(20);
  }
}

void RunExpectFolder(Session&, const Args& args) { ExpectKind(args[0], PathKind::kFolder); }

void RunExpectFiles(Session&, const Args& args) {
  const std::string& folder = args[0];
  std::vector<std::string> expected(args.begin() + 1, args.end());
  if (expected == std::vector<std::string>{"-"}) expected.clear();
  std::set<std::string> expected_folded;
  for (const std::string& name : expected) {
    if (!expected_folded.insert(FoldedName(name)).second) throw ScriptError("expect-files names " + name + " twice");
  }
  ExpectKind(folder, PathKind::kFolder);
  std::optional<std::vector<FolderEntry>> entries = ListFolder(folder);
  if (!entries) throw StepFailure("expected to list " + folder + ", listing failed with " + ErrorText(GetLastError()));
  std::vector<std::string> found;
  for (const FolderEntry& entry : *entries) found.push_back(entry.name);
  if (SameNames(expected, found)) return;
  std::vector<std::string> missing, unexpected;
  std::set<std::string> found_folded;
  for (const std::string& name : found) {
    found_folded.insert(FoldedName(name));
    if (!expected_folded.count(FoldedName(name))) unexpected.push_back(name);
  }
  for (const std::string& name : expected) {
    if (!found_folded.count(FoldedName(name))) missing.push_back(name);
  }
  throw StepFailure("expected " + folder + " to hold exactly " + JoinNames(SortedNames(expected)) + "; found " +
                    JoinNames(SortedNames(found)) + " (missing " + JoinNames(SortedNames(missing)) + ", unexpected " +
                    JoinNames(SortedNames(unexpected)) + ")");
}

void RunPrintFolder(Session&, const Args& args) {
  ExpectKind(args[0], PathKind::kFolder);
  std::printf("folder %s\n", args[0].c_str());
  PrintTree(args[0], "  ");
}
