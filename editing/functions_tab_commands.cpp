// The commands of the functions page: new, select, delete, save, live rename, learning mode, and the
// exchange commands (import, export, clone) around the function transfer services.
#include <max.h>

#include <cstdint>
#include <cstdio>

#include "editing/function_clone.h"
#include "editing/function_editor_tab.h"
#include "editing/function_export.h"
#include "editing/function_import.h"
#include "editing/functions_tab.h"
#include "editing/h_function_new_dlg.h"
#include "engine/restore_obj.h"
#include "model/editor_window.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "pagebase/editor_frame_link.h"

namespace Talvo {

namespace {

constexpr std::uint16_t kFunctionsPage = 1;
constexpr int kNameFieldCharacters = 512;  // the terminator included
constexpr int kFirstKind = 1100;
constexpr int kLastKind = 1108;

// The editor window lists the unsaved documents again.
void SendDocumentChanged(CWnd* page) {
  if (HWND editor = EditorWindow(); editor != nullptr && ::IsWindow(editor)) {
    ::SendMessageW(editor, DocumentChangedMessage, 0, reinterpret_cast<LPARAM>(page));
  }
}

}  // namespace

void FunctionsTab::BeginUndoStep() {
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(kFunctionsPage, static_cast<std::uint16_t>(GetActiveModifier())));
}

void FunctionsTab::AcceptUndoStep(int labelId, const wchar_t* fallback, bool changed) {
  // A command that changed nothing leaves no step behind.
  if (!changed) theHold.Release();
  const wchar_t* label = GetString(labelId);
  theHold.Accept(label != nullptr ? label : fallback);
}

void FunctionsTab::TellStripAndFrame() {
  if (iEditorFrame* frame = EditorFrame()) frame->GetPageTabs().RefreshAssignmentTabs();
  SendDocumentChanged(this);
}

void FunctionsTab::NewFunction() {
  // The dialog comes first: a cancelled one leaves no undo step behind.
  hFunctionNewDlg dialog(this);
  const INT_PTR kind = dialog.DoModal();
  if (kind < kFirstKind || kind > kLastKind) return;
  BeginUndoStep();
  Talvo& root = GetTalvo();
  if (const XmlFunction* function = root.CreateFunction(static_cast<int>(kind))) {
    ShowName(function->GetName(), true);
    menu_.AddItem(function->GetName());
    menu_.SetWindowText(menu_.GetItemText(root.GetMainDocument()->GetSelectedFunction()).c_str());
    // The case grid opens a new tap function with its first case row expanded.
    if (kind == kKindSingleTap || kind == kKindMultiTap) SetExpandDefault(true);
    RefreshEditor();
    TellStripAndFrame();
  }
  AcceptUndoStep(161, L"Create Function");
}

void FunctionsTab::SelectFunction() {
  const int chosen = menu_.GetChosenItem();
  BeginUndoStep();
  Talvo& root = GetTalvo();
  XmlTalvo* main = root.GetMainDocument();
  const bool changed = chosen > 0 && main != nullptr;
  if (changed) {
    const int index = chosen - 1;
    main->SetSelectedFunction(index);
    menu_.SetWindowText(menu_.GetItemText(index).c_str());
    if (const XmlFunction* function = root.GetFunction(index)) {
      ShowName(function->GetName(), true);
    } else {
      ShowName(L"", false);
    }
    RefreshEditor();
    if (iEditorFrame* frame = EditorFrame()) frame->GetPageTabs().RefreshAssignmentTabs();
  }
  AcceptUndoStep(172, L"Select Function", changed);
}

void FunctionsTab::DeleteFunction() {
  BeginUndoStep();
  Talvo& root = GetTalvo();
  XmlFunctionDir* folder = root.GetFunctions();
  XmlTalvo* main = root.GetMainDocument();
  const int index = main != nullptr ? main->GetSelectedFunction() : -1;
  bool deleted = false;
  // The menu must name the folder's documents one to one, or the index could name another function.
  if (folder != nullptr && folder->Count() > 0 && folder->Count() == menu_.GetItemCount() && index >= 0 &&
      index < folder->Count()) {
    const std::wstring id = folder->GetFunction(index)->GetId();
    deleted = folder->DeleteFile(index);
    if (deleted) {
      main->SetSelectedFunction(index > 0 ? index - 1 : 0);
      const XmlProfileDir* profiles = root.GetProfiles();
      for (int i = 0; profiles != nullptr && i < profiles->Count(); ++i) {
        profiles->GetProfile(i)->RemoveFunctionEverywhere(id);
      }
      menu_.RemoveItem(index);
      ShowCurrentFunction();
      RefreshEditor();
      TellStripAndFrame();
    } else {
      // The function stays, and so does the selection.
      wchar_t text[256];
      std::swprintf(text, 256, L"Can not delete (error %i\n)", static_cast<int>(GetLastError()));
      MessageBox(text, nullptr, MB_OK);
    }
  }
  AcceptUndoStep(158, L"Delete Function", deleted);
}

void FunctionsTab::SaveFunction() {
  Talvo& root = GetTalvo();
  XmlFunction* function = root.GetCurrentFunction();
  if (function == nullptr) return;
  root.EnsureDataFolders();
  function->Save();
  SendDocumentChanged(this);
  // The function's cases name custom scripts by id: the scripts are stored with it.
  if (XmlCustomScripts* scripts = root.GetCustomScripts(); scripts != nullptr && !scripts->IsSaved()) scripts->Save();
}

void FunctionsTab::RenameFunction() {
  Talvo& root = GetTalvo();
  XmlFunction* function = root.GetCurrentFunction();
  if (function == nullptr) return;
  wchar_t buffer[kNameFieldCharacters] = {};
  name_.GetWindowText(buffer, kNameFieldCharacters);
  const std::wstring name = buffer;
  if (name == function->GetName()) return;
  // Any text is taken as the user types, an empty one or another function's name too: the file is named
  // after the id.
  menu_.SetWindowText(name.c_str());
  menu_.SetItemText(root.GetMainDocument()->GetSelectedFunction(), name.c_str());
  function->SetName(name);
  SendDocumentChanged(this);
}

void FunctionsTab::OnLearningModeCheck() {
  XmlFunction* function = GetTalvo().GetCurrentFunction();
  if (function == nullptr) {
    learning_.SetCheck(BST_UNCHECKED);
    return;
  }
  const bool learning = learning_.GetCheck() == BST_CHECKED;
  function->SetForceVI(learning);
  learning_.SetCheck(learning ? BST_CHECKED : BST_UNCHECKED);
}

bool FunctionsTab::ImportFunction() {
  const ImportedFunction imported = ::Talvo::ImportFunction(this, GetTalvo());
  if (imported.function == nullptr) return false;
  if (!imported.overridden) menu_.AddItem(imported.function->GetName());
  ShowFunction(*imported.function);
  TellStripAndFrame();
  return true;
}

void FunctionsTab::ExportFunction() { ::Talvo::ExportFunction(this, GetTalvo()); }

void FunctionsTab::CloneFunction() {
  Talvo& root = GetTalvo();
  if (root.GetCurrentFunction() == nullptr) return;
  BeginUndoStep();
  XmlFunction* clone = ::Talvo::CloneFunction(this, root);
  if (clone != nullptr) {
    menu_.AddItem(clone->GetName());
    ShowFunction(*clone);
    TellStripAndFrame();
  }
  AcceptUndoStep(164, L"Load Function", clone != nullptr);
}

}  // namespace Talvo
