#include "editing/talvo_script_editor.h"

#include <host/undo.h>

#include <cstdint>
#include <optional>

#include "editing/custom_script_notices.h"
#include "editing/function_editor_tab.h"
#include "editing/script_name_dlg.h"
#include "engine/messages.h"
#include "engine/restore_obj.h"
#include "model/editor_window.h"
#include "model/modifiers.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {
constexpr int kNewScriptNameText = 265;  // "New"
constexpr int kInGridChangesText = 163;  // "In Grid Changes"
constexpr std::uint16_t kFunctionsPage = 1;
constexpr std::uint16_t kNoSubPage = 65535;

// The sub-page code of the function-editor page that holds the drop-down, for the undo record.
std::uint16_t SubPageOf(const CellDropDown* owner) {
  const auto* page = DYNAMIC_DOWNCAST(FunctionEditorTab, CWnd::FromHandlePermanent(PageOfDropDown(owner)));
  const int code = page != nullptr ? ModifierName(page->GetPageName()) : -1;
  return code >= 0 ? static_cast<std::uint16_t>(code) : kNoSubPage;
}
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
  const bool isNew = scriptId_ == NotSelectedScriptId();
  std::optional<std::wstring> newName;
  if (isNew) {
    // The closing window is topmost: it steps back so that the name dialog can show above it.
    ::SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    newName = AskNewScriptName();
  }
  // The stored script and the page's storing of the drop-down's choice are one undo step, so that undo
  // takes both back. The hold opens after the name dialog, so that nothing done while it is up joins the
  // step. Only a close that changed something is a step: an unchanged one keeps the steps to redo.
  theHold.Begin();
  TalvoDataRestoreObj* record = nullptr;
  if (theHold.Holding()) {
    record = new TalvoDataRestoreObj(kFunctionsPage, SubPageOf(LiveOwner()));
    theHold.Put(record);
  }
  if (!isNew) {
    StoreExistingScript(text);
  } else if (newName) {
    StoreNewScript(*newName, text);
  }
  NotifyClosed();
  if (record != nullptr && record->DataChanged()) {
    theHold.Accept(GetString(kInGridChangesText));
  } else {
    theHold.Cancel();
  }
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

std::optional<std::wstring> TalvoScriptEditor::AskNewScriptName() const {
  std::wstring name = GetString(kNewScriptNameText);
  const HWND parent = dialogParent_ != nullptr && ::IsWindow(dialogParent_) ? dialogParent_ : nullptr;
  ScriptNameDlg dialog(parent != nullptr ? CWnd::FromHandle(parent) : nullptr);
  dialog.name = &name;
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return name;
}

void TalvoScriptEditor::StoreNewScript(const std::wstring& name, const std::wstring& text) {
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
