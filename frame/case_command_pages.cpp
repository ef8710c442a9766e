#include "frame/case_command_pages.h"

#include <afxtabctrl.h>

#include "editing/function_editor_tabs.h"
#include "editing/functions_tab.h"
#include "engine/messages.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "pagebase/editor_frame_link.h"

namespace Talvo {

namespace {

constexpr int kProfilesPage = 0;
constexpr int kFunctionsPage = 1;
constexpr int kLastEditorTab = 5;  // tab 0 is the "+" tab; at most five case pages
constexpr std::uint16_t kNoSubPage = 65535;
constexpr unsigned char kPlainTap = 3;

iWindowTabs* PageTabs() {
  iEditorFrame* frame = EditorFrame();
  return frame != nullptr ? &frame->GetPageTabs() : nullptr;
}

// Shows the case of that selection count and modifier byte expanded, refilling the page's grid.
void ExpandCase(FunctionEditorTab& page, int selection, unsigned char modifiers) {
  page.SendMessage(WM_SELECT_CASE_CELL, static_cast<WORD>(selection), modifiers);
}

}  // namespace

FunctionsTab* FramePagesView::FunctionsPage() {
  iWindowTabs* tabs = PageTabs();
  return tabs != nullptr ? dynamic_cast<FunctionsTab*>(tabs->GetPageAt(kFunctionsPage)) : nullptr;
}

FunctionEditorTabs* FramePagesView::EditorStrip() {
  FunctionsTab* page = FunctionsPage();
  if (page == nullptr || page->GetEditorTabs().GetSafeHwnd() == nullptr) return nullptr;
  return &page->GetEditorTabs();
}

FunctionEditorTab* FramePagesView::CurrentEditorPage() {
  const auto* pageStrip = dynamic_cast<const CMFCTabCtrl*>(PageTabs());
  FunctionEditorTabs* strip = EditorStrip();
  if (pageStrip == nullptr || pageStrip->GetActiveTab() != kFunctionsPage || strip == nullptr) return nullptr;
  const int tab = strip->GetActiveTab();
  if (tab < 1 || tab > kLastEditorTab) return nullptr;
  FunctionEditorTab* page = strip->GetPage(tab - 1);
  return page != nullptr && page->GetSafeHwnd() != nullptr ? page : nullptr;
}

std::wstring FramePagesView::GetPageInput() const {
  const FunctionEditorTab* page = CurrentEditorPage();
  return page != nullptr ? page->GetPageName() : std::wstring();
}

std::wstring FramePagesView::GetPageLevel() const {
  const FunctionEditorTab* page = CurrentEditorPage();
  return page != nullptr ? page->GetMappedText() : std::wstring();
}

std::uint16_t FramePagesView::GetActiveSubPageCode() const {
  const FunctionsTab* page = FunctionsPage();
  const int code = page != nullptr ? page->GetActiveModifier() : -1;
  return code > 0 ? static_cast<std::uint16_t>(code) : kNoSubPage;
}

void FramePagesView::AddEditorPage(const std::wstring& input, const std::wstring& label) {
  FunctionEditorTabs* strip = EditorStrip();
  FunctionEditorTab* page = strip != nullptr ? strip->AddPage(input) : nullptr;
  if (page == nullptr) return;
  strip->AddTab(page, label.c_str());
  strip->SetActiveTab(strip->GetPageCount());
  ExpandCase(*page, 0, kPlainTap);
}

void FramePagesView::RenameEditorPage(const std::wstring& input, const std::wstring& label) {
  FunctionEditorTab* page = CurrentEditorPage();
  if (page == nullptr) return;
  FunctionEditorTabs* strip = EditorStrip();
  page->SetPageName(input);
  if (input == kInputUnwrapUVW) page->MarkUnwrapPage();
  strip->SetTabLabel(strip->GetActiveTab(), label);
  page->RefreshCornerButton();
  page->UpdateLevelHeader();
  strip->RemoveModeButton();
}

void FramePagesView::ShowPageLevel(const std::wstring& level, bool resetExpanded, bool rebuildLevels) {
  FunctionEditorTab* page = CurrentEditorPage();
  if (page == nullptr) return;
  if (rebuildLevels) page->RebuildLevelList(GetTalvo().GetCurrentFunction());
  page->SelectLevel(level);
  page->RefreshCornerButton();
  page->UpdateLevelHeader();
  if (resetExpanded) {
    ExpandCase(*page, page->GetExpandedCase().selection, kPlainTap);
  } else {
    page->RefreshGrid();
  }
}

void FramePagesView::RefreshPageGrid() {
  if (FunctionEditorTab* page = CurrentEditorPage()) page->RefreshGrid();
}

void FramePagesView::SendToPage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (FunctionEditorTab* page = CurrentEditorPage()) page->SendMessage(message, wParam, lParam);
}

bool FramePagesView::IsLiveGrid(const CGridCtrl* grid) const {
  const FunctionEditorTabs* strip = EditorStrip();
  for (int i = 0; strip != nullptr && i < strip->GetPageCount(); ++i) {
    FunctionEditorTab* page = strip->GetPage(i);
    if (page != nullptr && static_cast<const CGridCtrl*>(&page->GetGrid()) == grid) return true;
  }
  return false;
}

void FramePagesView::ShowPastedCase(const CGridCtrl* grid, int /*row*/) {
  // The page refills its grid from the function: the row's pickers and script cell then show the pasted
  // command, with "«missing»" for what the host no longer has.
  const FunctionEditorTabs* strip = EditorStrip();
  for (int i = 0; strip != nullptr && i < strip->GetPageCount(); ++i) {
    FunctionEditorTab* page = strip->GetPage(i);
    if (page != nullptr && static_cast<const CGridCtrl*>(&page->GetGrid()) == grid) page->RefreshGrid();
  }
}

void FramePagesView::ActivatePage(int index) {
  if (iWindowTabs* tabs = PageTabs()) tabs->ActivatePage(index);
}

void FramePagesView::RebuildAssignmentTabs() {
  if (iWindowTabs* tabs = PageTabs()) tabs->RebuildAssignmentTabs();
}

void FramePagesView::CloseAssignmentPage(int key) {
  iWindowTabs* tabs = PageTabs();
  if (tabs == nullptr || tabs->FindAssignmentTab(key) < 0) return;
  // The page goes with the next rebuild of the assignment pages, which follows the profile's open keys.
  tabs->ShowActiveTabCloseButton(false);
  tabs->ActivatePage(kProfilesPage);
}

void FramePagesView::RefreshFunctionsPage() {
  if (FunctionsTab* page = FunctionsPage()) page->RefreshAll();
}

void FramePagesView::NewFunction() {
  if (FunctionsTab* page = FunctionsPage()) page->NewFunction();
}

}  // namespace Talvo
