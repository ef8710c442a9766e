#include "editing/viewer_case_text.h"

#include <array>

#include "editing/viewer_levels.h"
#include "model/host_lists.h"
#include "model/string_table.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {

constexpr int kOriginalKeyString = 228;
constexpr int kObjectsString = 233;
constexpr int kObjectString = 234;
constexpr int kMissingString = 326;

struct PairKeys {
  unsigned char modifiers;
  const wchar_t* prefix;
};

constexpr std::array<std::array<PairKeys, 4>, 2> kPairs = {{
    {{{3, L""}, {7, L"Shift + "}, {11, L"Ctrl + "}, {19, L"Alt + "}}},
    {{{15, L"Shift + Ctrl + "}, {23, L"Shift + Alt + "}, {27, L"Ctrl + Alt + "}, {31, L"Shift + Ctrl + Alt + "}}},
}};

constexpr std::array<const wchar_t*, 5> kRowWords = {L"Tap", L"Single Tap", L"Double Tap", L"Triple Tap",
                                                     L"Quadra Tap"};

std::wstring TableString(int id, const wchar_t* fallback) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : fallback;
}

const PairKeys* Pair(int group, int pair) {
  if (group < 0 || group > 1 || pair < 0 || pair > 3) return nullptr;
  return &kPairs[static_cast<size_t>(group)][static_cast<size_t>(pair)];
}

}  // namespace

ViewerValue ViewerCaseValue(const XmlFunction& function, const CaseKeys& keys) {
  std::wstring group;
  if (!function.GetCaseGroup(keys, group) || group.empty()) return {};
  if (group == L"Custom Code") {
    std::wstring scriptId;
    if (!function.GetCaseScript(keys, scriptId) || scriptId.empty()) return {};
    return {GetScriptName(scriptId), kViewerValueCustomScript};
  }
  if (group == L"Original key behavior") {
    return {TableString(kOriginalKeyString, L"Original key behavior"), kViewerValueOriginalKey};
  }

  ViewerValue value;
  std::wstring action;
  int tableId = 0;
  int actionId = -1;
  CaseMacroScript macro;
  if (function.GetCaseTableAction(keys, action, tableId, actionId) && !action.empty()) {
    value = {action, kViewerValueTableAction};
  } else if (function.GetCaseMacroScript(keys, macro) && !macro.name.empty()) {
    value = {macro.name, kViewerValueMacroScript};
  } else {
    return {};
  }
  if (!ValidateCaseCommand(&function, keys)) value.text = TableString(kMissingString, L"\u00ABmissing\u00BB");
  return value;
}

bool IsNotContextSensitiveKind(int kind) { return kind == 1100 || kind == 1101 || kind == 1103 || kind == 1104; }

bool IsGlobalOnlyKind(int kind) { return kind == 1100 || kind == 1103 || kind == 1104; }

std::wstring BlockHeaderText(int selection, int levelCode, bool noModifierPage, bool notContextSensitive) {
  if (notContextSensitive) return L"Global [Not context sensitive]";
  if (selection >= 3) {
    if (noModifierPage) return L"If more than 2 objects selected";
    return L"If more than 2 " + LevelPlural(levelCode) + L" selected";
  }
  std::wstring word;
  if (noModifierPage) {
    word = selection == 2 ? TableString(kObjectsString, L"objects") : TableString(kObjectString, L"object");
  } else {
    word = selection == 2 ? LevelPlural(levelCode) : LevelKeyword(levelCode);
  }
  return L"If " + std::to_wstring(selection) + L" " + word + L" selected";
}

unsigned char PairModifierByte(int group, int pair) {
  const PairKeys* keys = Pair(group, pair);
  return keys != nullptr ? keys->modifiers : 3;
}

std::wstring PairLabel(int group, int pair, int tapCount) {
  const PairKeys* keys = Pair(group, pair);
  if (keys == nullptr || tapCount < 0 || tapCount > 4) return L"";
  return std::wstring(keys->prefix) + kRowWords[static_cast<size_t>(tapCount)];
}

}  // namespace Talvo
