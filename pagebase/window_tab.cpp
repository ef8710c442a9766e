#include "pagebase/window_tab.h"

#include <host/colors.h>
#include <host/core_interface.h>
#include <host/icons.h>

namespace Talvo {

namespace {
constexpr BYTE kClearTypeQuality = 5;
}  // namespace

IMPLEMENT_DYNAMIC(WindowTab, CDialogEx)

BEGIN_MESSAGE_MAP(WindowTab, CDialogEx)
  ON_WM_CTLCOLOR()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

WindowTab::WindowTab(UINT templateId, CWnd* parent) : CDialogEx(templateId, parent) {}

WindowTab::~WindowTab() {
  DropImageList();
  if (registered_) UnRegisterNotification(&WindowTab::OnColorChange, this, NOTIFY_COLOR_CHANGE);
}

BOOL WindowTab::OnInitDialog() {
  CDialogEx::OnInitDialog();
  ReadHostLook();
  if (images_ == nullptr) {
    CreateImageList();
    if (!registered_) registered_ = RegisterNotification(&WindowTab::OnColorChange, this, NOTIFY_COLOR_CHANGE) != 0;
  }
  return TRUE;
}

void WindowTab::ReadHostLook() {
  IColorManager* colors = ColorMan();
  backgroundColor_ = colors->GetColor(kBackground);
  textColor_ = colors->GetColor(kControlText);
  penColor_ = colors->GetColor(kAppWorkspace);
  brush_.DeleteObject();
  brush_.CreateSolidBrush(backgroundColor_);
  pen_.DeleteObject();
  pen_.CreatePen(PS_SOLID, 1, penColor_);

  LOGFONTW logFont = GetCOREInterface()->GetUILogFont();
  logFont.lfHeight = kFontHeight;
  logFont.lfQuality = kClearTypeQuality;
  font_.DeleteObject();
  font_.CreateFontIndirect(&logFont);
}

void WindowTab::CreateImageList() {
  images_ = ImageList_Create(kIconSize, kIconSize, ILC_COLOR24 | ILC_MASK, GetIconCount(), 1);
  if (images_ != nullptr) LoadMAXFileIcon(GetIconFileName().c_str(), images_, kBackground, FALSE);
}

void WindowTab::DropImageList() {
  if (images_ == nullptr) return;
  ImageList_RemoveAll(images_);
  ImageList_Destroy(images_);
  images_ = nullptr;
}

// The host switched between its light and dark theme: the colours and the icons follow.
void WindowTab::OnColorChange(void* param, NotifyInfo* /*info*/) {
  auto* page = static_cast<WindowTab*>(param);
  page->DropImageList();
  page->CreateImageList();
  page->ReadHostLook();
  if (page->m_hWnd != nullptr) page->Invalidate();
}

HBRUSH WindowTab::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  if (nCtlColor == CTLCOLOR_DLG) return static_cast<HBRUSH>(brush_.GetSafeHandle());
  if (nCtlColor != CTLCOLOR_STATIC) return CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(textColor_);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL WindowTab::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, backgroundColor_);
  return TRUE;
}

}  // namespace Talvo
