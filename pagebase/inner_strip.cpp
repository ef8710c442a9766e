#include "pagebase/inner_strip.h"

#include <cstdlib>

namespace Talvo {

namespace {
constexpr int kStripLeft = 10;
constexpr int kStripRightGap = 19;
}  // namespace

bool CreateInnerStrip(CMFCTabCtrl& strip, CWnd* owner, const RECT& rect, UINT id) {
  if (!strip.CMFCTabCtrl::Create(CMFCTabCtrl::STYLE_3D_ONENOTE, rect, owner, id, CMFCTabCtrl::LOCATION_TOP, FALSE)) {
    return false;
  }
  strip.EnableActiveTabCloseButton(FALSE);
  strip.EnableTabDocumentsMenu(TRUE);
  strip.EnableAutoColor(FALSE);
  return true;
}

void PlaceInnerStrip(CMFCTabCtrl& strip, CWnd* owner, int top, int bottomGap) {
  if (owner == nullptr || owner->GetSafeHwnd() == nullptr || strip.m_hWnd == nullptr) return;
  CRect client;
  owner->GetClientRect(&client);
  strip.SetWindowPos(nullptr, kStripLeft, top, std::abs(client.Width()) - kStripRightGap,
                     std::abs(client.Height()) - bottomGap, SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace Talvo
