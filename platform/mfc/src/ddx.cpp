// The DDX_ routines and the exchange that runs them.
#include <cerrno>
#include <cstdint>
#include <cwchar>
#include <string>

#include "mfc/ddx.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

std::wstring CUserException::GetMessageText() const { return L"The operation was stopped."; }

void AfxThrowUserException() { throw new CUserException; }

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND control = m_pDlgWnd != nullptr ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
  if (control == nullptr) AfxThrowNotSupportedException();
  m_hWndLastControl = control;
  return control;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_hWndLastControl != nullptr && ::IsWindow(m_hWndLastControl)) {
    ::SetFocus(m_hWndLastControl);
    if (::SendMessageW(m_hWndLastControl, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
      ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
  }
  AfxThrowUserException();
}

namespace {

std::wstring WindowText(HWND hWnd) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The whole text as a number within [minimum, maximum], surrounding blanks allowed.
bool ParseInteger(const std::wstring& text, long long minimum, long long maximum, long long& value) {
  const wchar_t* begin = text.c_str();
  wchar_t* end = nullptr;
  errno = 0;
  const long long parsed = std::wcstoll(begin, &end, 10);
  if (end == begin || errno != 0) return false;
  while (*end == L' ' || *end == L'\t') ++end;
  if (*end != L'\0' || parsed < minimum || parsed > maximum) return false;
  value = parsed;
  return true;
}

void ExchangeInteger(CDataExchange* pDX, int nIDC, long long minimum, long long maximum, long long& value) {
  HWND control = pDX->PrepareEditCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate) {
    ::SetWindowTextW(control, std::to_wstring(value).c_str());
    return;
  }
  if (!ParseInteger(WindowText(control), minimum, maximum, value)) {
    ::MessageBoxW(pDX->m_pDlgWnd->m_hWnd, L"Please enter an integer.", nullptr, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
  }
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  HWND control = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(control)) AfxThrowNotSupportedException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value) {
  HWND control = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = WindowText(control);
  } else {
    ::SetWindowTextW(control, value.c_str());
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  long long wide = value;
  ExchangeInteger(pDX, nIDC, INT32_MIN, INT32_MAX, wide);
  value = static_cast<int>(wide);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
  long long wide = value;
  ExchangeInteger(pDX, nIDC, 0, UINT32_MAX, wide);
  value = static_cast<UINT>(wide);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND control = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
  } else {
    ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND control = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    index = static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
  } else {
    ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}
