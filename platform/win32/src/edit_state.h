// What an EDIT control remembers, and the operations its messages share. A single-line edit holds one line; an
// ES_MULTILINE edit holds lines separated by CR LF (a lone CR or LF also ends a line) and scrolls them vertically.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace win32_internal {

// The most characters an edit control holds.
inline constexpr int kEditTextLimit = 0x7FFF;

struct EditState {
  std::wstring text;
  int anchor = 0;          // the selection runs from the anchor to the caret
  int caret = 0;
  int leftMargin = 1;
  int rightMargin = 1;
  int scroll = 0;          // pixels of text scrolled out at the left (ES_AUTOHSCROLL, multi-line)
  int topLine = 0;         // the first line shown (multi-line)
  HFONT font = nullptr;
  bool focused = false;
  bool modified = false;
  bool mouseSelecting = false;
  int selectionStart() const { return anchor < caret ? anchor : caret; }
  int selectionEnd() const { return anchor < caret ? caret : anchor; }
  bool hasSelection() const { return anchor != caret; }
};

inline DWORD EditStyle(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)); }
inline bool IsMultilineEdit(HWND hwnd) { return (EditStyle(hwnd) & ES_MULTILINE) != 0; }

// Lines (edit_lines.cpp). A line is the characters from `start` up to its line break of `breakLength` characters.
struct EditLine {
  int start = 0;
  int length = 0;
  int breakLength = 0;
  int end() const { return start + length; }
};
// The lines of the text: always at least one; a single-line edit has exactly one.
std::vector<EditLine> EditLines(HWND hwnd, const EditState& state);
// The line holding a character position; a position inside a line break belongs to the line it ends.
int EditLineOf(const std::vector<EditLine>& lines, int index);
// The text up to its first line break: all a single-line edit keeps.
std::wstring FirstEditLine(const std::wstring& text);
// The position one character before or after `from`, stepping over a CR LF pair as one.
int EditStepLeft(const std::wstring& text, int from);
int EditStepRight(const std::wstring& text, int from);

// Text changes (edit_text.cpp). `typed` marks the user's own input, which the limit and the width of a field
// without ES_AUTOHSCROLL may refuse; programmatic replacements only obey the limit. Every change that
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
// The x position of every character boundary of a line as shown, from the line's start (size = length + 1).
std::vector<int> EditLineEdges(const EditState& state, const EditLine& line);
int EditLineHeight(const EditState& state);
// How many whole lines the format rectangle shows (at least one).
int EditVisibleLines(HWND hwnd, const EditState& state);
// The area the text is laid out in: the client area without the margins.
RECT EditFormatRect(HWND hwnd, const EditState& state);
// The client position of a character boundary: its x and the top of its line.
POINT EditCharPosition(HWND hwnd, const EditState& state, int index);
// The character boundary nearest a client position.
int EditCharFromPoint(HWND hwnd, const EditState& state, int x, int y);
// Scrolls so that the caret can be seen (horizontally with ES_AUTOHSCROLL or in a multi-line edit, and to the
// caret's line in a multi-line edit), then repaints.
void ScrollEditToCaret(HWND hwnd, EditState& state);
// Shows the lines from `topLine` on (multi-line), keeping the vertical scroll bar in step.
void ScrollEditLines(HWND hwnd, EditState& state, int topLine);
void PaintEdit(HWND hwnd, HDC dc, const EditState& state);

// Keyboard input (edit_keys.cpp).
void EditKeyDown(HWND hwnd, EditState& state, WPARAM key);
void EditChar(HWND hwnd, EditState& state, wchar_t c);

}  // namespace win32_internal
