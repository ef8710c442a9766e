#include "editing/function_editor_tabs.h"

#include <host/undo.h>

#include "controls/visual_manager.h"
#include "controls/context_menu.h"
#include "controls/input_context_menu.h"
#include "editing/function_editor_tab_notice.h"
#include "engine/restore_obj.h"
#include "model/modifiers.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "pagebase/inner_strip.h"

namespace Talvo {

namespace {

constexpr int kPlusImage = 0;
constexpr int kStripTop = 134;
constexpr int kStripBottomGap = 143;
constexpr int kAddModifierCaseText = 297;
constexpr int kCloseText = 171;
constexpr std::uint16_t kFunctionsPage = 1;
constexpr std::uint16_t kNoSubPage = 65535;
constexpr UINT kModeButtonImages = 16 | 32 | 64;

struct ModifierPage {
  const wchar_t* name;
  int titleId;
};
// The modifier pages in tab order, with the string id of their tab titles.
constexpr ModifierPage kModifierPages[] = {
    {L"Editable Poly", 136}, {L"Edit Poly", 137}, {L"Unwrap UVW", 138}, {L"No modifier", 281}, {L"Override Mode", 320}};

std::wstring Text(int id) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : L"";
}

int CurrentKind() {
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  return function != nullptr ? function->GetDependent() : 0;
}

// Kinds whose pages are modifier cases that the user may close.
bool HasClosablePages(int kind) { return kind == 1100 || kind == 1101 || kind == 1102 || kind >= 1107; }

bool IsModePage(const std::wstring& name) {
  return name == kInputClassic || name == kInputMultiPress || name == kInputSingleTap || name == kInputMultiTap;
}

}  // namespace

IMPLEMENT_DYNAMIC(FunctionEditorTabs, CMFCTabCtrl)

BEGIN_MESSAGE_MAP(FunctionEditorTabs, CMFCTabCtrl)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

FunctionEditorTabs::~FunctionEditorTabs() {
  RemoveAllPages();
}

BOOL FunctionEditorTabs::Create(const RECT& rect, CWnd* owner, UINT id) {
  owner_ = owner;
  if (owner == nullptr || owner->GetSafeHwnd() == nullptr) return FALSE;
  if (!CreateInnerStrip(*this, owner, rect, id)) return FALSE;
  images_.AttachTo(*this);
  Rebuild();
  return TRUE;
}

bool FunctionEditorTabs::Init(CWnd* owner) {
  if (owner == nullptr || owner->GetSafeHwnd() == nullptr) return false;
  CRect client;
  owner->GetClientRect(&client);
  return Create(client, owner, kControlId) != FALSE;
}

void FunctionEditorTabs::Reposition() {
  PlaceInnerStrip(*this, owner_, kStripTop, kStripBottomGap);
}

void FunctionEditorTabs::RemoveAllPages() {
  modeButton_.reset();
  // The tabs refer to the pages' windows: they go first.
  if (m_hWnd != nullptr) RemoveAllTabs();
  for (const auto& page : pages_)
    if (page->GetSafeHwnd() != nullptr) page->DestroyWindow();
  pages_.clear();
  if (plus_ != nullptr && plus_->GetSafeHwnd() != nullptr) plus_->DestroyWindow();
  plus_.reset();
}

void FunctionEditorTabs::AddPlusPage() {
  plus_ = std::make_unique<FunctionEditorDymmyTab>();
  if (!plus_->CreatePage(this)) {
    plus_.reset();
    return;
  }
  AddTab(plus_.get(), Text(kAddModifierCaseText).c_str(), kPlusImage, FALSE);
  EnableActiveTabCloseButton(FALSE);
}

FunctionEditorTab* FunctionEditorTabs::AddPage(const std::wstring& name) {
  auto page = std::make_unique<FunctionEditorTab>(name);
  if (!page->CreatePage(this)) return nullptr;
  FunctionEditorTab* made = page.get();
  pages_.push_back(std::move(page));
  EnableActiveTabCloseButton(TRUE);
  made->ShowWindow(SW_SHOW);
  return made;
}

FunctionEditorTab* FunctionEditorTabs::AddPageWithTab(const std::wstring& name, const std::wstring& title) {
  FunctionEditorTab* page = AddPage(name);
  if (page != nullptr) AddTab(page, title.c_str(), static_cast<UINT>(-1), FALSE);
  return page;
}

void FunctionEditorTabs::Rebuild() {
  if (m_hWnd == nullptr) return;
  RemoveAllPages();
  AddPlusPage();
  XmlFunction* function = GetTalvo().GetCurrentFunction();
  if (function == nullptr) return;
  const int kind = function->GetDependent();
  if (kind == 1105 || kind == 1106) {
    const std::wstring name = kind == 1105 ? kInputSingleTap : kInputMultiTap;
    AddPageWithTab(name, L"    " + Text(kAddModifierCaseText));
    // The "+" tab adds nothing to a mode page: it shows only its icon (its label stays its tooltip), and the
    // one "Add Modifier Case" title is the mode page's, whose leading blanks carry the mode button.
    SetTabIconOnly(0);
    CreateModeButton();
    SetActiveTab(GetTabsNum() - 1);
    EnableActiveTabCloseButton(FALSE);
    PlaceModeButton();
  } else if (kind == 1103 || kind == 1104) {
    const std::wstring name = kind == 1103 ? kInputClassic : kInputMultiPress;
    AddPageWithTab(name, name);
    EnableActiveTabCloseButton(FALSE);
    if (!pages_.empty()) SetActiveTab(1);
  } else {
    for (const ModifierPage& page : kModifierPages)
      if (function->HasInput(page.name)) AddPageWithTab(page.name, Text(page.titleId));
    if (!pages_.empty()) SetActiveTab(GetTabsNum() - 1);
  }
}

