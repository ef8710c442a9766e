#include "editing/wheel_events_editor_tab.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <set>

#include "controls/visual_manager.h"
#include "editing/wheel_subcategory_ring.h"
#include "editing/wheel_value_text.h"
#include "engine/messages.h"
#include "grid/grid_page_look.h"
#include "model/talvo.h"
#include "model/text.h"
#include "resources/dialogs/wheel_events_editor_tab.h"

namespace Talvo {

namespace {

constexpr int kTitleHeight = 28;
// The default cells of the page's grid.
constexpr int kCellWidth = 150;
constexpr int kCellHeight = 30;
constexpr int kCellMargin = 7;
constexpr float kValueLimit = 5000.0F;
constexpr int kSpinColumns[] = {WheelEventsEditorTab::kLowerColumn, WheelEventsEditorTab::kUpperColumn,
                                WheelEventsEditorTab::kIncrementColumn};
constexpr const wchar_t* kIconNames[] = {L"Talvo_PolyVertex_32x32",  L"Talvo_PolyEdge_32x32",
                                         L"Talvo_PolyFace_32x32",    L"Talvo_PolyBorder_32x32",
                                         L"Talvo_PolyElement_32x32", L"Talvo_PolyGeometry_32x32"};
constexpr const char* kModifierOrder[] = {"alt", "ctrl", "shift"};

std::wstring Upper(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return text;
}
std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return text;
}

// One channel transformation applied to R, G and B.
template <typename F>
COLORREF MapChannels(COLORREF colour, F f) {
  auto channel = [&](int c) { return static_cast<BYTE>(f(c) & 0xFF); };
  return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

float& FieldOf(ValueRecord& record, int tag) {
  if (tag == WheelEventsEditorTab::kLowerLimitTag) return record.lowerLimit;
  if (tag == WheelEventsEditorTab::kUpperLimitTag) return record.upperLimit;
  return record.increment;
}

const char* AttributeKeyOf(int tag) {
  if (tag == WheelEventsEditorTab::kLowerLimitTag) return "lowerLimit";
  if (tag == WheelEventsEditorTab::kUpperLimitTag) return "upperLimit";
  return "increment";
}

int TagOfColumn(int column) {
  if (column == WheelEventsEditorTab::kLowerColumn) return WheelEventsEditorTab::kLowerLimitTag;
  if (column == WheelEventsEditorTab::kUpperColumn) return WheelEventsEditorTab::kUpperLimitTag;
  return WheelEventsEditorTab::kIncrementTag;
}

}  // namespace

IMPLEMENT_DYNAMIC(WheelEventsEditorTab, CDialogEx)

BEGIN_MESSAGE_MAP(WheelEventsEditorTab, CDialogEx)
  ON_WM_ERASEBKGND()
  ON_WM_CTLCOLOR()
  ON_WM_SIZE()
  ON_MESSAGE(WM_APPLY_CELL, &WheelEventsEditorTab::ApplyCell)
  ON_COMMAND(IDC_WHEEL_EVENTS_BACK, &WheelEventsEditorTab::OnBack)
  ON_COMMAND(IDC_WHEEL_EVENTS_FORWARD, &WheelEventsEditorTab::OnForward)
  ON_MESSAGE(WM_WHEEL_VALUE_EDITED, &WheelEventsEditorTab::OnValueEdited)
END_MESSAGE_MAP()

WheelEventsEditorTab::WheelEventsEditorTab() : CDialogEx(IDD_WHEEL_EVENTS_EDITOR) {
  RegisterWheelEventsEditorTabTemplate();
  title_.height = kTitleHeight;
}

BOOL WheelEventsEditorTab::CreatePage(CWnd* parent) { return Create(IDD_WHEEL_EVENTS_EDITOR, parent); }

void WheelEventsEditorTab::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_BACK, back_);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_FORWARD, forward_);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_TITLE, title_);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_ICON, picture_);
  DDX_Control(pDX, IDC_WHEEL_EVENTS_GRID, grid_);
}

XmlWheelEvents* WheelEventsEditorTab::Document() const { return GetTalvo().GetCurrentWheelEvents(); }

