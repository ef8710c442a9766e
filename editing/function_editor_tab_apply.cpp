// Storing what the user picks in a tap row's drop-downs: each stored change is one undo step labelled
// "In Grid Changes", refills the drop-downs that depend on the choice and tells the page strip.
#include <host/undo.h>

#include <algorithm>

#include "editing/case_pickers.h"
#include "editing/function_editor_tab.h"
#include "editing/function_editor_tab_notice.h"
#include "engine/restore_obj.h"
#include "model/modifiers.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {

constexpr std::uint16_t kFunctionsPage = 1;
constexpr std::uint16_t kNoSubPage = 65535;
constexpr int kInGridChangesText = 163;
constexpr int kGroupRole = 1;
constexpr int kCategoryRole = 2;
constexpr int kActionRole = 3;
constexpr int kScriptRole = 4;

CaseKeys KeysOf(const GridCellDropDown& cell) {
  return {cell.pageName, cell.modeKeyword, cell.selectionCount, cell.press,
          static_cast<unsigned char>(cell.modifierByte)};
}

std::wstring ShownText(const GridCellDropDown* cell) {
  if (cell == nullptr) return L"";
  if (const CellDropDown* editor = cell->GetDropDown(); editor != nullptr && editor->GetSafeHwnd() != nullptr)
    return editor->GetSelectedText();
  return cell->GetText();
}

// The case exists with the group (and, for a listed category, the category) shown in the chain.
void StoreGroupAndCategory(XmlFunction& function, const CaseKeys& keys, const std::wstring& group,
                           const std::wstring& category) {
  function.AddAction(keys);
  function.SetCaseGroup(keys, group);
  if (IsTableGroup(group) && !category.empty() && category != NotSelectedText() && category != MissingText())
    function.SetCaseCategory(keys, category);
}

// Puts the drop-down's selection back on the text its cell shows.
void ShowCellText(GridCellDropDown& cell) {
  CellDropDown* editor = cell.GetDropDown();
  if (editor != nullptr && editor->GetSafeHwnd() != nullptr) editor->SelectString(-1, cell.GetText());
}

}  // namespace

GridCellDropDown* FunctionEditorTab::FindDropDownCell(LPARAM sender) const {
  if (sender == 0 || grid_.GetSafeHwnd() == nullptr) return nullptr;
  for (int row = 0; row < grid_.GetRowCount(); ++row) {
    for (int column : {4, 6, 8, 10}) {
      auto* cell = dynamic_cast<GridCellDropDown*>(grid_.GetCell(row, column));
      if (cell != nullptr && reinterpret_cast<LPARAM>(cell->GetDropDown()) == sender) return cell;
    }
  }
  return nullptr;
}

void FunctionEditorTab::ResetDropDown(GridCellDropDown* cell, const std::vector<std::wstring>& options,
                                      const std::wstring& text, bool enabled) {
  if (cell == nullptr) return;
  if (cell->listKind != kScriptListKind) cell->SetOptions(options);
  cell->SetText(text.c_str());
  cell->previousText = text;
  cell->enabled = enabled ? 1 : 0;
  CellDropDown* editor = cell->GetDropDown();
  if (editor == nullptr || editor->GetSafeHwnd() == nullptr) {
    // Without an editor yet the cell makes one on its next placement, from these fields.
    grid_.PlaceCellEditors();
    editor = cell->GetDropDown();
  }
  if (editor == nullptr || editor->GetSafeHwnd() == nullptr) return;
  if (cell->listKind == kScriptListKind) {
    editor->FillScriptList();
    editor->SetCurSel(std::max(IndexOfScript(cell->scriptId), 0));
  } else {
    editor->SetItems(options);
    editor->SelectString(-1, text.c_str());
  }
  editor->EnableWindow(enabled);
  for (const auto& button : cell->GetButtons())
    if (button->GetSafeHwnd() != nullptr) button->EnableWindow(enabled);
}

LRESULT FunctionEditorTab::ApplyCellChoice(WPARAM /*wParam*/, LPARAM lParam) {
  GridCellDropDown* cell = FindDropDownCell(lParam);
  if (cell == nullptr) return 0;
  CellDropDown* editor = cell->GetDropDown();
  const int index = editor->GetCurSel();
  if (index < 0 || editor->GetLBTextLen(index) == CB_ERR) return 0;
  std::wstring chosen;
  editor->GetLBText(index, chosen);
  // "«missing»" only reports what the host lacks: picking it stores nothing.
  if (cell->listKind != kScriptListKind && chosen == MissingText()) {
    ShowCellText(*cell);
    return 0;
  }
  XmlFunction* function = GetTalvo().GetCurrentFunction();
  const int subPage = ModifierName(pageName_);
  // Inside a step that is open already (the script editor closing) the pick belongs to that step and its
  // undo record; otherwise it is a step of its own.
  const bool ownStep = !theHold.Holding();
  if (ownStep) {
    theHold.Begin();
    theHold.Put(new TalvoDataRestoreObj(kFunctionsPage, subPage >= 0 ? static_cast<std::uint16_t>(subPage) : kNoSubPage));
  }
  bool stored = false;
  if (function != nullptr) {
    switch (cell->listKind) {
      case kGroupRole:
        stored = ApplyGroup(*function, *cell, index, chosen);
        break;
      case kCategoryRole:
        stored = ApplyCategory(*function, *cell, index, chosen);
        break;
      case kActionRole:
        stored = ApplyAction(*function, *cell, index);
        break;
      case kScriptRole:
        stored = ApplyScript(*function, *cell, index);
        break;
      default:
        break;
    }
  }
  if (!stored) {
    // A refused pick changed nothing: no step, so the steps that could be redone stay.
    if (ownStep) theHold.Cancel();
    return 0;
  }
  if (ownStep) theHold.Accept(GetString(kInGridChangesText));
  NotifyFunctionEdited(this);
  return 0;
}

