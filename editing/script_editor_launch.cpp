#include "editing/script_editor_launch.h"

#include <memory>

#include "editing/custom_script_notices.h"
#include "model/editor_window.h"
#include "model/talvo.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {

TalvoScriptEditor* OpenEditor(CellDropDown* owner, const std::wstring& scriptId, const std::wstring& text) {
  HWND frame = EditorWindow();
  if (frame != nullptr && !::IsWindow(frame)) frame = nullptr;
  if (frame != nullptr) ::EnableWindow(frame, FALSE);

  auto editor = std::make_unique<TalvoScriptEditor>(owner, scriptId, kScriptEditorTitle);
  HWND window = editor->Open(frame);
  if (window == nullptr) {
    // Nobody took the editor: it goes, and the editor window must not stay disabled.
    if (frame != nullptr) ::EnableWindow(frame, TRUE);
    return nullptr;
  }
  // From here on the host owns the editor and deletes it with its window.
  TalvoScriptEditor* open = editor.release();
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  open->SetText(text.c_str());
  return open;
}

}  // namespace

TalvoScriptEditor* EditCustomScript(CellDropDown* owner, const std::wstring& scriptId) {
  std::wstring body;
  const XmlCustomScripts* scripts = GetTalvo().GetCustomScripts();
  if (scriptId != NotSelectedScriptId() && scripts != nullptr) {
    std::wstring name;
    if (!scripts->GetScript(scriptId, name, body)) body.clear();
  }
  return OpenEditor(owner, scriptId, body);
}

TalvoScriptEditor* EditNewCustomScript(CellDropDown* owner, const std::wstring& text) {
  return OpenEditor(owner, NotSelectedScriptId(), text);
}

}  // namespace Talvo
