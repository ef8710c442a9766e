#include "editing/function_editor_tab.h"

#include <algorithm>
#include <iterator>

#include "controls/visual_manager.h"
#include "editing/custom_code_buttons.h"
#include "editing/function_editor_tab_template.h"
#include "editing/function_editor_tab_notice.h"
#include "editing/picker_column_widths.h"
#include "engine/messages.h"
#include "grid/grid_cell_icon_button.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

// Normal, hover and pushed images; the add-case button also has its disabled image.
constexpr UINT kLevelButtonImages = 16 | 32 | 64;
constexpr UINT kAddCaseButtonImages = 16 | 32 | 64 | 128;
constexpr const wchar_t* kLevelIcons[] = {L"Talvo_PolyVertex_32x32", L"Talvo_PolyEdge_32x32",
                                          L"Talvo_PolyFace_32x32",   L"Talvo_PolyBorder_32x32",
                                          L"Talvo_PolyElement_32x32", L"Talvo_Objects_32x32",
                                          L"Talvo_Override_32x32"};
constexpr int kUnwrapIconCount = 3;

// Grid placement in the page and the column widths of the case grid.
constexpr int kGridLeft = 10;
constexpr int kGridTop = 60;
constexpr int kGridRightGap = 19;
constexpr int kGridBottomGap = 10;
constexpr std::pair<int, int> kColumnWidths[] = {{2, 235}, {3, 54}, {4, 99}, {5, 75}, {6, 99},
                                                 {7, 56}, {8, 99}, {9, 73}, {10, 100}};

std::wstring Text(int id) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : L"";
}

}  // namespace

IMPLEMENT_DYNAMIC(FunctionEditorTab, CDialogEx)

BEGIN_MESSAGE_MAP(FunctionEditorTab, CDialogEx)
  ON_WM_CTLCOLOR()
  ON_WM_SIZE()
  ON_MESSAGE(WM_APPLY_CELL, &FunctionEditorTab::ApplyCellChoice)
  ON_BN_CLICKED(IDC_EDITOR_PREVIOUS_LEVEL, &FunctionEditorTab::OnBack)
  ON_BN_CLICKED(IDC_EDITOR_NEXT_LEVEL, &FunctionEditorTab::OnForward)
  ON_MESSAGE(WM_CELL_EDIT_END, &FunctionEditorTab::OnCellEditEnd)
  ON_MESSAGE(WM_CELL_EDIT_BUTTON, &FunctionEditorTab::OnCellEditButton)
  ON_MESSAGE(WM_CUSTOM_CODE_BUTTON, &FunctionEditorTab::OnCustomCodeButton)
  ON_MESSAGE(WM_SELECT_LEVEL, &FunctionEditorTab::OnSelectLevel)
  ON_MESSAGE(WM_SELECT_CASE_CELL, &FunctionEditorTab::OnSelectCell)
END_MESSAGE_MAP()

FunctionEditorTab::FunctionEditorTab(const std::wstring& pageName, CWnd* parent)
    : CDialogEx(IDD_FUNCTION_EDITOR, parent), pageName_(pageName) {
  RegisterFunctionEditorTabTemplate();
  addCase_.mode = kIconButtonAddCase;
  title_.height = kTitleHeight;
}

FunctionEditorTab::~FunctionEditorTab() = default;

BOOL FunctionEditorTab::CreatePage(CWnd* parent) { return Create(IDD_FUNCTION_EDITOR, parent); }

void FunctionEditorTab::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_EDITOR_GRID, grid_);
  DDX_Control(pDX, IDC_EDITOR_PREVIOUS_LEVEL, back_);
  DDX_Control(pDX, IDC_EDITOR_NEXT_LEVEL, forward_);
  DDX_Control(pDX, IDC_EDITOR_ADD_CASE, addCase_);
  DDX_Control(pDX, IDC_EDITOR_TITLE, title_);
  DDX_Control(pDX, IDC_EDITOR_PICTURE, picture_);
}

