#include "user_story_gestures.h"

#include <host/colors.h>
#include <host/core_interface.h>
#include <host/simulation.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <cstdio>

#include "controls/cell_drop_down.h"

namespace Talvo {

bool ClickWindow(HWND window, bool right) {
  if (window == nullptr || !::IsWindowVisible(window)) return false;
  RECT rect{};
  ::GetWindowRect(window, &rect);
  winsim::Click((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2,
                right ? winsim::MouseButton::Right : winsim::MouseButton::Left);
  winsim::PumpMessages();
  return true;
}

bool ClickClientPoint(HWND window, POINT point) {
  if (window == nullptr || !::IsWindowVisible(window)) return false;
  ::ClientToScreen(window, &point);
  winsim::Click(point.x, point.y);
  winsim::PumpMessages();
  return true;
}

bool ChooseFromMenu(HWND opener, UINT command, bool right) {
  winsim::AnswerPopupMenu(command);
  const bool clicked = ClickWindow(opener, right);
  if (!clicked) winsim::ResetModalResponder();
  return clicked;
}

bool PickInDropDown(CellDropDown* dropDown, const std::wstring& text) {
  if (dropDown == nullptr || dropDown->GetSafeHwnd() == nullptr) return false;
  const int index = dropDown->FindStringExact(-1, text.c_str());
  if (index < 0) return false;
  // A choice in the open list selects the entry and tells the combo box's parent, which reflects it.
  dropDown->SetCurSel(index);
  ::SendMessageW(::GetParent(dropDown->m_hWnd), WM_COMMAND, MAKEWPARAM(dropDown->GetDlgCtrlID(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(dropDown->m_hWnd));
  winsim::PumpMessages();
  return true;
}

bool SaveStoryPictures(HWND window, const RECT* screenArea, const std::filesystem::path& folder, int number,
                       const std::string& step, const std::vector<std::string>& themes) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "story-%02d-", number);
  bool saved = true;
  for (const std::string& theme : themes) {
    hostsim::SetTheme(theme == "dark" ? kDarkTheme : kLightTheme);
    ::RedrawWindow(GetCOREInterface()->GetMAXHWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    winsim::PumpMessages();
    const std::filesystem::path file = folder / (prefix + step + "-" + theme + ".png");
    const bool written = screenArea != nullptr ? winsim::SaveScreenRectPng(*screenArea, file.string())
                                               : winsim::SaveWindowPng(window, file.string());
    if (!written) {
      std::fprintf(stderr, "quillon-host: cannot write the picture %s\n", file.string().c_str());
      saved = false;
      break;
    }
  }
  hostsim::SetTheme(kLightTheme);
  winsim::PumpMessages();
  return saved;
}

}  // namespace Talvo
