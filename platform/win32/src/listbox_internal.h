// The list box's state and what the combo box shares with it.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "controls_internal.h"

namespace win32_internal {

struct ListItem {
  std::wstring text;
  ULONG_PTR data = 0;
};

// A list box's state, kept behind the first pointer of its window's extra bytes.
struct ListBoxState {
  std::vector<ListItem> items;
  int selection = -1;
  int top = 0;           // the first visible item
  int hot = -1;          // the item under the mouse while a drop-down list tracks it
  int itemHeight = 0;
  HFONT font = nullptr;  // null: the default GUI font
  HWND combo = nullptr;  // the combo box a drop-down list belongs to
};

// The class of the combo box's drop-down list.
inline constexpr const wchar_t* kComboListClass = L"ComboLBox";

// Case-insensitive search as the platform does it: from the item after `start` (−1 or out of range: the first),
// wrapping around; the item's text must start with `text`, or equal it with `exact`. −1 when nothing matches.
int FindListItem(const std::vector<ListItem>& items, int start, const std::wstring& text, bool exact);

// The height of one line of text in `font` (null: the default GUI font), plus the item padding.
int TextItemHeight(HFONT font);

ListBoxState* ListStateOf(HWND list);
// Visible item rows of a list window.
int VisibleItemRows(HWND list, const ListBoxState& state);
// The item at a client point, or −1.
int ItemAtPoint(const ListBoxState& state, POINT client, const RECT& clientRect);
// Scrolls so that `index` is visible.
void EnsureItemVisible(HWND list, ListBoxState& state, int index);
void PaintListBox(HWND list, HDC hdc, const ListBoxState& state);

// What the drop-down list reports to its combo box.
void ComboListChose(HWND combo, int index);  // the user picked an item with the mouse
void ComboListCancelled(HWND combo);         // the user clicked outside the list

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers LISTBOX, COMBOBOX and the drop-down list class (global classes; once per process).
void RegisterListControlClasses();

}  // namespace win32_internal
