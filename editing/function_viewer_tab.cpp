#include "editing/function_viewer_tab.h"

#include <host/core_interface.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "controls/visual_manager.h"
#include "editing/function_viewer_owner.h"
#include "editing/viewer_case_text.h"
#include "editing/viewer_levels.h"
#include "grid/grid_cell_editors.h"
#include "grid/grid_page_look.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "resources/dialogs/function_viewer_tab.h"

namespace Talvo {

namespace {

// Normal, hover and pushed images of the program's active controls.
constexpr UINT kButtonImages = 112;
constexpr int kCellHeight = 30;
constexpr UINT kCellMargin = 7;
constexpr int kLargeFontGrowth = 6;
// Where OnSize puts the grid, and what it leaves free on the right and at the bottom.
constexpr int kGridLeft = 37;
constexpr int kGridTop = 60;
constexpr int kGridRightGap = 46;
constexpr int kGridBottomGap = 10;

constexpr const wchar_t* kNoModifierPage = L"No modifier";
constexpr const wchar_t* kOverridePage = L"Override Mode";
constexpr const wchar_t* kClassicPage = L"3DSMax Classic";

BYTE Wrap(int value) { return static_cast<BYTE>(value & 0xFF); }

// The shades of a block, derived from the background per channel in byte arithmetic.
COLORREF Lighter(COLORREF c) { return RGB(Wrap(GetRValue(c) + 10), Wrap(GetGValue(c) + 10), Wrap(GetBValue(c) + 10)); }
BYTE CountShade(BYTE channel) { return Wrap(std::abs(255 - (2 * channel) / 3)); }
BYTE GroupShade(BYTE channel) { return Wrap(std::abs(255 - (3 * channel) / 2)); }
COLORREF CountRowColour(COLORREF c) {
  return RGB(CountShade(GetRValue(c)), CountShade(GetGValue(c)), CountShade(GetBValue(c)));
}
COLORREF GroupRowColour(COLORREF c) {
  return RGB(GroupShade(GetRValue(c)), GroupShade(GetGValue(c)), GroupShade(GetBValue(c)));
}

std::wstring Caption(int levelCode) {
  const wchar_t* text = GetString(LevelCaptionId(levelCode));
  return text != nullptr ? text : L"";
}

}  // namespace

IMPLEMENT_DYNAMIC(FunctionViewerTab, CDialogEx)

BEGIN_MESSAGE_MAP(FunctionViewerTab, CDialogEx)
  ON_WM_CTLCOLOR()
  ON_WM_ERASEBKGND()
  ON_WM_SIZE()
  ON_BN_CLICKED(IDC_VIEWER_PREVIOUS_LEVEL, &FunctionViewerTab::OnPreviousLevel)
  ON_BN_CLICKED(IDC_VIEWER_NEXT_LEVEL, &FunctionViewerTab::OnNextLevel)
  ON_BN_CLICKED(IDC_VIEWER_FEWER_SELECTED, &FunctionViewerTab::OnFewerSelected)
  ON_BN_CLICKED(IDC_VIEWER_MORE_SELECTED, &FunctionViewerTab::OnMoreSelected)
END_MESSAGE_MAP()

FunctionViewerTab::FunctionViewerTab(const std::wstring& pageName, CWnd* pParentWnd)
    : CDialogEx(IDD_FUNCTION_VIEWER, pParentWnd), pageName_(pageName), current_(ring_.end()), refill_(true) {
  RegisterFunctionViewerTabTemplate();
}

void FunctionViewerTab::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_VIEWER_GRID, grid_);
  DDX_Control(pDX, IDC_VIEWER_PREVIOUS_LEVEL, previous_);
  DDX_Control(pDX, IDC_VIEWER_NEXT_LEVEL, next_);
  DDX_Control(pDX, IDC_VIEWER_FEWER_SELECTED, fewer_);
  DDX_Control(pDX, IDC_VIEWER_MORE_SELECTED, more_);
  DDX_Control(pDX, IDC_VIEWER_MODE, mode_);
  DDX_Control(pDX, IDC_VIEWER_LEVEL_ICON, icon_);
}

