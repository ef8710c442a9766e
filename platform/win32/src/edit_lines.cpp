// How an edit control's text divides into lines.
#include <algorithm>

#include "edit_state.h"

namespace win32_internal {

namespace {

bool IsBreakChar(wchar_t c) { return c == L'\r' || c == L'\n'; }

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

}  // namespace win32_internal
