// The slider that a spin editor's popup button opens below the editor: pressing and dragging on its track
// sets the value anywhere in the range; releasing the button, or clicking outside, closes it.
#pragma once

#include <afxwin.h>

namespace Talvo {

class CellSpinEdit;

class CellSpinPopup final : public CWnd {
  DECLARE_DYNAMIC(CellSpinPopup)
 public:
  // Posted to the spin editor when the popup is done: wParam 1 when the value stays, 0 to restore it.
  static constexpr UINT kClosedMessage = WM_USER + 0x101;

  explicit CellSpinPopup(CellSpinEdit& owner) : owner_(owner) {}
  // Opens below the editor's window rectangle (above it when the screen ends first) and takes the mouse.
  bool Open();
  // The track in client coordinates.
  CRect TrackRect() const;
  // The value that a point on the track stands for.
  double ValueAt(int x) const;

 protected:
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnCaptureChanged(CWnd* pWnd);
  DECLARE_MESSAGE_MAP()

 private:
  void Close(bool keep);

  CellSpinEdit& owner_;
  bool dragging_ = false;
  bool closing_ = false;
};

}  // namespace Talvo
