#include "overlay/overlay_tour.h"

#include <host/simulation.h>
#include <max.h>
#include <win32/simulation.h>

#include <cstdio>

#include "engine/messages.h"
#include "engine/visual_interface_link.h"

namespace Talvo {

bool ShowOverlayForTour(UINT key, unsigned char modifiers, const std::filesystem::path& folder,
                        const std::vector<std::string>& themes) {
  PostThreadMessageW(GetCurrentThreadId(), ShowVisualInterfaceMessage, (static_cast<WPARAM>(key) << 16) + 1,
                     modifiers);
  winsim::PumpMessages();
  if (!viFormDlg) {
    std::fprintf(stderr, "quillon-host: the overlay did not appear\n");
    return false;
  }
  bool saved = true;
  for (const std::string& theme : themes) {
    hostsim::SetTheme(theme == "dark" ? kDarkTheme : kLightTheme);
    HWND form = viFormDlg->GetFormWindow();
    // The host repaints under the overlay, the overlay's boxes in the new colours.
    RedrawWindow(GetCOREInterface()->GetMAXHWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    winsim::PumpMessages();
    RECT area{};
    GetWindowRect(form, &area);
    const std::filesystem::path file = folder / ("overlay-" + theme + ".png");
    if (!winsim::SaveScreenRectPng(area, file.string())) {
      std::fprintf(stderr, "quillon-host: cannot write the screenshot %s\n", file.string().c_str());
      saved = false;
      break;
    }
    std::printf("Screenshot: %s\n", file.string().c_str());
  }
  DestroyVisualInterface();
  winsim::PumpMessages();
  return saved;
}

}  // namespace Talvo
