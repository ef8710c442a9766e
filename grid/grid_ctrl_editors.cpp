// The program's additions to the grid: keeping the persistent cell editors on their cells, fitting texts
// into the text editors, re-synchronising script lists, the corner widgets and the case-row menu.
#include "grid/grid_ctrl.h"

#include <string>

#include "controls/cell_icon_button.h"
#include "controls/label.h"
#include "controls/visual_manager.h"
#include "engine/editor_shared_state.h"
#include "grid/case_row_layout.h"
#include "grid/function_editor_page.h"
#include "grid/grid_cell_editors.h"
#include "grid/grid_window_cell.h"
#include "grid/grid_menus.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {

// The corner widgets of an empty function-editor grid, relative to the client area's top-left corner.
constexpr int kCornerButtonX = 17;
constexpr int kCornerLabelX = 52;
constexpr int kCornerTop = 8;
constexpr int kCornerButtonSize = 20;
constexpr int kCornerLabelWidth = 233;
constexpr int kCornerLabelHeight = 30;
// Normal inactive, normal active, hot active and pressed active images.
constexpr UINT kCornerButtonImages = 113;
// Text id of the label ("Add Element Count Case").
constexpr int kCornerLabelText = 299;
// Neither widget needs a distinct control id.
constexpr UINT kCornerWidgetId = 0xFFFF;

// Script texts longer than this are cut before they are fitted.
constexpr size_t kFittedTextLimit = 200;
// A text may be this much wider than its editor and still be shown whole.
constexpr int kFitAllowance = 20;

// The columns of a function editor's case rows that open the case menu, and the column of its script lists.
constexpr int kFirstCaseColumn = 2;
constexpr int kLastCaseColumn = 9;
constexpr int kScriptColumn = 10;

// Function kinds whose cases are all global.
bool IsGlobalKind(int kind) { return kind == kKindMultiTapModifiers || kind == kKindClassic || kind == kKindMultiPress; }

// The width of a text on a device context.
int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// The text an editor of the given width shows: the whole text when it is not beyond the length limit and
// fits (with the allowance), else the longest prefix that fits followed by "...", found by halving (a
// prefix's width grows with its length); "..." alone when no prefix fits. A cut text always ends in "...".
std::wstring FittedText(HDC dc, std::wstring text, int width) {
  const int limit = width + kFitAllowance;
  const bool cut = text.size() > kFittedTextLimit;
  if (cut) {
    text.resize(kFittedTextLimit);
  } else if (TextWidth(dc, text) <= limit) {
    return text;
  }
  const auto shortened = [&text](size_t length) { return text.substr(0, length) + L"..."; };
  size_t fits = 0;  // the longest length known to fit (0: none yet)
  // The shortest length known not to fit: the whole text of a text that was not cut (it did not fit);
  // a cut text may keep all its kept characters when they fit with the "...".
  size_t tooLong = cut ? text.size() + 1 : text.size();
  while (tooLong - fits > 1) {
    const size_t middle = fits + (tooLong - fits) / 2;
    (TextWidth(dc, shortened(middle)) <= limit ? fits : tooLong) = middle;
  }
  return shortened(fits);
}

// The grid's style for its child widgets, without the scroll bars a grid window may carry.
DWORD ChildStyle(const CWnd& grid) { return (grid.GetStyle() & ~(WS_HSCROLL | WS_VSCROLL)) | WS_CLIPCHILDREN; }

}  // namespace

