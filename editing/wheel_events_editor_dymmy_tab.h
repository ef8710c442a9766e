// WheelEventsEditorDymmyTab: the empty page behind the wheel-events strip's "+"
// tab. It has no controls and no handlers; it only paints the host background
// so that it matches the theme.
#pragma once

#include <afxwin.h>

namespace Talvo {

class WheelEventsEditorDymmyTab : public CDialogEx {
  DECLARE_DYNAMIC(WheelEventsEditorDymmyTab)
public:
  WheelEventsEditorDymmyTab() = default;

  // Creates the page (template 139) as a child of the parent, in the host
  // background colour.
  BOOL CreatePage(CWnd *parent);
  // Takes the host background colour again (after a theme change).
  void FollowHostColors();
};

} // namespace Talvo
