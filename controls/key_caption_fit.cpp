#include "controls/key_caption_fit.h"

#include <cwctype>
#include <vector>

namespace Talvo {

namespace {

constexpr const wchar_t* kEllipsis = L"...";

std::wstring TrimEnd(std::wstring text) {
  while (!text.empty() && std::iswspace(text.back())) text.pop_back();
  return text;
}

// The words of a text, split at blanks.
std::vector<std::wstring> Words(const std::wstring& text) {
  std::vector<std::wstring> words;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find(L' ', begin);
    if (end == std::wstring::npos) end = text.size();
    if (end > begin) words.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return words;
}

// `line` shortened until it fits `width` with "..." after it.
std::wstring WithEllipsis(std::wstring line, int width, const MeasureText& measure) {
  line = TrimEnd(line);
  while (!line.empty() && measure(line + kEllipsis) > width) line = TrimEnd(line.substr(0, line.size() - 1));
  return line + kEllipsis;
}

}  // namespace

KeyCaptionFit FitKeyCaption(int room, int captionWidth, int smallCaptionWidth, int secondWidth) {
  KeyCaptionFit fit;
  fit.smallCaption = captionWidth > room;
  const int caption = fit.smallCaption ? smallCaptionWidth : captionWidth;
  fit.showSecondText = secondWidth > 0 && caption + kKeyTextGap + secondWidth <= room;
  return fit;
}

std::vector<std::wstring> FitKeyLines(const std::wstring& text, int width, int maxLines, const MeasureText& measure) {
  std::vector<std::wstring> lines;
  if (width <= 0 || maxLines <= 0) return lines;
  const std::vector<std::wstring> words = Words(text);
  for (size_t next = 0; next < words.size();) {
    std::wstring line = words[next++];
    while (next < words.size() && measure(line + L' ' + words[next]) <= width) line += L' ' + words[next++];
    const bool lastLine = static_cast<int>(lines.size()) == maxLines - 1;
    // The last line takes the rest; a word wider than a line is cut short there.
    if (lastLine) {
      while (next < words.size()) line += L' ' + words[next++];
    }
    lines.push_back(measure(line) <= width ? line : WithEllipsis(line, width, measure));
  }
  return lines;
}

}  // namespace Talvo
