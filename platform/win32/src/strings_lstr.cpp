// Zero-terminated wide-string helpers and case mapping.
#include <locale.h>
#include <windows.h>

#include <clocale>
#include <cwctype>

namespace {

// Case mapping and character classes come from the C library's UTF-8 locale, which covers all of Unicode; the
// program's own locale settings don't affect them.
locale_t UnicodeLocale() {
  static locale_t locale = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
  }();
  return locale;
}

wchar_t Upper(wchar_t c) { return static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), UnicodeLocale())); }
wchar_t Lower(wchar_t c) { return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), UnicodeLocale())); }

int Sign(long long difference) { return difference < 0 ? -1 : difference > 0 ? 1 : 0; }

// The platform passes a single character instead of a pointer when the pointer's high bits are zero.
bool IsSingleCharacter(LPWSTR p) { return (reinterpret_cast<UINT_PTR>(p) >> 16) == 0; }

template <wchar_t (*Map)(wchar_t)>
LPWSTR MapInPlace(LPWSTR p) {
  if (!p) return nullptr;
  if (IsSingleCharacter(p))
    return reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(Map(static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(p)))));
  for (LPWSTR q = p; *q; ++q) *q = Map(*q);
  return p;
}

template <wchar_t (*Map)(wchar_t)>
DWORD MapBuffer(LPWSTR p, DWORD length) {
  if (!p) return 0;
  for (DWORD i = 0; i < length; ++i) p[i] = Map(p[i]);
  return length;
}

}  // namespace

int lstrlenW(LPCWSTR lpString) { return lpString ? static_cast<int>(std::char_traits<wchar_t>::length(lpString)) : 0; }

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

// Null pointers sort before every string, as the platform orders them.
int lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2) {
  if (!lpString1 || !lpString2) return Sign((lpString1 != nullptr) - (lpString2 != nullptr));
  while (*lpString1 && *lpString1 == *lpString2) ++lpString1, ++lpString2;
  return Sign(static_cast<long long>(*lpString1) - static_cast<long long>(*lpString2));
}

int lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2) {
  if (!lpString1 || !lpString2) return Sign((lpString1 != nullptr) - (lpString2 != nullptr));
  while (*lpString1 && Lower(*lpString1) == Lower(*lpString2)) ++lpString1, ++lpString2;
  return Sign(static_cast<long long>(Lower(*lpString1)) - static_cast<long long>(Lower(*lpString2)));
}

LPWSTR CharUpperW(LPWSTR lpsz) { return MapInPlace<Upper>(lpsz); }
LPWSTR CharLowerW(LPWSTR lpsz) { return MapInPlace<Lower>(lpsz); }
DWORD CharUpperBuffW(LPWSTR lpsz, DWORD cchLength) { return MapBuffer<Upper>(lpsz, cchLength); }
DWORD CharLowerBuffW(LPWSTR lpsz, DWORD cchLength) { return MapBuffer<Lower>(lpsz, cchLength); }

BOOL IsCharAlphaNumericW(WCHAR ch) { return iswalnum_l(static_cast<wint_t>(ch), UnicodeLocale()) != 0; }
