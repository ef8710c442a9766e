// PlusPage: the empty page behind a strip's "+" tab. It has no controls and no handlers; it only paints the
// host background so that it matches the theme.
#pragma once

#include <afxdialogex.h>

namespace Talvo {

class PlusPage : public CDialogEx {
  DECLARE_DYNAMIC(PlusPage)
 public:
  // Creates the page as a child of `parent` from an empty child template `templateId` (registered first when
  // missing), in the host background colour.
  BOOL CreatePlusPage(UINT templateId, CWnd* parent);
  // Takes the host background colour again (after a theme change).
  void FollowHostColors();
};

}  // namespace Talvo
