// How an edit control lays out, scrolls and paints its lines, selection and caret.
#include <algorithm>
#include <cstdlib>

#include "controls_internal.h"
#include "edit_state.h"

namespace win32_internal {

namespace {

std::wstring ShownText(const EditState& state, const EditLine& line) {
  return state.text.substr(static_cast<size_t>(line.start), static_cast<size_t>(line.length));
}

// Where a line starts in client coordinates, scrolled.
int LineOrigin(const EditState& state, const RECT& area) { return area.left - state.scroll; }

int LineTop(const EditState& state, const RECT& area, int line) {
  return area.top + 1 + (line - state.topLine) * EditLineHeight(state);
}

int NearestEdge(const std::vector<int>& edges, int along) {
  auto nearest = std::min_element(edges.begin(), edges.end(),
                                  [along](int a, int b) { return std::abs(a - along) < std::abs(b - along); });
  return static_cast<int>(nearest - edges.begin());
}

// The first line to show so that the caret's line is in view, scrolling as little as possible.
int TopLineShowing(HWND hwnd, const EditState& state, int caretLine) {
  int visible = EditVisibleLines(hwnd, state);
  if (caretLine < state.topLine) return caretLine;
  if (caretLine >= state.topLine + visible) return caretLine - visible + 1;
  return state.topLine;
}

void PaintLine(HWND hwnd, HDC dc, const EditState& state, const EditLine& line, const RECT& area, int lineIndex) {
  std::wstring shown = ShownText(state, line);
  std::vector<int> edges = EditLineEdges(state, line);
  int x = LineOrigin(state, area), y = LineTop(state, area, lineIndex);
  int height = EditLineHeight(state);
  RECT clip = area;  // each line of a multi-line edit paints only its own band
  if (IsMultilineEdit(hwnd)) {
    clip.top = std::max<LONG>(area.top, y);
    clip.bottom = std::min<LONG>(area.bottom, y + height);
  }
  UINT count = static_cast<UINT>(shown.size());
  COLORREF text = GetTextColor(dc), back = GetBkColor(dc);
  ExtTextOutW(dc, x, y, ETO_CLIPPED, &clip, shown.c_str(), count, nullptr);
  // The selection covers the part of this line inside it, plus a little of the line break when it is selected.
  int from = std::clamp(state.selectionStart() - line.start, 0, line.length);
  int to = std::clamp(state.selectionEnd() - line.start, 0, line.length);
  bool breakChosen = line.breakLength > 0 && state.selectionEnd() > line.end() && state.selectionStart() <= line.end();
  if (state.hasSelection() && (from < to || breakChosen) && state.focused) {
    RECT chosen{x + edges[static_cast<size_t>(from)], y, x + edges[static_cast<size_t>(to)] + (breakChosen ? 4 : 0),
                y + height};
    IntersectRect(&chosen, &chosen, &clip);
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    ExtTextOutW(dc, x, y, ETO_CLIPPED | ETO_OPAQUE, &chosen, shown.c_str(), count, nullptr);
    SetBkColor(dc, back);
    SetTextColor(dc, text);
  }
  int caret = state.caret - line.start;
  if (!state.focused || caret < 0 || caret > line.length) return;
  // The caret stands just left of its character's edge, so that it never covers the first letter's stem.
  int caretX = std::max<int>(x + edges[static_cast<size_t>(caret)] - 1, area.left - state.leftMargin);
  if (caretX >= area.left - state.leftMargin && caretX <= area.right && y >= area.top && y < area.bottom)
    PatBlt(dc, std::min<int>(caretX, area.right - 1), y, 1, std::min<int>(height, area.bottom - y), DSTINVERT);
}

}  // namespace

std::vector<int> EditLineEdges(const EditState& state, const EditLine& line) {
  std::wstring shown = ShownText(state, line);
  std::vector<int> edges(shown.size() + 1, 0);
  if (shown.empty()) return edges;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ControlFontOr(state.font));
  SIZE size{};
  GetTextExtentExPointW(dc, shown.c_str(), static_cast<int>(shown.size()), 0, nullptr, edges.data() + 1, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return edges;
}

int EditLineHeight(const EditState& state) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ControlFontOr(state.font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return std::max<int>(1, metrics.tmHeight);
}

int EditVisibleLines(HWND hwnd, const EditState& state) {
  RECT area = EditFormatRect(hwnd, state);
  return std::max(1, static_cast<int>(area.bottom - area.top) / EditLineHeight(state));
}

RECT EditFormatRect(HWND hwnd, const EditState& state) {
  RECT client;
  GetClientRect(hwnd, &client);
  client.left += state.leftMargin;
  client.right = std::max(client.left, client.right - state.rightMargin);
  return client;
}

POINT EditCharPosition(HWND hwnd, const EditState& state, int index) {
  std::vector<EditLine> lines = EditLines(hwnd, state);
  int lineIndex = EditLineOf(lines, index);
  const EditLine& line = lines[static_cast<size_t>(lineIndex)];
  std::vector<int> edges = EditLineEdges(state, line);
  RECT area = EditFormatRect(hwnd, state);
  int along = edges[static_cast<size_t>(std::clamp(index - line.start, 0, line.length))];
  return POINT{LineOrigin(state, area) + along, LineTop(state, area, lineIndex)};
}

int EditCharFromPoint(HWND hwnd, const EditState& state, int x, int y) {
  std::vector<EditLine> lines = EditLines(hwnd, state);
  RECT area = EditFormatRect(hwnd, state);
  int lineIndex = 0;
  if (IsMultilineEdit(hwnd)) {
    int offset = y - (area.top + 1);
    int height = EditLineHeight(state);
    int row = offset >= 0 ? offset / height : -((height - 1 - offset) / height);  // rounded down above the text
    lineIndex = std::clamp(state.topLine + row, 0, static_cast<int>(lines.size()) - 1);
  }
  const EditLine& line = lines[static_cast<size_t>(lineIndex)];
  std::vector<int> edges = EditLineEdges(state, line);
  return line.start + NearestEdge(edges, x - LineOrigin(state, area));
}

void ScrollEditToCaret(HWND hwnd, EditState& state) {
  bool multiline = IsMultilineEdit(hwnd);
  std::vector<EditLine> lines = EditLines(hwnd, state);
  int caretLine = EditLineOf(lines, state.caret);
  const EditLine& line = lines[static_cast<size_t>(caretLine)];
  std::vector<int> edges = EditLineEdges(state, line);
  RECT area = EditFormatRect(hwnd, state);
  int width = area.right - area.left, caretX = edges[static_cast<size_t>(state.caret - line.start)];
  bool scrolls = multiline || (EditStyle(hwnd) & ES_AUTOHSCROLL);
  if (!scrolls || (!multiline && edges.back() < width)) {
    state.scroll = 0;
  } else if (caretX - state.scroll >= width) {
    state.scroll = caretX - width + 1;
  } else if (caretX < state.scroll) {
    state.scroll = std::max(0, caretX - width / 3);
  }
  if (multiline) ScrollEditLines(hwnd, state, TopLineShowing(hwnd, state, caretLine));
  InvalidateRect(hwnd, nullptr, FALSE);
}

void ScrollEditLines(HWND hwnd, EditState& state, int topLine) {
  if (!IsMultilineEdit(hwnd)) return;
  int count = static_cast<int>(EditLines(hwnd, state).size());
  int visible = EditVisibleLines(hwnd, state);
  state.topLine = std::clamp(topLine, 0, std::max(0, count - visible));
  if (EditStyle(hwnd) & WS_VSCROLL) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, count - 1,
                    static_cast<UINT>(visible), state.topLine, 0};
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
  }
  InvalidateRect(hwnd, nullptr, FALSE);
}

void PaintEdit(HWND hwnd, HDC dc, const EditState& state) {
  DWORD style = EditStyle(hwnd);
  bool enabled = IsWindowEnabled(hwnd);
  UINT colorMessage = (style & ES_READONLY) || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  FillControlBackground(hwnd, dc, ParentColors(hwnd, dc, colorMessage));
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  HGDIOBJ oldFont = SelectObject(dc, ControlFontOr(state.font));
  std::vector<EditLine> lines = EditLines(hwnd, state);
  RECT area = EditFormatRect(hwnd, state);
  int last = std::min(static_cast<int>(lines.size()) - 1, state.topLine + EditVisibleLines(hwnd, state));
  for (int i = state.topLine; i <= last; ++i) PaintLine(hwnd, dc, state, lines[static_cast<size_t>(i)], area, i);
  SelectObject(dc, oldFont);
}

}  // namespace win32_internal
