// What the five custom-code buttons beside a script drop-down do (edit, copy, paste, open a file, delete the
// chosen script). The function editor page hands WM_CUSTOM_CODE_BUTTON to OnCustomCodeButton; the editor
// window's script commands call the single actions.
#pragma once

#include <afxwin.h>

#include <string>

#include "controls/cell_drop_down.h"

namespace Talvo {

// Acts by the mode of the button in lParam (an IconButton whose value is its drop-down); nothing for a null
// button or one without a drop-down. Returns 0.
LRESULT OnCustomCodeButton(CWnd* page, LPARAM lParam);

// The id of the script chosen in the drop-down ("Not Selected" without a choice).
std::wstring ChosenScriptId(const CellDropDown& dropDown);

// Puts a script's body on the clipboard (an empty text when there is no such script or no document).
void CopyScript(const std::wstring& scriptId);

// Stores the clipboard's text as a new script named by the user, then makes the editor window and the page
// take the drop-down's choice.
void PasteScript(CWnd* page, CellDropDown* dropDown);

// Opens a script file chosen by the user in the script editor, as a new script.
void OpenScriptFile(CellDropDown* dropDown);

// Asks, then deletes a script and tells the editor window; nothing for "Not Selected". The question names
// the functions whose cases still choose the script, since those cases will run nothing afterwards. True
// when the script was deleted.
bool DeleteScript(HWND owner, const std::wstring& scriptId);

// The functions whose cases name a custom script, by name, in folder order.
std::wstring FunctionsUsingScript(const std::wstring& scriptId);

}  // namespace Talvo
