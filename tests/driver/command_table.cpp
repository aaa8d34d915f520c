#include "command_handlers.h"

namespace {

const Command kCommandTable[] = {
    {"start", 3, 4, RunStart},
    {"set-env", 2, 2, RunSetEnv},
    {"wait-window", 4, 5, RunWaitWindow},
    {"expect-msgbox", 6, 7, RunExpectMsgbox},
    {"expect-text", 3, 4, RunExpectText},
    {"expect-check", 3, 4, RunExpectCheck},
    {"expect-enabled", 3, 4, RunExpectEnabled},
    {"expect-visible", 3, 4, RunExpectVisible},
    {"expect-visible-controls", 2, kAnyNumber, RunExpectVisibleControls},
    {"expect-rect", 6, 7, RunExpectRect},
    {"expect-owner", 2, 3, RunExpectOwner},
    {"press", 2, 2, RunPress},
    {"command", 2, 2, RunCommand},
    {"post-message", 4, 4, RunPostMessage},
    {"click", 3, 3, RunClick},
    {"key", 2, 3, RunKey},
    {"close", 1, 1, RunClose},
    {"minimize", 1, 1, RunMinimize},
    {"expect-iconic", 2, 3, RunExpectIconic},
    {"expect-foreground", 1, 2, RunExpectForeground},
    {"expect-no-window", 1, 2, RunExpectNoWindow},
    {"expect-exit", 2, 3, RunExpectExit},
    {"expect-gone", 1, 2, RunExpectGone},
    {"sleep", 1, 1, RunSleep},
    {"print-elapsed", 1, 1, RunPrintElapsed},
    {"screenshot", 1, 2, RunScreenshot},
    {"dump", 1, 1, RunDump},
    {"capture", 2, 2, RunCapture},
    {"expect-same-pixels", 2, 3, RunExpectSamePixels},
    {"expect-change-within", 6, 7, RunExpectChangeWithin},
    {"mkdir", 1, 1, RunMkdir},
    {"skip-unless", 1, 2, RunSkipUnless},
    {"remove", 1, 1, RunRemove},
    {"copy", 2, 2, RunCopy},
    {"write-file", 2, 2, RunWriteFile},
    {"write-bytes", 2, 2, RunWriteBytes},
    {"set-readonly", 2, 2, RunSetReadonly},
    {"hold-file", 2, 2, RunHoldFile},
    {"release-file", 1, 1, RunReleaseFile},
    {"expect-file", 1, 3, RunExpectFile},
    {"expect-no-file", 1, 1, RunExpectNoFile},
    {"wait-file", 1, 2, RunWaitFile},
    {"expect-folder", 1, 1, RunExpectFolder},
    {"expect-files", 2, kAnyNumber, RunExpectFiles},
    {"print-folder", 1, 1, RunPrintFolder},
    {"reg-set", 4, 4, RunRegSet},
    {"reg-volatile-key", 1, 1, RunRegVolatileKey},
    {"reg-delete-key", 1, 1, RunRegDeleteKey},
    {"reg-delete-value", 2, 2, RunRegDeleteValue},
    {"expect-reg", 4, 4, RunExpectReg},
    {"expect-no-reg", 1, 2, RunExpectNoReg},
    {"print-reg", 1, 1, RunPrintReg},
};

}  // namespace

const Command* FindCommand(std::string_view name) {
  for (const Command& c : kCommandTable) {
    if (name == c.name) return &c;
  }
  return nullptr;
}
