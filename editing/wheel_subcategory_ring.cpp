#include "editing/wheel_subcategory_ring.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace Talvo {

namespace {

constexpr std::array<const wchar_t*, 7> kLevelKeywords = {L"vert",    L"edge",     L"border",     L"poly",
                                                           L"element", L"geometry", L"subdivision"};

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return text;
}

}  // namespace

std::list<std::wstring> OrderSubcategories(const std::vector<std::wstring>& names) {
  std::list<std::wstring> ring;
  std::vector<bool> matched(names.size(), false);
  for (const wchar_t* keyword : kLevelKeywords) {
    for (size_t i = 0; i < names.size(); ++i) {
      if (matched[i] || Lower(names[i]).find(keyword) == std::wstring::npos) continue;
      ring.push_back(names[i]);
      matched[i] = true;
    }
  }
  for (size_t i = 0; i < names.size(); ++i) {
    if (!matched[i]) ring.push_back(names[i]);
  }
  return ring;
}

}  // namespace Talvo
