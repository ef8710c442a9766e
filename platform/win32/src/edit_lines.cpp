// How an edit control's text divides into lines, and the EM_* requests that ask about lines.
#include <algorithm>
#include <cstring>

#include "edit_state.h"

namespace win32_internal {

namespace {

bool IsBreakChar(wchar_t c) { return c == L'\r' || c == L'\n'; }

// The line a request names: −1 means the caret's line.
int RequestedLine(const std::vector<EditLine>& lines, const EditState& state, WPARAM wParam) {
  int line = static_cast<int>(static_cast<INT_PTR>(wParam));
  return line == -1 ? EditLineOf(lines, state.caret) : line;
}

// EM_LINELENGTH of −1: the characters left unselected on the lines the selection touches.
int UnselectedOnSelectedLines(const std::vector<EditLine>& lines, const EditState& state) {
  const EditLine& first = lines[static_cast<size_t>(EditLineOf(lines, state.selectionStart()))];
  const EditLine& last = lines[static_cast<size_t>(EditLineOf(lines, state.selectionEnd()))];
  return std::max(0, state.selectionStart() - first.start) + std::max(0, last.end() - state.selectionEnd());
}

// EM_GETLINE: the buffer's first WORD holds its size in characters; the copy has no terminating null.
LRESULT CopyLine(const EditState& state, const EditLine& line, LPARAM buffer) {
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  if (!out) return 0;
  WORD room = 0;
  std::memcpy(&room, out, sizeof room);
  int count = std::min(static_cast<int>(room), line.length);
  std::copy_n(state.text.begin() + line.start, count, out);
  return count;
}

}  // namespace

std::vector<EditLine> EditLines(HWND hwnd, const EditState& state) {
  const std::wstring& text = state.text;
  int length = static_cast<int>(text.size());
  if (!IsMultilineEdit(hwnd)) return {EditLine{0, length, 0}};
  std::vector<EditLine> lines;
  int start = 0;
  for (int i = 0; i < length;) {
    if (!IsBreakChar(text[static_cast<size_t>(i)])) {
      ++i;
      continue;
    }
    int breakLength = EditStepRight(text, i) - i;
    lines.push_back(EditLine{start, i - start, breakLength});
    i += breakLength;
    start = i;
  }
  lines.push_back(EditLine{start, length - start, 0});
  return lines;
}

int EditLineOf(const std::vector<EditLine>& lines, int index) {
  auto after = std::upper_bound(lines.begin(), lines.end(), index,
                                [](int at, const EditLine& line) { return at < line.start; });
  return std::max(0, static_cast<int>(after - lines.begin()) - 1);
}

std::wstring FirstEditLine(const std::wstring& text) {
  size_t end = text.find_first_of(L"\r\n");
  return end == std::wstring::npos ? text : text.substr(0, end);
}

int EditStepLeft(const std::wstring& text, int from) {
  if (from <= 0) return 0;
  if (from >= 2 && text.compare(static_cast<size_t>(from - 2), 2, L"\r\n") == 0) return from - 2;
  return from - 1;
}

int EditStepRight(const std::wstring& text, int from) {
  int length = static_cast<int>(text.size());
  if (from >= length) return length;
  if (text.compare(static_cast<size_t>(from), 2, L"\r\n") == 0) return from + 2;
  return from + 1;
}

bool EditLineRequest(HWND hwnd, const EditState& state, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) {
  std::vector<EditLine> lines = EditLines(hwnd, state);
  int count = static_cast<int>(lines.size());
  int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (message) {
    case EM_GETLINECOUNT:
      result = count;
      return true;
    case EM_LINEINDEX: {
      int line = RequestedLine(lines, state, wParam);
      result = line >= 0 && line < count ? lines[static_cast<size_t>(line)].start : -1;
      return true;
    }
    case EM_LINELENGTH:
      if (index == -1 && state.hasSelection()) result = UnselectedOnSelectedLines(lines, state);
      else result = lines[static_cast<size_t>(EditLineOf(lines, index == -1 ? state.caret : index))].length;
      return true;
    case EM_GETLINE: {
      int line = IsMultilineEdit(hwnd) ? index : 0;
      result = line >= 0 && line < count ? CopyLine(state, lines[static_cast<size_t>(line)], lParam) : 0;
      return true;
    }
    case EM_LINEFROMCHAR:
      result = EditLineOf(lines, index == -1 ? state.selectionStart() : index);
      return true;
    default:
      return false;
  }
}

}  // namespace win32_internal
