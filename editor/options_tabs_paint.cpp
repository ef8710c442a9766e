// The options dialog's tab control drawn in the host theme: the dialog's panel colour behind the tabs, the
// selected tab open into its page's frame, the labels in the control text colour.
#include "controls/visual_manager.h"
#include "editor/options_tabs.h"

namespace Talvo {

BOOL OptionsTabs::OnEraseBkgnd(CDC*) { return TRUE; }

void OptionsTabs::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  const COLORREF panel = HostColor(kBackground);
  const COLORREF frame = HostColor(kAppWorkspace);
  dc.FillSolidRect(&client, panel);
  CRect display = client;
  AdjustRect(FALSE, &display);
  display.InflateRect(2, 2);
  dc.Draw3dRect(&display, frame, frame);

  const int saved = dc.SaveDC();
  ::SelectObject(dc.m_hDC, HostFont());
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(HostColor(kControlText));
  for (int i = 0; i < GetItemCount(); ++i) {
    CRect tab;
    if (!GetItemRect(i, &tab)) continue;
    const bool selected = i == GetCurSel();
    if (selected) tab.bottom = display.top + 1;  // open into the page
    dc.FillSolidRect(&tab, selected ? panel : BlendColors(HostColor(kWindow), panel, 90));
    dc.Draw3dRect(tab.left, tab.top, tab.Width(), tab.Height() - (selected ? 1 : 0), frame, frame);
    wchar_t text[128] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    GetItem(i, &item);
    dc.DrawText(text, -1, &tab, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  }
  dc.RestoreDC(saved);
}

}  // namespace Talvo
