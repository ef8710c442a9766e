// How a single-line edit control lays out, scrolls and paints its text, selection and caret.
#include <algorithm>
#include <cstdlib>

#include "controls_internal.h"
#include "edit_state.h"

namespace win32_internal {

namespace {

std::wstring ShownText(HWND hwnd, const EditState& state) {
  if (EditStyle(hwnd) & ES_PASSWORD) return std::wstring(state.text.size(), L'*');
  return state.text;
}

int LineHeight(HDC dc) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return metrics.tmHeight;
}

// Where the text starts in client coordinates: scrolled, or aligned when it fits (ES_CENTER, ES_RIGHT).
int TextOrigin(HWND hwnd, const EditState& state, const std::vector<int>& edges, const RECT& area) {
  int width = area.right - area.left, total = edges.back();
  DWORD style = EditStyle(hwnd);
  if (total < width && (style & ES_RIGHT)) return area.left + width - total;
  if (total < width && (style & ES_CENTER)) return area.left + (width - total) / 2;
  return area.left - state.scroll;
}

}  // namespace

std::vector<int> EditCharEdges(HWND hwnd, const EditState& state) {
  std::wstring shown = ShownText(hwnd, state);
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

RECT EditFormatRect(HWND hwnd, const EditState& state) {
  RECT client;
  GetClientRect(hwnd, &client);
  client.left += state.leftMargin;
  client.right = std::max(client.left, client.right - state.rightMargin);
  return client;
}

int EditCharFromX(HWND hwnd, const EditState& state, int x) {
  std::vector<int> edges = EditCharEdges(hwnd, state);
  int along = x - TextOrigin(hwnd, state, edges, EditFormatRect(hwnd, state));
  auto nearest = std::min_element(edges.begin(), edges.end(),
                                  [along](int a, int b) { return std::abs(a - along) < std::abs(b - along); });
  return static_cast<int>(nearest - edges.begin());
}

void ScrollEditToCaret(HWND hwnd, EditState& state) {
  std::vector<int> edges = EditCharEdges(hwnd, state);
  RECT area = EditFormatRect(hwnd, state);
  int width = area.right - area.left, caretX = edges[static_cast<size_t>(state.caret)];
  if (!(EditStyle(hwnd) & ES_AUTOHSCROLL) || edges.back() < width) {
    state.scroll = 0;
  } else if (caretX - state.scroll >= width) {
    state.scroll = caretX - width + 1;
  } else if (caretX < state.scroll) {
    state.scroll = std::max(0, caretX - width / 3);
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
  std::wstring shown = ShownText(hwnd, state);
  std::vector<int> edges = EditCharEdges(hwnd, state);
  RECT area = EditFormatRect(hwnd, state);
  int x = TextOrigin(hwnd, state, edges, area), y = area.top + 1, height = LineHeight(dc);
  UINT count = static_cast<UINT>(shown.size());
  ExtTextOutW(dc, x, y, ETO_CLIPPED, &area, shown.c_str(), count, nullptr);
  if (state.hasSelection() && (state.focused || (style & ES_NOHIDESEL))) {
    RECT chosen{x + edges[static_cast<size_t>(state.selectionStart())], y,
                x + edges[static_cast<size_t>(state.selectionEnd())], y + height};
    IntersectRect(&chosen, &chosen, &area);
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    ExtTextOutW(dc, x, y, ETO_CLIPPED | ETO_OPAQUE, &chosen, shown.c_str(), count, nullptr);
  }
  int caretX = x + edges[static_cast<size_t>(state.caret)];
  if (state.focused && caretX >= area.left && caretX <= area.right)
    PatBlt(dc, std::min<int>(caretX, area.right - 1), y, 1, height, DSTINVERT);
  SelectObject(dc, oldFont);
}

}  // namespace win32_internal