BOOL FunctionEditorTab::OnInitDialog() {
  CDialogEx::OnInitDialog();
  unwrap_ = pageName_ == kInputUnwrapUVW;
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  RebuildLevelList(function);
  level_ = current_ != ring_.end() ? std::max(EditorLevelOfRingEntry(*current_, unwrap_), 0) : kEditorVertex;
  ResetLevelFromPage(function);
  if (pageName_ != kInputSingleTap && pageName_ != kInputMultiTap) title_.SetText(Text(EditorLevelTitleId(level_)));
  ReadHostLook();
  LoadImages();
  FillGrid();
  LayoutGrid();
  return TRUE;
}

void FunctionEditorTab::ResetLevelFromPage(const XmlFunction* function) {
  if (pageName_ == kInputNoModifier) level_ = kEditorObjects;
  if (pageName_ == kInputSingleTap || pageName_ == kInputMultiTap) level_ = kEditorGlobal;
  if (function == nullptr) return;
  const int kind = function->GetDependent();
  if (pageName_ == kInputOverrideMode) level_ = kEditorAllElements;
  else if (kind >= 1105 && kind <= 1107) level_ = kEditorGlobal;
  else if (kind == 1108 && function->HasMode(pageName_, L"global")) level_ = kEditorGlobal;
}

void FunctionEditorTab::FollowHostTheme() {
  if (m_hWnd == nullptr) return;
  ReadHostLook();
  LoadImages();
  RefreshGrid();
  Invalidate();
}

void FunctionEditorTab::ReadHostLook() {
  look_.Read();
  SetBackgroundColor(look_.Background(), FALSE);
}

void FunctionEditorTab::LoadImages() {
  iconFolder_ = ThemedIconFolder();
  const auto iconCount = unwrap_ ? kUnwrapIconCount : static_cast<int>(std::size(kLevelIcons));
  picture_.LoadImages(iconFolder_, std::vector<std::wstring>(kLevelIcons, kLevelIcons + iconCount), L"bmp");
  back_.LoadImages(iconFolder_, L"TalvoBck-26x26", L"bmp", kLevelButtonImages);
  forward_.LoadImages(iconFolder_, L"TalvoFwd-26x26", L"bmp", kLevelButtonImages);
  addCase_.LoadImages(iconFolder_, L"TalvoPls-26x26", L"bmp", kAddCaseButtonImages);
}

// --- levels -----------------------------------------------------------------------------------------

std::wstring FunctionEditorTab::GetCurrentRingEntry() const { return current_ != ring_.end() ? *current_ : L""; }

void FunctionEditorTab::SelectLevel(const std::wstring& keyword) {
  const int code = EditorLevelCode(keyword, unwrap_);
  if (code >= 0) level_ = code;
}

void FunctionEditorTab::RebuildLevelList(const XmlFunction* function) {
  ring_.clear();
  current_ = ring_.end();
  if (function != nullptr) {
    std::vector<std::wstring> modes;
    function->GetModes(pageName_, modes);
    ring_ = BuildEditorLevelRing(modes, unwrap_);
  }
  const std::wstring keyword = EditorLevelKeyword(level_);
  current_ = std::find(ring_.begin(), ring_.end(), keyword);
  if (current_ != ring_.end()) return;
  level_ = FallbackEditorLevel(function, pageName_);
  current_ = ring_.begin();
}

void FunctionEditorTab::StepTo(std::list<std::wstring>::iterator entry) {
  current_ = entry;
  level_ = std::max(EditorLevelOfRingEntry(*current_, unwrap_), 0);
  expanded_ = ExpandedCase{};
  RefreshGrid();
  SendMessage(WM_SIZE, SIZE_RESTORED, 0);
}

void FunctionEditorTab::PreviousLevel() {
  if (current_ == ring_.end()) return;
  StepTo(current_ == ring_.begin() ? std::prev(ring_.end()) : std::prev(current_));
}

