#include "frame/window_tabs.h"

#include "controls/key_button.h"
#include "editing/function_editor_tab.h"
#include "editing/function_editor_tabs.h"
#include "editing/functions_tab.h"
#include "editing/wheel_events_tab.h"
#include "editor/assignment_tab.h"
#include "editor/profile_tab.h"
#include "editor/layout_key_geometry.h"
#include "engine/messages.h"
#include "frame/frame.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kProfilesTitle = 131;
constexpr int kFunctionsTitle = 132;
constexpr int kWheelEventsTitle = 273;
constexpr int kAssignmentTitle = 151;
constexpr int kUndefined = 157;

// "[ <key text> ] - Key Assignment Tab"; empty without a current layout.
std::wstring AssignmentTitle(int key) {
  const XmlKeyboard* layout = GetTalvo().GetCurrentKeyboard();
  if (layout == nullptr) return {};
  return L"[ " + layout->GetKeyText(key) + L" ] - " + GetString(kAssignmentTitle);
}

}  // namespace

IMPLEMENT_DYNAMIC(WindowTabs, CMFCTabCtrl)

BEGIN_MESSAGE_MAP(WindowTabs, CMFCTabCtrl)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_MESSAGE(OpenAssignmentTabMessage, &WindowTabs::OnOpenAssignmentTab)
  ON_MESSAGE(FunctionEditedMessage, &WindowTabs::OnFunctionEdited)
END_MESSAGE_MAP()

WindowTabs::WindowTabs() = default;

WindowTabs::~WindowTabs() {
  // The page windows go before their objects; the strip's own window may be gone already.
  for (auto& page : pages_)
    if (page && page->GetSafeHwnd() != nullptr) page->DestroyWindow();
}

bool WindowTabs::CreatePages(Frame* frame) {
  frame_ = frame;
  CRect client;
  frame->GetClientRect(&client);
  if (!Create(STYLE_3D_ONENOTE, client, frame, kControlId, LOCATION_TOP, FALSE)) return false;
  EnableTabDocumentsMenu(TRUE);
  EnableAutoColor(FALSE);

  AddFixedPage(std::make_unique<ProfileTab>(), ProfileTab::kTemplateId, kProfilesTitle);
  AddFixedPage(std::make_unique<FunctionsTab>(), FunctionsTab::kTemplateId, kFunctionsTitle);
  AddFixedPage(std::make_unique<WheelEventsTab>(), WheelEventsTab::kTemplateId, kWheelEventsTitle);

  EnableActiveTabCloseButton(FALSE);
  PlaceInFrame();
  if (XmlProfile* profile = GetTalvo().GetCurrentProfile()) {
    std::vector<int> keys;
    profile->GetOpenKeys(keys);
    for (int key : keys) AddAssignmentPage(key, static_cast<int>(DefaultVirtualKey(key)), true);
  }
  return true;
}

void WindowTabs::AddFixedPage(std::unique_ptr<WindowTab> page, UINT templateId, int titleId) {
  if (!page->Create(templateId, this)) return;
  page->ShowWindow(SW_SHOW);
  AddTab(page.get(), GetString(titleId), static_cast<UINT>(-1), TRUE);
  pages_.push_back(std::move(page));
}

AssignmentTab* WindowTabs::AddAssignmentPage(int key, int virtualKey, bool show) {
  const std::wstring title = AssignmentTitle(key);
  if (title.empty()) return nullptr;
  auto page = std::make_unique<AssignmentTab>(key, virtualKey);
  EnableTabDocumentsMenu(TRUE);
  EnableAutoColor(FALSE);
  if (!page->Create(AssignmentTab::kTemplateId, this)) return nullptr;
  if (show) page->ShowWindow(SW_SHOW);
  AddTab(page.get(), title.c_str(), static_cast<UINT>(-1), TRUE);
  pages_.push_back(std::move(page));
  return static_cast<AssignmentTab*>(pages_.back().get());
}

void WindowTabs::RemovePage(int index) {
  if (index < 0 || index >= GetPageCount()) return;
  RemoveTab(index, TRUE);
  // The page is destroyed and freed here, once: the strip owns it.
  std::unique_ptr<WindowTab> page = std::move(pages_[static_cast<size_t>(index)]);
  pages_.erase(pages_.begin() + index);
  if (page->GetSafeHwnd() != nullptr) page->DestroyWindow();
}