CategoryRecord* WheelEventsEditorTab::Category() const {
  XmlWheelEvents* document = Document();
  if (document == nullptr) return nullptr;
  auto found = document->GetEventsMap().find(WideToUtf8(pageName_));
  if (found == document->GetEventsMap().end() || CountEventEntries(found->second) == 0) return nullptr;
  return &found->second;
}

BOOL WheelEventsEditorTab::OnInitDialog() {
  CDialogEx::OnInitDialog();
  for (size_t i = 0; i < std::size(kIconNames); ++i) iconIndices_[kIconNames[i]] = static_cast<int>(i);
  ReadHostLook();
  LoadImages();
  std::vector<std::wstring> names;
  if (const CategoryRecord* category = Category()) {
    for (const auto& [name, record] : category->subcategories) names.push_back(Utf8ToWide(name));
  }
  BuildObjectRing(names);
  current_ = ring_.begin();
  CreateHostUIFont(headerFont_, kTitleHeight);
  FillGrid();
  return TRUE;
}

void WheelEventsEditorTab::FollowHostTheme() {
  if (m_hWnd == nullptr) return;
  ReadHostLook();
  LoadImages();
  Refresh();
  Invalidate();
}

void WheelEventsEditorTab::ReadHostLook() {
  look_.Read();
}

void WheelEventsEditorTab::LoadImages() {
  iconFolder_ = ThemedIconFolder();
  picture_.LoadImages(iconFolder_, std::vector<std::wstring>(std::begin(kIconNames), std::end(kIconNames)), L"bmp");
  back_.LoadImages(iconFolder_, L"TalvoBck-26x26", L"bmp", 16 | 32 | 64);
  forward_.LoadImages(iconFolder_, L"TalvoFwd-26x26", L"bmp", 16 | 32 | 64);
}

void WheelEventsEditorTab::BuildObjectRing(const std::vector<std::wstring>& names) {
  if (names.empty() || !ring_.empty()) return;
  ring_ = OrderSubcategories(names);
  current_ = ring_.begin();
}

std::wstring WheelEventsEditorTab::GetCurrentSubcategory() const {
  return current_ != ring_.end() ? *current_ : std::wstring();
}

void WheelEventsEditorTab::StepTo(std::list<std::wstring>::iterator entry) {
  if (ring_.empty()) return;
  current_ = entry;
  grid_.DeleteAllItems(TRUE);
  FillGrid();
  SendMessage(WM_SIZE, SIZE_RESTORED, 0);
}

void WheelEventsEditorTab::PreviousObject() {
  if (ring_.empty()) return;
  StepTo(current_ == ring_.begin() || current_ == ring_.end() ? std::prev(ring_.end()) : std::prev(current_));
}

void WheelEventsEditorTab::NextObject() {
  if (ring_.empty()) return;
  auto next = current_ == ring_.end() ? ring_.begin() : std::next(current_);
  StepTo(next == ring_.end() ? ring_.begin() : next);
}

void WheelEventsEditorTab::Refresh() {
  if (grid_.GetSafeHwnd() == nullptr) return;
  grid_.DeleteAllItems(TRUE);
  FillGrid();
  SendMessage(WM_SIZE, SIZE_RESTORED, 0);
}

void WheelEventsEditorTab::ComputeRowLooks() {
  const COLORREF c = look_.Background();
  const LOGFONTW base = HostUILogFont();
  const LONG height = std::abs(base.lfHeight);
  auto font = [&](LONG extra) {
    LOGFONTW font = base;
    font.lfHeight = -(height + extra);
    return font;
  };
  subcategoryLook_ = {MapChannels(c, [](int v) { return std::abs(255 - 2 * v / 3); }), c, font(6)};
  objectLook_ = {MapChannels(c, [](int v) { return std::abs(255 - 3 * v / 2); }),
                 MapChannels(c, [](int v) { return v + 10; }), font(3)};
  actionLook_ = {MapChannels(c, [](int v) { return std::abs(255 - 5 * v / 3); }),
                 MapChannels(c, [](int v) { return v + 20; }), font(3)};
  attributeLook_ = {c, look_.Text(), font(3)};
}

