// FunctionEditorDymmyTab: the empty page behind the function editor strip's "+" tab. (The class name keeps
// the spelling the rest of the program uses for these "+" pages.)
#pragma once

#include "pagebase/plus_page.h"

namespace Talvo {

class FunctionEditorDymmyTab : public PlusPage {
  DECLARE_DYNAMIC(FunctionEditorDymmyTab)
 public:
  static constexpr UINT kTemplateId = 114;

  // Creates the page (template 114) as a child of the parent, in the host background colour.
  BOOL CreatePage(CWnd* parent) { return CreatePlusPage(kTemplateId, parent); }
};

}  // namespace Talvo
