#include "format.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "host/strings.h"

namespace host_internal {
namespace {

// Rewrites one format so that the C library reads it as the platform would.
std::wstring TranslateFormat(const wchar_t* format) {
  std::wstring out;
  for (const wchar_t* p = format; *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    const std::size_t percent = out.size() - 1;
    ++p;
    if (*p == L'%') {
      out += L'%';
      continue;
    }
    // Flags, width and precision pass unchanged.
    while (*p && std::wcschr(L"-+ #0123456789.*", *p)) out += *p++;
    // Length modifiers, with the platform's "I64", "I32", "I" and "w" read into the C library's.
    std::wstring length;
    for (;;) {
      if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
        length += L"ll";
        p += 3;
      } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
        p += 3;
      } else if (p[0] == L'I') {
        length += L'z';
        ++p;
      } else if (*p && std::wcschr(L"hlLqjztw", *p)) {
        length += *p++;
      } else {
        break;
      }
    }
    if (!*p) {
      out.resize(percent);  // an unfinished conversion at the end prints nothing
      break;
    }
    const bool narrow = length.find(L'h') != std::wstring::npos;
    const bool wide = length.find(L'l') != std::wstring::npos || length.find(L'w') != std::wstring::npos;
    switch (*p) {
      // In a wide format "%s" and "%c" are wide unless marked "h"; "%S" and "%C" are narrow unless marked wide.
      case L's':
        out += narrow ? L"s" : L"ls";
        break;
      case L'c':
        out += narrow ? L"c" : L"lc";
        break;
      case L'S':
        out += wide ? L"ls" : L"s";
        break;
      case L'C':
        out += wide ? L"lc" : L"c";
        break;
      default:
        out += length + *p;
        break;
    }
  }
  return out;
}

}  // namespace

std::wstring FormatV(const wchar_t* format, va_list args) {
  if (!format) return {};
  const std::wstring translated = TranslateFormat(format);
  // A memory stream grows as needed and tells a bad format from a long result.
  wchar_t* buffer = nullptr;
  std::size_t size = 0;
  FILE* stream = open_wmemstream(&buffer, &size);
  if (!stream) return {};
  va_list copy;
  va_copy(copy, args);
  const int written = std::vfwprintf(stream, translated.c_str(), copy);
  va_end(copy);
  std::fclose(stream);
  std::wstring text = written >= 0 && buffer ? std::wstring(buffer, size) : std::wstring();
  std::free(buffer);
  return text;
}

}  // namespace host_internal

WStr& WStr::printf(const MCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  text_ = host_internal::FormatV(format, args);
  va_end(args);
  return *this;
}
