// Clicks on the page strip: the close button is offered on key-assignment pages only, and closing one is
// an undoable step (the key's open flag in the profile, which brings the page back on undo).
#include <host/undo.h>

#include "editor/assignment_tab.h"
#include "editor/profile_tab.h"
#include "engine/restore_obj.h"
#include "frame/window_tabs.h"
#include "model/modifiers.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kCloseLabel = 171;
constexpr int kTabLabel = 176;
constexpr std::uint16_t kNoSubPage = 65535;

// The string id of the modifier that names the viewer's active page, or 65535.
std::uint16_t ActiveViewerCode(AssignmentTab& page) {
  FunctionViewerTabs* viewer = page.GetViewer();
  if (viewer->GetSafeHwnd() == nullptr) return kNoSubPage;
  const FunctionViewerTab* active = viewer->GetPage(viewer->GetActiveTab());
  const int code = active != nullptr ? ModifierName(active->GetPageName()) : -1;
  return code >= 0 ? static_cast<std::uint16_t>(code) : kNoSubPage;
}

void RefreshKeyCaptions(WindowTab* page) {
  if (auto* profiles = DYNAMIC_DOWNCAST(ProfileTab, page)) profiles->GetLayout().RefreshCaptions();
}

}  // namespace

void WindowTabs::OnLButtonDown(UINT nFlags, CPoint point) {
  CMFCTabCtrl::OnLButtonDown(nFlags, point);
  // A press on the close button waits for its release.
  if (IsTabCloseButtonPressed()) return;
  const int tab = GetTabFromPoint(point);
  if (tab < 0) return;
  AssignmentTab* page = GetAssignmentPage(tab);
  ShowActiveTabCloseButton(page != nullptr);
  if (page != nullptr) page->Refresh();
}

void WindowTabs::OnLButtonUp(UINT nFlags, CPoint point) {
  const int tab = GetTabFromPoint(point);
  const bool closeClicked = IsTabCloseButtonPressed() && GetTabCloseButton().PtInRect(point);
  if (tab >= 0 && closeClicked) {
    // The press ends here, not in the base handler (which would send the page WM_CLOSE).
    m_bTabCloseButtonPressed = m_bTabCloseButtonHighlighted = FALSE;
    if (GetAssignmentPage(GetActiveTab()) == nullptr) {
      ShowActiveTabCloseButton(false);
      return;
    }
    CloseAssignmentPage(GetActiveTab());
    return;
  }
  if (tab >= 0) RefreshKeyCaptions(GetPageAt(tab));
  CMFCTabCtrl::OnLButtonUp(nFlags, point);
}

void WindowTabs::CloseAssignmentPage(int index) {
  AssignmentTab* page = GetAssignmentPage(index);
  if (page == nullptr) return;
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(static_cast<std::uint16_t>(index), ActiveViewerCode(*page)));
  if (XmlProfile* profile = GetTalvo().GetCurrentProfile()) profile->SetOpenFlag(page->GetKeyNumber(), false);
  ShowActiveTabCloseButton(false);
  SetActiveTab(0);
  RefreshKeyCaptions(GetPageAt(0));
  RemovePage(index);
  const std::wstring label = std::wstring(GetString(kCloseLabel)) + GetString(kTabLabel);
  theHold.Accept(label.c_str());
}

}  // namespace Talvo
