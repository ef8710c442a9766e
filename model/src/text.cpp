#include "model/text.h"

#include <charconv>
#include <cstdint>

#include <windows.h>

namespace Talvo {

// Code page 65001 through the platform's converters, so that the program converts text in one place.
std::wstring Utf8ToWide(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, out.data(), length);
  return out;
}

std::optional<std::wstring> Utf8ToWideStrict(std::string_view text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring out(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, out.data(), length);
  return out;
}

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

const std::locale& NumberLocale() { return std::locale::classic(); }

std::optional<double> ParseNumber(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  if (start < text.size() && text[start] == '+') ++start;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error != std::errc()) return std::nullopt;
  return value;
}

int ParseInt(std::string_view text, int fallback) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return fallback;
  return value;
}

std::wstring RepeatText(int count, std::wstring_view text) {
  std::wstring out;
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

std::wstring WrapText(std::wstring_view text, int width) {
  if (width < 1) return std::wstring(text);
  std::wstring out;
  std::wstring line;
  auto flush = [&] {
    if (!out.empty()) out += L'\n';
    out += line;
    line.clear();
  };
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && text[pos] == L' ') ++pos;
    size_t end = text.find(L' ', pos);
    if (end == std::wstring_view::npos) end = text.size();
    std::wstring_view word = text.substr(pos, end - pos);
    pos = end;
    while (!word.empty()) {
      const size_t needed = line.empty() ? word.size() : line.size() + 1 + word.size();
      if (needed <= static_cast<size_t>(width)) {
        if (!line.empty()) line += L' ';
        line += word;
        word = {};
      } else if (!line.empty()) {
        flush();
      } else {
        line = word.substr(0, width);
        word.remove_prefix(width);
        flush();
      }
    }
  }
  if (!line.empty() || out.empty()) flush();
  return out;
}

}  // namespace Talvo
