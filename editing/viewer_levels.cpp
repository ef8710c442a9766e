#include "editing/viewer_levels.h"

#include <array>
#include <cwctype>

namespace Talvo {

namespace {

struct LevelEntry {
  const wchar_t* keyword;
  const wchar_t* plural;
  int captionId;
  const wchar_t* icon;
};

constexpr std::array<LevelEntry, 7> kLevels = {{
    {L"vertex", L"vertices", 146, L"Talvo_PolyVertex_32x32"},
    {L"edge", L"edges", 147, L"Talvo_PolyEdge_32x32"},
    {L"polygon", L"polygons", 148, L"Talvo_PolyFace_32x32"},
    {L"border", L"borders", 149, L"Talvo_PolyBorder_32x32"},
    {L"element", L"elements", 150, L"Talvo_PolyElement_32x32"},
    {L"objects", L"objects", 281, L"Talvo_Objects_32x32"},
    {L"global", L"global", 281, L"Talvo_Override_32x32"},
}};

// The level words a mode name is searched for, in ring order.
constexpr std::array<const wchar_t*, 5> kRingWords = {L"vertex", L"edge", L"polygon", L"border", L"element"};

const LevelEntry* Entry(int code) {
  return code >= 0 && code < static_cast<int>(kLevels.size()) ? &kLevels[static_cast<size_t>(code)] : nullptr;
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return text;
}

}  // namespace

std::wstring LevelKeyword(int code) {
  const LevelEntry* entry = Entry(code);
  return entry != nullptr ? entry->keyword : L"";
}

std::wstring LevelPlural(int code) {
  const LevelEntry* entry = Entry(code);
  return entry != nullptr ? entry->plural : L"";
}

int LevelCaptionId(int code) {
  const LevelEntry* entry = Entry(code);
  return entry != nullptr ? entry->captionId : 0;
}

int LevelCode(const std::wstring& keyword) {
  for (size_t code = 0; code < kLevels.size(); ++code) {
    if (keyword == kLevels[code].keyword) return static_cast<int>(code);
  }
  return -1;
}

std::vector<std::wstring> LevelIconNames(bool reduced) {
  std::vector<std::wstring> names;
  for (int code = kLevelVertex; code <= kLevelOverride; ++code) {
    if (reduced && code > kLevelPolygon && code < kLevelOverride) continue;
    names.emplace_back(kLevels[static_cast<size_t>(code)].icon);
  }
  return names;
}

int LevelIconIndex(int code, bool reduced) { return reduced && code > kLevelBorder ? code - 3 : code; }

std::list<std::wstring> BuildLevelRing(const std::vector<std::wstring>& modes) {
  std::list<std::wstring> ring;
  for (const wchar_t* word : kRingWords) {
    for (const std::wstring& mode : modes) {
      if (Lower(mode).find(word) != std::wstring::npos) ring.push_back(mode);
    }
  }
  return ring;
}

}  // namespace Talvo
