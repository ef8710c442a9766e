// CheckBox: a check box that paints itself in the host's colours (box in the window colour, frame in the line
// colour, check and caption in the text colour), so that it follows the host's light and dark themes like the
// program's other controls. Clicks and the check state stay the button's own.
#pragma once

#include <afxwin.h>

namespace Talvo {

class CheckBox : public CButton {
  DECLARE_DYNAMIC(CheckBox)
 public:
  // The side of the box in pixels.
  static constexpr int kBoxSize = 13;

 protected:
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()
};

}  // namespace Talvo
