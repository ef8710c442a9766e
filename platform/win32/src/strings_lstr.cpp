// Zero-terminated wide-string copies.
#include <windows.h>

LPWSTR lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2) {
  if (!lpString1 || !lpString2) return nullptr;
  LPWSTR out = lpString1;
  while ((*out++ = *lpString2++) != 0) {
  }
  return lpString1;
}

// Copies at most iMaxLength - 1 characters and always terminates.
LPWSTR lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength) {
  if (!lpString1 || !lpString2) return nullptr;
  if (iMaxLength <= 0) return lpString1;
  int i = 0;
  for (; i < iMaxLength - 1 && lpString2[i]; ++i) lpString1[i] = lpString2[i];
  lpString1[i] = 0;
  return lpString1;
}