void WheelEventsEditorTab::StyleRow(int row, const RowLook& look, COLORREF background) {
  for (int column = kTitleColumn; column < kColumnCount; ++column) grid_.SetItemBkColour(row, column, background);
  grid_.SetItemFgColour(row, kTitleColumn, look.text);
  grid_.SetItemFont(row, kTitleColumn, &look.font);
}

int WheelEventsEditorTab::InsertTreeRow(const std::wstring& title, CTreeNode* parent, const RowLook& look,
                                        CTreeNode** node) {
  CTreeNode* inserted = grid_.InsertItem(L"", parent);
  if (node != nullptr) *node = inserted;
  if (inserted == nullptr) return -1;
  const int row = grid_.GetNodeRow(inserted);
  grid_.SetItemText(row, kTitleColumn, title.c_str());
  StyleRow(row, look, look.background);
  return row;
}

void WheelEventsEditorTab::ShowHeader() {
  title_.SetText(GetCurrentSubcategory());
  title_.Invalidate();
  const std::string icon = XmlWheelEvents::GetIconName(WideToUtf8(pageName_), WideToUtf8(GetCurrentSubcategory()));
  auto index = iconIndices_.find(Utf8ToWide(icon));
  CRect rect;
  title_.GetWindowRect(&rect);
  ScreenToClient(&rect);
  int left = 103;
  if (icon.empty() || icon == "undefined" || index == iconIndices_.end()) {
    picture_.ShowWindow(SW_HIDE);
  } else {
    picture_.SetImage(index->second);
    picture_.ShowWindow(SW_SHOW);
    // Beside the icon; where the dialog font makes the icon wider than usual, the title keeps clear of it.
    CRect icon;
    picture_.GetWindowRect(&icon);
    ScreenToClient(&icon);
    left = std::max(140, static_cast<int>(icon.right) + 6);
  }
  title_.SetWindowPos(nullptr, left, 18, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void WheelEventsEditorTab::FillGrid() {
  CategoryRecord* category = Category();
  if (category == nullptr || grid_.GetSafeHwnd() == nullptr) return;
  grid_.m_bUpdating = 1;
  grid_.SetImageList(&images_);
  ApplyPageLook(grid_, {kCellWidth, kCellHeight, kCellMargin, look_.Background(), look_.Text()});
  grid_.m_nBarState |= kWholeColumnScrolling;
  grid_.SetScrollPos32(SB_HORZ, 0, FALSE);
  grid_.GetTopleftNonFixedCell(TRUE);
  grid_.ResetScrollBars();
  ComputeRowLooks();

  grid_.SetColumnCount(kColumnCount);
  CTreeNode* root = nullptr;
  InsertTreeRow(L"", nullptr, subcategoryLook_, &root);
  ShowHeader();

  auto found = category->subcategories.find(WideToUtf8(GetCurrentSubcategory()));
  std::vector<CTreeNode*> collapsible;
  if (found != category->subcategories.end() && root != nullptr) {
    InsertTreeRow(GetCurrentSubcategory(), root, subcategoryLook_, nullptr);
    for (auto& [className, object] : found->second.objects) {
      CTreeNode* objectNode = nullptr;
      InsertTreeRow(Utf8ToWide(className), nullptr, objectLook_, &objectNode);
      if (objectNode == nullptr) continue;
      collapsible.push_back(objectNode);
      for (auto& [actionId, action] : object.actions) {
        CTreeNode* actionNode = nullptr;
        const int actionRow = InsertTreeRow(Utf8ToWide(actionId), objectNode, actionLook_, &actionNode);
        if (actionNode == nullptr) continue;
        collapsible.push_back(actionNode);
        std::set<std::string> attributes;
        for (const auto& [modifier, value] : action.modifiers) attributes.insert(value.attribute);
        for (const std::string& attribute : attributes) {
          for (const char* modifier : kModifierOrder) {
            auto value = action.modifiers.find(modifier);
            if (value == action.modifiers.end() || value->second.attribute != attribute) continue;
            CTreeNode* attributeNode = nullptr;
            const int row = InsertTreeRow(Utf8ToWide(attribute), actionNode, attributeLook_, &attributeNode);
            if (row < 0) continue;
            const int distance = row - actionRow;
            StyleRow(row, attributeLook_, MapChannels(look_.Background(), [&](int v) { return distance % 2 == 0 ? v + 10 : v - 10; }));
            FillAttributeRow(row, action, modifier, value->second);
          }
        }
      }
    }
  }
  for (auto it = collapsible.rbegin(); it != collapsible.rend(); ++it) grid_.Collapse(*it);

  grid_.m_bUpdating = 0;
  grid_.AutoSizeColumns();
  grid_.SetColumnWidth(kTitleColumn, 150);
  for (int column = 3; column < kColumnCount; ++column) grid_.SetColumnWidth(column, 90);
  if (grid_.GetRowCount() > 0) grid_.SetRowHeight(0, 0);
  if (grid_.GetRowCount() > 1) grid_.SetRowHeight(1, 0);
  grid_.SetColumnWidth(0, 0);
  grid_.ResetScrollBars();
  grid_.PlaceCellEditors();
  Invalidate();
}

void WheelEventsEditorTab::FillAttributeRow(int row, ActionRecord& action, const std::string& modifier,
                                            ValueRecord& value) {
  const std::wstring modifierName = Upper(Utf8ToWide(modifier));
  const std::wstring unit = value.screenUnits == 1 ? L"SCREEN" : L"WORLD";
  const auto actionTag = reinterpret_cast<LPARAM>(&action);
  const auto valueTag = reinterpret_cast<LPARAM>(&value);
  grid_.SetItemText(row, 3, L"ModKey");
  grid_.SetItemText(row, 5, L"UnitType");
  grid_.SetItemText(row, 7, L"LowerLimit");
  grid_.SetItemText(row, 9, L"UpperLimit");
  grid_.SetItemText(row, 11, L"Increment");

  grid_.SetCellType(row, kModifierColumn, RUNTIME_CLASS(GridCellDropDown));
  if (auto* cell = dynamic_cast<GridCellDropDown*>(grid_.GetCell(row, kModifierColumn))) {
    cell->listStyle = CBS_DROPDOWNLIST;
    cell->SetOptions({L"ALT", L"CTRL", L"SHIFT"});
    cell->columnTag = kModifierTag;
    cell->SetText(modifierName.c_str());
    cell->previousText = modifierName;
    cell->actionRecord = actionTag;
    cell->valueRecord = valueTag;
  }
  // The unit cell shows the unit; it keeps the row's modifier name in modeKeyword.
  grid_.SetCellType(row, kUnitColumn, RUNTIME_CLASS(GridCellDropDown));
  if (auto* cell = dynamic_cast<GridCellDropDown*>(grid_.GetCell(row, kUnitColumn))) {
    cell->listStyle = CBS_DROPDOWNLIST;
    cell->SetOptions({L"WORLD", L"SCREEN"});
    cell->columnTag = kUnitTag;
    cell->modeKeyword = modifierName;
    cell->previousText = unit;
    cell->SetText(unit.c_str());
    cell->actionRecord = actionTag;
    cell->valueRecord = valueTag;
  }
  for (int column : kSpinColumns) {
    grid_.SetCellType(row, column, RUNTIME_CLASS(GridCellSpinEdit));
    auto* cell = dynamic_cast<GridCellSpinEdit*>(grid_.GetCell(row, column));
    if (cell == nullptr) continue;
    cell->fieldTag = TagOfColumn(column);
    cell->attributeKey = Utf8ToWide(AttributeKeyOf(cell->fieldTag));
    cell->modifierName = modifierName;
    cell->unitText = unit;
    cell->actionRecord = actionTag;
    cell->valueRecord = valueTag;
    PrepareSpinEditor(*cell);
  }
}

void WheelEventsEditorTab::PrepareSpinEditor(GridCellSpinEdit& cell) {
  if (cell.GetSpinEdit() != nullptr || cell.valueRecord == 0) return;
  auto& record = *reinterpret_cast<ValueRecord*>(cell.valueRecord);
  const float stored = FieldOf(record, cell.fieldTag);
  if (record.screenUnits == 1) {
    cell.PrepareIntegerEditor(-static_cast<int>(kValueLimit), static_cast<int>(kValueLimit), static_cast<int>(stored));
  } else {
    cell.PrepareFloatEditor(-kValueLimit, kValueLimit, stored, CellSpinEdit::kFloatDecimals);
  }
}

void WheelEventsEditorTab::OnSize(UINT nType, int cx, int cy) {
  CDialogEx::OnSize(nType, cx, cy);
  Relayout();
}

void WheelEventsEditorTab::Relayout() {
  if (m_hWnd == nullptr || grid_.GetSafeHwnd() == nullptr) return;
  CRect client;
  CRect window;
  CRect gridRect;
  GetClientRect(&client);
  GetWindowRect(&window);
  grid_.GetWindowRect(&gridRect);
  if (client.IsRectEmpty() || window.IsRectEmpty() || gridRect.IsRectEmpty()) return;
  const int top = 60;
  // The grid's top below the page's top, as the grid will sit after the move.
  const int height = client.Height() + 1 - top - 11;
  grid_.SetWindowPos(nullptr, 10, top, std::max(client.Width() - 19, 0), std::max(height, 0),
                     SWP_NOZORDER | SWP_NOACTIVATE);
  if (grid_.GetColumnCount() < kColumnCount) return;

  std::vector<int> widths(kColumnCount, 0);
  widths[kTitleColumn] = 150;
  CClientDC dc(&grid_);
  for (int column : {kTitleColumn, 3, 5, 7, 9, 11}) {
    widths[column] = std::max(widths[column], 60);
    for (int row = 0; row < grid_.GetRowCount(); ++row) {
      CGridCellBase* cell = grid_.GetCell(row, column);
      if (cell != nullptr) widths[column] = std::max(widths[column], static_cast<int>(cell->GetTextExtent(cell->GetText(), &dc).cx));
    }
  }
  for (int column : {4, 6, 8, 10, 12}) widths[column] = 60;
  CRect gridClient;
  grid_.GetClientRect(&gridClient);
  int titleLeft = 0;
  for (int column = 0; column < kTitleColumn; ++column) titleLeft += grid_.GetColumnWidth(column);
  const int space = gridClient.Width() + 1 - titleLeft;
  int sum = 0;
  for (int width : widths) sum += width;
  if (space > 0 && sum > 0 && static_cast<double>(space) / sum > 1.0) {
    for (int& width : widths) {
      if (width <= 0) continue;
      width = std::max(width, static_cast<int>(std::floor(static_cast<double>(width) * space / sum)));
    }
  }
  for (int column = kTitleColumn; column < kColumnCount; ++column) {
    grid_.SetColumnWidth(column, widths[column]);
    grid_.ResetScrollBars();
  }
  grid_.PlaceCellEditors();
}

BOOL WheelEventsEditorTab::OnEraseBkgnd(CDC* pDC) {
  look_.Erase(*this, pDC);
  return TRUE;
}

HBRUSH WheelEventsEditorTab::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = look_.CtlColor(pDC, nCtlColor);
  return brush != nullptr ? brush : CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
}

GridCellDropDown* WheelEventsEditorTab::FindDropDownCell(LPARAM sender, int* row) const {
  if (sender == 0) return nullptr;
  for (int r = 0; r < grid_.GetRowCount(); ++r) {
    for (int column : {kModifierColumn, kUnitColumn}) {
      auto* cell = dynamic_cast<GridCellDropDown*>(grid_.GetCell(r, column));
      if (cell == nullptr || reinterpret_cast<LPARAM>(cell->GetDropDown()) != sender) continue;
      *row = r;
      return cell;
    }
  }
  return nullptr;
}

GridCellSpinEdit* WheelEventsEditorTab::FindSpinCell(LPARAM sender) const {
  if (sender == 0) return nullptr;
  for (int row = 0; row < grid_.GetRowCount(); ++row) {
    for (int column : kSpinColumns) {
      auto* cell = dynamic_cast<GridCellSpinEdit*>(grid_.GetCell(row, column));
      if (cell != nullptr && reinterpret_cast<LPARAM>(cell->GetSpinEdit()) == sender) return cell;
    }
  }
  return nullptr;
}

LRESULT WheelEventsEditorTab::ApplyCell(WPARAM /*wParam*/, LPARAM lParam) {
  int row = -1;
  GridCellDropDown* cell = FindDropDownCell(lParam, &row);
  if (cell == nullptr || Document() == nullptr || cell->actionRecord == 0) return 0;
  CellDropDown* editor = cell->GetDropDown();
  const int selection = editor->GetCurSel();
  if (selection < 0) return 0;
  std::wstring chosen;
  editor->GetLBText(selection, chosen);
  const std::string newText = WideToUtf8(Lower(chosen));
  if (cell->columnTag == kModifierTag) {
    ApplyModifier(*cell, WideToUtf8(Lower(cell->GetText())), newText);
  } else if (cell->columnTag == kUnitTag) {
    ApplyUnit(*cell, row, newText);
  }
  return 0;
}

void WheelEventsEditorTab::RetargetRow(int row, ActionRecord& action, const std::string& key) {
  auto record = action.modifiers.find(key);
  if (record == action.modifiers.end()) return;
  const std::wstring name = Upper(Utf8ToWide(key));
  const auto valueTag = reinterpret_cast<LPARAM>(&record->second);
  if (auto* modifier = dynamic_cast<GridCellDropDown*>(grid_.GetCell(row, kModifierColumn))) {
    modifier->SetText(name.c_str());
    modifier->valueRecord = valueTag;
    if (CellDropDown* editor = modifier->GetDropDown()) editor->SelectString(-1, name.c_str());
  }
  if (auto* unit = dynamic_cast<GridCellDropDown*>(grid_.GetCell(row, kUnitColumn))) {
    unit->modeKeyword = name;
    unit->valueRecord = valueTag;
  }
  for (int column : kSpinColumns) {
    if (auto* spin = dynamic_cast<GridCellSpinEdit*>(grid_.GetCell(row, column))) {
      spin->modifierName = name;
      spin->valueRecord = valueTag;
      PrepareSpinEditor(*spin);
    }
  }
}

void WheelEventsEditorTab::ApplyModifier(GridCellDropDown& cell, const std::string& oldKey,
                                         const std::string& newKey) {
  auto& action = *reinterpret_cast<ActionRecord*>(cell.actionRecord);
  auto& modifiers = action.modifiers;
  const bool hadOld = modifiers.count(oldKey) != 0;
  const bool hadNew = modifiers.count(newKey) != 0;
  // Which key each of the action's rows shows after the change. Moving keeps the record's address (the map
  // node is re-keyed); swapping exchanges the contents, so the rows follow their data to the other key.
  auto remap = [&](const std::string& key) {
    if (key == oldKey) return newKey;
    if (key == newKey && hadOld && hadNew) return oldKey;
    return key;
  };
  bool moved = false;
  if (oldKey != newKey) {
    if (!hadNew && hadOld) {
      auto node = modifiers.extract(oldKey);
      node.key() = newKey;
      modifiers.insert(std::move(node));
      moved = true;
    } else if (hadNew && hadOld) {
      std::swap(modifiers.at(oldKey), modifiers.at(newKey));
      moved = true;
    }
  }
  Document()->SwapModifiers(action, oldKey, newKey);
  if (!moved) {
    const std::wstring name = Upper(Utf8ToWide(newKey));
    cell.SetText(name.c_str());
    return;
  }
  const auto actionTag = cell.actionRecord;
  for (int row = 0; row < grid_.GetRowCount(); ++row) {
    auto* modifier = dynamic_cast<GridCellDropDown*>(grid_.GetCell(row, kModifierColumn));
    if (modifier == nullptr || modifier->actionRecord != actionTag) continue;
    const std::string shown = WideToUtf8(Lower(modifier->GetText()));
    RetargetRow(row, action, remap(shown));
  }
}

void WheelEventsEditorTab::ApplyUnit(GridCellDropDown& cell, int row, const std::string& newText) {
  auto& action = *reinterpret_cast<ActionRecord*>(cell.actionRecord);
  const std::string key = WideToUtf8(Lower(cell.modeKeyword));
  auto record = action.modifiers.find(key);
  XmlWheelEvents* document = Document();
  if (record == action.modifiers.end() || document == nullptr) return;
  const bool world = newText == "world";
  // The texts change first (screen units drop the decimals); the record and the editors then take the
  // numbers from the new texts, so that what is shown and what is stored agree.
  document->SetUnits(key, action, world);
  record->second.screenUnits = world ? 0 : 1;
  cell.SetText(world ? L"WORLD" : L"SCREEN");
  const XmlNode* modifier = action.element != nullptr ? action.element->first_node(key.c_str()) : nullptr;
  for (int column : kSpinColumns) {
    auto* spin = dynamic_cast<GridCellSpinEdit*>(grid_.GetCell(row, column));
    if (spin == nullptr) continue;
    spin->unitText = world ? L"WORLD" : L"SCREEN";
    float& field = FieldOf(record->second, spin->fieldTag);
    const XmlNode* valueNode = modifier != nullptr ? modifier->first_node(AttributeKeyOf(spin->fieldTag)) : nullptr;
    if (valueNode != nullptr) {
      if (auto number = ParseWheelValueText(XmlDocument::Text(valueNode))) field = static_cast<float>(*number);
    }
    CellSpinEdit* editor = spin->GetSpinEdit();
    if (editor == nullptr) {
      // Not shown yet: the editor it makes on first showing takes the new unit's mode and value.
      PrepareSpinEditor(*spin);
      continue;
    }
    // The page's range is set again for the new mode.
    if (world) {
      editor->SetFloatMode();
      editor->SetRange(-kValueLimit, kValueLimit);
      editor->SetPos(field);
    } else {
      editor->SetIntegerMode();
      editor->SetRange(-static_cast<int>(kValueLimit), static_cast<int>(kValueLimit));
      editor->SetPos(static_cast<int>(field));
    }
  }
}

LRESULT WheelEventsEditorTab::OnValueEdited(WPARAM /*wParam*/, LPARAM lParam) {
  GridCellSpinEdit* cell = FindSpinCell(lParam);
  if (cell == nullptr) return 0;
  CellSpinEdit* editor = cell->GetSpinEdit();
  if (!editor->IsWindowVisible() || cell->actionRecord == 0) return 0;
  const std::string key = WideToUtf8(cell->attributeKey);
  const std::string name = WideToUtf8(Lower(cell->modifierName));
  auto& action = *reinterpret_cast<ActionRecord*>(cell->actionRecord);
  auto record = action.modifiers.find(name);
  if (key.empty() || name.empty() || record == action.modifiers.end()) return 0;

  const bool integerMode = !editor->IsFloatMode();
  float& field = FieldOf(record->second, cell->fieldTag);
  double value = 0.0;
  if (integerMode) {
    if (editor->GetIntValue() == static_cast<int>(field)) return 0;
    field = static_cast<float>(editor->GetIntValue());
    value = editor->GetIntValue();
  } else {
    if (editor->GetFloatValue() == field) return 0;
    field = editor->GetFloatValue();
    value = editor->GetFloatValue();
  }

  XmlWheelEvents* document = Document();
  if (document == nullptr || action.element == nullptr) return 0;
  XmlNode* modifierNode = action.element->first_node(name.c_str());
  XmlNode* valueNode = modifierNode != nullptr ? modifierNode->first_node(key.c_str()) : nullptr;
  if (valueNode == nullptr) return 0;
  const std::string oldText = XmlDocument::Text(valueNode);
  if (WheelValueMatchesText(value, integerMode, oldText)) return 0;
  document->SetValueText(valueNode, FormatWheelValueText(value, integerMode, editor->GetDecimals(), oldText));
  return 0;
}

}  // namespace Talvo