BOOL FunctionViewerTab::OnInitDialog() {
  CDialogEx::OnInitDialog();
  grid_.DeleteAllItems(TRUE);
  reduced_ = pageName_ == L"Unwrap UVW";

  const XmlFunction* function = GetShownFunction();
  BuildTree();
  if (current_ != ring_.end()) {
    if (const int code = LevelCode(*current_); code >= 0) levelCode_ = code;
  }
  const int kind = function != nullptr ? function->GetDependent() : 0;
  if (pageName_ == kNoModifierPage) {
    levelCode_ = kLevelObjects;
  } else if (pageName_ == L"SingleTap" || pageName_ == L"MultiTap") {
    levelCode_ = kLevelOverride;
  } else if (pageName_ == kOverridePage && function != nullptr) {
    if ((kind >= 1105 && kind <= 1107) || (kind == 1108 && function->HasMode(pageName_, L"global"))) {
      levelCode_ = kLevelOverride;
    }
  }
  mode_.SetText(Caption(levelCode_));

  LoadLevelIcons();
  ReadHostLook();
  LoadButtonImages();
  // The label draws its own header font at its height (it keeps no font set through WM_SETFONT).
  mode_.height = std::abs(fontHeight_);
  if (refill_) pageName_ == kClassicPage ? FillClassicGrid() : FillCaseGrid();
  return TRUE;
}

XmlFunction* FunctionViewerTab::GetShownFunction() const {
  if (m_hWnd == nullptr) return FindShownFunction(nullptr);
  HWND strip = ::GetParent(m_hWnd);
  HWND owner = strip != nullptr ? ::GetParent(strip) : nullptr;
  return FindShownFunction(owner != nullptr ? CWnd::FromHandlePermanent(owner) : nullptr);
}

void FunctionViewerTab::ReadHostLook() {
  look_.Read();

  CreateHostUIFont(font_, std::abs(fontHeight_));

  largeFont_ = GetCOREInterface()->GetAppLogFont();
  largeFont_.lfHeight = std::abs(largeFont_.lfHeight) + kLargeFontGrowth;
  largeFont_.lfQuality = CLEARTYPE_QUALITY;
}

void FunctionViewerTab::LoadLevelIcons() {
  icon_.LoadImages(ThemedIconFolder(), LevelIconNames(reduced_), L"bmp");
  icon_.SetImage(LevelIconIndex(levelCode_, reduced_));
}

void FunctionViewerTab::LoadButtonImages() {
  const std::wstring folder = ThemedIconFolder();
  previous_.LoadImages(folder, L"TalvoBck-26x26", L"bmp", kButtonImages);
  next_.LoadImages(folder, L"TalvoFwd-26x26", L"bmp", kButtonImages);
  fewer_.LoadImages(folder, L"TalvoUp-26x26", L"bmp", kButtonImages);
  more_.LoadImages(folder, L"TalvoDwn-26x26", L"bmp", kButtonImages);
}

std::wstring FunctionViewerTab::GetCurrentRingEntry() const {
  return current_ != ring_.end() ? *current_ : std::wstring();
}

void FunctionViewerTab::BuildTree() {
  ring_.clear();
  current_ = ring_.end();
  if (const XmlFunction* function = GetShownFunction()) {
    std::vector<std::wstring> modes;
    function->GetModes(pageName_, modes);
    ring_ = BuildLevelRing(modes);
  }
  const std::wstring keyword = LevelKeyword(levelCode_);
  for (auto entry = ring_.begin(); entry != ring_.end(); ++entry) {
    if (*entry == keyword) {
      current_ = entry;
      return;
    }
  }
  levelCode_ = pageName_ == kNoModifierPage ? kLevelObjects : kLevelVertex;
  current_ = ring_.begin();
}

void FunctionViewerTab::ShowLevelHeader(bool show) {
  const int command = show ? SW_SHOW : SW_HIDE;
  for (CWnd* control : {static_cast<CWnd*>(&previous_), static_cast<CWnd*>(&next_), static_cast<CWnd*>(&icon_),
                        static_cast<CWnd*>(&mode_)}) {
    if (control->GetSafeHwnd() != nullptr) control->ShowWindow(command);
  }
}

void FunctionViewerTab::ShowSelectionButtons(bool show) {
  for (IconButton* button : {&fewer_, &more_}) {
    if (button->GetSafeHwnd() != nullptr) button->ShowWindow(show ? SW_SHOW : SW_HIDE);
  }
}

void FunctionViewerTab::SetUpGrid(int rows) {
  grid_.SetRedraw(FALSE);
  grid_.DeleteAllItems(TRUE);
  ApplyPageLook(grid_, {0, kCellHeight, kCellMargin, look_.Background(), look_.Text()});
  grid_.SetColumnCount(kColumns);
  grid_.SetRowCount(rows);
}

