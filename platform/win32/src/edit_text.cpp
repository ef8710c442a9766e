// Changes to an edit control's text and selection, with the notifications the parent expects after each.
#include <algorithm>

#include "controls_internal.h"
#include "edit_state.h"

namespace win32_internal {

namespace {

int Length(const EditState& state) { return static_cast<int>(state.text.size()); }

// Single-line fields keep one line: a pasted or set line break ends the text there.
std::wstring KeptText(HWND hwnd, const std::wstring& text) {
  return IsMultilineEdit(hwnd) ? text : FirstEditLine(text);
}

// The user cannot type beyond what the field can show: past the width of a single-line field without
// ES_AUTOHSCROLL, or past the last visible line of a multi-line field without ES_AUTOVSCROLL.
bool FitsField(HWND hwnd, const EditState& state) {
  DWORD style = EditStyle(hwnd);
  std::vector<EditLine> lines = EditLines(hwnd, state);
  if (style & ES_MULTILINE)
    return (style & ES_AUTOVSCROLL) || static_cast<int>(lines.size()) <= EditVisibleLines(hwnd, state);
  if (style & ES_AUTOHSCROLL) return true;
  RECT area = EditFormatRect(hwnd, state);
  return EditLineEdges(state, lines.front()).back() <= area.right - area.left;
}

// The notifications come last: the parent may change the text again or destroy the field while it hears them.
void Changed(HWND hwnd, EditState& state, bool modified) {
  state.modified = modified;  // WM_SETTEXT clears the modify flag; every other change sets it
  ScrollEditToCaret(hwnd, state);
  NotifyParent(hwnd, EN_UPDATE);
  if (IsWindow(hwnd)) NotifyParent(hwnd, EN_CHANGE);
}

}  // namespace

bool ReplaceEditSelection(HWND hwnd, EditState& state, std::wstring insert, bool typed) {
  insert = KeptText(hwnd, insert);
  int start = state.selectionStart(), end = state.selectionEnd();
  int room = std::max(0, kEditTextLimit - (Length(state) - (end - start)));
  if (static_cast<int>(insert.size()) > room) {
    insert.resize(static_cast<size_t>(room));
    NotifyParent(hwnd, EN_MAXTEXT);
    if (!IsWindow(hwnd)) return false;
  }
  if (insert.empty() && start == end) return false;
  EditState before = state;
  state.text.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), insert);
  state.anchor = state.caret = start + static_cast<int>(insert.size());
  if (typed && !FitsField(hwnd, state)) {
    state = before;
    MessageBeep(0);
    return false;
  }
  Changed(hwnd, state, true);
  return true;
}

void SetEditText(HWND hwnd, EditState& state, const std::wstring& text) {
  state.text = KeptText(hwnd, text);
  state.anchor = state.caret = 0;
  state.scroll = 0;
  state.topLine = 0;
  Changed(hwnd, state, false);
}

void SetEditSelection(HWND hwnd, EditState& state, int anchor, int caret) {
  state.anchor = std::clamp(anchor, 0, Length(state));
  state.caret = std::clamp(caret, 0, Length(state));
  ScrollEditToCaret(hwnd, state);
}

void CopyEditSelection(HWND hwnd, const EditState& state) {
  if (!state.hasSelection()) return;
  std::wstring chosen = state.text.substr(static_cast<size_t>(state.selectionStart()),
                                          static_cast<size_t>(state.selectionEnd() - state.selectionStart()));
  if (!OpenClipboard(hwnd)) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (chosen.size() + 1) * sizeof(wchar_t));
  if (auto* out = static_cast<wchar_t*>(GlobalLock(block))) {
    std::copy(chosen.begin(), chosen.end(), out);
    out[chosen.size()] = L'\0';
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
  } else if (block) {
    GlobalFree(block);
  }
  CloseClipboard();
}

void CutEditSelection(HWND hwnd, EditState& state) {
  if (EditStyle(hwnd) & ES_READONLY) return;
  CopyEditSelection(hwnd, state);
  ClearEditSelection(hwnd, state);
}

void PasteIntoEdit(HWND hwnd, EditState& state) {
  if ((EditStyle(hwnd) & ES_READONLY) || !OpenClipboard(hwnd)) return;
  std::wstring pasted;
  if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* text = static_cast<const wchar_t*>(GlobalLock(block))) {
      pasted = text;
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  if (!pasted.empty()) ReplaceEditSelection(hwnd, state, pasted, false);
}

void ClearEditSelection(HWND hwnd, EditState& state) {
  if ((EditStyle(hwnd) & ES_READONLY) || !state.hasSelection()) return;
  ReplaceEditSelection(hwnd, state, L"", false);
}

}  // namespace win32_internal
