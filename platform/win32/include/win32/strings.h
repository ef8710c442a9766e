// Text: code-page conversion and the wide-string helpers of the platform.
//
// wchar_t is 32 bits here, so wide strings hold UTF-32 (one wchar_t per character, never surrogates), while files
// hold UTF-8. MultiByteToWideChar and WideCharToMultiByte are the one place where text changes its encoding:
// CP_UTF8 for files, CP_ACP (the ANSI code page, Windows-1252 here) for CF_TEXT and the program's ANSI strings.
#pragma once

#include "win32/types.h"

#define CP_ACP 0
#define CP_THREAD_ACP 3
#define CP_UTF8 65001

// MultiByteToWideChar flag.
#define MB_ERR_INVALID_CHARS 0x00000008
// WideCharToMultiByte flag.
#define WC_ERR_INVALID_CHARS 0x00000080

// Conversions. A length of -1 means the input is zero-terminated (and the terminator is converted too); an output
// size of 0 asks for the size needed. Unmappable characters become the default character ('?') and set
// *lpUsedDefaultChar; invalid UTF-8 becomes U+FFFD unless MB_ERR_INVALID_CHARS asks for failure.
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr,
                        int cchWideChar);
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar, LPSTR lpMultiByteStr,
                        int cbMultiByte, LPCSTR lpDefaultChar, BOOL* lpUsedDefaultChar);

// Zero-terminated wide-string copies.
LPWSTR lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2);
LPWSTR lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength);
