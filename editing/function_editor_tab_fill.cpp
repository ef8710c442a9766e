// Filling a function editor page's grid: the header by the function's kind, then the rows of the case
// layout (or of the classic layout) with their tree buttons and drop-down chains.

#include <cstdlib>

#include "editing/case_pickers.h"
#include "editing/classic_case_grid.h"
#include "editing/function_editor_tab.h"
#include "grid/grid_cell_icon_button.h"
#include "grid/grid_page_look.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kCaseCellWidth = 99;
constexpr int kClassicCellWidth = 105;
constexpr int kCellHeight = 30;
constexpr UINT kCellMargin = 7;
constexpr int kColumnCount = 11;
constexpr int kTextColumn = 2;
constexpr int kGroupColumn = 4;
constexpr int kCategoryColumn = 6;
constexpr int kActionColumn = 8;
constexpr int kScriptColumn = 10;
constexpr int kAddElementTypeCaseText = 298;
constexpr int kAllElementTypesText = 314;

bool expandDefault = false;

BYTE Wrap(int value) { return static_cast<BYTE>(value & 0xFF); }

template <typename F>
COLORREF MapChannels(COLORREF colour, F f) {
  return RGB(Wrap(f(GetRValue(colour))), Wrap(f(GetGValue(colour))), Wrap(f(GetBValue(colour))));
}

std::wstring Text(int id) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : L"";
}

}  // namespace

void SetExpandDefault(bool expand) { expandDefault = expand; }

bool TakeExpandDefault() {
  const bool expand = expandDefault;
  expandDefault = false;
  return expand;
}

void FunctionEditorTab::SetUpGrid(int cellWidth) {
  grid_.m_bUpdating = 1;
  grid_.SetImageList(&images_);
  ApplyPageLook(grid_, {cellWidth, kCellHeight, kCellMargin, look_.Background(), look_.Text()});
  grid_.m_nBarState |= kWholeColumnScrolling;
  grid_.ResetScrollBars();
  grid_.SetColumnCount(kColumnCount);
}

void FunctionEditorTab::ComputeRowLooks(bool countRowFromAbs) {
  const COLORREF c = look_.Background();
  looks_.lighter = MapChannels(c, [](int v) { return v + 10; });
  looks_.darker = MapChannels(c, [](int v) { return v - 10; });
  looks_.countRow = MapChannels(c, [&](int v) { return countRowFromAbs ? std::abs(255 - 2 * v / 3) : 255 - 2 * v / 3; });
  looks_.groupRow = MapChannels(c, [](int v) { return std::abs(255 - 3 * v / 2); });
  const LOGFONTW base = HostUILogFont();
  const LONG height = std::abs(base.lfHeight);
  looks_.countFont = base;
  looks_.countFont.lfHeight = -(height + 6);
  looks_.groupFont = base;
  looks_.groupFont.lfHeight = -(height + 3);
}

void FunctionEditorTab::FillCaseGrid() {
  if (grid_.GetSafeHwnd() == nullptr) return;
  actionRecords_.clear();
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  CaseGridRequest request;
  request.function = function;
  request.page = pageName_;
  request.level = level_;
  request.hasRingEntry = current_ != ring_.end();
  request.expanded = expanded_;
  request.openedFromNew = TakeExpandDefault();
  const CaseGridPlan plan = PlanCaseGrid(request);
  expanded_ = plan.expanded;
  shownKeyword_ = plan.keyword.empty() ? EditorLevelKeyword(level_) : plan.keyword;

  SetUpGrid(kCaseCellWidth);
  ComputeRowLooks(false);
  if (function != nullptr) ApplyHeader(plan);
  InsertRows(plan, false);
  EndFill();
}

void FunctionEditorTab::FillClassicGrid() {
  if (grid_.GetSafeHwnd() == nullptr) return;
  actionRecords_.clear();
  const CaseGridPlan plan = PlanClassicGrid(expanded_);
  shownKeyword_ = plan.keyword;
  SetUpGrid(kClassicCellWidth);
  ComputeRowLooks(true);
  ShowHeaderControls(false, false, false, false, false);
  InsertRows(plan, true);
  EndFill();
}

void FunctionEditorTab::EndFill() {
  grid_.m_bUpdating = 0;
  grid_.AutoSizeColumns();
  grid_.AutoSizeRows();
  grid_.ShowWindow(SW_SHOW);
}

