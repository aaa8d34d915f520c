// Comparing what a window paints: a capture of its client area kept under a
// name, and later captures checked against it, so a script can tell which part
// of a window a step changed and that another step gave back the same pixels.
#include <vector>

#include "command_handlers.h"
#include "pixels.h"
#include "script_errors.h"
#include "step_args.h"

namespace {

std::optional<Pixels> CaptureClient(HWND window) {
  RECT area;
  if (!GetClientRect(window, &area)) return std::nullopt;
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return CaptureScreen(area);
}

// The rectangles of the visible children, in client coordinates: controls paint
// themselves, whatever the window paints beneath them.
std::vector<RECT> VisibleChildren(HWND window) {
  std::vector<RECT> covered;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    if (!IsWindowVisible(child) || !GetWindowRect(child, &r)) continue;
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    covered.push_back(r);
  }
  return covered;
}

struct Difference {
  int inside = 0;
  int outside = 0;
  POINT firstOutside{};
};

// Pixels that differ, counted inside and outside `inside`, leaving out `skipped`.
Difference Compare(const Pixels& before, const Pixels& now, const RECT& inside, const std::vector<RECT>& skipped) {
  Difference found;
  for (int y = 0; y < now.height; ++y) {
    for (int x = 0; x < now.width; ++x) {
      if (before.At(x, y) == now.At(x, y)) continue;
      const POINT p{x, y};
      bool isSkipped = false;
      for (const RECT& r : skipped) isSkipped = isSkipped || PtInRect(&r, p);
      if (isSkipped) continue;
      if (PtInRect(&inside, p)) {
        ++found.inside;
      } else if (found.outside++ == 0) {
        found.firstOutside = p;
      }
    }
  }
  return found;
}

std::string SizeText(const Pixels& image) { return std::to_string(image.width) + "x" + std::to_string(image.height); }

std::string OutsideText(const Difference& d) {
  return std::to_string(d.outside) + " pixels changed, the first at (" + std::to_string(d.firstOutside.x) + ", " +
         std::to_string(d.firstOutside.y) + ")";
}

}  // namespace

void RunCapture(Session& session, const Args& args) {
  std::optional<Pixels> shot = CaptureClient(session.LiveWindow(args[1]));
  if (!shot) throw StepFailure("expected to capture window " + args[1] + ", BitBlt failed");
  session.KeepShot(args[0], std::move(*shot));
}

void RunExpectSamePixels(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  const Pixels& before = session.Shot(args[1]);
  ExpectEventually(TimeoutArg(args, 2), "the pixels of " + args[0] + " to be those of " + args[1],
                   "no pixel changed", [&]() -> std::string {
                     std::optional<Pixels> now = CaptureClient(window);
                     if (!now) return "no capture";
                     if (now->width != before.width || now->height != before.height) return SizeText(*now);
                     const Difference d = Compare(before, *now, RECT{}, {});
                     return d.outside == 0 ? "no pixel changed" : OutsideText(d);
                   });
}

void RunExpectChangeWithin(Session& session, const Args& args) {
  HWND window = session.LiveWindow(args[0]);
  const Pixels& before = session.Shot(args[1]);
  const int x = static_cast<int>(IntegerArg(args[2], -4096, 4096));
  const int y = static_cast<int>(IntegerArg(args[3], -4096, 4096));
  const RECT inside{x, y, x + static_cast<int>(IntegerArg(args[4], 1, 4096)),
                    y + static_cast<int>(IntegerArg(args[5], 1, 4096))};
  const std::string where = args[2] + " " + args[3] + " " + args[4] + " " + args[5];
  ExpectEventually(TimeoutArg(args, 6), "the pixels of " + args[0] + " beside its controls to differ from " +
                                            args[1] + " inside " + where + " only",
                   "a change inside only", [&]() -> std::string {
                     std::optional<Pixels> now = CaptureClient(window);
                     if (!now) return "no capture";
                     if (now->width != before.width || now->height != before.height) return SizeText(*now);
                     const Difference d = Compare(before, *now, inside, VisibleChildren(window));
                     if (d.outside != 0) return OutsideText(d) + " outside";
                     return d.inside == 0 ? "no change inside" : "a change inside only";
                   });
}
