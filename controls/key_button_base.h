// What the key-shaped buttons share: they paint themselves (whatever button style they are created
// with), know when the mouse is over them, and report a completed left click to themselves.
#pragma once

#include <afxwin.h>

#include "controls/hover_tracker.h"

namespace Talvo {

class KeyButtonBase : public CButton {
  DECLARE_DYNAMIC(KeyButtonBase)
 public:
  enum class Look { Normal, Hover, Pushed, Disabled };

  // The state the button shows now.
  Look CurrentLook() const;

 protected:
  KeyButtonBase() = default;

  // Draws the whole button into a buffered context.
  virtual void Paint(CDC& dc, const CRect& rect) = 0;
  // A left press and release inside the enabled button.
  virtual void OnClicked() {}

  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnMouseLeave();
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnEnable(BOOL bEnable);
  DECLARE_MESSAGE_MAP()

 private:
  HoverTracker hover_;
};

}  // namespace Talvo
