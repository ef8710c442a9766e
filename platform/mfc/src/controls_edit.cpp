// CEdit: selection, replacement, limits, margins, read-only state and the clipboard commands.
#include <algorithm>

#include "mfc/controls.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_EDITW, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
  if (!bNoScroll) SendMessage(EM_SCROLLCARET);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
  SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)), bNoScroll);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD start = 0, end = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  nStartChar = static_cast<int>(start);
  nEndChar = static_cast<int>(end);
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }

void CEdit::ReplaceSel(LPCWSTR lpszNewText, BOOL bCanUndo) {
  SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }

void CEdit::SetMargins(UINT nLeft, UINT nRight) {
  SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(nLeft, nRight));
}
DWORD CEdit::GetMargins() const { return static_cast<DWORD>(SendMessage(EM_GETMARGINS)); }

BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, bReadOnly)); }
BOOL CEdit::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
void CEdit::Copy() { SendMessage(WM_COPY); }
void CEdit::Cut() { SendMessage(WM_CUT); }
void CEdit::Paste() { SendMessage(WM_PASTE); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }

// The control's lines are its text split at line breaks ("\r\n"); a single-line edit has one.
std::wstring CEdit::GetLine(int nIndex) const {
  const std::wstring text = GetWindowText();
  size_t begin = 0;
  for (int line = 0; line < nIndex; ++line) {
    const size_t lineBreak = text.find(L"\r\n", begin);
    if (lineBreak == std::wstring::npos) return {};
    begin = lineBreak + 2;
  }
  return text.substr(begin, text.find(L"\r\n", begin) - begin);
}

int CEdit::GetLine(int nIndex, LPWSTR lpszBuffer, int nMaxLength) const {
  if (lpszBuffer == nullptr || nMaxLength <= 0) return 0;
  const std::wstring line = GetLine(nIndex);
  const size_t count = std::min(line.size(), static_cast<size_t>(nMaxLength));
  std::copy_n(line.c_str(), count, lpszBuffer);
  return static_cast<int>(count);
}
