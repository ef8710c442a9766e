#include "editing/case_rows.h"

#include <algorithm>
#include <cwctype>

#include "model/modifiers.h"
#include "model/string_table.h"

namespace Talvo {

namespace {

struct LevelEntry {
  const wchar_t* keyword;
  const wchar_t* plural;
  int titleId;
};

constexpr LevelEntry kLevels[kEditorLevelCount] = {
    {L"vertex", L"vertices", 146}, {L"edge", L"edges", 147},     {L"polygon", L"polygons", 148},
    {L"border", L"borders", 149},  {L"element", L"elements", 150}, {L"objects", L"objects", 281},
    {L"global", L"global", 281},   {L"global", L"global", 314},
};
constexpr const wchar_t* kRingWords[] = {L"vertex", L"edge", L"polygon", L"border", L"element"};

constexpr int kRowsPerCount = 41;
constexpr int kTapsPerGroup = 4;
constexpr const wchar_t* kTapWords[] = {L"Single Tap", L"Double Tap", L"Triple Tap", L"Quadra Tap"};
constexpr const wchar_t* kGlobalCaption = L"Global [Not context sensitive]";
constexpr int kAddElementCountCaseText = 299;
constexpr int kAddModifierCaseText = 316;
constexpr int kObjectsText = 233;
constexpr int kObjectText = 234;

bool IsReduced(int code, bool unwrap) { return unwrap && (code == kEditorBorder || code == kEditorElement); }

bool KindIn(int kind, std::initializer_list<int> kinds) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return text;
}

std::wstring Text(int id) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : L"";
}

bool HasGlobalMode(const XmlFunction* function, const std::wstring& page) {
  return function != nullptr && function->HasMode(page, L"global");
}

// The mode a page reads its cases with.
std::wstring WorkingKeyword(int kind, const std::wstring& page, int level) {
  if (page == kInputOverrideMode || KindIn(kind, {1100, 1103, 1104, 1105, 1106, 1107})) return L"global";
  if (page == kInputNoModifier && !KindIn(kind, {1105, 1106, 1107, 1108})) return L"objects";
  return EditorLevelKeyword(level);
}

std::wstring CountCaption(const CaseGridRequest& request, int kind, const std::wstring& keyword, int n) {
  const bool noModifier = request.page == kInputNoModifier;
  if (KindIn(kind, {1105, 1106, 1107}) ||
      (kind == 1108 && (request.function->IsInputGlobal(request.page) || (noModifier && keyword == L"global"))))
    return Text(kAddModifierCaseText);
  if (KindIn(kind, {1100, 1101, 1103, 1104})) return kGlobalCaption;
  const std::wstring plural = noModifier ? Text(kObjectsText) : EditorLevelPlural(request.level);
  if (n == 3) return L"If more than 2 " + plural + L" selected";
  const std::wstring single = noModifier ? Text(kObjectText) : EditorLevelKeyword(request.level);
  return L"If " + std::to_wstring(n) + L" " + (n == 2 ? plural : single) + L" selected";
}

bool RootButtonEnabled(int kind, const std::wstring& page, const std::wstring& keyword) {
  if (kind == 1105 || kind == 1106) return false;
  if (kind == 1107) return page == kInputNoModifier && keyword == L"global";
  if (kind == 1108) return !(keyword == L"global" && page != kInputNoModifier);
  return true;
}

// Whether the page ends its fill before the rows (and offers the corner button instead).
void DecideEarlyEnd(const CaseGridRequest& request, CaseGridPlan& plan) {
  const int kind = plan.kind;
  const bool hasLevelCase = request.function->HasModeCase(request.page, plan.keyword);
  if (KindIn(kind, {1105, 1106, 1107, 1108})) {
    if (request.page != kInputOverrideMode && !hasLevelCase) plan.cornerButton = plan.endsWithoutRows = true;
    return;
  }
  if (request.hasRingEntry) {
    plan.cornerButton = !hasLevelCase;
    return;
  }
  const bool ownPage = request.page == kInputNoModifier || request.page == kInputClassic || request.page == kInputMultiPress;
  if (!ownPage && (kind == 1101 || kind == 1102)) plan.endsWithoutRows = true;
}

void AddCountBlock(const CaseGridRequest& request, CaseGridPlan& plan, int n) {
  const XmlFunction& function = *request.function;
  const std::wstring& page = request.page;
  const bool open = plan.expanded.selection == n;
  const int countRow = kRowsPerCount * n + 1;

  CaseRow count;
  count.kind = CaseRowKind::Count;
  count.parent = 0;
  count.caption = CountCaption(request, plan.kind, plan.keyword, n);
  count.selection = n;
  count.buttonCell = function.HasSelection(page, plan.keyword, n);
  count.hidden = !count.buttonCell;
  count.collapsed = !open;
  plan.rows.push_back(count);

  for (int group = 0; group < kModifierGroupCount; ++group) {
    const unsigned char byte = ModifierGroupByte(group);
    const std::wstring prefix = ModifierGroupPrefix(group);
    const int groupRow = static_cast<int>(plan.rows.size());
    CaseRow header;
    header.kind = CaseRowKind::Group;
    header.parent = countRow;
    header.caption = prefix + L"Tap";
    header.selection = n;
    header.modifiers = byte;
    header.buttonCell = function.HasModifiers(page, plan.keyword, n, byte);
    header.hidden = !header.buttonCell;
    header.collapsed = !(open && ModifiersEqual(byte, plan.expanded.modifiers));
    plan.rows.push_back(header);
    for (int press = 1; press <= kTapsPerGroup; ++press) {
      CaseRow tap;
      tap.kind = CaseRowKind::Tap;
      tap.parent = groupRow;
      tap.caption = prefix + kTapWords[press - 1];
      tap.selection = n;
      tap.modifiers = byte;
      tap.press = press;
      tap.hidden = !function.HasPress({page, plan.keyword, n, press, byte});
      plan.rows.push_back(tap);
    }
  }
}

}  // namespace

