#include "editing/wheel_value_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace Talvo {

std::optional<double> ParseWheelValueText(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  while (first != last && std::isspace(static_cast<unsigned char>(*first))) ++first;
  if (first != last && *first == '+') ++first;
  double value = 0.0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end == first) return std::nullopt;
  return value;
}

bool WheelValueMatchesText(double value, bool integerMode, const std::string& storedText) {
  const std::optional<double> stored = ParseWheelValueText(storedText);
  if (!stored) return false;
  if (integerMode) return std::trunc(value) == std::trunc(*stored);
  return value == *stored;
}

std::string FormatWheelValueText(double value, bool integerMode, int decimals, const std::string& oldText) {
  char buffer[64] = {};
  if (integerMode) {
    std::snprintf(buffer, sizeof buffer, "%.5g", value);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(decimals, 0, 20), value);
  }
  std::string text = buffer;
  if (const size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  if (!text.empty() && text.back() == '.') text.pop_back();
  std::string lowerOld = oldText;
  std::transform(lowerOld.begin(), lowerOld.end(), lowerOld.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lowerOld.find("px") != std::string::npos) text += "px";
  return text;
}

}  // namespace Talvo
