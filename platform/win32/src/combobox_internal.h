// The combo box's state and the parts of it that its files share.
#pragma once

#include "listbox_internal.h"

namespace win32_internal {

// A combo box's state, kept behind the first pointer of its window's extra bytes. The items live in its
// drop-down list, a LISTBOX of the list class that the combo box owns.
struct ComboState {
  HWND list = nullptr;
  int fieldHeight = 0;       // the selection field's height (CB_SETITEMHEIGHT with −1)
  bool dropped = false;
  int selectionAtDrop = -1;  // to tell whether the user changed the selection while the list was open
  HFONT font = nullptr;
  int droppedWidth = 0;      // 0: as wide as the combo box
  int minVisible = 30;       // rows the open list shows at most
};

ComboState* ComboStateOf(HWND combo);
// The combo box's own height: the selection field inside a sunken border.
int ComboHeight(const ComboState& state);
// The drop-down button, in client coordinates.
RECT ComboButtonRect(HWND combo);
void PaintComboBox(HWND combo, HDC hdc, const ComboState& state);

// Opens or closes the list. Closing sends CBN_CLOSEUP; opening sends CBN_DROPDOWN first.
void OpenComboList(HWND combo, ComboState& state);
void CloseComboList(HWND combo, ComboState& state);
// A selection the user made while the list is closed (keys, the wheel): CBN_SELCHANGE when it changed.
void UserSelectInCombo(HWND combo, ComboState& state, int index);
// Keyboard input of the combo box (the open list doesn't take the focus).
void ComboKeyDown(HWND combo, ComboState& state, WPARAM key);
void ComboChar(HWND combo, ComboState& state, wchar_t character);

}  // namespace win32_internal
