// TalvoScriptEditor: the host's script editor window, editing one custom script for a script drop-down of
// the function editor. When the user closes the window the text goes back into the custom-scripts document
// (a new script is named first, with ScriptNameDlg), and the editor window and the page that holds the
// drop-down are told, so that the page stores the drop-down's choice in the function. Storing the script
// and the choice is one undo step, recorded only when the close changed something.
#pragma once

#include <host/script_editor.h>

#include <optional>
#include <string>

#include "controls/cell_drop_down.h"

namespace Talvo {

class TalvoScriptEditor : public ScriptEditor {
 public:
  // scriptId is the edited script, or "Not Selected" for a new one. A null owner leaves the name dialog
  // without a parent and notifies no page.
  TalvoScriptEditor(CellDropDown* owner, const std::wstring& scriptId, const MCHAR* title);
  ~TalvoScriptEditor() override;

  // Stores the text, tells the editor window and the page, then lets the window close.
  BOOL OnClose(HWND hwnd) override;

  // The edited script; a new script's id once it has been stored.
  const std::wstring& GetScriptId() const { return scriptId_; }

 private:
  // The drop-down, looked up again by its window: it may have been rebuilt while the script window was open.
  CellDropDown* LiveOwner() const;
  void StoreExistingScript(const std::wstring& text);
  // The name the user gives a new script in ScriptNameDlg; nothing when the dialog is not confirmed.
  std::optional<std::wstring> AskNewScriptName() const;
  void StoreNewScript(const std::wstring& name, const std::wstring& text);
  void NotifyClosed();

  CellDropDown* owner_;
  HWND ownerWindow_;
  HWND dialogParent_;
  std::wstring scriptId_;
};

}  // namespace Talvo
