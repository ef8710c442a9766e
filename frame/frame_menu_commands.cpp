// The editor window's menu commands: saving, the commands forwarded to the profiles and functions pages,
// undo and redo, the options dialog, the about box, help and the macro check.
#include <host/maxscript.h>
#include <win32/shell.h>

#include <exception>

#include "editing/functions_tab.h"
#include "editor/about_dlg.h"
#include "editor/options_dlg.h"
#include "editor/product_info.h"
#include "editor/profile_tab.h"
#include "engine/check_macros.h"
#include "engine/messages.h"
#include "frame/frame.h"
#include "model/talvo.h"
#include "model/text.h"

namespace Talvo {

namespace {

struct ForwardedCommand {
  UINT command;
  int page;  // 0 the profiles page, 1 the functions page
  bool activate;
  UINT message;
};

constexpr ForwardedCommand kForwarded[] = {
    {Menu::kExportProfile, 0, false, ExportProfileMessage},
    {Menu::kExportFunction, 1, false, ExportFunctionMessage},
    {Menu::kLoadProfile, 0, false, LoadProfileMessage},
    {Menu::kLoadFunction, 1, false, LoadFunctionMessage},
    {Menu::kDeleteProfile, 0, true, DeleteProfileMessage},
    {Menu::kDeleteFunction, 1, true, DeleteFunctionMessage},
    {Menu::kCloneProfile, 0, true, CloneProfileMessage},
    {Menu::kCloneFunction, 1, true, CloneFunctionMessage},
};

// The page that carries a forwarded command, when it is there and of its class.
WindowTab* ForwardTarget(WindowTabs& tabs, int page) {
  WindowTab* found = tabs.GetPageAt(page);
  if (found == nullptr || found->GetSafeHwnd() == nullptr) return nullptr;
  const bool expected = page == 0 ? found->IsKindOf(RUNTIME_CLASS(ProfileTab)) : found->IsKindOf(RUNTIME_CLASS(FunctionsTab));
  return expected ? found : nullptr;
}

}  // namespace

void Frame::SaveDocument(XmlDocument* document) {
  if (document == nullptr) return;
  document->Save();
  SendMessage(DocumentChangedMessage, 0, reinterpret_cast<LPARAM>(this));
  XmlCustomScripts* scripts = GetTalvo().GetCustomScripts();
  if (scripts != nullptr && !scripts->IsSaved()) scripts->Save();
}

void Frame::OnSaveProfile() {
  Talvo& root = GetTalvo();
  root.EnsureDataFolders();
  SaveDocument(root.GetCurrentProfile());
}

void Frame::OnSaveFunction() {
  Talvo& root = GetTalvo();
  root.EnsureDataFolders();
  SaveDocument(root.GetCurrentFunction());
}

void Frame::OnSaveUnsaved(UINT id) {
  const std::optional<UnsavedEntry> entry = UnsavedEntryOf(id);
  if (!entry) return;
  Talvo& root = GetTalvo();
  root.EnsureDataFolders();
  if (entry->kind == UnsavedKind::Profile)
    SaveDocument(root.GetProfile(entry->index));
  else
    SaveDocument(root.GetFunction(entry->index));
}

void Frame::OnForwardedCommand(UINT id) {
  for (const ForwardedCommand& command : kForwarded) {
    if (command.command != id) continue;
    WindowTab* page = ForwardTarget(tabs_, command.page);
    if (page == nullptr) return;
    if (command.activate) tabs_.ActivatePage(command.page);
    page->SendMessage(command.message, 0, 0);
    return;
  }
}

void Frame::OnUpdateNeedsProfile(CCmdUI* pCmdUI) { pCmdUI->Enable(GetTalvo().GetCurrentProfile() != nullptr); }

void Frame::OnUpdateNeedsFunction(CCmdUI* pCmdUI) { pCmdUI->Enable(GetTalvo().GetCurrentFunction() != nullptr); }

// Loading needs no current document, only a folder to load into: an empty folder is the common first case.
void Frame::OnUpdateLoadProfile(CCmdUI* pCmdUI) { pCmdUI->Enable(GetTalvo().GetProfiles() != nullptr); }

void Frame::OnUpdateLoadFunction(CCmdUI* pCmdUI) { pCmdUI->Enable(GetTalvo().GetFunctions() != nullptr); }

void Frame::OnUpdateUndo(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void Frame::OnUndo() { ExecuteMAXScriptScript(_M("max undo")); }

void Frame::OnRedo() { ExecuteMAXScriptScript(_M("max redo")); }

void Frame::OnOptions() {
  OptionsDlg dialog(this);
  dialog.DoModal();
}

void Frame::OnAbout() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  AboutDlg dialog(this);
  dialog.DoModal();
}

void Frame::OnHelp() {
  try {
    ::ShellExecuteW(m_hWnd, L"open", kMakerWebPage, nullptr, nullptr, SW_SHOWNORMAL);
  } catch (const std::exception& error) {
    ::MessageBoxW(m_hWnd, Utf8ToWide(error.what()).c_str(), L"Help error!", MB_OK | MB_ICONERROR);
  }
}

void Frame::OnFixMacroIds() { CheckMacros(); }

}  // namespace Talvo
