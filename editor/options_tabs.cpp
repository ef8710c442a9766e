#include "editor/options_tabs.h"

#include "editor/options_editor_tab.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(OptionsTabs, CTabCtrl)

BEGIN_MESSAGE_MAP(OptionsTabs, CTabCtrl)
  ON_WM_LBUTTONDOWN()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

OptionsTabs::OptionsTabs() { AddPage(std::make_unique<OptionsEditorTab>()); }

OptionsTabs::~OptionsTabs() = default;

int OptionsTabs::AddPage(std::unique_ptr<OptionsTab> page) {
  pages_.push_back(std::move(page));
  return GetPageCount() - 1;
}

OptionsTab* OptionsTabs::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[static_cast<size_t>(index)].get() : nullptr;
}

OptionsEditorTab* OptionsTabs::GetEditorTab() const { return dynamic_cast<OptionsEditorTab*>(GetPage(0)); }

void OptionsTabs::PlacePage(int index) {
  OptionsTab* page = GetPage(index);
  if (page == nullptr || page->GetSafeHwnd() == nullptr || m_hWnd == nullptr) return;
  CRect item;
  CRect client;
  if (!GetItemRect(0, &item)) return;
  GetClientRect(&client);
  page->SetWindowPos(&CWnd::wndTop, item.left + 3, item.bottom + 4, client.right - item.left - 4,
                     client.bottom - item.bottom - 8, SWP_SHOWWINDOW);
}

void OptionsTabs::OnLButtonDown(UINT nFlags, CPoint point) {
  CTabCtrl::OnLButtonDown(nFlags, point);
  const int selected = GetCurSel();
  OptionsTab* next = GetPage(selected);
  if (selected == shown_ || next == nullptr || next->GetSafeHwnd() == nullptr) return;
  if (OptionsTab* current = GetPage(shown_); current != nullptr && current->GetSafeHwnd() != nullptr) {
    current->ShowWindow(SW_HIDE);
    current->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
  }
  shown_ = selected;
  next->ShowWindow(SW_SHOW);
  next->SetFocus();
  next->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
}

}  // namespace Talvo
