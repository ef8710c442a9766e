#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string ToAnsi(const std::wstring& text, BOOL* usedDefault = nullptr) {
  int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, usedDefault);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), size, nullptr, usedDefault);
  out.pop_back();  // the terminator
  return out;
}

std::string ToUtf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(const std::string& text, DWORD flags = 0) {
  int size = MultiByteToWideChar(CP_UTF8, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(size, L'\0');
  if (size) MultiByteToWideChar(CP_UTF8, flags, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

}  // namespace

TEST(CodePages, AnsiIsWindows1252WithUnmappableCharactersAsQuestionMarks) {
  BOOL usedDefault = TRUE;
  EXPECT_EQ(ToAnsi(L"caf\u00E9 \u20AC\u2122", &usedDefault), "caf\xE9 \x80\x99");
  EXPECT_FALSE(usedDefault);
  EXPECT_EQ(ToAnsi(L"\u03A9\U0001F600!", &usedDefault),
            "?"
            "?!");
  EXPECT_TRUE(usedDefault);

  wchar_t wide[8];
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "\x80\x8A\x81\xFF", 4, wide, 8), 4);
  EXPECT_EQ(std::wstring(wide, 4), L"\u20AC\u0160\u0081\u00FF");
}

TEST(CodePages, Utf8RoundTripsCharactersBeyondTheBasicPlane) {
  std::wstring text = L"K\u00E9y \u20AC \U0001F600";
  std::string utf8 = ToUtf8(text);
  EXPECT_EQ(utf8, "K\xC3\xA9y \xE2\x82\xAC \xF0\x9F\x98\x80");
  EXPECT_EQ(FromUtf8(utf8), text);
  EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80").size(), 1u);  // one wchar_t per character
}

TEST(CodePages, InvalidUtf8IsReplacedOrRefused) {
  EXPECT_EQ(FromUtf8("a\xC0\xAF"
                     "b"),
            L"a\uFFFD\uFFFDb");                                // an overlong '/' is not a slash
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(FromUtf8("a\xE2\x82z"), L"a\uFFFDz");             // a truncated sequence is one error
  EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), L"\uFFFD\uFFFD\uFFFD\uFFFD");  // beyond U+10FFFF
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xE2\x82", 3, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  BOOL usedDefault = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"a", 1, nullptr, 0, nullptr, &usedDefault), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(CodePages, SizeQueriesCountTheTerminatorAndShortBuffersFail) {
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, nullptr, 0), 4);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\u20AC", -1, nullptr, 0, nullptr, nullptr), 4);
  char small[3];
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\u20AC", -1, small, 3, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, nullptr, 3, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(WideStrings, CopyCompareAndCaseMapping) {
  wchar_t buffer[6];
  EXPECT_STREQ(lstrcpynW(buffer, L"Profiles", 6), L"Profi");
  EXPECT_EQ(lstrlenW(buffer), 5);
  EXPECT_EQ(lstrlenW(nullptr), 0);
  EXPECT_STREQ(lstrcpyW(buffer, L"ab"), L"ab");
  EXPECT_LT(lstrcmpW(L"Apple", L"apple"), 0);
  EXPECT_EQ(lstrcmpiW(L"\u00C9dit Poly", L"\u00E9DIT poly"), 0);
  EXPECT_GT(lstrcmpiW(L"b", L"A"), 0);

  wchar_t text[] = L"stra\u00DFe \u00E9t\u00E9 \u0436";
  CharUpperW(text);
  EXPECT_STREQ(text, L"STRA\u00DFE \u00C9T\u00C9 \u0416");  // no one-to-many mappings
  EXPECT_EQ(CharLowerBuffW(text, 4), 4u);
  EXPECT_STREQ(text, L"stra\u00DFE \u00C9T\u00C9 \u0416");
  // A "pointer" with a zero high part is one character.
  auto single = reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(L'q'))));
  EXPECT_EQ(single, static_cast<UINT_PTR>(L'Q'));
  EXPECT_TRUE(IsCharAlphaNumericW(L'\u00E9'));
  EXPECT_TRUE(IsCharAlphaNumericW(L'7'));
  EXPECT_FALSE(IsCharAlphaNumericW(L'-'));
}