void FunctionViewerTab::FillCaseGrid() {
  if (grid_.GetSafeHwnd() == nullptr) return;
  const XmlFunction* function = GetShownFunction();
  const int kind = function != nullptr ? function->GetDependent() : 0;
  const bool notContextSensitive = IsNotContextSensitiveKind(kind);
  std::wstring keyword = IsGlobalOnlyKind(kind) ? L"global" : LevelKeyword(levelCode_);
  bool showLevel = !IsGlobalOnlyKind(kind);
  if (pageName_ == kNoModifierPage && function != nullptr && !function->IsInputGlobal(pageName_)) {
    keyword = IsGlobalOnlyKind(kind) ? L"global" : L"objects";
    showLevel = false;
  }
  shownKeyword_ = keyword;
  ShowLevelHeader(showLevel);
  ShowSelectionButtons(!notContextSensitive);

  SetUpGrid(rowCount_);
  FillBlock(function, 0, selectionIndex_, keyword, notContextSensitive);
  if (!notContextSensitive && selectionIndex_ < 3) {
    FillBlock(function, kRowsPerBlock, selectionIndex_ + 1, keyword, false);
  }
  grid_.SetRedraw(TRUE);
  FitGrid();
  refill_ = false;
}

void FunctionViewerTab::FillBlock(const XmlFunction* function, int firstRow, int selection,
                                  const std::wstring& keyword, bool notContextSensitive) {
  if (firstRow + kRowsPerBlock > grid_.GetRowCount()) return;
  const std::wstring header =
      BlockHeaderText(selection, levelCode_, pageName_ == kNoModifierPage, notContextSensitive);
  grid_.SetLabelText(firstRow, 0, header.c_str());
  grid_.SetItemFont(firstRow, 0, &largeFont_);
  grid_.SetItemFgColour(firstRow, 0, look_.Background());
  for (int column = 0; column < kColumns; ++column) {
    grid_.SetItemBkColour(firstRow, column, CountRowColour(look_.Background()));
  }

  for (int group = 0; group < 2; ++group) {
    const int titleRow = firstRow + 1 + group * 5;
    for (int tapCount = 0; tapCount <= 4; ++tapCount) {
      FillPairRow(function, titleRow + tapCount, group, tapCount, selection, keyword);
    }
  }
}

void FunctionViewerTab::FillPairRow(const XmlFunction* function, int row, int group, int tapCount, int selection,
                                    const std::wstring& keyword) {
  const bool titleRow = tapCount == 0;
  const COLORREF shade = titleRow ? GroupRowColour(look_.Background()) : Lighter(look_.Background());
  for (int pair = 0; pair < kColumns / 2; ++pair) {
    const int labelColumn = 2 * pair;
    grid_.SetLabelText(row, labelColumn, PairLabel(group, pair, tapCount).c_str());
    if (titleRow) {
      grid_.SetItemFont(row, labelColumn, &largeFont_);
      grid_.SetItemFgColour(row, labelColumn, Lighter(look_.Background()));
    }
    if (!titleRow) {
      ViewerValue value;
      if (function != nullptr) {
        const CaseKeys keys{pageName_, keyword, selection, tapCount, PairModifierByte(group, pair)};
        value = ViewerCaseValue(*function, keys);
      }
      // The classic grid keeps plain cells where there is nothing to show.
      if (value.text.empty() && pageName_ == kClassicPage) continue;
      SetValueCell(row, labelColumn + 1, value.text, value.kind);
    }
  }
  for (int column = 0; column < kColumns; ++column) grid_.SetItemBkColour(row, column, shade);
}

void FunctionViewerTab::SetValueCell(int row, int column, const std::wstring& text, int kind) {
  grid_.SetCellType(row, column, RUNTIME_CLASS(GridCellEdit));
  if (auto* cell = dynamic_cast<GridCellEdit*>(grid_.GetCell(row, column))) {
    cell->fullText = text;
    cell->valueKind = kind;
    cell->editorStyle = ES_READONLY | ES_AUTOHSCROLL;
  }
  grid_.SetItemText(row, column, text.c_str());
}

void FunctionViewerTab::FillClassicGrid() {
  if (grid_.GetSafeHwnd() == nullptr || GetTalvo().GetCurrentProfile() == nullptr) return;
  const XmlFunction* function = GetShownFunction();
  constexpr int kClassicRows = 5;
  SetUpGrid(kClassicRows);
  grid_.SetImageList(&images_);
  ShowSelectionButtons(false);
  ShowLevelHeader(false);
  shownKeyword_ = L"global";

  grid_.SetLabelText(0, 0, BlockHeaderText(0, levelCode_, false, true).c_str());
  grid_.SetItemFont(0, 0, &largeFont_);
  grid_.SetItemFgColour(0, 0, look_.Background());
  for (int column = 0; column < kColumns; ++column) {
    grid_.SetItemBkColour(0, column, CountRowColour(look_.Background()));
  }
  // Two groups, each a title row and a single-tap row: the classic mode knows nothing but the single tap.
  for (int group = 0; group < 2; ++group) {
    FillPairRow(function, 1 + 2 * group, group, 0, 0, shownKeyword_);
    FillPairRow(function, 2 + 2 * group, group, 1, 0, shownKeyword_);
  }
  for (int row = 1; row < kClassicRows; row += 2) {
    for (int column = 1; column < kColumns; column += 2) grid_.SetItemFont(row, column, &largeFont_);
  }
  grid_.SetRedraw(TRUE);
  FitGrid();
  refill_ = false;
}