void FunctionEditorTab::ApplyHeader(const CaseGridPlan& plan) {
  const int kind = plan.kind;
  const bool noModifier = pageName_ == kInputNoModifier;
  const bool override = pageName_ == kInputOverrideMode;
  const bool hasRingEntry = current_ != ring_.end();
  if (kind >= 1105 && kind <= 1108) {
    if (noModifier || override) {
      if (override) title_.SetText(Text(kAllElementTypesText));
      ShowHeaderControls(false, false, false, true, true);
      PlaceTitle(70, 18);
      picture_.SetWindowPos(nullptr, 25, 18, 32, 32, SWP_NOZORDER | SWP_NOACTIVATE);
      ShowLevelPicture(override ? kEditorGlobal : kEditorObjects);
    } else {
      if (plan.keyword == L"global") title_.SetText(Text(kAddElementTypeCaseText));
      title_.ShowWindow(SW_SHOW);
      title_.EnableWindow(FALSE);
      const bool levels = kind == 1108 && plan.keyword != L"global";
      back_.ShowWindow(levels ? SW_SHOW : SW_HIDE);
      forward_.ShowWindow(levels ? SW_SHOW : SW_HIDE);
      picture_.ShowWindow(levels ? SW_SHOW : SW_HIDE);
      if (!levels) PlaceTitle(70, 18);
      addCase_.ShowWindow(SW_SHOW);
      addCase_.EnableWindow(kind >= 1107);
    }
    grid_.CreateCornerButton(plan.cornerButton);
    return;
  }
  if (kind == 1100 || kind == 1103 || kind == 1104) {
    ShowHeaderControls(false, false, false, false, false);
    return;
  }
  if (hasRingEntry) {
    if (plan.cornerButton) {
      title_.SetText(Text(EditorLevelTitleId(level_)));
      PlaceTitle(180, 16);
    }
    grid_.CreateCornerButton(plan.cornerButton);
    return;
  }
  if (noModifier || pageName_ == kInputClassic || pageName_ == kInputMultiPress) return;
  ShowHeaderControls(false, false, addCase_.IsWindowVisible() != FALSE, false, kind == 1102);
  if (kind == 1102 && plan.endsWithoutRows && !GetTalvo().GetCurrentFunction()->HasModeCase(pageName_, plan.keyword)) {
    title_.SetText(Text(kAddElementTypeCaseText));
    PlaceTitle(70, 18);
  }
}

void FunctionEditorTab::StyleRow(int row, COLORREF background, COLORREF text, const LOGFONTW* font) {
  for (int column = kTextColumn; column < kColumnCount; ++column) grid_.SetItemBkColour(row, column, background);
  grid_.SetItemFgColour(row, kTextColumn, text);
  if (font != nullptr) grid_.SetItemFont(row, kTextColumn, font);
}

void FunctionEditorTab::MakeButtonCell(int row, const CaseRow& caseRow, bool root) {
  grid_.SetCellType(row, kTextColumn, RUNTIME_CLASS(GridCellIconButton));
  auto* cell = dynamic_cast<GridCellIconButton*>(grid_.GetCell(row, kTextColumn));
  if (cell == nullptr) return;
  cell->inputName = pageName_;
  cell->menuKind = root ? 0
                        : (caseRow.kind == CaseRowKind::Count ? GridCellIconButton::kModifierCaseMenu
                                                              : GridCellIconButton::kTapCountMenu);
  cell->number1 = caseRow.selection;
  cell->number3 = caseRow.modifiers;
  cell->flag = caseRow.buttonEnabled ? 1 : 0;
}

