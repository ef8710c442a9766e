#include "pagebase/plus_page.h"

#include <host/colors.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(PlusPage, CDialogEx)

BOOL PlusPage::CreatePlusPage(UINT templateId, CWnd* parent) {
  if (FindDialogTemplate(templateId) == nullptr) RegisterDialogTemplate(templateId, ChildPageFrame(316, 183, 0));
  if (!Create(templateId, parent)) return FALSE;
  FollowHostColors();
  return TRUE;
}

void PlusPage::FollowHostColors() { SetBackgroundColor(ColorMan()->GetColor(kBackground), m_hWnd != nullptr); }

}  // namespace Talvo