bool FunctionEditorTab::ApplyGroup(XmlFunction& function, GridCellDropDown& cell, int index, const std::wstring& chosen) {
  const CaseKeys keys = KeysOf(cell);
  GridCellDropDown* category = cell.nextCell;
  GridCellDropDown* action = category != nullptr ? category->nextCell : nullptr;
  GridCellDropDown* script = action != nullptr ? action->nextCell : nullptr;
  const std::wstring group = index == 0 ? NotSelectedText() : chosen;
  if (index == 0) {
    function.RemoveAction(keys);
  } else if (!function.HasCase(keys)) {
    function.AddAction(keys);
    function.SetCaseGroup(keys, group);
  } else {
    function.SetCaseGroup(keys, group);
    function.ClearCaseCommand(keys);
  }
  cell.SetText(group.c_str());
  cell.previousText = group;
  const std::wstring fixed = FixedEntryOf(group);
  ResetDropDown(category, CategoryOptions(group, nullptr), fixed, IsTableGroup(group));
  if (action != nullptr) actionRecords_[action].clear();
  ResetDropDown(action, {fixed}, fixed, false);
  if (script != nullptr) script->scriptId = NotSelectedText();
  const bool scripted = group == kGroupCustomCode || (pageName_ == kInputClassic && group == kGroupOriginalKey);
  ResetDropDown(script, {}, NotSelectedText(), scripted);
  return true;
}

bool FunctionEditorTab::ApplyCategory(XmlFunction& function, GridCellDropDown& cell, int index,
                                      const std::wstring& chosen) {
  const CaseKeys keys = KeysOf(cell);
  const std::wstring group = ShownText(cell.previousCell);
  GridCellDropDown* action = cell.nextCell;
  if (!IsTableGroup(group) || group == MissingText()) {
    ShowCellText(cell);
    return false;
  }
  StoreGroupAndCategory(function, keys, group, L"");
  // A new category invalidates the stored command; group and category stay.
  function.ClearCaseCommand(keys);
  if (index > 0) function.SetCaseCategory(keys, chosen);
  cell.SetText(chosen.c_str());
  cell.previousText = chosen;

  std::vector<std::wstring> options = {NotSelectedText()};
  std::vector<CommandRecord> records;
  if (index > 0) records = CategoryCommands(group, chosen);
  for (const CommandRecord& record : records) options.push_back(record.text);
  if (action != nullptr) actionRecords_[action] = std::move(records);
  ResetDropDown(action, options, NotSelectedText(), index > 0);
  return true;
}

bool FunctionEditorTab::ApplyAction(XmlFunction& function, GridCellDropDown& cell, int index) {
  const CaseKeys keys = KeysOf(cell);
  GridCellDropDown* category = cell.previousCell;
  const std::wstring categoryText = ShownText(category);
  const std::wstring group = ShownText(category != nullptr ? category->previousCell : nullptr);
  if (!IsTableGroup(group) || group == MissingText()) {
    ShowCellText(cell);
    return false;
  }
  const std::vector<CommandRecord>& records = actionRecords_[&cell];
  if (index > static_cast<int>(records.size())) {
    ShowCellText(cell);
    return false;
  }
  if (index == 0) {
    function.RemoveAction(keys);
    StoreGroupAndCategory(function, keys, group, categoryText);
    cell.SetText(NotSelectedText().c_str());
    return true;
  }
  const CommandRecord& record = records[static_cast<size_t>(index - 1)];
  const MacroEntry* chosenMacro = FindRecordMacro(record);
  if (record.isMacro && chosenMacro == nullptr) {  // the host dropped the macro after the list was filled
    ShowCellText(cell);
    return false;
  }
  StoreGroupAndCategory(function, keys, group, categoryText);
  if (chosenMacro != nullptr) {
    const MacroEntry& macro = *chosenMacro;
    function.SetCaseMacroScript(keys, {macro.GetCategory().str(), macro.GetInternalCategory().str(),
                                       macro.GetName().str(), macro.GetFileName().str(), macro.GetToolTip().str(),
                                       macro.GetID()});
  } else {
    function.SetCaseTableAction(keys, record.text, static_cast<int>(record.tableId), record.actionId);
  }
  cell.SetText(record.text.c_str());
  cell.previousText = record.text;
  return true;
}

bool FunctionEditorTab::ApplyScript(XmlFunction& function, GridCellDropDown& cell, int index) {
  const CaseKeys keys = KeysOf(cell);
  const std::wstring scriptId = GetScriptIdAt(index);
  std::wstring group;
  function.GetCaseGroup(keys, group);
  std::wstring storedId;
  // The case runs this script already (the script editor closing re-applies the choice): nothing to store.
  if ((group == kGroupCustomCode || group == kGroupOriginalKey) && function.GetCaseScript(keys, storedId) &&
      storedId == scriptId)
    return false;
  // The key's own behaviour may run a script too; every other case becomes custom code.
  if (group != kGroupOriginalKey) group = kGroupCustomCode;
  function.RemoveAction(keys);
  function.AddAction(keys);
  function.SetCaseGroup(keys, group);
  function.SetCaseScript(keys, scriptId);
  cell.scriptId = scriptId;
  cell.SetText(GetScriptName(scriptId).c_str());
  return true;
}

}  // namespace Talvo