void CGridCtrl::PlaceCellEditors() {
  for (int row = 0; row < m_nRows; ++row) {
    for (int col = 0; col < m_nCols; ++col) {
      if (auto* cell = dynamic_cast<GridWindowCell*>(GetCell(row, col))) cell->PlaceOnCell();
    }
  }

  CRect client;
  GetClientRect(&client);
  if (client.Width() < 1 || client.Height() < 1) return;
  if (m_pCornerButton && m_pCornerButton->GetSafeHwnd() != nullptr) {
    m_pCornerButton->SetWindowPos(nullptr, client.left + kCornerButtonX, client.top + kCornerTop, kCornerButtonSize,
                                  kCornerButtonSize, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pCornerLabel && m_pCornerLabel->GetSafeHwnd() != nullptr) {
      m_pCornerLabel->SetWindowPos(nullptr, client.left + kCornerLabelX, client.top + kCornerTop, kCornerLabelWidth,
                                   kCornerLabelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

void CGridCtrl::FitEditCellTexts() {
  for (int row = 0; row < m_nRows; ++row) {
    for (int col = 0; col < m_nCols; ++col) {
      CGridCellBase* cell = GetCell(row, col);
      if (auto* spin = dynamic_cast<GridCellSpinEdit*>(cell)) {
        if (spin->GetEditWnd() == nullptr && spin->CreatePreparedEditor() == nullptr) spin->CreateEditor();
        continue;
      }
      auto* edit = dynamic_cast<GridCellEdit*>(cell);
      if (edit == nullptr) continue;
      if (edit->GetEditWnd() == nullptr) edit->CreateEditor();
      CellEdit* editor = edit->GetEditor();
      if (editor == nullptr || editor->GetSafeHwnd() == nullptr) continue;
      CRect client;
      editor->GetClientRect(&client);
      // Measured in the font the editor shows its text in.
      HDC dc = ::GetDC(editor->m_hWnd);
      if (dc == nullptr) continue;
      const auto font = reinterpret_cast<HGDIOBJ>(editor->SendMessage(WM_GETFONT, 0, 0));
      const HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
      const std::wstring shown = FittedText(dc, edit->fullText, client.Width());
      if (oldFont != nullptr) ::SelectObject(dc, oldFont);
      ::ReleaseDC(editor->m_hWnd, dc);
      editor->SetWindowText(shown.c_str());
    }
  }
}

void CGridCtrl::SyncDropDownEditors() {
  for (int row = 0; row < m_nRows; ++row) {
    for (int col = 0; col < m_nCols; ++col) {
      if (auto* dropDown = dynamic_cast<GridCellDropDown*>(GetCell(row, col))) dropDown->SyncEditor();
    }
  }
}

void CGridCtrl::CreateCornerButton(BOOL bShow) {
  if (!bShow) {
    if (m_pCornerButton && m_pCornerButton->GetSafeHwnd() != nullptr) m_pCornerButton->ShowWindow(SW_HIDE);
    if (m_pCornerLabel && m_pCornerLabel->GetSafeHwnd() != nullptr) m_pCornerLabel->ShowWindow(SW_HIDE);
    return;
  }
  if (m_hWnd == nullptr) return;
  CRect client;
  GetClientRect(&client);
  if (!m_pCornerButton) {
    const CRect rect(client.left + kCornerButtonX, client.top + kCornerTop, client.left + kCornerButtonX + kCornerButtonSize,
                     client.top + kCornerTop + kCornerButtonSize);
    m_pCornerButton = std::make_unique<CellIconButton>(this, rect, ChildStyle(*this), kCornerWidgetId, -1, -1, L"");
    m_pCornerButton->LoadImages(ThemedIconFolder(), L"TalvoPls-20x20", L"bmp", kCornerButtonImages);
  }
  if (m_pCornerButton->GetSafeHwnd() != nullptr) m_pCornerButton->ShowWindow(SW_SHOWNA);

  if (!m_pCornerLabel) {
    const std::wstring text = GetString(kCornerLabelText);
    const CRect rect(client.left + kCornerLabelX, client.top + kCornerTop, client.left + kCornerLabelX + kCornerLabelWidth,
                     client.top + kCornerTop + kCornerLabelHeight);
    m_pCornerLabel = std::make_unique<Label>();
    if (m_pCornerLabel->Create(text.c_str(), ChildStyle(*this), rect, this, kCornerWidgetId)) m_pCornerLabel->SetText(text);
  }
  if (m_pCornerLabel->GetSafeHwnd() != nullptr) m_pCornerLabel->ShowWindow(SW_SHOWNA);
}

void CGridCtrl::ShowContextMenu(UINT /*nFlags*/, CPoint point) {
  if (!IsFunctionEditorGrid(m_hWnd)) return;
  const CCellID cell = GetCellFromPt(point, TRUE);
  const CaseRowPosition position = LocateCaseRow(cell.row, m_nRows);
  // Only the tap rows hold a case; a drop-down's own right-click may bring any point, on any row.
  if (!IsValid(cell) || !position.IsTapRow()) return;
  XmlFunction* function = GetTalvo().GetCurrentFunction();
  if (function == nullptr) return;

  const iFunctionEditorPage* page = FunctionEditorPageOf(m_hWnd);
  const std::wstring input = page != nullptr ? page->GetPageName() : std::wstring();
  std::wstring mode = kModeGlobal;
  if (!IsGlobalKind(function->GetDependent()) && !function->IsInputGlobal(input)) {
    mode = input == kInputNoModifier ? std::wstring(kModeObjects)
                                     : (page != nullptr ? page->GetMappedText() : std::wstring());
  }

  const auto* dropDown = dynamic_cast<const GridCellDropDown*>(GetCell(cell.row, cell.col));
  const BOOL scriptCell = cell.col == kScriptColumn && dropDown != nullptr && dropDown->GetEditWnd() != nullptr &&
                          dropDown->enabled;
  CPoint screen = point;
  ClientToScreen(&screen);
  GridContextMenu menu(this, screen, scriptCell);
  if (!menu.Build()) return;

  // The case commands act on the case of the menu that opened; a menu that did not open changes no target.
  CaseClipboard& record = GetCaseClipboard();
  record.grid = this;
  record.row = cell.row;
  record.column = cell.col;
  record.selection = position.selectionCount;
  record.press = static_cast<int>(position.press);
  record.modifiers = position.modifierByte;
  record.functionId = function->GetId();
  record.input = input;
  record.mode = mode;
  menu.Track(MenuCommandOwner(this), screen, TPM_LEFTALIGN);
}

void CGridCtrl::OnRButtonUp(UINT nFlags, CPoint point) {
  const CCellID cell = GetCellFromPt(point, TRUE);
  const XmlFunctionDir* functions = GetTalvo().GetFunctions();
  if (cell.col >= kFirstCaseColumn && cell.col <= kLastCaseColumn && LocateCaseRow(cell.row, m_nRows).IsTapRow() &&
      functions != nullptr && functions->Count() > 0) {
    ShowContextMenu(0, point);
    return;
  }
  CWnd::OnRButtonUp(nFlags, point);
}

}  // namespace Talvo
