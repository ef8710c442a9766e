// Keyboard input of an edit control: caret movement and Shift-selection on WM_KEYDOWN, typing, Backspace, Enter
// and Tab (multi-line) and the Ctrl shortcuts (A select all, C copy, X cut, V paste) on WM_CHAR.
#include <algorithm>
#include <cwctype>

#include "edit_state.h"

namespace win32_internal {

namespace {

constexpr wchar_t kCtrlA = 0x01;
constexpr wchar_t kCtrlC = 0x03;
constexpr wchar_t kCtrlV = 0x16;
constexpr wchar_t kCtrlX = 0x18;
constexpr wchar_t kBackspace = 0x08;
constexpr wchar_t kTab = L'\t';
constexpr wchar_t kReturn = L'\r';

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool IsWordChar(wchar_t c) { return std::iswalnum(c) || c == L'_'; }

// Ctrl+Left and Ctrl+Right stop at the starts of words.
int WordLeft(const std::wstring& text, int from) {
  while (from > 0 && !IsWordChar(text[static_cast<size_t>(from - 1)])) --from;
  while (from > 0 && IsWordChar(text[static_cast<size_t>(from - 1)])) --from;
  return from;
}

int WordRight(const std::wstring& text, int from) {
  int length = static_cast<int>(text.size());
  while (from < length && IsWordChar(text[static_cast<size_t>(from)])) ++from;
  while (from < length && !IsWordChar(text[static_cast<size_t>(from)])) ++from;
  return from;
}

// Moves the caret; without Shift the selection collapses (an arrow on a selection goes to its edge).
void MoveCaret(HWND hwnd, EditState& state, int target, bool collapseToEdge, int edge) {
  if (Held(VK_SHIFT)) SetEditSelection(hwnd, state, state.anchor, target);
  else if (collapseToEdge && state.hasSelection()) SetEditSelection(hwnd, state, edge, edge);
  else SetEditSelection(hwnd, state, target, target);
}

bool ReadOnly(HWND hwnd) { return (EditStyle(hwnd) & ES_READONLY) != 0; }

// The position `delta` lines above (negative) or below the caret, nearest the caret's x; the first and last lines
// stop the move.
int VerticalTarget(HWND hwnd, const EditState& state, int delta) {
  if (!IsMultilineEdit(hwnd)) return state.caret;
  POINT at = EditCharPosition(hwnd, state, state.caret);
  return EditCharFromPoint(hwnd, state, at.x, at.y + delta * EditLineHeight(state));
}

const EditLine& CaretLine(const std::vector<EditLine>& lines, const EditState& state) {
  return lines[static_cast<size_t>(EditLineOf(lines, state.caret))];
}

}  // namespace

void EditKeyDown(HWND hwnd, EditState& state, WPARAM key) {
  bool control = Held(VK_CONTROL), shift = Held(VK_SHIFT);
  int length = static_cast<int>(state.text.size());
  std::vector<EditLine> lines = EditLines(hwnd, state);
  switch (key) {
    case VK_LEFT: {
      int target = control ? WordLeft(state.text, state.caret) : EditStepLeft(state.text, state.caret);
      MoveCaret(hwnd, state, target, !control, state.selectionStart());
      break;
    }
    case VK_RIGHT: {
      int target = control ? WordRight(state.text, state.caret) : EditStepRight(state.text, state.caret);
      MoveCaret(hwnd, state, target, !control, state.selectionEnd());
      break;
    }
    case VK_UP:
    case VK_DOWN:
      MoveCaret(hwnd, state, VerticalTarget(hwnd, state, key == VK_UP ? -1 : 1), false, 0);
      break;
    case VK_PRIOR:
    case VK_NEXT: {
      int page = EditVisibleLines(hwnd, state);
      MoveCaret(hwnd, state, VerticalTarget(hwnd, state, key == VK_PRIOR ? -page : page), false, 0);
      break;
    }
    case VK_HOME:  // the start of the caret's line; with Ctrl, of the text
      MoveCaret(hwnd, state, control ? 0 : CaretLine(lines, state).start, false, 0);
      break;
    case VK_END:
      MoveCaret(hwnd, state, control ? length : CaretLine(lines, state).end(), false, 0);
      break;
    case VK_DELETE:
      if (ReadOnly(hwnd)) break;
      if (shift) {
        CutEditSelection(hwnd, state);
      } else if (state.hasSelection()) {
        ClearEditSelection(hwnd, state);
      } else if (state.caret < length) {
        SetEditSelection(hwnd, state, state.caret, EditStepRight(state.text, state.caret));
        ClearEditSelection(hwnd, state);
      }
      break;
    case VK_INSERT:
      if (control) CopyEditSelection(hwnd, state);
      else if (shift) PasteIntoEdit(hwnd, state);
      break;
    default:
      break;
  }
}

void EditChar(HWND hwnd, EditState& state, wchar_t c) {
  switch (c) {
    case kCtrlA:
      SetEditSelection(hwnd, state, 0, static_cast<int>(state.text.size()));
      return;
    case kCtrlC:
      CopyEditSelection(hwnd, state);
      return;
    case kCtrlX:
      CutEditSelection(hwnd, state);
      return;
    case kCtrlV:
      PasteIntoEdit(hwnd, state);
      return;
    case kBackspace:
      if (ReadOnly(hwnd)) return;
      if (!state.hasSelection() && state.caret > 0)
        SetEditSelection(hwnd, state, EditStepLeft(state.text, state.caret), state.caret);
      ClearEditSelection(hwnd, state);
      return;
    default:
      break;
  }
  if (ReadOnly(hwnd)) return;
  // A multi-line edit takes Enter as a line break and Tab as text whenever they reach it: inside a dialog the
  // dialog manager decides (WM_GETDLGCODE) whether they do. Other control characters are not text.
  bool multiline = IsMultilineEdit(hwnd);
  if (multiline && c == kReturn) ReplaceEditSelection(hwnd, state, L"\r\n", true);
  else if (multiline && c == kTab) ReplaceEditSelection(hwnd, state, std::wstring(1, c), true);
  else if (c >= L' ' && c != 0x7F) ReplaceEditSelection(hwnd, state, std::wstring(1, c), true);
}

}  // namespace win32_internal
