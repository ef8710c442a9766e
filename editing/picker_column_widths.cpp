#include "editing/picker_column_widths.h"

#include <algorithm>
#include <set>

#include "editing/case_pickers.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {

constexpr int kFirstLabelColumn = 3;
constexpr int kLastPickerColumn = 9;
constexpr int kGroupColumn = 4;
// The drop-down's text starts 4 pixels in and ends 2 pixels before its arrow button.
constexpr int kDropDownPadding = 6;
// What the script column keeps at least: its five buttons and "Not Selected" beside them.
constexpr int kScriptColumnRoom = 200;

bool IsPickerColumn(int column) { return column == 4 || column == 6 || column == 8; }

// When the grown columns leave the script column less than its room, the Group, Category and Action columns
// give back what they grew, each in proportion to its growth.
void ShareRoomWithScriptColumn(CGridCtrl& grid, const std::vector<int>& minimums) {
  CRect client;
  grid.GetClientRect(&client);
  int used = 0;
  for (int column = 0; column <= kLastPickerColumn; ++column) used += grid.GetColumnWidth(column);
  const int missing = used + kScriptColumnRoom + ::GetSystemMetrics(SM_CXVSCROLL) - client.Width();
  if (missing <= 0) return;
  const int pickers[] = {4, 6, 8};
  int grown = 0;
  for (int i = 0; i < 3; ++i) grown += grid.GetColumnWidth(pickers[i]) - minimums[static_cast<size_t>(i)];
  if (grown <= 0) return;
  const int taken = std::min(missing, grown);
  for (int i = 0; i < 3; ++i) {
    const int growth = grid.GetColumnWidth(pickers[i]) - minimums[static_cast<size_t>(i)];
    grid.SetColumnWidth(pickers[i], grid.GetColumnWidth(pickers[i]) - (growth * taken + grown - 1) / grown);
  }
}

}  // namespace

int PickerColumnWidth(int widestText, int minimum) {
  const int needed = widestText + ::GetSystemMetrics(SM_CXVSCROLL) + kDropDownPadding;
  return std::clamp(needed, minimum, std::max(minimum, kWidestPickerColumn));
}

std::vector<std::wstring> UsualPickerEntries(int column) {
  if (column == kGroupColumn) return GroupOptions(true);
  return {NotSelectedText(), AllCommandsText(), MissingText(), FixedEntryOf(kGroupCustomCode),
          FixedEntryOf(kGroupOriginalKey)};
}

void FitPickerColumns(CGridCtrl& grid) {
  if (grid.GetSafeHwnd() == nullptr || grid.GetColumnCount() <= kLastPickerColumn) return;
  CGridCellBase* normal = grid.GetDefaultCell(FALSE, FALSE);
  CClientDC dc(&grid);
  CFont* oldFont = normal != nullptr && normal->GetFontObject() != nullptr ? dc.SelectObject(normal->GetFontObject()) : nullptr;
  const int margin = normal != nullptr ? static_cast<int>(normal->GetMargin()) : 0;
  const auto measure = [&dc](const std::wstring& text) { return static_cast<int>(dc.GetTextExtent(text).cx); };
  std::vector<int> minimums;  // the picker columns' widths before they grew

  for (int column = kFirstLabelColumn; column <= kLastPickerColumn; ++column) {
    // Each distinct text is measured once: most rows repeat their label and many their choice.
    std::set<std::wstring> texts;
    if (IsPickerColumn(column)) {
      for (std::wstring& entry : UsualPickerEntries(column)) texts.insert(std::move(entry));
    }
    for (int row = 0; row < grid.GetRowCount(); ++row) texts.insert(grid.GetItemText(row, column));
    int widest = 0;
    for (const std::wstring& text : texts) widest = std::max(widest, measure(text));
    const int current = grid.GetColumnWidth(column);
    const int width = IsPickerColumn(column) ? PickerColumnWidth(widest, current) : widest + 2 * margin + 1;
    if (width > current) grid.SetColumnWidth(column, width);
    if (IsPickerColumn(column)) minimums.push_back(current);
  }
  if (oldFont != nullptr) dc.SelectObject(oldFont);
  ShareRoomWithScriptColumn(grid, minimums);
}

}  // namespace Talvo
