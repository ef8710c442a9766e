#include "frame/script_commands.h"

#include <optional>

#include "editing/custom_code_buttons.h"
#include "editing/custom_script_notices.h"
#include "editing/script_clipboard.h"
#include "editing/script_editor_launch.h"
#include "editing/script_name_dlg.h"
#include "engine/editor_shared_state.h"
#include "engine/messages.h"
#include "grid/grid_cell_editors.h"
#include "grid/grid_ctrl.h"
#include "model/editor_window.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kNewScriptNameText = 265;  // "New"

// Disables the editor window for the life of a modal step and always enables it again afterwards.
class EditorWindowDisabled {
 public:
  EditorWindowDisabled() : window_(EditorWindow()) {
    if (window_ != nullptr && ::IsWindow(window_)) ::EnableWindow(window_, FALSE);
  }
  ~EditorWindowDisabled() {
    if (window_ != nullptr && ::IsWindow(window_)) ::EnableWindow(window_, TRUE);
  }
  EditorWindowDisabled(const EditorWindowDisabled&) = delete;
  EditorWindowDisabled& operator=(const EditorWindowDisabled&) = delete;

 private:
  HWND window_;
};

}  // namespace

CellDropDown* ScriptCommands::TargetDropDown() const {
  const CaseClipboard& clip = GetCaseClipboard();
  if (clip.grid == nullptr || !view_.IsLiveGrid(clip.grid)) return nullptr;
  auto* cell = dynamic_cast<GridCellDropDown*>(clip.grid->GetCell(clip.row, clip.column));
  CellDropDown* dropDown = cell != nullptr ? cell->GetDropDown() : nullptr;
  return dropDown != nullptr && dropDown->GetSafeHwnd() != nullptr ? dropDown : nullptr;
}

bool ScriptCommands::HasSelectedScript() const {
  const CellDropDown* dropDown = TargetDropDown();
  return dropDown != nullptr && ChosenScriptId(*dropDown) != NotSelectedScriptId();
}

void ScriptCommands::OnNewScript() {
  if (CellDropDown* dropDown = TargetDropDown()) EditNewCustomScript(dropDown, L"");
}

void ScriptCommands::OnOpenScript() {
  // The editor window stays disabled while the script editor is up and is enabled when it closes (or at
  // once when no script window opens).
  if (CellDropDown* dropDown = TargetDropDown()) OpenScriptFile(dropDown);
}

void ScriptCommands::OnEditScript() {
  if (CellDropDown* dropDown = TargetDropDown()) EditCustomScript(dropDown, ChosenScriptId(*dropDown));
}

void ScriptCommands::OnRenameScript() {
  CellDropDown* dropDown = TargetDropDown();
  if (dropDown == nullptr) return;
  const EditorWindowDisabled disabled;
  const std::wstring id = ChosenScriptId(*dropDown);
  XmlCustomScripts* scripts = GetTalvo().GetCustomScripts();
  std::wstring name;
  std::wstring body;
  if (id == NotSelectedScriptId() || scripts == nullptr || !scripts->GetScript(id, name, body)) return;

  const HWND dropDownWindow = dropDown->GetSafeHwnd();
  ScriptNameDlg dialog(dropDown);
  dialog.name = &name;
  if (dialog.DoModal() != IDOK) return;
  // The documents may have been replaced while the dialog was up: the script is looked up again.
  scripts = GetTalvo().GetCustomScripts();
  std::wstring oldName;
  if (scripts == nullptr || !scripts->GetScript(id, oldName, body)) return;
  scripts->SetScript(id, name, body);
  RefreshScriptNames();
  SendScriptsChangedAndApply(LiveDropDown(dropDown, dropDownWindow));
  if (HWND editor = EditorWindow()) ::PostMessageW(editor, ShowEditorMessage, 0, 0);
}

void ScriptCommands::OnCopyScript() {
  if (const CellDropDown* dropDown = TargetDropDown()) CopyScript(ChosenScriptId(*dropDown));
}

void ScriptCommands::OnPasteScript() {
  CellDropDown* dropDown = TargetDropDown();
  if (dropDown == nullptr) return;
  const std::optional<std::wstring> text = TakeScriptFromClipboard();
  if (!text) return;

  // The name dialog is modal: the drop-down may be rebuilt meanwhile, so it is found again by its window.
  const HWND dropDownWindow = dropDown->GetSafeHwnd();
  std::wstring name = GetString(kNewScriptNameText);
  ScriptNameDlg dialog(CWnd::FromHandle(EditorWindow()));
  dialog.name = &name;
  const bool confirmed = dialog.DoModal() == IDOK;
  XmlCustomScripts* scripts = confirmed ? GetTalvo().GetCustomScripts() : nullptr;
  if (scripts == nullptr) {
    // Nothing was pasted: the lists are refreshed, and the case keeps its script and stays as it was.
    if (confirmed) WarnScriptsDocumentMissing();
    SendScriptsChanged(LiveDropDown(dropDown, dropDownWindow));
    return;
  }
  std::wstring id;
  scripts->AddScript(name, *text, id);
  RefreshScriptNames();
  SelectScriptInCell(LiveDropDown(dropDown, dropDownWindow), id);
  SendScriptsChangedAndApply(LiveDropDown(dropDown, dropDownWindow));
}

void ScriptCommands::OnDeleteScript() {
  CellDropDown* dropDown = TargetDropDown();
  if (dropDown == nullptr) return;
  const std::wstring id = ChosenScriptId(*dropDown);
  if (id == NotSelectedScriptId()) return;

  const HWND dropDownWindow = dropDown->GetSafeHwnd();
  if (!DeleteScript(EditorWindow(), id)) return;
  SendScriptsChanged(LiveDropDown(dropDown, dropDownWindow));
}

}  // namespace Talvo
