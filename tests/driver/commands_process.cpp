#include <cstdio>
#include <string>
#include <vector>

#include "command_handlers.h"
#include "script_errors.h"
#include "step_args.h"
#include "text_format.h"
#include "window_probe.h"

namespace {

std::string ExitCodeText(DWORD code) {
  return code > 0xFFFF ? std::to_string(code) + " (" + Hex(code) + ")" : std::to_string(code);
}

}  // namespace

void RunStart(Session& session, const Args& args) {
  // CreateProcessA may write into the command line, so it gets a private copy.
  std::vector<char> command_line(args[2].begin(), args[2].end());
  command_line.push_back('\0');
  const char* directory = args.size() > 3 ? args[3].c_str() : nullptr;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  LARGE_INTEGER start_time{};
  QueryPerformanceCounter(&start_time);
  // Wine now and then refuses a start with an internal error (1359) while its own
  // background processes settle; one more try after a pause is what a user would do.
  bool started = CreateProcessA(args[1].c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory,
                                &startup, &info) != 0;
  if (!started && GetLastError() == ERROR_INTERNAL_ERROR) {
    Sleep(500);
    QueryPerformanceCounter(&start_time);
    command_line.assign(args[2].begin(), args[2].end());
    command_line.push_back('\0');
    started = CreateProcessA(args[1].c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory,
                             &startup, &info) != 0;
  }
  if (!started) {
    throw StepFailure("expected to start " + Quoted(args[1]) + ", CreateProcess failed with error " +
                      std::to_string(GetLastError()));
  }
  UniqueHandle thread(info.hThread);
  session.AddProcess(args[0], UniqueHandle(info.hProcess), info.dwProcessId, start_time.QuadPart);
}

// The value is UTF-8, so a script can name what the code page cannot; every
// program started afterwards inherits it.
void RunSetEnv(Session&, const Args& args) {
  std::wstring wide[2];
  for (int i = 0; i < 2; ++i) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, args[i].c_str(), -1, nullptr, 0);
    if (length <= 0) throw StepFailure("expected UTF-8 text, found " + Quoted(args[i]));
    wide[i].resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_UTF8, 0, args[i].c_str(), -1, wide[i].data(), length);
  }
  if (!SetEnvironmentVariableW(wide[0].c_str(), wide[1].c_str()))
    throw StepFailure("expected to set " + args[0] + ", SetEnvironmentVariable failed with error " +
                      std::to_string(GetLastError()));
}

void RunExpectExit(Session& session, const Args& args) {
  const TrackedProcess& process = session.Process(args[0]);
  const bool anyCode = args[1] == "any";
  DWORD expected = anyCode ? 0 : static_cast<DWORD>(IntegerArg(args[1], -0x80000000LL, 0xFFFFFFFFLL));
  DWORD timeout = TimeoutArg(args, 2);
  if (WaitForSingleObject(process.handle.Get(), timeout) != WAIT_OBJECT_0)
    throw StepFailure("expected " + args[0] + " to exit with code " + args[1] + " within " +
                      std::to_string(timeout) + " ms, it is still running");
  if (anyCode) return;
  DWORD code = 0;
  GetExitCodeProcess(process.handle.Get(), &code);
  if (code != expected)
    throw StepFailure("expected " + args[0] + " to exit with code " + ExitCodeText(expected) +
                      ", it exited with code " + ExitCodeText(code));
}

void RunExpectNoWindow(Session& session, const Args& args) {
  const TrackedProcess& process = session.Process(args[0]);
  DWORD timeout = TimeoutArg(args, 1);
  const ULONGLONG deadline = GetTickCount64() + timeout;
  for (;;) {
    std::vector<HWND> shown = probe::TopLevelWindows(process.pid, true);
    if (!shown.empty())
      throw StepFailure("expected " + args[0] + " to show no window, found " +
                        probe::Describe(shown.front(), nullptr));
    if (WaitForSingleObject(process.handle.Get(), 10) == WAIT_OBJECT_0) return;
    if (GetTickCount64() >= deadline)
      throw StepFailure("expected " + args[0] + " to exit within " + std::to_string(timeout) +
                        " ms, it is still running");
  }
}

void RunPrintElapsed(Session& session, const Args& args) {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  const TrackedProcess& process = session.Process(args[0]);
  const long long microseconds = (now.QuadPart - process.started) * 1000000 / frequency.QuadPart;
  std::printf("elapsed %s %lld us\n", args[0].c_str(), microseconds);
}

void RunSleep(Session&, const Args& args) { Sleep(static_cast<DWORD>(IntegerArg(args[0], 0, 24LL * 3600 * 1000))); }

void RunSkipUnless(Session&, const Args& args) {
  if (args[0].empty()) throw StepSkipped(args.size() > 1 ? args[1] : "a required value is empty");
}
