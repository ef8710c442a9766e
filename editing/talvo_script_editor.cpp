#include "editing/talvo_script_editor.h"

#include "editing/custom_script_notices.h"
#include "editing/script_name_dlg.h"
#include "engine/messages.h"
#include "model/editor_window.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {
constexpr int kNewScriptNameText = 265;  // "New"
}  // namespace

TalvoScriptEditor::TalvoScriptEditor(CellDropDown* owner, const std::wstring& scriptId, const MCHAR* title)
    : ScriptEditor(title),
      owner_(owner),
      ownerWindow_(owner != nullptr ? owner->GetSafeHwnd() : nullptr),
      dialogParent_(ownerWindow_ != nullptr ? ::GetParent(ownerWindow_) : nullptr),
      scriptId_(scriptId) {}

TalvoScriptEditor::~TalvoScriptEditor() = default;

CellDropDown* TalvoScriptEditor::LiveOwner() const { return LiveDropDown(owner_, ownerWindow_); }

BOOL TalvoScriptEditor::OnClose(HWND hwnd) {
  ::EnableWindow(hwnd, FALSE);
  const std::wstring text = GetText();
  if (scriptId_ != NotSelectedScriptId()) {
    StoreExistingScript(text);
  } else {
    // The closing window is topmost: it steps back so that the name dialog can show above it.
    ::SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    StoreNewScript(text);
  }
  NotifyClosed();
  return ScriptEditor::OnClose(hwnd);
}

void TalvoScriptEditor::StoreExistingScript(const std::wstring& text) {
  const std::wstring name = GetScriptName(scriptId_);
  XmlCustomScripts* scripts = GetTalvo().GetCustomScripts();
  if (scripts == nullptr) {
    WarnScriptsDocumentMissing();
    return;
  }
  scripts->SetScript(scriptId_, name, text);
}

void TalvoScriptEditor::StoreNewScript(const std::wstring& text) {
  std::wstring name = GetString(kNewScriptNameText);
  const HWND parent = dialogParent_ != nullptr && ::IsWindow(dialogParent_) ? dialogParent_ : nullptr;
  ScriptNameDlg dialog(parent != nullptr ? CWnd::FromHandle(parent) : nullptr);
  dialog.name = &name;
  if (dialog.DoModal() != IDOK) return;

  XmlCustomScripts* scripts = GetTalvo().GetCustomScripts();
  if (scripts == nullptr) {
    WarnScriptsDocumentMissing();
    return;
  }
  std::wstring id;
  scripts->AddScript(name, text, id);
  scriptId_ = id;
  RefreshScriptNames();
  SelectScriptInCell(LiveOwner(), scriptId_);
}

void TalvoScriptEditor::NotifyClosed() {
  SendScriptsChangedAndApply(LiveOwner());
  HWND editor = EditorWindow();
  if (editor != nullptr && ::IsWindow(editor)) {
    ::PostMessageW(editor, ShowEditorMessage, 0, 0);
    ::EnableWindow(editor, TRUE);
  }
}

}  // namespace Talvo
