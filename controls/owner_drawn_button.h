// OwnerDrawnButton: what the program's self-painted buttons share. They paint the whole button into a
// buffered context, know when the mouse is over them, and show one of four looks from that, the
// button's press state and whether it is enabled.
#pragma once

#include <afxwin.h>

#include "controls/hover_tracker.h"

namespace Talvo {

class OwnerDrawnButton : public CButton {
  DECLARE_DYNAMIC(OwnerDrawnButton)
 public:
  enum class Look { Normal, Hover, Pushed, Disabled };

  // The look the button shows now (Normal before it has a window).
  Look CurrentLook() const;

 protected:
  OwnerDrawnButton() = default;

  // Paints every pixel of `rect` (the buffer it paints into may hold an earlier paint).
  virtual void Paint(CDC& dc, const CRect& rect) = 0;
  // Whether a left-button release at `point` completes a click: pressed, enabled and released inside.
  bool ReleaseCompletesClick(CPoint point) const;

  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnMouseLeave();
  void OnEnable(BOOL bEnable);
  DECLARE_MESSAGE_MAP()

 private:
  HoverTracker hover_;
};

}  // namespace Talvo
