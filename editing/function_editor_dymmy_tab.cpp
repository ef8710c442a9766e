#include "editing/function_editor_dymmy_tab.h"

#include <host/colors.h>

namespace Talvo {

namespace {

DLGTEMPLATE PlusPageTemplate() {
  DLGTEMPLATE page;
  page.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
  page.cx = 316;
  page.cy = 183;
  page.pointsize = 8;
  page.typeface = L"MS Shell Dlg";
  return page;
}

}  // namespace

IMPLEMENT_DYNAMIC(FunctionEditorDymmyTab, CDialogEx)

BOOL FunctionEditorDymmyTab::CreatePage(CWnd* parent) {
  if (FindDialogTemplate(kTemplateId) == nullptr) RegisterDialogTemplate(kTemplateId, PlusPageTemplate());
  if (!Create(kTemplateId, parent)) return FALSE;
  FollowHostColors();
  return TRUE;
}

void FunctionEditorDymmyTab::FollowHostColors() {
  SetBackgroundColor(ColorMan()->GetColor(kBackground), m_hWnd != nullptr);
}

}  // namespace Talvo
