// Opening a custom script in the host's script editor for a script drop-down: the editor window is disabled
// while the script window is open (the script editor enables it again when it closes), and the script window
// is its topmost child.
#pragma once

#include <string>

#include "controls/cell_drop_down.h"
#include "editing/talvo_script_editor.h"

namespace Talvo {

// The title of every script window.
inline constexpr const wchar_t* kScriptEditorTitle = L"Script Quillon";

// Opens an existing script (its body loaded from the custom-scripts document), or an empty new script when
// the id is "Not Selected". The host owns the returned editor; null when its window could not be opened.
TalvoScriptEditor* EditCustomScript(CellDropDown* owner, const std::wstring& scriptId);

// Opens a new script holding a text; it is named and stored when the window closes.
TalvoScriptEditor* EditNewCustomScript(CellDropDown* owner, const std::wstring& text);

}  // namespace Talvo
