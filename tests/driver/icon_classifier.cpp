#include "icon_classifier.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "pixels.h"
#include "window_probe.h"

namespace {

struct Candidate {
  BoxIcon icon;
  const char* name;
  LPCSTR resource;
};

const std::array<Candidate, 4> kCandidates{{
    {BoxIcon::Hand, "hand", IDI_HAND},
    {BoxIcon::Exclamation, "exclamation", IDI_EXCLAMATION},
    {BoxIcon::Question, "question", IDI_QUESTION},
    {BoxIcon::Asterisk, "asterisk", IDI_ASTERISK},
}};

// Tolerates the odd pixel an alpha blend rounds differently, never a different picture.
constexpr double kRequiredMatch = 0.98;
constexpr int kChannelTolerance = 8;

bool CloseEnough(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    int da = static_cast<int>((a >> shift) & 0xFF);
    int db = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(da - db) > kChannelTolerance) return false;
  }
  return true;
}

double MatchRatio(const Pixels& shown, const Pixels& drawn) {
  size_t same = 0;
  for (size_t i = 0; i < shown.rgb.size(); ++i) {
    if (CloseEnough(shown.rgb[i], drawn.rgb[i])) ++same;
  }
  return shown.rgb.empty() ? 0.0 : static_cast<double>(same) / static_cast<double>(shown.rgb.size());
}

}  // namespace

std::optional<BoxIcon> ParseBoxIcon(const std::string& name) {
  if (name == "none") return BoxIcon::None;
  for (const Candidate& c : kCandidates) {
    if (name == c.name) return c.icon;
  }
  return std::nullopt;
}

const char* BoxIconName(BoxIcon icon) {
  for (const Candidate& c : kCandidates) {
    if (c.icon == icon) return c.name;
  }
  return "none";
}

IconReading ReadBoxIcon(HWND box) {
  HWND control = probe::FindIconControl(box);
  if (!control || !IsWindowVisible(control)) return {BoxIcon::None, {}};
  std::optional<LRESULT> handle = probe::Query(control, STM_GETICON);
  if (!handle) return {std::nullopt, "icon control does not answer"};
  if (*handle == 0) return {BoxIcon::None, {}};

  RECT area{};
  GetWindowRect(control, &area);
  std::optional<Pixels> shown = CaptureScreen(area);
  if (!shown) return {std::nullopt, "cannot capture the icon from the screen"};
  // The static control fills its rectangle with the dialog background before drawing the icon,
  // and a system icon's corner is transparent, so the corner is that background.
  COLORREF background = RGB((shown->At(0, 0) >> 16) & 0xFF, (shown->At(0, 0) >> 8) & 0xFF, shown->At(0, 0) & 0xFF);

  const Candidate* best = nullptr;
  double best_ratio = -1;
  for (const Candidate& c : kCandidates) {
    std::optional<Pixels> drawn = RenderIcon(LoadIconA(nullptr, c.resource), shown->width, shown->height, background);
    if (!drawn) continue;
    double ratio = MatchRatio(*shown, *drawn);
    if (ratio > best_ratio) {
      best_ratio = ratio;
      best = &c;
    }
  }
  if (best && best_ratio >= kRequiredMatch) return {best->icon, {}};
  char detail[96];
  std::snprintf(detail, sizeof detail, "an unrecognised icon (closest: %s, %.0f%% of pixels)",
                best ? best->name : "none", best_ratio * 100);
  return {std::nullopt, detail};
}
