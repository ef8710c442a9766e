// Searching list items, case-insensitively as the platform compares them, and their height.
#include <cwctype>

#include "listbox_internal.h"

namespace win32_internal {

namespace {

wchar_t Fold(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }

bool Matches(const std::wstring& item, const std::wstring& text, bool exact) {
  if (exact ? item.size() != text.size() : item.size() < text.size()) return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (Fold(item[i]) != Fold(text[i])) return false;
  return true;
}


}  // namespace

int FindListItem(const std::vector<ListItem>& items, int start, const std::wstring& text, bool exact) {
  int count = static_cast<int>(items.size());
  if (count == 0) return -1;
  int first = (start < 0 || start >= count) ? 0 : start + 1;
  for (int step = 0; step < count; ++step) {
    int index = (first + step) % count;
    if (Matches(items[static_cast<size_t>(index)].text, text, exact)) return index;
  }
  return -1;
}

int TextItemHeight(HFONT font) {
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(hdc, &metrics);
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  return metrics.tmHeight + 2;
}

}  // namespace win32_internal
