#include "editing/case_pickers.h"

#include <algorithm>
#include <cwctype>
#include <set>

#include "model/string_table.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {

constexpr int kNotSelectedText = 143;
constexpr int kDoItYourselfText = 145;
constexpr int kAllCommandsText = 178;
constexpr int kMissingText = 326;

std::wstring Text(int id) {
  const wchar_t* text = GetString(id);
  return text != nullptr ? text : L"";
}

bool LessNoCase(const std::wstring& a, const std::wstring& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
    return std::towlower(x) < std::towlower(y);
  });
}

std::vector<std::pair<std::wstring, ActionTableId>> Tables() {
  std::vector<std::pair<std::wstring, ActionTableId>> tables;
  ListActionTables(tables);
  return tables;
}

void AddMacroCommands(const std::wstring& category, std::vector<CommandRecord>& records) {
  std::vector<CommandRecord> macros;
  ListCategoryMacros(category, macros);
  for (CommandRecord& macro : macros) {
    const bool known = std::any_of(records.begin(), records.end(), [&](const CommandRecord& r) {
      return r.isMacro && r.actionId == macro.actionId;
    });
    if (!known) records.push_back(std::move(macro));
  }
}

// The table's own commands of a category: its macro items as macro scripts, its other actions as actions.
void AddTableCommands(ActionTableId tableId, const std::wstring& category, std::vector<CommandRecord>& records) {
  ListMacroScriptActions(tableId, category, records);
  std::vector<CommandRecord> actions;
  ListCategoryActions(tableId, category, actions);
  for (CommandRecord& action : actions) {
    const bool isMacroItem = std::any_of(records.begin(), records.end(), [&](const CommandRecord& r) {
      return r.isMacro && r.tableId == tableId && r.actionId == action.actionId;
    });
    if (!isMacroItem) records.push_back(std::move(action));
  }
}

// The text a stored command shows: its action text, or for a macro script the text the host lists it by
// (its stored name when the host no longer has it).
std::wstring StoredCommandText(const XmlFunction& function, const CaseKeys& keys) {
  CaseMacroScript macro;
  if (!function.GetCaseMacroScript(keys, macro)) {
    std::wstring text;
    return function.GetCaseAction(keys, text) ? text : L"";
  }
  const MacroEntry* entry = GetMacroScriptDir().FindMacro(macro.category.c_str(), macro.name.c_str());
  if (entry == nullptr || entry->GetButtonText().isNull()) return macro.name;
  return entry->GetButtonText().str();
}

bool Contains(const std::vector<std::wstring>& options, const std::wstring& text) {
  return std::find(options.begin(), options.end(), text) != options.end();
}

}  // namespace

std::wstring NotSelectedText() { return Text(kNotSelectedText); }
std::wstring AllCommandsText() { return Text(kAllCommandsText); }
std::wstring MissingText() { return Text(kMissingText); }

std::vector<std::wstring> GroupOptions(bool withMissing) {
  std::vector<std::wstring> options = {NotSelectedText(), kGroupCustomCode, kGroupOriginalKey};
  if (withMissing) options.push_back(MissingText());
  std::vector<std::wstring> names;
  for (const auto& [name, id] : Tables()) names.push_back(name);
  std::stable_sort(names.begin(), names.end(), LessNoCase);
  options.insert(options.end(), names.begin(), names.end());
  return options;
}

bool IsTableGroup(const std::wstring& group) {
  return !group.empty() && group != NotSelectedText() && group != kGroupCustomCode && group != kGroupOriginalKey;
}

std::wstring FixedEntryOf(const std::wstring& group) {
  if (group == kGroupCustomCode) return Text(kDoItYourselfText);
  if (group == kGroupOriginalKey) return kGroupOriginalKey;
  return NotSelectedText();
}

