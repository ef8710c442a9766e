#include "controls/check_box.h"

#include <algorithm>
#include <string>

#include "controls/buffered_dc.h"
#include "controls/visual_manager.h"

namespace Talvo {

namespace {

constexpr int kTextGap = 4;

// The check: two strokes from the left middle down to the bottom third and up to the top right.
void DrawCheckMark(CDC& dc, const CRect& box, COLORREF colour) {
  CPen pen(PS_SOLID, 2, colour);
  CPen* old = dc.SelectObject(&pen);
  dc.MoveTo(box.left + 3, box.top + box.Height() / 2);
  dc.LineTo(box.left + box.Width() / 2 - 1, box.bottom - 4);
  dc.LineTo(box.right - 3, box.top + 3);
  dc.SelectObject(old);
}

}  // namespace

IMPLEMENT_DYNAMIC(CheckBox, CButton)

BEGIN_MESSAGE_MAP(CheckBox, CButton)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CheckBox::OnEraseBkgnd(CDC*) { return TRUE; }

void CheckBox::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  if (dc.m_hDC == nullptr) return;
  const bool enabled = IsWindowEnabled() != FALSE;
  const COLORREF ink = enabled ? HostColor(kControlText) : HostDisabledTextColor();
  dc.FillSolidRect(&client, HostColor(kBackground));

  const int side = std::min<int>(kBoxSize, std::min(client.Width(), client.Height()));
  const int top = client.top + (client.Height() - side) / 2;
  const CRect box(client.left, top, client.left + side, top + side);
  dc.FillSolidRect(&box, enabled ? HostColor(kWindow) : HostColor(kBackground));
  const COLORREF frame = ::GetFocus() == m_hWnd ? HostColor(kAccent) : HostColor(kAppWorkspace);
  dc.Draw3dRect(&box, frame, frame);
  if (GetCheck() == BST_CHECKED) DrawCheckMark(dc, box, ink);

  const std::wstring caption = GetWindowText();
  if (caption.empty()) return;
  const CFont* font = GetFont();
  HGDIOBJ oldFont = ::SelectObject(dc.GetSafeHdc(), font != nullptr ? static_cast<HFONT>(*font) : HostFont());
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(ink);
  CRect text(box.right + kTextGap, client.top, client.right, client.bottom);
  dc.DrawText(caption, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  ::SelectObject(dc.GetSafeHdc(), oldFont);
}

}  // namespace Talvo
