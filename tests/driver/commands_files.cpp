#include "command_handlers.h"
#include "file_tree.h"
#include "hex_bytes.h"
#include "name_list.h"
#include "script_errors.h"
#include "step_args.h"
#include "text_format.h"
#include "win_error.h"

namespace {

std::string HeldKey(const std::string& path) { return FoldedName(FullPath(path)); }

}  // namespace

void RunMkdir(Session&, const Args& args) { CreateFolders(args[0]); }

void RunRemove(Session&, const Args& args) { RemoveTree(args[0]); }

void RunCopy(Session&, const Args& args) {
  if (!CopyFileA(args[0].c_str(), args[1].c_str(), FALSE))
    throw StepFailure("expected to copy " + args[0] + " to " + args[1] + ", CopyFile failed with " +
                      ErrorText(GetLastError()));
}

void RunWriteFile(Session&, const Args& args) { WriteWholeFile(args[0], args[1]); }

void RunWriteBytes(Session&, const Args& args) {
  std::optional<std::string> bytes = ParseHexBytes(args[1]);
  if (!bytes) throw ScriptError("expected pairs of hex digits, got " + Quoted(args[1]));
  WriteWholeFile(args[0], *bytes);
}

void RunSetReadonly(Session&, const Args& args) {
  const bool readonly = YesNoArg(args[1]);
  const std::string what = "expected to change the attributes of " + args[0] + ", ";
  DWORD attributes = GetFileAttributesA(args[0].c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    throw StepFailure(what + "GetFileAttributes failed with " + ErrorText(GetLastError()));
  const DWORD others = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  attributes = readonly ? others | FILE_ATTRIBUTE_READONLY : others;
  if (!SetFileAttributesA(args[0].c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL))
    throw StepFailure(what + "SetFileAttributes failed with " + ErrorText(GetLastError()));
}

void RunHoldFile(Session& session, const Args& args) {
  const std::string key = HeldKey(args[1]);
  if (std::optional<std::string> holder = session.Holder(key))
    throw ScriptError(args[1] + " is already held by " + *holder);
  // No sharing at all: every other open, for reading, writing or deleting, meets a sharing violation.
  // Backup semantics let a folder be held too.
  UniqueHandle file = UniqueHandle::FromFile(
      CreateFileA(args[1].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.Get())
    throw StepFailure("expected to open " + args[1] + " exclusively, CreateFile failed with " +
                      ErrorText(GetLastError()));
  session.HoldFile(key, args[0], std::move(file));
}

void RunReleaseFile(Session& session, const Args& args) {
  if (!session.ReleaseFile(HeldKey(args[0]))) throw ScriptError(args[0] + " is not held by hold-file");
}