std::vector<std::wstring> CategoryOptions(const std::wstring& group, std::vector<CategoryEntry>* entries) {
  std::vector<std::wstring> options = {FixedEntryOf(group), AllCommandsText()};
  if (!IsTableGroup(group)) return options;
  std::vector<CategoryEntry> found;
  for (const auto& [name, id] : Tables()) {
    if (name != group) continue;
    ListTableActions(id, found);
    if (id == 0) ListMacroCategories(found);
  }
  std::vector<CategoryEntry> unique;
  std::set<std::wstring> seen;
  for (CategoryEntry& entry : found)
    if (seen.insert(entry.name).second) unique.push_back(std::move(entry));
  std::stable_sort(unique.begin(), unique.end(),
                   [](const CategoryEntry& a, const CategoryEntry& b) { return LessNoCase(a.name, b.name); });
  for (const CategoryEntry& entry : unique) options.push_back(entry.name);
  if (entries != nullptr) *entries = std::move(unique);
  return options;
}

std::vector<CommandRecord> CategoryCommands(const std::wstring& group, const std::wstring& category) {
  std::vector<CommandRecord> records;
  if (!IsTableGroup(group) || category.empty() || category == NotSelectedText()) return records;
  const ActionTable* table = FindActionContext(group);
  if (table == nullptr) return records;
  const ActionTableId tableId = table->GetId();
  if (category == AllCommandsText()) {
    ListAllActions(tableId, records);
    if (tableId == 0) {
      std::vector<CategoryEntry> macroCategories;
      ListMacroCategories(macroCategories);
      for (const CategoryEntry& entry : macroCategories) AddMacroCommands(entry.name, records);
    }
  } else {
    AddTableCommands(tableId, category, records);
    if (tableId == 0) AddMacroCommands(category, records);
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const CommandRecord& a, const CommandRecord& b) { return LessNoCase(a.text, b.text); });
  return records;
}

PickerChain ReadPickerChain(const XmlFunction* function, const CaseKeys& keys, bool compareWithHost) {
  PickerChain chain;
  chain.groupOptions = GroupOptions(compareWithHost);
  std::wstring group;
  const bool hasGroup = function != nullptr && function->GetCaseGroup(keys, group) && !group.empty();
  if (!hasGroup) group = NotSelectedText();
  chain.groupText = group;
  if (compareWithHost && !Contains(chain.groupOptions, group)) chain.groupText = MissingText();

  // Category.
  chain.categoryOptions = CategoryOptions(group, nullptr);
  const std::wstring fixed = chain.categoryOptions.front();
  std::wstring category;
  const bool hasCategory = IsTableGroup(group) && function->GetCaseCategory(keys, category) && !category.empty();
  chain.categoryText = hasCategory ? category : fixed;
  if (compareWithHost && hasCategory && !Contains(chain.categoryOptions, category)) {
    chain.categoryOptions.push_back(MissingText());
    chain.categoryText = MissingText();
  }
  chain.categoryEnabled = IsTableGroup(group);

  // Action.
  chain.actionOptions = {fixed};
  chain.actionText = fixed;
  if (hasCategory && category != fixed) {
    chain.actionRecords = CategoryCommands(group, category);
    for (const CommandRecord& record : chain.actionRecords) chain.actionOptions.push_back(record.text);
    const std::wstring stored = StoredCommandText(*function, keys);
    if (!stored.empty()) {
      chain.actionText = stored;
      if (compareWithHost && !ValidateCaseCommand(function, keys)) {
        chain.actionOptions.push_back(MissingText());
        chain.actionText = MissingText();
      }
    }
  }
  chain.actionEnabled = hasCategory;

  // Script.
  chain.scriptText = NotSelectedText();
  chain.scriptId = NotSelectedText();
  chain.scriptEnabled = group == kGroupCustomCode || (!compareWithHost && group == kGroupOriginalKey);
  std::wstring scriptId;
  if (chain.scriptEnabled && function->GetCaseScript(keys, scriptId) && !scriptId.empty()) {
    chain.scriptId = scriptId;
    chain.scriptText = GetScriptName(scriptId);
  }
  return chain;
}

}  // namespace Talvo
