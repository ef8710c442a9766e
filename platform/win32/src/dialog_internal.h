// What the dialog files share: a dialog's own state, creation from a template, the dialog manager's keys.
#pragma once

#include <windows.h>

namespace win32_internal {

// A dialog's state, kept in its extra bytes after the DWLP_ slots.
struct DialogState {
  HFONT font = nullptr;   // the template's font (null: the default GUI font)
  bool ownsFont = false;
  SIZE baseUnits{};       // horizontal and vertical dialog base units of the font
  int templateId = 0;
  bool modal = false;
  bool ended = false;     // EndDialog was called
  INT_PTR result = 0;
  HWND savedFocus = nullptr;  // the control that had the focus when the dialog was deactivated
  WORD defaultId = 0;         // DM_SETDEFID; 0: none set
};
inline constexpr int kDialogStateIndex = DWLP_USER + static_cast<int>(sizeof(LONG_PTR));

DialogState* DialogStateOf(HWND dialog);
// Dialog base units of a font (null: the default GUI font): the average width of the letters and the height.
SIZE BaseUnitsOf(HFONT font);

// Creates a dialog and its controls from a template, sends WM_INITDIALOG and, unless `modal`, shows it when the
// template says WS_VISIBLE. Null when the dialog or a control can't be created.
HWND CreateDialogFromTemplate(const DLGTEMPLATE& dialogTemplate, HWND parent, DLGPROC proc, LPARAM initParam,
                              int templateId, bool modal);
// The registered template a resource name (MAKEINTRESOURCE(id)) names; null with ERROR_RESOURCE_NAME_NOT_FOUND.
const DLGTEMPLATE* TemplateNamed(LPCWSTR name);
// The id a registered template was registered under (0 for templates made on the spot).
int RegisteredIdOf(const DLGTEMPLATE* dialogTemplate);

// The dialog manager's own keys (Tab, Enter, Escape, arrows between group members). True when the key was used.
bool HandleDialogKey(HWND dialog, const MSG& msg);
// The first enabled and visible WS_TABSTOP control, or null.
HWND FirstTabStop(HWND dialog);

}  // namespace win32_internal
