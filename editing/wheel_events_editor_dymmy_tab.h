// WheelEventsEditorDymmyTab: the empty page behind the wheel-events strip's "+" tab.
#pragma once

#include "pagebase/plus_page.h"

namespace Talvo {

class WheelEventsEditorDymmyTab : public PlusPage {
  DECLARE_DYNAMIC(WheelEventsEditorDymmyTab)
 public:
  static constexpr UINT kTemplateId = 139;

  // Creates the page (template 139) as a child of the parent, in the host background colour.
  BOOL CreatePage(CWnd* parent) { return CreatePlusPage(kTemplateId, parent); }
};

}  // namespace Talvo
