#include "session.h"

#include <cstdio>

#include "script_errors.h"
#include "text_format.h"
#include "window_probe.h"

void Session::AddProcess(const std::string& name, UniqueHandle handle, DWORD pid, LONGLONG started) {
  processes_.push_back(TrackedProcess{name, std::move(handle), pid, started});
}

const TrackedProcess& Session::Process(const std::string& name) const {
  for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) {
    if (it->name == name) return *it;
  }
  throw ScriptError("no process is bound to the name " + name);
}

void Session::BindWindow(const std::string& name, HWND window) {
  if (name == "none") throw ScriptError("none cannot name a window");
  windows_[name] = window;
}

HWND Session::Window(const std::string& name) const {
  auto it = windows_.find(name);
  if (it == windows_.end()) throw ScriptError("no window is bound to the name " + name);
  return it->second;
}

HWND Session::LiveWindow(const std::string& name) const {
  HWND found = Window(name);
  if (!IsWindow(found)) throw StepFailure("expected window " + name + " to exist, it has been destroyed");
  return found;
}

HWND Session::WindowOrNone(const std::string& name) const { return name == "none" ? nullptr : Window(name); }

std::string Session::WindowLabel(HWND window) const {
  if (!window) return "none";
  for (const auto& [name, bound] : windows_) {
    if (bound == window) return name;
  }
  return "window " + probe::HandleText(window) + " " + Quoted(probe::Caption(window));
}

void Session::TerminateRunning() {
  for (TrackedProcess& p : processes_) {
    if (!p.handle.Get() || WaitForSingleObject(p.handle.Get(), 0) != WAIT_TIMEOUT) continue;
    std::printf("terminating %s (pid %lu), still running\n", p.name.c_str(), p.pid);
    std::fflush(stdout);
    TerminateProcess(p.handle.Get(), 1);
    WaitForSingleObject(p.handle.Get(), 5000);
  }
}

void Session::HoldFile(const std::string& path_key, const std::string& holder, UniqueHandle handle) {
  held_files_[path_key] = HeldFile{holder, std::move(handle)};
}

std::optional<std::string> Session::Holder(const std::string& path_key) const {
  auto it = held_files_.find(path_key);
  if (it == held_files_.end()) return std::nullopt;
  return it->second.holder;
}

bool Session::ReleaseFile(const std::string& path_key) { return held_files_.erase(path_key) > 0; }

void Session::KeepShot(const std::string& name, Pixels shot) { shots_[name] = std::move(shot); }

const Pixels& Session::Shot(const std::string& name) const {
  auto it = shots_.find(name);
  if (it == shots_.end()) throw ScriptError("no capture is kept under the name " + name);
  return it->second;
}
