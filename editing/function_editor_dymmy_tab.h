// FunctionEditorDymmyTab: the empty page behind the function editor strip's "+" tab. It has no controls and
// no handlers; it only paints the host background. (The class name keeps the spelling the rest of the
// program uses for these "+" pages.)
#pragma once

#include <afxwin.h>

namespace Talvo {

class FunctionEditorDymmyTab : public CDialogEx {
  DECLARE_DYNAMIC(FunctionEditorDymmyTab)
 public:
  static constexpr int kTemplateId = 114;

  FunctionEditorDymmyTab() = default;

  // Creates the page (template 114) as a child of the parent, in the host background colour.
  BOOL CreatePage(CWnd* parent);
  // Takes the host background colour again (after a theme change).
  void FollowHostColors();
};

}  // namespace Talvo
