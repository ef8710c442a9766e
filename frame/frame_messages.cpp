// The private messages the editor window hears: document changes (the unsaved-document lists), undo and
// redo of a data step (the pages re-read and the page of the step is shown), the script editor's request
// to show the editor again and changes of the custom-script list.
#include <string>

#include "editing/function_editor_tabs.h"
#include "editing/functions_tab.h"
#include "editing/wheel_events_tab.h"
#include "editor/assignment_tab.h"
#include "frame/frame.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kMenuTextLimit = 1024;

// Empties a submenu and lists the unsaved documents of a folder in it, in folder order.
template <typename GetDocument>
void ListUnsaved(CMenu& submenu, UnsavedKind kind, int count, GetDocument document) {
  for (int i = static_cast<int>(submenu.GetMenuItemCount()) - 1; i >= 0; --i)
    submenu.RemoveMenu(static_cast<UINT>(i), MF_BYPOSITION);
  for (int i = 0; i < count; ++i) {
    const auto* found = document(i);
    if (found == nullptr || found->IsSaved()) continue;
    const std::optional<UINT> id = UnsavedCommandId(kind, i);
    if (!id) break;
    submenu.AppendMenu(MF_STRING, *id, found->GetName().c_str());
  }
}

}  // namespace

int Frame::FindMenuItem(CMenu* menu, const std::wstring& text) {
  if (menu == nullptr) return -1;
  const int count = static_cast<int>(menu->GetMenuItemCount());
  for (int i = 0; i < count; ++i) {
    wchar_t buffer[kMenuTextLimit] = {};
    menu->GetMenuString(static_cast<UINT>(i), buffer, kMenuTextLimit, MF_BYPOSITION);
    if (text == buffer) return i;
  }
  return -1;
}

LRESULT Frame::RebuildUnsavedMenus(WPARAM /*wParam*/, LPARAM lParam) {
  if (lParam == 0) return 0;
  CMenu* bar = CMenu::FromHandle(menuBar_.GetHMenu());
  const int filePosition = FindMenuItem(bar, GetString(Menu::kFileTitle));
  if (filePosition >= 0) {
    CMenu* file = bar->GetSubMenu(filePosition);
    Talvo& root = GetTalvo();
    const int profilesAt = FindMenuItem(file, GetString(Menu::kUnsavedProfilesTitle));
    if (profilesAt >= 0 && root.GetProfiles() != nullptr) {
      ListUnsaved(*file->GetSubMenu(profilesAt), UnsavedKind::Profile, root.GetProfiles()->Count(),
                  [&root](int i) { return root.GetProfile(i); });
    }
    const int functionsAt = FindMenuItem(file, GetString(Menu::kUnsavedFunctionsTitle));
    if (functionsAt >= 0 && root.GetFunctions() != nullptr) {
      ListUnsaved(*file->GetSubMenu(functionsAt), UnsavedKind::Function, root.GetFunctions()->Count(),
                  [&root](int i) { return root.GetFunction(i); });
    }
  }
  menuBar_.CreateFromMenu(menu_.GetSafeHmenu(), FALSE, TRUE);
  PostMessage(WM_SIZE, 0, 0);
  return 0;
}

LRESULT Frame::OnTalvoDataChanged(WPARAM wParam, LPARAM /*lParam*/) {
  tabs_.RefreshProfileTab();
  tabs_.RefreshFunctionsTab();
  tabs_.RebuildAssignmentTabs();
  // The main settings document names the current wheel-events set.
  if (auto* wheelEvents = DYNAMIC_DOWNCAST(WheelEventsTab, tabs_.GetPageAt(2))) {
    wheelEvents->ShowCurrentWheelEvents();
    wheelEvents->GetEditorTabs().Rebuild();
  }
  tabs_.ShowActiveTabCloseButton(false);

  const int index = LOWORD(wParam);
  WindowTab* page = tabs_.GetPageAt(index);
  if (page == nullptr) return 0;
  tabs_.SetActiveTab(index);
  if (auto* functions = DYNAMIC_DOWNCAST(FunctionsTab, page)) {
    FunctionEditorTabs& editor = functions->GetEditorTabs();
    // Tab 0 is the "+" tab, so the last editor page sits at the page count.
    if (editor.GetSafeHwnd() != nullptr && editor.GetPageCount() > 0) editor.SetActiveTab(editor.GetPageCount());
  } else if (auto* assignment = DYNAMIC_DOWNCAST(AssignmentTab, page)) {
    tabs_.ShowActiveTabCloseButton(true);
    FunctionViewerTabs* viewer = assignment->GetViewer();
    if (viewer->GetSafeHwnd() != nullptr && viewer->GetPageCount() > 0) viewer->SetActiveTab(viewer->GetPageCount() - 1);
  }
  return 0;
}

LRESULT Frame::OnShowEditor(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  ShowFrame(GetFrame());
  return 0;
}

LRESULT Frame::OnScriptsChanged(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  tabs_.RefreshFunctionEditors();
  return 0;
}

}  // namespace Talvo
