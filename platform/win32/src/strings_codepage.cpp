// Code-page conversion: Windows-1252 (the ANSI code page here) and UTF-8, to and from UTF-32 wide strings.
#include <windows.h>

#include <optional>
#include <string>

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the C1 controls of the
// same value, as the platform maps them.
constexpr char32_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t Cp1252ToUnicode(unsigned char byte) { return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte; }

std::optional<unsigned char> UnicodeToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] == c) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

bool IsUnicodeScalar(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

// Decodes one UTF-8 sequence at in[i]; advances i. A malformed sequence gives nullopt and i moves past its
// maximal valid prefix, so each broken sequence becomes one replacement character (the Unicode practice the
// platform follows): a truncated three-byte sequence is one error, an invalid lead byte such as 0xC0 is one error
// on its own and its continuation byte another.
std::optional<char32_t> DecodeUtf8(const unsigned char* in, int n, int& i) {
  unsigned char lead = in[i++];
  if (lead < 0x80) return lead;
  int extra = 0;
  unsigned char low = 0x80;  // the range of the second byte, narrowed for leads whose short forms are invalid
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return std::nullopt;
  }
  char32_t c = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= n) return std::nullopt;
    unsigned char byte = in[i];
    bool valid = k == 0 ? byte >= low && byte <= high : (byte & 0xC0) == 0x80;
    if (!valid) return std::nullopt;
    c = (c << 6) | (byte & 0x3F);
    ++i;
  }
  return c;
}

void EncodeUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsAnsi(UINT codePage) { return codePage == CP_ACP || codePage == CP_THREAD_ACP; }

// Copies a converted text into the caller's buffer, or reports its size when the buffer size is 0.
template <typename Text, typename Char>
int Deliver(const Text& text, Char* out, int outSize) {
  int needed = static_cast<int>(text.size());
  if (outSize == 0) return needed;
  if (needed > outSize) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  for (int i = 0; i < needed; ++i) out[i] = static_cast<Char>(text[i]);
  return needed;
}

}  // namespace

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr,
                        int cchWideChar) {
  if (!lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
      (cchWideChar > 0 && !lpWideCharStr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!IsAnsi(CodePage) && CodePage != CP_UTF8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const auto* in = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
  int n = cbMultiByte == -1 ? static_cast<int>(std::char_traits<char>::length(lpMultiByteStr)) + 1 : cbMultiByte;
  std::u32string text;
  text.reserve(n);
  if (IsAnsi(CodePage)) {
    for (int i = 0; i < n; ++i) text += Cp1252ToUnicode(in[i]);
  } else {
    for (int i = 0; i < n;) {
      auto c = DecodeUtf8(in, n, i);
      if (!c && (dwFlags & MB_ERR_INVALID_CHARS)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
      }
      text += c.value_or(U'\uFFFD');
    }
  }
  return Deliver(text, lpWideCharStr, cchWideChar);
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar, LPSTR lpMultiByteStr,
                        int cbMultiByte, LPCSTR lpDefaultChar, BOOL* lpUsedDefaultChar) {
  if (!lpWideCharStr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
      (cbMultiByte > 0 && !lpMultiByteStr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  bool utf8 = CodePage == CP_UTF8;
  // UTF-8 can encode everything, so the platform refuses a default character for it.
  if ((!IsAnsi(CodePage) && !utf8) || (utf8 && (lpDefaultChar || lpUsedDefaultChar))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  int n = cchWideChar == -1 ? static_cast<int>(std::char_traits<wchar_t>::length(lpWideCharStr)) + 1 : cchWideChar;
  std::string text;
  text.reserve(n);
  bool usedDefault = false;
  for (int i = 0; i < n; ++i) {
    auto c = static_cast<char32_t>(lpWideCharStr[i]);
    if (utf8) {
      if (!IsUnicodeScalar(c)) {
        if (dwFlags & WC_ERR_INVALID_CHARS) {
          SetLastError(ERROR_NO_UNICODE_TRANSLATION);
          return 0;
        }
        c = U'\uFFFD';
      }
      EncodeUtf8(c, text);
    } else if (auto byte = UnicodeToCp1252(c)) {
      text += static_cast<char>(*byte);
    } else {
      text += lpDefaultChar ? *lpDefaultChar : '?';
      usedDefault = true;
    }
  }
  int written = Deliver(text, lpMultiByteStr, cbMultiByte);
  if (lpUsedDefaultChar) *lpUsedDefaultChar = usedDefault;
  return written;
}