void WindowTabs::PlaceInFrame() {
  if (frame_ == nullptr || GetSafeHwnd() == nullptr) return;
  CRect client;
  frame_->GetClientRect(&client);
  SetWindowPos(nullptr, client.left, client.top + Frame::kTopBand, client.Width() + 1, client.Height() - 23,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

int WindowTabs::GetPageCount() const { return static_cast<int>(pages_.size()); }

WindowTab* WindowTabs::GetPageAt(int index) const {
  if (index < 0 || index >= GetPageCount()) return nullptr;
  return pages_[static_cast<size_t>(index)].get();
}

AssignmentTab* WindowTabs::GetAssignmentPage(int index) const {
  return DYNAMIC_DOWNCAST(AssignmentTab, GetPageAt(index));
}

void WindowTabs::ActivatePage(int index) { SetActiveTab(index); }

void WindowTabs::ShowActiveTabCloseButton(bool show) { EnableActiveTabCloseButton(show ? TRUE : FALSE); }

bool WindowTabs::HasAssignmentTab(int key) const { return FindAssignmentTab(key) >= 0; }

int WindowTabs::FindAssignmentTab(int key) const {
  for (int i = kFirstAssignmentPage; i < GetPageCount(); ++i) {
    const AssignmentTab* page = GetAssignmentPage(i);
    if (page != nullptr && page->GetKeyNumber() == key) return i;
  }
  return -1;
}

void WindowTabs::RefreshAssignmentTabs() {
  for (int i = kFirstAssignmentPage; i < GetPageCount(); ++i)
    if (AssignmentTab* page = GetAssignmentPage(i)) page->Refresh();
}

void WindowTabs::RebuildAssignmentTabs() {
  for (int i = GetPageCount() - 1; i >= kFirstAssignmentPage; --i)
    if (GetAssignmentPage(i) != nullptr) RemovePage(i);
  XmlProfile* profile = GetTalvo().GetCurrentProfile();
  if (profile == nullptr || GetSafeHwnd() == nullptr) return;
  std::vector<int> keys;
  profile->GetOpenKeys(keys);
  for (int key : keys) AddAssignmentPage(key, static_cast<int>(DefaultVirtualKey(key)), false);
}

void WindowTabs::RefreshFunctionsTab() {
  if (auto* functions = DYNAMIC_DOWNCAST(FunctionsTab, GetPageAt(1))) functions->RefreshAll();
}

void WindowTabs::RefreshProfileTab() {
  auto* profiles = DYNAMIC_DOWNCAST(ProfileTab, GetPageAt(0));
  if (profiles == nullptr) return;
  profiles->RebuildMenus();
  profiles->SyncControls();
  profiles->GetLayout().ClearKeys();
  profiles->GetLayout().BuildKeys();
  profiles->Refresh();
}

void WindowTabs::RefreshFunctionEditors() {
  if (auto* functions = DYNAMIC_DOWNCAST(FunctionsTab, GetPageAt(1))) {
    FunctionEditorTabs& editor = functions->GetEditorTabs();
    if (editor.GetSafeHwnd() != nullptr) editor.SyncScriptDropDowns();
  }
  for (int i = kFirstAssignmentPage; i < GetPageCount(); ++i) {
    AssignmentTab* page = GetAssignmentPage(i);
    if (page == nullptr) continue;
    FunctionViewerTabs* viewer = page->GetViewer();
    for (int v = 0; v < viewer->GetPageCount(); ++v) viewer->GetPage(v)->MarkForRefill();
  }
}

LRESULT WindowTabs::AddAssignmentTab(WPARAM /*wParam*/, LPARAM lParam) {
  auto* button = DYNAMIC_DOWNCAST(KeyButton, reinterpret_cast<CWnd*>(lParam));
  XmlProfile* profile = GetTalvo().GetCurrentProfile();
  if (button == nullptr || profile == nullptr) return 0;
  const int key = button->keyNumber;
  if (profile->HasAssignment(key)) {
    const int existing = FindAssignmentTab(key);
    if (existing >= 0) {
      GetAssignmentPage(existing)->GetViewer()->Rebuild();
      SetActiveTab(existing);
      ShowActiveTabCloseButton(true);
      return 0;
    }
  } else {
    // An unassigned key gets an assignment without a function, so that the page has something to edit.
    profile->Assign(key, static_cast<int>(button->virtualKey), L"", true, true);
    button->assignedText = GetString(kUndefined);
    button->assigned = true;
    button->textChanged = true;
    button->Invalidate();
  }
  if (AddAssignmentPage(key, static_cast<int>(button->virtualKey), true) == nullptr) return 0;
  profile->SetOpenFlag(key, true);
  // The user opened the key to work on it: its new page comes to the front, as an existing one does.
  SetActiveTab(GetPageCount() - 1);
  ShowActiveTabCloseButton(true);
  return 0;
}

LRESULT WindowTabs::MarkFunctionViewers(WPARAM /*wParam*/, LPARAM lParam) {
  auto* editorPage = DYNAMIC_DOWNCAST(FunctionEditorTab, reinterpret_cast<CWnd*>(lParam));
  if (editorPage == nullptr) return 0;
  const std::wstring name = editorPage->GetPageName();
  for (int i = kFirstAssignmentPage; i < GetPageCount(); ++i) {
    AssignmentTab* page = GetAssignmentPage(i);
    if (page != nullptr && page->GetViewer()->GetSafeHwnd() != nullptr) page->GetViewer()->MarkPagesNamed(name);
  }
  return 0;
}

LRESULT WindowTabs::OnOpenAssignmentTab(WPARAM wParam, LPARAM lParam) { return AddAssignmentTab(wParam, lParam); }

LRESULT WindowTabs::OnFunctionEdited(WPARAM wParam, LPARAM lParam) { return MarkFunctionViewers(wParam, lParam); }

BOOL WindowTabs::SetActiveTab(int iTab) {
  BOOL activated = FALSE;
  if (GetAssignmentPage(iTab) == nullptr || IsTabFullyVisible(iTab)) {
    activated = CMFCTabCtrl::SetActiveTab(iTab);
  } else {
    // A key-assignment tab scrolled out of view comes to the first assignment position, and its page with it,
    // so that tab and page indices keep matching.
    MoveTab(iTab, kFirstAssignmentPage);
    std::unique_ptr<WindowTab> page = std::move(pages_[static_cast<size_t>(iTab)]);
    pages_.erase(pages_.begin() + iTab);
    pages_.insert(pages_.begin() + kFirstAssignmentPage, std::move(page));
    activated = CMFCTabCtrl::SetActiveTab(kFirstAssignmentPage);
  }
  // Only key-assignment pages close: the close button follows every activation, also the one a removed
  // page's tab makes (the fixed pages never show it).
  ShowActiveTabCloseButton(GetActiveTab() >= kFirstAssignmentPage);
  return activated;
}

}  // namespace Talvo
