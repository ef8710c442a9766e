// Copy, cut, paste, delete and select-all through the clipboard as text (cells of a row separated by tabs,
// rows by CR LF), offered and read as wide text (CF_UNICODETEXT) first so that every script survives, and as
// ANSI text (CF_TEXT) for programs that only take that; and the grid's side of drag and drop, which refuses every drop. Cut,
// delete and paste change texts only through the validated change, so the parent can veto every cell.
#include <algorithm>
#include <cstring>
#include <cwctype>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// The wide text in the thread's ANSI code page (characters it lacks become '?').
std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

// ANSI bytes in the thread's code page as wide text.
std::wstring FromAnsi(const char* bytes, size_t count) {
  if (count == 0) return {};
  const int length = static_cast<int>(count);
  const int size = ::MultiByteToWideChar(CP_THREAD_ACP, 0, bytes, length, nullptr, 0);
  std::wstring text(static_cast<size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) ::MultiByteToWideChar(CP_THREAD_ACP, 0, bytes, length, text.data(), size);
  return text;
}

// A zero-terminated copy of the characters in a new moveable, shareable global block; null when memory runs
// out.
template <typename Char>
HGLOBAL MakeTextBlock(const std::basic_string<Char>& text) {
  const size_t bytes = text.size() * sizeof(Char);
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, bytes + sizeof(Char));
  if (block == nullptr) return nullptr;
  if (void* memory = ::GlobalLock(block)) {
    std::memcpy(memory, text.data(), bytes);
    ::GlobalUnlock(block);
    return block;
  }
  ::GlobalFree(block);
  return nullptr;
}

// The characters of a text block up to its terminator or the block's end (which a foreign block may reach
// without one); false when the block cannot be read.
template <typename Char>
bool ReadTextBlock(HGLOBAL block, std::basic_string<Char>& text) {
  const auto* chars = static_cast<const Char*>(::GlobalLock(block));
  if (chars == nullptr) return false;
  const size_t count = ::GlobalSize(block) / sizeof(Char);
  text.assign(chars, std::find(chars, chars + count, Char{}));
  ::GlobalUnlock(block);
  return true;
}

// The text of a data object: its wide text when it offers one, else its ANSI text.
bool ReadClipboardText(COleDataObject& data, std::wstring& text) {
  if (HGLOBAL block = data.GetGlobalData(CF_UNICODETEXT)) {
    const bool read = ReadTextBlock(block, text);
    ::GlobalFree(block);
    return read;
  }
  HGLOBAL block = data.GetGlobalData(CF_TEXT);
  if (block == nullptr) return false;
  std::string bytes;
  const bool read = ReadTextBlock(block, bytes);
  ::GlobalFree(block);
  if (read) text = FromAnsi(bytes.data(), bytes.size());
  return read;
}

// Whether a data object offers text in either form.
bool HasText(COleDataObject& data) { return data.IsDataAvailable(CF_UNICODETEXT) || data.IsDataAvailable(CF_TEXT); }

// The text without white space at either end.
std::wstring Trimmed(std::wstring_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && std::iswspace(static_cast<wint_t>(text[first]))) ++first;
  while (last > first && std::iswspace(static_cast<wint_t>(text[last - 1]))) --last;
  return std::wstring(text.substr(first, last - first));
}

}  // namespace

void CGridCtrl::CutSelectedText() {
  if (!m_bEditable) return;
  // The parent's answers may change the selection: walk a copy of it.
  std::vector<CCellID> cells;
  cells.reserve(m_SelectedCellMap.size());
  for (const auto& entry : m_SelectedCellMap) cells.push_back(entry.second);
  for (const CCellID& cell : cells) SetItemTextValidated(cell.row, cell.col, L"");
}

COleDataSource* CGridCtrl::CopyTextFromGrid() {
  const CCellRange selection = GetSelectedCellRange();
  if (!IsValid(selection)) return nullptr;
  // Hidden rows and columns (size 0) are left out; unselected cells of the range give empty texts.
  std::wstring text;
  for (int row = selection.GetMinRow(); row <= selection.GetMaxRow(); ++row) {
    if (GetRowHeight(row) <= 0) continue;
    std::wstring line;
    for (int col = selection.GetMinCol(); col <= selection.GetMaxCol(); ++col) {
      if (GetColumnWidth(col) == 0) continue;
      if (IsCellSelected(row, col)) line += GetItemText(row, col);
      if (col != selection.GetMaxCol()) line += L'\t';
    }
    if (row != selection.GetMaxRow()) line += L"\r\n";
    text += line;
  }
  HGLOBAL wide = MakeTextBlock(text);
  HGLOBAL ansi = MakeTextBlock(ToAnsi(text));
  if (wide == nullptr || ansi == nullptr) {
    if (wide != nullptr) ::GlobalFree(wide);
    if (ansi != nullptr) ::GlobalFree(ansi);
    return nullptr;
  }
  auto* source = new COleDataSource;
  source->CacheGlobalData(CF_UNICODETEXT, wide);
  source->CacheGlobalData(CF_TEXT, ansi);
  return source;
}