void FunctionEditorTabs::CreateModeButton() {
  modeButton_ = std::make_unique<IconButton>();
  modeButton_->mode = kIconButtonModeMenu;
  if (!modeButton_->Create(L"", WS_CHILD | WS_VISIBLE, CRect(25, 6, 25 + kModeButtonSize, 6 + kModeButtonSize), this, kModeButtonId)) {
    modeButton_.reset();
    return;
  }
  modeButton_->LoadImages(ThemedIconFolder(), L"TalvoPls-12x12", L"bmp", kModeButtonImages);
}

void FunctionEditorTabs::PlaceModeButton() {
  if (modeButton_ == nullptr || modeButton_->GetSafeHwnd() == nullptr || GetTabsNum() < 2) return;
  const CRect content = GetTabContentRect(1);
  if (content.IsRectEmpty()) return;
  const int top = content.top + (content.Height() - kModeButtonSize) / 2;
  modeButton_->SetWindowPos(nullptr, content.left, top, kModeButtonSize, kModeButtonSize, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FunctionEditorTabs::RemoveModeButton() {
  modeButton_.reset();
  if (m_hWnd != nullptr) Invalidate();
}

FunctionEditorTab* FunctionEditorTabs::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[static_cast<size_t>(index)].get() : nullptr;
}

bool FunctionEditorTabs::IsClosable(int iTab) const {
  const FunctionEditorTab* page = GetPage(iTab - 1);
  return page != nullptr && HasClosablePages(CurrentKind()) && page->GetPageName() != kInputOverrideMode;
}

BOOL FunctionEditorTabs::SetActiveTab(int iTab) {
  if (iTab < 0 || iTab >= GetTabsNum()) return FALSE;
  const BOOL result = CMFCTabCtrl::SetActiveTab(iTab);
  EnableActiveTabCloseButton(IsClosable(iTab) ? TRUE : FALSE);
  return result;
}

void FunctionEditorTabs::SyncScriptDropDowns() {
  for (const auto& page : pages_)
    if (page->GetGrid().GetSafeHwnd() != nullptr) page->GetGrid().SyncDropDownEditors();
}

void FunctionEditorTabs::OnLButtonDown(UINT nFlags, CPoint point) {
  CPoint at = point;
  const XmlFunctionDir* functions = GetTalvo().GetFunctions();
  if (GetTabFromPoint(at) != 0 || functions == nullptr || functions->Count() < 1) {
    CMFCTabCtrl::OnLButtonDown(nFlags, point);
    return;
  }
  if (pages_.size() == 1 && IsModePage(pages_.front()->GetPageName())) return;
  InputContextMenu menu;
  if (!menu.Build()) return;
  CPoint screen = point;
  ClientToScreen(&screen);
  menu.Track(MenuCommandOwner(this), screen);
}

void FunctionEditorTabs::OnLButtonUp(UINT nFlags, CPoint point) {
  if (IsTabCloseButtonPressed() && IsTabCloseButtonHighlighted() && GetTabCloseButton().PtInRect(point)) {
    m_bTabCloseButtonPressed = m_bTabCloseButtonHighlighted = FALSE;
    CloseCase(GetActiveTab());
    return;
  }
  CMFCTabCtrl::OnLButtonUp(nFlags, point);
}

void FunctionEditorTabs::CloseCase(int iTab) {
  XmlFunction* function = GetTalvo().GetCurrentFunction();
  if (function == nullptr || !IsClosable(iTab)) return;
  const auto index = static_cast<size_t>(iTab - 1);
  const std::wstring name = pages_[index]->GetPageName();
  const int subPage = ModifierName(name);
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(kFunctionsPage, subPage >= 0 ? static_cast<std::uint16_t>(subPage) : kNoSubPage));
  RemoveTab(iTab);
  function->RemoveInput(name);
  // The page goes once: its window, then its object.
  std::unique_ptr<FunctionEditorTab> page = std::move(pages_[index]);
  pages_.erase(pages_.begin() + static_cast<std::ptrdiff_t>(index));
  if (page->GetSafeHwnd() != nullptr) page->DestroyWindow();
  page.reset();
  theHold.Accept((Text(kCloseText) + name).c_str());
  if (pages_.empty()) EnableActiveTabCloseButton(FALSE);
  else SetActiveTab(GetActiveTab());
  NotifyFunctionEditedFrom(owner_, this);
  Invalidate();
}

void FunctionEditorTabs::FollowHostTheme() {
  if (plus_ != nullptr && plus_->GetSafeHwnd() != nullptr) plus_->FollowHostColors();
  for (int i = 0; i < GetPageCount(); ++i) GetPage(i)->FollowHostTheme();
  if (m_hWnd != nullptr) Invalidate();
}

}  // namespace Talvo