std::wstring EditorLevelKeyword(int code) {
  return code >= 0 && code < kEditorLevelCount ? kLevels[code].keyword : L"";
}
std::wstring EditorLevelPlural(int code) {
  return code >= 0 && code < kEditorLevelCount ? kLevels[code].plural : L"";
}
int EditorLevelTitleId(int code) { return code >= 0 && code < kEditorLevelCount ? kLevels[code].titleId : 0; }

int EditorLevelCode(const std::wstring& keyword, bool unwrap) {
  // The first entry wins: "global" is the override level 6, not 7.
  for (int code = 0; code < kEditorLevelCount; ++code)
    if (keyword == kLevels[code].keyword && !IsReduced(code, unwrap)) return code;
  return -1;
}

int EditorLevelOfTitle(int titleId, bool unwrap) {
  for (int code = 0; code < kEditorLevelCount; ++code)
    if (kLevels[code].titleId == titleId && !IsReduced(code, unwrap)) return code;
  return -1;
}

std::list<std::wstring> BuildEditorLevelRing(const std::vector<std::wstring>& modes, bool unwrap) {
  std::list<std::wstring> ring;
  for (const wchar_t* word : kRingWords) {
    if (IsReduced(EditorLevelCode(word, false), unwrap)) continue;
    for (const std::wstring& mode : modes)
      if (Lower(mode).find(word) != std::wstring::npos) ring.push_back(mode);
  }
  return ring;
}

int EditorLevelOfRingEntry(const std::wstring& entry, bool unwrap) {
  const std::wstring lower = Lower(entry);
  for (const wchar_t* word : kRingWords) {
    const int code = EditorLevelCode(word, unwrap);
    if (code >= 0 && lower.find(word) != std::wstring::npos) return code;
  }
  return -1;
}

int FallbackEditorLevel(const XmlFunction* function, const std::wstring& page) {
  int level = kEditorVertex;
  if (page == kInputOverrideMode) level = kEditorAllElements;
  else if (page == kInputNoModifier) level = kEditorObjects;
  else if (page == kInputSingleTap || page == kInputMultiTap || page == L"MultiTapMode") level = kEditorGlobal;
  if (function == nullptr) return level;
  const int kind = function->GetDependent();
  if (kind >= 1105 && kind <= 1107) level = kEditorGlobal;
  if (kind == 1108 && HasGlobalMode(function, page)) level = kEditorGlobal;
  return level;
}

unsigned char ModifierGroupByte(int group) {
  constexpr unsigned char kBytes[kModifierGroupCount] = {3, 7, 11, 19, 15, 23, 27, 31};
  return group >= 0 && group < kModifierGroupCount ? kBytes[group] : kModifierNone;
}

std::wstring ModifierGroupPrefix(int group) {
  const unsigned char byte = ModifierGroupByte(group);
  std::wstring prefix;
  if (byte & kModifierShift) prefix += L"Shift + ";
  if (byte & kModifierCtrl) prefix += L"Ctrl + ";
  if (byte & kModifierAlt) prefix += L"Alt + ";
  return prefix;
}

CaseGridPlan PlanCaseGrid(const CaseGridRequest& request) {
  CaseGridPlan plan;
  plan.expanded = request.openedFromNew ? ExpandedCase{0, kModifierNone} : request.expanded;
  if (request.function == nullptr) return plan;
  plan.kind = request.function->GetDependent();
  plan.keyword = WorkingKeyword(plan.kind, request.page, request.level);
  DecideEarlyEnd(request, plan);
  if (plan.endsWithoutRows) return plan;

  CaseRow root;
  root.caption = Text(kAddElementCountCaseText);
  root.buttonCell = !KindIn(plan.kind, {1100, 1101, 1104});
  root.buttonEnabled = RootButtonEnabled(plan.kind, request.page, plan.keyword);
  root.hidden = request.hasRingEntry &&
                !request.function->HasModeCase(request.page, EditorLevelKeyword(request.level));
  plan.rows.push_back(root);

  const int lastCount = KindIn(plan.kind, {1100, 1101, 1103, 1104, 1105, 1106}) ? 0 : 3;
  for (int n = 0; n <= lastCount; ++n) AddCountBlock(request, plan, n);
  // Kinds whose cases are all shown keep the rows of missing cases visible.
  if (KindIn(plan.kind, {1100, 1101, 1104}))
    for (CaseRow& row : plan.rows) row.hidden = row.kind == CaseRowKind::Root && row.hidden;
  return plan;
}

}  // namespace Talvo