BOOL CGridCtrl::PasteTextToGrid(CCellID cell, COleDataObject* pDataObject, BOOL bSelectPastedCells) {
  if (!IsValid(cell) || !IsCellEditable(cell) || pDataObject == nullptr || !HasText(*pDataObject)) {
    return FALSE;
  }
  std::wstring text;
  if (!ReadClipboardText(*pDataObject, text)) return FALSE;

  // Line by line into the visible rows from the target cell down, cell by cell into the visible columns
  // from the target cell on; what falls outside the grid is dropped.
  const auto visibleRowFrom = [this](int row) {
    while (row < m_nRows && GetRowHeight(row) == 0) ++row;
    return row;
  };
  const auto visibleColumnFrom = [this](int col) {
    while (col < m_nCols && GetColumnWidth(col) == 0) ++col;
    return col;
  };
  CCellID pastedMax(-1, -1);
  const std::wstring_view all(text);
  size_t lineStart = 0;
  for (int row = visibleRowFrom(cell.row); row < m_nRows; row = visibleRowFrom(row + 1)) {
    const size_t lineEnd = all.find(L'\n', lineStart);
    std::wstring_view line = all.substr(lineStart, lineEnd == std::wstring_view::npos ? lineEnd : lineEnd - lineStart);
    // A line break may be CR LF: the CR ends the line, it is no cell of its own.
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    size_t cellStart = 0;
    for (int col = visibleColumnFrom(cell.col); cellStart < line.size() && col < m_nCols;
         col = visibleColumnFrom(col + 1)) {
      const size_t separator = line.find_first_of(L"\t,", cellStart);
      const std::wstring cellText =
          Trimmed(line.substr(cellStart, separator == std::wstring_view::npos ? separator : separator - cellStart));
      SetItemTextValidated(row, col, cellText.c_str());
      // The parent's answer may have shrunk the grid.
      if (IsValid(row, col)) {
        SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
        pastedMax.row = std::max(pastedMax.row, row);
        pastedMax.col = std::max(pastedMax.col, col);
      }
      if (separator == std::wstring_view::npos) break;
      cellStart = separator + 1;
    }
    if (lineEnd == std::wstring_view::npos) break;
    lineStart = lineEnd + 1;
  }

  // A paste that filled no cell gives an empty range: the selection goes, the focus cell stays.
  const CCellRange pasted(cell.row, cell.col, pastedMax.row, pastedMax.col);
  if (bSelectPastedCells) {
    SetSelectedRange(pasted, TRUE);
  } else {
    ResetSelectedRange();
  }
  return TRUE;
}

void CGridCtrl::OnEditCopy() {
  if (COleDataSource* source = CopyTextFromGrid()) source->SetClipboard();  // the clipboard owns it now
}

void CGridCtrl::OnEditCut() {
  if (!m_bEditable) return;
  OnEditCopy();
  CutSelectedText();
}

void CGridCtrl::OnEditPaste() {
  if (!m_bEditable) return;
  CCellID target = GetSelectedCellRange().GetTopLeft();
  if (!IsValid(target)) target = m_idCurrentCell;
  if (!IsValid(target)) target = GetTopleftNonFixedCell();
  if (!IsValid(target)) return;
  // A cell that is being edited in an edit control pastes into that control.
  const CGridCellBase* cell = GetCell(target.row, target.col);
  CWnd* editor = cell != nullptr && cell->IsEditing() ? cell->GetEditWnd() : nullptr;
  if (editor != nullptr && editor->IsKindOf(RUNTIME_CLASS(CEdit))) {
    editor->SendMessage(WM_PASTE, 0, 0);
    return;
  }
  COleDataObject clipboard;
  clipboard.AttachClipboard();
  PasteTextToGrid(target, &clipboard, TRUE);
}

void CGridCtrl::OnEditSelectAll() {
  SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
  if (m_bEnableSelection) SelectAllCells();
  SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
}

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) {
  if (pCmdUI != nullptr) pCmdUI->Enable(GetSelectedCount() > 0);
}

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) {
  if (pCmdUI != nullptr) pCmdUI->Enable(m_bEditable && GetSelectedCount() > 0);
}

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI) {
  if (pCmdUI == nullptr) return;
  pCmdUI->Enable(IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell) &&
                 (::IsClipboardFormatAvailable(CF_UNICODETEXT) || ::IsClipboardFormatAvailable(CF_TEXT)));
}

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI) {
  if (pCmdUI != nullptr) pCmdUI->Enable(m_bEnableSelection);
}

// Dragging cell contents out of the grid is switched off for every grid of the program.
void CGridCtrl::OnBeginDrag() {}

// Drops are refused: no effect is offered, so nothing under the cursor is marked either.
DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/, CPoint /*point*/) {
  return DROPEFFECT_NONE;
}

DROPEFFECT CGridCtrl::OnDragOver(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/, CPoint /*point*/) {
  return DROPEFFECT_NONE;
}

void CGridCtrl::OnDragLeave() {
  // A page may have marked cells as drop targets itself; a drag that leaves takes the marks away.
  for (int row = 0; row < m_nRows; ++row) {
    for (int col = 0; col < m_nCols; ++col) {
      const UINT state = GetItemState(row, col);
      if ((state & GVIS_DROPHILITED) == 0) continue;
      SetItemState(row, col, state & ~GVIS_DROPHILITED);
      RedrawCell(row, col);
    }
  }
}

BOOL CGridCtrl::OnDrop(COleDataObject* /*pDataObject*/, DROPEFFECT /*dropEffect*/, CPoint /*point*/) {
  m_MouseMode = MOUSE_NOTHING;
  return FALSE;
}

}  // namespace Talvo
