#include "controls/cell_spin_popup.h"

#include <host/colors.h>

#include <algorithm>
#include <cmath>

#include "controls/buffered_dc.h"
#include "controls/cell_spin_edit.h"

namespace Talvo {

namespace {

constexpr int kMinimumWidth = 160;
constexpr int kHeight = 26;
constexpr int kTrackInset = 8;

LPCWSTR PopupClass() { return AfxRegisterWndClass(CS_DROPSHADOW, LoadCursorW(nullptr, IDC_ARROW)); }

}  // namespace

IMPLEMENT_DYNAMIC(CellSpinPopup, CWnd)

BEGIN_MESSAGE_MAP(CellSpinPopup, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

bool CellSpinPopup::Open() {
  CRect editor;
  owner_.GetWindowRect(&editor);
  int width = std::max(kMinimumWidth, editor.Width());
  CRect place(editor.left, editor.bottom, editor.left + width, editor.bottom + kHeight);
  if (place.bottom > GetSystemMetrics(SM_CYSCREEN)) place.OffsetRect(0, -(kHeight + editor.Height()));
  if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, PopupClass(), L"", WS_POPUP | WS_BORDER, place, &owner_, 0)) {
    return false;
  }
  SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetCapture();
  return true;
}

CRect CellSpinPopup::TrackRect() const {
  CRect client;
  GetClientRect(&client);
  client.DeflateRect(kTrackInset, 0);
  return client;
}

double CellSpinPopup::ValueAt(int x) const {
  CRect track = TrackRect();
  double fraction = track.Width() > 0 ? std::clamp(double(x - track.left) / track.Width(), 0.0, 1.0) : 0.0;
  return owner_.Minimum() + fraction * (owner_.Maximum() - owner_.Minimum());
}

void CellSpinPopup::OnLButtonDown(UINT, CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (!client.PtInRect(point)) {  // the popup holds the mouse: a press elsewhere closes it
    Close(true);
    return;
  }
  dragging_ = true;
  owner_.SetUserValue(ValueAt(point.x));
  Invalidate(FALSE);
}

void CellSpinPopup::OnMouseMove(UINT, CPoint point) {
  if (!dragging_) return;
  owner_.SetUserValue(ValueAt(point.x));
  Invalidate(FALSE);
}

void CellSpinPopup::OnLButtonUp(UINT, CPoint) {
  if (dragging_) Close(true);
}

void CellSpinPopup::OnCaptureChanged(CWnd*) { Close(true); }

// The editor destroys the popup when it reads the posted message, never inside the popup's own handlers.
void CellSpinPopup::Close(bool keep) {
  if (closing_) return;
  closing_ = true;
  dragging_ = false;
  if (GetCapture() == this) ReleaseCapture();
  owner_.PostMessage(kClosedMessage, keep ? 1 : 0, 0);
}

BOOL CellSpinPopup::OnEraseBkgnd(CDC*) { return TRUE; }

void CellSpinPopup::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  IColorManager* colors = ColorMan();
  dc.FillSolidRect(&client, colors->GetColor(kBackground));
  CRect track = TrackRect();
  int middle = client.CenterPoint().y;
  dc.FillSolidRect(track.left, middle - 1, track.Width(), 3, colors->GetColor(kAppWorkspace));
  double span = owner_.Maximum() - owner_.Minimum();
  double fraction = span > 0 ? (owner_.Value() - owner_.Minimum()) / span : 0.0;
  int x = track.left + static_cast<int>(std::lround(fraction * track.Width()));
  dc.FillSolidRect(track.left, middle - 1, x - track.left, 3, colors->GetColor(kAccent));
  dc.FillSolidRect(x - 3, middle - 8, 7, 17, colors->GetColor(kAccent));
  CBrush frame;
  frame.CreateSolidBrush(colors->GetColor(kAppWorkspace));
  dc.FrameRect(&client, &frame);
}

}  // namespace Talvo
