// CComboBox: one member per CB_ message of the combo box.
#include "mfc/controls.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_COMBOBOXW, nullptr, dwStyle, rect, pParentWnd, nID);
}

namespace {

LPARAM Text(LPCWSTR text) { return reinterpret_cast<LPARAM>(text); }

}  // namespace

int CComboBox::AddString(LPCWSTR lpszString) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, Text(lpszString))); }
int CComboBox::InsertString(int nIndex, LPCWSTR lpszString) {
  return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), Text(lpszString)));
}
int CComboBox::DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }

int CComboBox::GetLBText(int nIndex, LPWSTR lpszText) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}

void CComboBox::GetLBText(int nIndex, std::wstring& rString) const {
  const int length = GetLBTextLen(nIndex);
  if (length < 0) {
    rString.clear();
    return;
  }
  rString.assign(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetLBText(nIndex, rString.data());
  rString.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
}

int CComboBox::GetLBTextLen(int nIndex) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
}
int CComboBox::FindStringExact(int nIndexStart, LPCWSTR lpszFind) const {
  return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), Text(lpszFind)));
}
int CComboBox::SelectString(int nStartAfter, LPCWSTR lpszString) {
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), Text(lpszString)));
}
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
  return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), cyItemHeight));
}
int CComboBox::GetItemHeight(int nIndex) const {
  return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