void FunctionEditorTab::InsertRows(const CaseGridPlan& plan, bool classic) {
  std::vector<CTreeNode*> nodes;
  std::vector<int> rows;
  for (const CaseRow& caseRow : plan.rows) {
    CTreeNode* node = nullptr;
    int row = -1;
    if (caseRow.kind == CaseRowKind::Root) {
      node = grid_.InsertItem(L" ", nullptr);
      row = node != nullptr ? grid_.GetNodeRow(node) : -1;
    } else {
      CTreeNode* parent = caseRow.parent >= 0 && caseRow.parent < static_cast<int>(nodes.size()) ? nodes[caseRow.parent] : nullptr;
      if (parent != nullptr) node = grid_.InsertNode(parent, &row);
    }
    nodes.push_back(node);
    rows.push_back(row);
    if (node == nullptr || row < 0) continue;
    // The texts of these rows only label them: the user edits cases through the editors of the tap rows.
    grid_.SetLabelText(row, grid_.GetTreeColumn(), caseRow.kind == CaseRowKind::Root ? L" " : L"");
    node->m_nRowTag = caseRow.kind == CaseRowKind::Tap ? -1 : row;
    if (caseRow.buttonCell) MakeButtonCell(row, caseRow, caseRow.kind == CaseRowKind::Root);
    grid_.SetLabelText(row, kTextColumn, caseRow.caption.c_str());
    switch (caseRow.kind) {
      case CaseRowKind::Root:
        if (!classic) StyleRow(row, look_.Background(), look_.Text(), &looks_.countFont);
        break;
      case CaseRowKind::Count:
        StyleRow(row, looks_.countRow, look_.Background(), &looks_.countFont);
        break;
      case CaseRowKind::Group:
        StyleRow(row, looks_.groupRow, looks_.lighter, &looks_.groupFont);
        break;
      case CaseRowKind::Tap: {
        const bool light = classic || caseRow.press % 2 == 1;
        for (int column = kTextColumn; column < kColumnCount; ++column)
          grid_.SetItemBkColour(row, column, light ? looks_.lighter : looks_.darker);
        FillTapRow(row, {pageName_, plan.keyword, caseRow.selection, caseRow.press, caseRow.modifiers}, classic);
        break;
      }
    }
    grid_.SetModified(row, kTextColumn);
    // The classic layout marks every cell it gives a text: the tree label and a tap row's labels and drop-downs.
    if (classic) {
      grid_.SetModified(row, grid_.GetTreeColumn());
      if (caseRow.kind == CaseRowKind::Tap)
        for (int column = kTextColumn + 1; column < kColumnCount; ++column) grid_.SetModified(row, column);
    }
  }
  for (size_t i = plan.rows.size(); i-- > 0;)
    if (plan.rows[i].collapsed && nodes[i] != nullptr) grid_.Collapse(nodes[i]);
  for (size_t i = plan.rows.size(); i-- > 0;)
    if (plan.rows[i].hidden && rows[i] >= 0) grid_.HideRow(rows[i]);
}

void FunctionEditorTab::FillTapRow(int row, const CaseKeys& keys, bool classic) {
  grid_.SetLabelText(row, 3, L"Group: ");
  grid_.SetLabelText(row, 5, L"  Category: ");
  grid_.SetLabelText(row, 7, L"Action: ");
  grid_.SetLabelText(row, 9, L"MaxScript: ");
  const PickerChain chain = ReadPickerChain(GetTalvo().GetCurrentFunction(), keys, !classic);

  GridCellDropDown* cells[4] = {};
  const int columns[4] = {kGroupColumn, kCategoryColumn, kActionColumn, kScriptColumn};
  for (int role = 0; role < 4; ++role) {
    grid_.SetCellType(row, columns[role], RUNTIME_CLASS(GridCellDropDown));
    GridCellDropDown* cell = dynamic_cast<GridCellDropDown*>(grid_.GetCell(row, columns[role]));
    if (cell == nullptr) return;
    cells[role] = cell;
    cell->listStyle = CBS_DROPDOWNLIST;
    cell->listKind = role + 1;
    cell->modeKeyword = keys.mode;
    cell->pageName = keys.input;
    cell->press = keys.press;
    cell->selectionCount = keys.selection;
    cell->modifierByte = keys.modifiers;
  }
  cells[0]->SetOptions(chain.groupOptions);
  cells[0]->SetText(chain.groupText.c_str());
  cells[1]->SetOptions(chain.categoryOptions);
  cells[1]->SetText(chain.categoryText.c_str());
  cells[1]->enabled = chain.categoryEnabled ? 1 : 0;
  cells[2]->SetOptions(chain.actionOptions);
  cells[2]->SetText(chain.actionText.c_str());
  cells[2]->enabled = chain.actionEnabled ? 1 : 0;
  actionRecords_[cells[2]] = chain.actionRecords;
  cells[3]->SetText(chain.scriptText.c_str());
  cells[3]->scriptId = chain.scriptId;
  cells[3]->enabled = chain.scriptEnabled ? 1 : 0;
  for (int role = 0; role < 4; ++role) {
    cells[role]->previousText = cells[role]->GetText();
    cells[role]->nextCell = role < 3 ? cells[role + 1] : nullptr;
    cells[role]->previousCell = role > 0 && role < 3 ? cells[role - 1] : nullptr;
  }
}

void FunctionEditorTab::TagRowButtons() {
  for (int row = 0; row < grid_.GetRowCount(); ++row) {
    auto* cell = dynamic_cast<GridCellIconButton*>(grid_.GetCell(row, kTextColumn));
    if (cell == nullptr) continue;
    // The buttons are made once their rows show; rows that open later get theirs then.
    if (cell->GetButton() == nullptr) cell->CreateButton();
    CellIconButton* button = cell->GetButton();
    if (button == nullptr || button->GetSafeHwnd() == nullptr) continue;
    button->selectionCount = cell->number1;
    button->modifierByte = cell->number3;
    if (row == 0) button->EnableWindow(cell->flag != 0);
  }
}

}  // namespace Talvo
