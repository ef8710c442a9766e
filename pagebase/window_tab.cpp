#include "pagebase/window_tab.h"

#include <host/colors.h>
#include <host/icons.h>

namespace Talvo {

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
  look_.Read();
  CreateHostUIFont(font_, kFontHeight);
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
  HBRUSH brush = look_.CtlColor(pDC, nCtlColor);
  return brush != nullptr ? brush : CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL WindowTab::OnEraseBkgnd(CDC* pDC) {
  look_.Erase(*this, pDC);
  return TRUE;
}

}  // namespace Talvo
