#include "model/text.h"

#include <charconv>
#include <cstdint>

namespace Talvo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at text[pos]; advances pos.
char32_t DecodeUtf8(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  for (int i = 0; i < extra; ++i) {
    if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) return kReplacement;
    value = (value << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return kReplacement;
  return value;
}

void AppendUtf8(std::string& out, char32_t c) {
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

}  // namespace

std::wstring Utf8ToWide(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) out += static_cast<wchar_t>(DecodeUtf8(text, pos));
  return out;
}

std::string WideToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    auto code = static_cast<char32_t>(c);
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacement;
    AppendUtf8(out, code);
  }
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
