// Text: code-page conversion and the wide-string helpers of the platform.
//
// wchar_t is 32 bits here, so wide strings hold UTF-32 (one wchar_t per character, never surrogates), while files
// hold UTF-8. MultiByteToWideChar and WideCharToMultiByte are the one place where text changes its encoding:
// CP_UTF8 for files, CP_ACP (the ANSI code page, Windows-1252 here) for CF_TEXT and the program's ANSI strings.
#pragma once

#include "win32/types.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001
#define CP_WINDOWS_1252 1252

// MultiByteToWideChar flags.
#define MB_PRECOMPOSED 0x00000001
#define MB_COMPOSITE 0x00000002
#define MB_USEGLYPHCHARS 0x00000004
#define MB_ERR_INVALID_CHARS 0x00000008
// WideCharToMultiByte flags.
#define WC_COMPOSITECHECK 0x00000200
#define WC_DISCARDNS 0x00000010
#define WC_SEPCHARS 0x00000020
#define WC_DEFAULTCHAR 0x00000040
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_NO_BEST_FIT_CHARS 0x00000400

// Conversions. A length of -1 means the input is zero-terminated (and the terminator is converted too); an output
// size of 0 asks for the size needed. Unmappable characters become the default character ('?') and set
// *lpUsedDefaultChar; invalid UTF-8 becomes U+FFFD unless MB_ERR_INVALID_CHARS asks for failure.
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr,
                        int cchWideChar);
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar, LPSTR lpMultiByteStr,
                        int cbMultiByte, LPCSTR lpDefaultChar, BOOL* lpUsedDefaultChar);

// Zero-terminated wide strings. Comparisons order by code point (lstrcmpiW after case folding), not linguistically.
int lstrlenW(LPCWSTR lpString);
LPWSTR lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2);
LPWSTR lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength);
int lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2);
int lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2);

// Case mapping over all of Unicode. CharUpperW/CharLowerW convert a string in place, or, when the pointer's high
// bits are zero, the single character in its low word (returned the same way).
LPWSTR CharUpperW(LPWSTR lpsz);
LPWSTR CharLowerW(LPWSTR lpsz);
DWORD CharUpperBuffW(LPWSTR lpsz, DWORD cchLength);
DWORD CharLowerBuffW(LPWSTR lpsz, DWORD cchLength);
BOOL IsCharAlphaNumericW(WCHAR ch);
