#include "mfc/exceptions.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  const std::wstring text = GetMessageText();
  const size_t count = std::min<size_t>(text.size(), nMaxError - 1);
  std::copy_n(text.begin(), count, lpszError);
  lpszError[count] = L'\0';
  return TRUE;
}

std::wstring CMemoryException::GetMessageText() const { return L"Out of memory."; }
std::wstring CInvalidArgException::GetMessageText() const {
  return L"Encountered an improper argument.";
}
std::wstring CResourceException::GetMessageText() const {
  return L"A required resource was unavailable.";
}
std::wstring CNotSupportedException::GetMessageText() const {
  return L"An unsupported operation was attempted.";
}

void AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AfxThrowResourceException() { throw new CResourceException; }
void AfxThrowNotSupportedException() { throw new CNotSupportedException; }
