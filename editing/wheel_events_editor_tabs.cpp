#include "editing/wheel_events_editor_tabs.h"

#include <host/colors.h>
#include <host/debug.h>

#include <exception>

#include "model/talvo.h"
#include "model/text.h"
#include "model/xml_wheel_events.h"
#include "pagebase/inner_strip.h"

namespace Talvo {

namespace {

constexpr int kPlusImage = 0;
constexpr const wchar_t* kPlusLabel = L"+";
constexpr int kStripTop = 134;
constexpr int kStripBottomGap = 143;

}  // namespace

IMPLEMENT_DYNAMIC(WheelEventsEditorTabs, CMFCTabCtrl)

BEGIN_MESSAGE_MAP(WheelEventsEditorTabs, CMFCTabCtrl)
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

WheelEventsEditorTabs::~WheelEventsEditorTabs() {
  RemoveAllPages();
}

bool WheelEventsEditorTabs::Init(CWnd* owner) {
  owner_ = owner;
  if (owner == nullptr || owner->GetSafeHwnd() == nullptr) return false;
  CRect client;
  owner->GetClientRect(&client);
  if (!CreateInnerStrip(*this, owner, client, kControlId)) return false;
  Rebuild();
  return true;
}

void WheelEventsEditorTabs::Reposition() {
  PlaceInnerStrip(*this, owner_, kStripTop, kStripBottomGap);
}

void WheelEventsEditorTabs::RemoveAllPages() {
  // The tabs refer to the pages' windows: they go first.
  if (m_hWnd != nullptr) RemoveAllTabs();
  for (const auto& page : pages_) {
    if (page->GetSafeHwnd() != nullptr) page->DestroyWindow();
  }
  pages_.clear();
  if (plus_ != nullptr) {
    try {
      if (plus_->GetSafeHwnd() != nullptr) plus_->DestroyWindow();
    } catch (const std::exception& error) {
      DebugPrint(L"%s\n", Utf8ToWide(error.what()).c_str());
    }
    plus_.reset();
  }
}

void WheelEventsEditorTabs::Rebuild() {
  if (m_hWnd == nullptr) return;
  RemoveAllPages();
  AddPlusPage();
  images_.AttachTo(*this);
  if (GetTabsNum() > 0) {
    SetTabIcon(0, kPlusImage);
    SetTabIconOnly(0);  // "+" stays the tab's label: the tab list and the tooltip show it
  }

  if (XmlWheelEvents* current = GetTalvo().GetCurrentWheelEvents()) {
    // The events map is ordered by the categories' UTF-8 bytes, which is the
    // tabs' order.
    for (const auto& [category, record] : current->GetEventsMap()) AddCategoryPage(Utf8ToWide(category));
  }
  if (!pages_.empty()) SetActiveTab(GetTabsNum() - 1);
}

void WheelEventsEditorTabs::AddPlusPage() {
  plus_ = std::make_unique<WheelEventsEditorDymmyTab>();
  if (!plus_->CreatePage(this)) {
    plus_.reset();
    return;
  }
  AddTab(plus_.get(), kPlusLabel, static_cast<UINT>(-1), TRUE);
  EnableActiveTabCloseButton(FALSE);
}

void WheelEventsEditorTabs::AddCategoryPage(const std::wstring& category) {
  auto page = std::make_unique<WheelEventsEditorTab>();
  page->SetPageName(category);
  if (!page->CreatePage(this)) return;
  page->ShowWindow(SW_SHOW);
  AddTab(page.get(), category.c_str(), static_cast<UINT>(-1), TRUE);
  pages_.push_back(std::move(page));
}

BOOL WheelEventsEditorTabs::SetActiveTab(int iTab) {
  // The "+" page offers nothing: it is shown only while there is no category page.
  if (iTab == 0 && !pages_.empty()) return FALSE;
  return CMFCTabCtrl::SetActiveTab(iTab);
}

WheelEventsEditorTab* WheelEventsEditorTabs::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[static_cast<size_t>(index)].get() : nullptr;
}

void WheelEventsEditorTabs::OnLButtonDown(UINT nFlags, CPoint point) {
  // The "+" page offers nothing here: a click on its tab is swallowed.
  if (GetTabFromPoint(point) == 0) return;
  CMFCTabCtrl::OnLButtonDown(nFlags, point);
}

void WheelEventsEditorTabs::FollowHostTheme() {
  if (plus_ != nullptr && plus_->GetSafeHwnd() != nullptr) plus_->FollowHostColors();
  for (int i = 0; i < GetPageCount(); ++i) GetPage(i)->FollowHostTheme();
  if (m_hWnd != nullptr) Invalidate();
}

}  // namespace Talvo
