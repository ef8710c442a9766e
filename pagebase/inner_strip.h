// The editor's inner tab strips (function editor, function viewer, wheel-events editor): the look they
// share and the place they take in their page.
#pragma once

#include <afxtabctrl.h>

namespace Talvo {

// Makes `strip` a child of `owner` over `rect`: one-note tabs above the pages, no close button on the active
// tab, the tab menu on, no automatic tab colours. False when the window cannot be made.
bool CreateInnerStrip(CMFCTabCtrl& strip, CWnd* owner, const RECT& rect, UINT id);
// Places `strip` in its owner's client area, `top` pixels down and `bottomGap` pixels shorter than the
// client, with the strips' fixed side margins; nothing while either window is missing.
void PlaceInnerStrip(CMFCTabCtrl& strip, CWnd* owner, int top, int bottomGap);

}  // namespace Talvo
