#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pixels.h"
#include "unique_handle.h"

struct TrackedProcess {
  std::string name;
  UniqueHandle handle;
  DWORD pid = 0;
  // QueryPerformanceCounter just before CreateProcess, for print-elapsed.
  LONGLONG started = 0;
};

// What a running script has bound to names. Ending the session terminates every process it started
// that still runs, so no test leaves a program behind.
class Session {
 public:
  Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session() { TerminateRunning(); }

  // A name bound again keeps the earlier process tracked, so it is still terminated at the end.
  void AddProcess(const std::string& name, UniqueHandle handle, DWORD pid, LONGLONG started);
  const TrackedProcess& Process(const std::string& name) const;

  void BindWindow(const std::string& name, HWND window);
  // The window bound to `name`, which may have been destroyed since.
  HWND Window(const std::string& name) const;
  // Like Window(), but the step fails when the window no longer exists.
  HWND LiveWindow(const std::string& name) const;
  // `none` is no window; anything else must be a bound name.
  HWND WindowOrNone(const std::string& name) const;
  // A bound name for `window` if it has one, else its handle and caption.
  std::string WindowLabel(HWND window) const;

  void TerminateRunning();

  // Files the driver keeps open for a script, by FoldedName of their full path; `holder` names the hold
  // in messages. They are closed on release or when the session ends.
  void HoldFile(const std::string& path_key, const std::string& holder, UniqueHandle handle);
  std::optional<std::string> Holder(const std::string& path_key) const;
  bool ReleaseFile(const std::string& path_key);

  // Captured pixels kept under a name for later comparison; a name taken again is replaced.
  void KeepShot(const std::string& name, Pixels shot);
  const Pixels& Shot(const std::string& name) const;

 private:
  struct HeldFile {
    std::string holder;
    UniqueHandle handle;
  };

  std::vector<TrackedProcess> processes_;
  std::map<std::string, HWND> windows_;
  std::map<std::string, HeldFile> held_files_;
  std::map<std::string, Pixels> shots_;
};