void FunctionViewerTab::FitGrid() {
  grid_.AutoSize();
  grid_.AutoSizeColumns();
  FitColumnsAndEditors();
}

void FunctionViewerTab::FitColumnsAndEditors() {
  grid_.FitColumnsToWindow();
  grid_.PlaceCellEditors();
  grid_.FitEditCellTexts();
}

void FunctionViewerTab::FollowHostTheme() {
  if (m_hWnd == nullptr) return;
  ReadHostLook();
  LoadLevelIcons();
  LoadButtonImages();
  refill_ = true;
  Relayout();
  // As after every step: the value columns share the grid's width again, so the bands reach its right edge.
  if (grid_.GetColumnCount() > 0) FitColumnsAndEditors();
  Invalidate();
}

void FunctionViewerTab::Relayout() {
  if (grid_.GetSafeHwnd() == nullptr) return;
  grid_.SetRedraw(TRUE, TRUE);
  grid_.ResetScrollBars();
  mode_.SetText(Caption(levelCode_));
  mode_.Invalidate();
  icon_.SetImage(LevelIconIndex(levelCode_, reduced_));
  icon_.Invalidate();
  CRect client;
  GetClientRect(&client);
  if (!client.IsRectEmpty() && refill_) pageName_ == kClassicPage ? FillClassicGrid() : FillCaseGrid();
  for (int column = 1; column < grid_.GetColumnCount(); column += 2) grid_.SetColumnWidth(column, kValueColumnWidth);
  // The value editors sit over their cells again: the columns they were placed for have moved.
  grid_.ResetScrollBars();
  grid_.PlaceCellEditors();
  grid_.FitEditCellTexts();
  grid_.Invalidate();
}

void FunctionViewerTab::StepLevel(bool forward) {
  if (current_ == ring_.end()) return;
  if (forward) {
    ++current_;
    if (current_ == ring_.end()) current_ = ring_.begin();
  } else {
    current_ = current_ == ring_.begin() ? std::prev(ring_.end()) : std::prev(current_);
  }
  if (const int code = LevelCode(*current_); code >= 0) levelCode_ = code;
  refill_ = true;
  Relayout();
  FitColumnsAndEditors();
}

void FunctionViewerTab::PreviousLevel() { StepLevel(false); }

void FunctionViewerTab::NextLevel() { StepLevel(true); }

void FunctionViewerTab::StepSelection(int delta) {
  const XmlFunction* function = GetShownFunction();
  if (function == nullptr || IsNotContextSensitiveKind(function->GetDependent())) return;
  selectionIndex_ = std::clamp(selectionIndex_ + delta, 0, 3);
  rowCount_ = selectionIndex_ < 3 ? 2 * kRowsPerBlock : kRowsPerBlock;
  refill_ = true;
  Relayout();
  FitColumnsAndEditors();
}

void FunctionViewerTab::FewerSelected() { StepSelection(-1); }

void FunctionViewerTab::MoreSelected() { StepSelection(1); }

void FunctionViewerTab::OnSize(UINT nType, int cx, int cy) {
  CDialogEx::OnSize(nType, cx, cy);
  if (m_hWnd == nullptr || grid_.GetSafeHwnd() == nullptr) return;
  CRect client;
  CRect window;
  GetClientRect(&client);
  GetWindowRect(&window);
  if (client.IsRectEmpty() || window.IsRectEmpty()) return;
  grid_.SetWindowPos(nullptr, kGridLeft, kGridTop, std::abs(client.Width()) - kGridRightGap,
                     std::abs(client.Height()) - kGridTop - kGridBottomGap, SWP_NOZORDER | SWP_NOACTIVATE);
  // A page marked while it had no room is filled at its first real layout.
  if (refill_) Relayout();
  if (grid_.GetColumnCount() == 0) return;
  FitColumnsAndEditors();
  grid_.Invalidate();
}

BOOL FunctionViewerTab::OnEraseBkgnd(CDC* pDC) {
  look_.Erase(*this, pDC);
  return TRUE;
}

HBRUSH FunctionViewerTab::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = look_.CtlColor(pDC, nCtlColor);
  return brush != nullptr ? brush : CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
}

}  // namespace Talvo
