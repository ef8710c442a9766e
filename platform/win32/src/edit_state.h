// What a single-line EDIT control remembers, and the operations its messages share.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace win32_internal {

struct EditState {
  std::wstring text;
  int anchor = 0;          // the selection runs from the anchor to the caret
  int caret = 0;
  int limit = 0x7FFF;      // the most characters the user can enter (EM_LIMITTEXT)
  int leftMargin = 1;
  int rightMargin = 1;
  int scroll = 0;          // pixels of text scrolled out at the left (ES_AUTOHSCROLL)
  HFONT font = nullptr;
  bool focused = false;
  bool modified = false;
  bool mouseSelecting = false;
  int selectionStart() const { return anchor < caret ? anchor : caret; }
  int selectionEnd() const { return anchor < caret ? caret : anchor; }
  bool hasSelection() const { return anchor != caret; }
};

inline DWORD EditStyle(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)); }

// Text changes (edit_text.cpp). `typed` marks the user's own input, which ES_NUMBER, the limit and the width of a
// field without ES_AUTOHSCROLL may refuse; programmatic replacements only obey the limit. Every change that
// happened is followed by EN_UPDATE and EN_CHANGE. Returns whether the text changed.
bool ReplaceEditSelection(HWND hwnd, EditState& state, std::wstring insert, bool typed);
// Replaces the whole text (WM_SETTEXT): the caret goes to the start, EN_CHANGE follows.
void SetEditText(HWND hwnd, EditState& state, const std::wstring& text);
// Moves the selection (positions are clamped to the text) and shows the caret.
void SetEditSelection(HWND hwnd, EditState& state, int anchor, int caret);
// Clipboard operations (WM_COPY, WM_CUT, WM_PASTE, WM_CLEAR); cut, paste and clear do nothing when read-only.
void CopyEditSelection(HWND hwnd, const EditState& state);
void CutEditSelection(HWND hwnd, EditState& state);
void PasteIntoEdit(HWND hwnd, EditState& state);
void ClearEditSelection(HWND hwnd, EditState& state);

// Geometry and painting (edit_view.cpp).
// The x position of every character boundary of the shown text, from the text's start (size = length + 1).
std::vector<int> EditCharEdges(HWND hwnd, const EditState& state);
// The area the text is laid out in: the client area without the margins.
RECT EditFormatRect(HWND hwnd, const EditState& state);
// The character boundary nearest a client x position.
int EditCharFromX(HWND hwnd, const EditState& state, int x);
// Scrolls so that the caret can be seen (ES_AUTOHSCROLL), then repaints.
void ScrollEditToCaret(HWND hwnd, EditState& state);
void PaintEdit(HWND hwnd, HDC dc, const EditState& state);

// Keyboard input (edit_keys.cpp).
void EditKeyDown(HWND hwnd, EditState& state, WPARAM key);
void EditChar(HWND hwnd, EditState& state, wchar_t c);

}  // namespace win32_internal