void FunctionEditorTab::NextLevel() {
  if (current_ == ring_.end()) return;
  const auto next = std::next(current_);
  StepTo(next == ring_.end() ? ring_.begin() : next);
}

ModeMenuRequest FunctionEditorTab::GetModeMenuRequest() const {
  ModeMenuRequest request;
  request.items = shownKeyword_ == L"global" ? ModeMenuItems::SubObjectCases : ModeMenuItems::Levels;
  request.withoutBorderAndElement = unwrap_;
  return request;
}

// --- header -----------------------------------------------------------------------------------------

void FunctionEditorTab::ShowHeaderControls(bool back, bool forward, bool addCase, bool picture, bool title) {
  back_.ShowWindow(back ? SW_SHOW : SW_HIDE);
  forward_.ShowWindow(forward ? SW_SHOW : SW_HIDE);
  addCase_.ShowWindow(addCase ? SW_SHOW : SW_HIDE);
  picture_.ShowWindow(picture ? SW_SHOW : SW_HIDE);
  title_.ShowWindow(title ? SW_SHOW : SW_HIDE);
}

void FunctionEditorTab::PlaceTitle(int x, int y) {
  CRect rect;
  title_.GetWindowRect(&rect);
  title_.SetWindowPos(nullptr, x, y, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void FunctionEditorTab::ShowLevelPicture(int index) {
  // The picture holds no image for the levels above its list (7 always, 3 and up on an unwrap page).
  if (index < 0 || index >= picture_.GetImageCount()) {
    picture_.ShowWindow(SW_HIDE);
    return;
  }
  picture_.SetImage(index);
}

void FunctionEditorTab::UpdateLevelHeader() {
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  const int kind = function != nullptr ? function->GetDependent() : 0;
  if (kind < 1105 || kind > 1108) return;
  addCase_.ShowWindow(SW_HIDE);
  addCase_.EnableWindow(kind >= 1107);
  if (EditorLevelKeyword(level_) != L"global" && pageName_ != kInputNoModifier) {
    ShowHeaderControls(true, true, true, true, true);
    picture_.SetWindowPos(nullptr, 135, 15, 32, 32, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowLevelPicture(level_);
    title_.SetText(Text(EditorLevelTitleId(level_)));
    PlaceTitle(180, 16);
  } else if (pageName_ == kInputNoModifier) {
    title_.EraseText();
    ShowHeaderControls(false, false, false, false, false);
  } else {
    addCase_.ShowWindow(SW_SHOW);
  }
}

void FunctionEditorTab::RefreshCornerButton() {
  CGridCellBase* cell = grid_.GetSafeHwnd() != nullptr ? grid_.GetCell(0, 2) : nullptr;
  auto* buttonCell = dynamic_cast<GridWindowCell*>(cell);
  CWnd* button = buttonCell != nullptr ? buttonCell->GetEditWnd() : nullptr;
  if (button == nullptr || button->GetSafeHwnd() == nullptr) return;
  button->ShowWindow(SW_HIDE);
  // The cell keeps the state too: the layout gives row 0's button the state its cell holds.
  if (auto* iconCell = dynamic_cast<GridCellIconButton*>(buttonCell)) iconCell->flag = 1;
  button->EnableWindow(TRUE);
  button->ShowWindow(SW_SHOW);
}

// --- messages ---------------------------------------------------------------------------------------

void FunctionEditorTab::RefreshGrid() {
  if (grid_.GetSafeHwnd() == nullptr) return;
  grid_.ShowWindow(SW_HIDE);
  grid_.DeleteAllItems(TRUE);
  // The level's title first: the fill's header rules may replace it.
  if (pageName_ != kInputSingleTap && pageName_ != kInputMultiTap) title_.SetText(Text(EditorLevelTitleId(level_)));
  FillGrid();
  LayoutGrid();
}

void FunctionEditorTab::FillGrid() {
  // The picture shows the current level from the first fill on; the header rules may replace it.
  ShowLevelPicture(level_);
  if (pageName_ == kInputClassic) FillClassicGrid();
  else FillCaseGrid();
}

LRESULT FunctionEditorTab::OnCellEditEnd(WPARAM /*wParam*/, LPARAM lParam) {
  if (lParam != 0) NotifyFunctionEdited(this);
  return 0;
}

LRESULT FunctionEditorTab::OnCellEditButton(WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }

LRESULT FunctionEditorTab::OnCustomCodeButton(WPARAM /*wParam*/, LPARAM lParam) {
  return ::Talvo::OnCustomCodeButton(this, lParam);
}

LRESULT FunctionEditorTab::OnSelectLevel(WPARAM /*wParam*/, LPARAM lParam) {
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  if (function == nullptr) return 0;
  RebuildLevelList(function);
  const int kind = function->GetDependent();
  if (kind == 1100 || kind == 1103 || kind == 1104) {
    ShowHeaderControls(false, false, false, false, false);
    return 0;
  }
  const int code = EditorLevelOfTitle(static_cast<int>(lParam), unwrap_);
  if (code < 0) return 0;
  level_ = code;
  const auto entry = std::find_if(ring_.begin(), ring_.end(),
                                  [&](const std::wstring& e) { return EditorLevelOfRingEntry(e, unwrap_) == code; });
  if (entry != ring_.end()) current_ = entry;
  title_.SetText(Text(EditorLevelTitleId(level_)));
  RefreshGrid();
  if (current_ != ring_.end()) ShowHeaderControls(true, true, true, true, true);
  return 0;
}

LRESULT FunctionEditorTab::OnSelectCell(WPARAM wParam, LPARAM lParam) {
  expanded_.selection = static_cast<short>(LOWORD(wParam));
  expanded_.modifiers = LOBYTE(lParam);
  RefreshGrid();
  return 0;
}

// --- layout and painting ----------------------------------------------------------------------------

void FunctionEditorTab::OnSize(UINT nType, int cx, int cy) {
  CDialogEx::OnSize(nType, cx, cy);
  LayoutGrid();
}

void FunctionEditorTab::LayoutGrid() {
  if (m_hWnd == nullptr || grid_.GetSafeHwnd() == nullptr) return;
  CRect client;
  GetClientRect(&client);
  grid_.SetWindowPos(nullptr, kGridLeft, kGridTop, std::max(client.Width() - kGridRightGap, 0),
                     std::max(client.Height() - kGridTop - kGridBottomGap, 0), SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& [column, width] : kColumnWidths)
    if (column < grid_.GetColumnCount()) grid_.SetColumnWidth(column, width);
  FitPickerColumns(grid_);
  if (grid_.GetColumnCount() > 10) {
    CRect gridClient;
    grid_.GetClientRect(&gridClient);
    int left8 = 0;
    for (int column = 0; column < 8; ++column) left8 += grid_.GetColumnWidth(column);
    // The Action column keeps its own width (100 at its narrowest) beside the script column.
    const int width = gridClient.Width() - left8 - grid_.GetColumnWidth(9) - std::max(grid_.GetColumnWidth(8), 100) - 18;
    grid_.SetColumnWidth(10, std::max(width, grid_.GetColumnWidth(8)));
  }
  grid_.ResetScrollBars();
  grid_.PlaceCellEditors();
  TagRowButtons();
  grid_.SyncDropDownEditors();
  grid_.Invalidate();
}

LRESULT FunctionEditorTab::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CDialogEx::WindowProc(message, wParam, lParam);
  // A tree notification may open rows: their buttons are made once the grid has shown them.
  if (message == WM_NOTIFY && m_hWnd != nullptr) PostMessage(kShowRowButtonsMessage);
  if (message == kShowRowButtonsMessage && grid_.GetSafeHwnd() != nullptr) {
    grid_.PlaceCellEditors();
    TagRowButtons();
  }
  return result;
}

HBRUSH FunctionEditorTab::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = look_.CtlColor(pDC, nCtlColor);
  return brush != nullptr ? brush : CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
}

}  // namespace Talvo
