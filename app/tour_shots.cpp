#include "tour_shots.h"

#include <host/colors.h>
#include <host/core_interface.h>
#include <host/simulation.h>
#include <win32/simulation.h>

#include <algorithm>
#include <cstdio>

namespace tour {

void UseTheme(const std::string& theme) {
  hostsim::SetTheme(theme == "dark" ? kDarkTheme : kLightTheme);
  ::RedrawWindow(GetCOREInterface()->GetMAXHWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  winsim::PumpMessages();
}

bool Report(bool written, const std::filesystem::path& file) {
  if (!written) {
    std::fprintf(stderr, "quillon-host: cannot write the screenshot %s\n", file.string().c_str());
    return false;
  }
  std::printf("Screenshot: %s\n", file.string().c_str());
  return true;
}

bool SaveWindow(HWND window, const std::filesystem::path& file) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  winsim::PumpMessages();
  return Report(window != nullptr && winsim::SaveWindowPng(window, file.string()), file);
}

RECT AreaAround(const std::vector<HWND>& windows, int margin) {
  RECT area{};
  bool first = true;
  for (HWND window : windows) {
    if (window == nullptr) continue;
    RECT rect{};
    ::GetWindowRect(window, &rect);
    if (first) {
      area = rect;
      first = false;
    } else {
      area = {std::min(area.left, rect.left), std::min(area.top, rect.top), std::max(area.right, rect.right),
              std::max(area.bottom, rect.bottom)};
    }
  }
  const SIZE screen = winsim::ScreenSize();
  return {std::max<LONG>(0, area.left - margin), std::max<LONG>(0, area.top - margin),
          std::min<LONG>(screen.cx, area.right + margin), std::min<LONG>(screen.cy, area.bottom + margin)};
}

bool SaveArea(const RECT& area, const std::filesystem::path& file) {
  return Report(area.right > area.left && winsim::SaveScreenRectPng(area, file.string()), file);
}

void MouseAway() {
  const SIZE screen = winsim::ScreenSize();
  winsim::MouseMove(screen.cx - 1, screen.cy - 1);
}

}  // namespace tour
