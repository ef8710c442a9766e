#include "frame/case_commands.h"

#include <max.h>

#include "engine/editor_shared_state.h"
#include "engine/messages.h"
#include "engine/restore_obj.h"
#include "model/host_lists.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {

constexpr std::uint16_t kFunctionsPage = 1;
constexpr int kNotSelectedText = 143;  // "Not Selected"
constexpr int kPasteText = 225;        // "Paste"
constexpr unsigned char kPlainTap = 3;

struct ModifierPageTexts {
  const wchar_t* input;
  int titleId;
  int undoLabelId;
};

constexpr ModifierPageTexts kModifierPages[] = {
    {kInputEditablePoly, 136, 139},  // "Editable Poly", "Add Editable Poly"
    {kInputEditPoly, 137, 140},      // "Edit Poly", "Add Edit Poly"
    {kInputUnwrapUVW, 138, 141},     // "Unwrap UVW", "Add Unwrap UVW"
    {kInputNoModifier, 281, 231},    // "Objects Mode", "Add Object Mode"
};

const ModifierPageTexts* FindModifierPage(const std::wstring& input) {
  for (const ModifierPageTexts& page : kModifierPages)
    if (input == page.input) return &page;
  return nullptr;
}

CaseKeys TargetKeys(const CaseClipboard& clip) {
  return {clip.input, clip.mode, clip.selection, clip.press, clip.modifiers};
}

void ClearMacro(CaseClipboard& clip) {
  clip.macroName.clear();
  clip.macroId = -1;
  clip.macroFileName.clear();
  clip.macroInternalCategory.clear();
  clip.macroCategory.clear();
}

// Empties the copied command, keeping the copied flag and the target.
void ClearPayload(CaseClipboard& clip) {
  clip.group.clear();
  clip.category.clear();
  clip.action.clear();
  clip.tableId = -1;
  clip.actionId = -1;
  ClearMacro(clip);
  clip.scriptId.clear();
}

// Reads the command of the case (category, then the action-table action or else the macro script).
void CopyCommand(const XmlFunction& function, const CaseKeys& keys, CaseClipboard& clip) {
  function.GetCaseCategory(keys, clip.category);
  if (clip.category.empty()) return;
  if (!function.GetCaseTableAction(keys, clip.action, clip.tableId, clip.actionId)) {
    CaseMacroScript macro;
    if (function.GetCaseMacroScript(keys, macro)) {
      clip.action = macro.name;
      clip.macroName = macro.name;
      clip.macroId = macro.macroId;
      clip.macroFileName = macro.fileName;
      clip.macroInternalCategory = macro.internalCategory;
      clip.macroCategory = macro.category;
    }
  }
  if (clip.action.empty()) {
    ClearMacro(clip);
    clip.tableId = -1;
    clip.actionId = -1;
  }
}

void PastePayload(XmlFunction& function, const CaseKeys& keys, const CaseClipboard& clip) {
  function.SetCaseGroup(keys, clip.group);
  if (clip.group == kGroupCustomCode) {
    function.SetCaseScript(keys, clip.scriptId);
    return;
  }
  if (clip.category.empty()) return;
  function.SetCaseCategory(keys, clip.category);
  if (clip.action.empty()) return;
  if (!clip.macroName.empty()) {
    function.SetCaseMacroScript(keys, {clip.macroCategory, clip.macroInternalCategory, clip.macroName,
                                       clip.macroFileName, L"", clip.macroId});
  } else {
    function.SetCaseTableAction(keys, clip.action, clip.tableId, clip.actionId);
  }
}

// Declares the plain single tap of selection 0 below (input, level). Declarations that exist already are
// kept, so the chain goes on past them.
void DeclarePlainTap(XmlFunction& function, const std::wstring& input, const std::wstring& level) {
  const CaseKeys keys{input, level, 0, 1, kPlainTap};
  if (!function.HasSelection(input, level, 0) && !function.AddSelection(input, level, 0)) return;
  if (!function.HasModifiers(input, level, 0, kPlainTap) && !function.AddModifiers(input, level, 0, kPlainTap)) return;
  if (!function.HasPress(keys)) function.AddPress(keys);
}

}  // namespace

int ModifierPageTitleId(const std::wstring& input) {
  const ModifierPageTexts* page = FindModifierPage(input);
  return page != nullptr ? page->titleId : 0;
}

XmlFunction* CaseCommands::PageFunction() const {
  if (!view_.HasEditorPage() || view_.GetPageInput().empty() || view_.GetPageLevel().empty()) return nullptr;
  return GetTalvo().GetCurrentFunction();
}

void CaseCommands::AddModifierPage(const std::wstring& input) {
  XmlFunction* function = GetTalvo().GetCurrentFunction();
  const ModifierPageTexts* page = FindModifierPage(input);
  if (function == nullptr || page == nullptr || function->HasInput(input)) return;

  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(kFunctionsPage, view_.GetActiveSubPageCode()));
  const bool added = function->AddInput(input) && function->AddModes(input) && function->AddMode(input, kModeGlobal) &&
                     function->AddSelectionCase(input, kModeGlobal, 0);
  if (!added) {
    // A broken chain is no step: the additions it made are taken back.
    theHold.Cancel();
    return;
  }
  function->SetInputGlobal(input, true);
  view_.AddEditorPage(input, GetString(page->titleId));
  view_.RebuildAssignmentTabs();
  theHold.Accept(GetString(page->undoLabelId));
}

void CaseCommands::AddModifierCase(const std::wstring& input) {
  GetCellMenuRecord().menuOpen = false;
  XmlFunction* function = PageFunction();
  if (function == nullptr || FindModifierPage(input) == nullptr) return;
  const int kind = function->GetDependent();
  if (kind != kKindSingleTap && kind != kKindMultiTap) return;
  // The kind changes only with the input: a failed rename leaves the function as it was.
  if (!function->RenameInput(view_.GetPageInput(), input)) return;
  function->SetDependent(kKindModifierCases);
  view_.RenameEditorPage(input, GetString(ModifierPageTitleId(input)));
  function->SetInputGlobal(input, true);
  view_.RefreshPageGrid();
}

void CaseCommands::SetPageLevel(const std::wstring& level, int levelTextId) {
  XmlFunction* function = PageFunction();
  if (function == nullptr) return;
  const std::wstring input = view_.GetPageInput();
  if (!function->HasModes(input) && !function->AddModes(input)) return;

  const bool added = function->AddMode(input, level);
  const int kind = function->GetDependent();
  const bool modifierKind = kind == kKindModifierCases || kind == kKindContextSensitive;
  if (added && modifierKind && level == kModeGlobal) function->SetInputGlobal(input, true);
  if (added) DeclarePlainTap(*function, input, level);
  view_.ShowPageLevel(level, true, added);
  if (added) view_.SendToPage(WM_SELECT_LEVEL, 0, levelTextId);
}

void CaseCommands::AddSubObjectCase(const std::wstring& level) {
  XmlFunction* function = PageFunction();
  if (function == nullptr) return;
  const std::wstring input = view_.GetPageInput();
  if (!function->RenameGlobalMode(input, level)) return;
  function->SetDependent(kKindContextSensitive);
  function->SetInputGlobal(input, true);
  view_.ShowPageLevel(level, false, true);
}

void CaseCommands::AddSelectionCount(int selection) {
  XmlFunction* function = PageFunction();
  if (function == nullptr) return;
  const std::wstring input = view_.GetPageInput();
  const std::wstring level = view_.GetPageLevel();
  if (input != kInputNoModifier && !function->HasMode(input, level)) function->AddMode(input, level);
  if (function->AddSelectionCase(input, level, selection)) view_.SendToPage(WM_SELECT_CASE_CELL, selection, kPlainTap);
}

void CaseCommands::AddContextSelection(int selection) {
  XmlFunction* function = PageFunction();
  if (function == nullptr) return;
  const int kind = function->GetDependent();
  if (kind != kKindModifierCases && kind != kKindContextSensitive) return;
  const std::wstring input = view_.GetPageInput();
  std::wstring level = view_.GetPageLevel();
  const bool objectsPage = input == kInputNoModifier && level == kModeGlobal;
  if (!objectsPage && !function->IsInputGlobal(input)) return;

  function->SetDependent(kKindContextSensitive);
  if (objectsPage) {
    if (!function->RenameGlobalMode(input, kModeObjects)) return;
    level = kModeObjects;
    view_.ShowPageLevel(level, false, true);
  }
  const bool added = function->AddSelectionCase(input, level, selection);
  function->SetInputGlobal(input, false);
  if (added) view_.SendToPage(WM_SELECT_CASE_CELL, selection, kPlainTap);
}

void CaseCommands::AddKeyModifierCase(int selection, unsigned char modifiers) {
  CellMenuRecord& record = GetCellMenuRecord();
  if (!record.menuOpen) return;
  record.menuOpen = false;
  XmlFunction* function = PageFunction();
  if (function == nullptr) return;
  const std::wstring input = view_.GetPageInput();
  const std::wstring level = view_.GetPageLevel();
  if (!function->HasSelection(input, level, selection)) return;
  if (function->AddModifiers(input, level, selection, modifiers) &&
      function->AddPress({input, level, selection, 1, modifiers})) {
    view_.SendToPage(WM_SELECT_CASE_CELL, selection, modifiers);
  }
}

void CaseCommands::AddTapCountCase(int selection, unsigned char modifiers, int press) {
  CellMenuRecord& record = GetCellMenuRecord();
  if (!record.menuOpen) return;
  record.menuOpen = false;
  XmlFunction* function = PageFunction();
  if (function == nullptr) return;
  const CaseKeys keys{view_.GetPageInput(), view_.GetPageLevel(), selection, press, modifiers};
  if (!function->HasModifiers(keys.input, keys.mode, selection, modifiers) || !function->AddPress(keys)) return;
  if (function->GetDependent() == kKindSingleTap && press >= 2) function->SetDependent(kKindMultiTap);
  view_.SendToPage(WM_SELECT_CASE_CELL, selection, modifiers);
}

void CaseCommands::OnCopyCase() {
  CaseClipboard& clip = GetCaseClipboard();
  const XmlFunction* function = GetTalvo().FindFunctionById(clip.functionId);
  const CaseKeys keys = TargetKeys(clip);
  std::wstring group;
  if (function == nullptr || !function->GetCaseGroup(keys, group)) {
    clip = CaseClipboard{};
    return;
  }
  // A fresh payload: nothing of an earlier copy may ride along into the next paste.
  ClearPayload(clip);
  clip.copied = true;
  clip.group = group;
  if (group == kGroupCustomCode) {
    function->GetCaseScript(keys, clip.scriptId);
    return;
  }
  if (!group.empty()) CopyCommand(*function, keys, clip);
}

void CaseCommands::OnPasteCase() {
  CaseClipboard& clip = GetCaseClipboard();
  if (!clip.copied || clip.grid == nullptr) return;
  XmlFunction* function = GetTalvo().FindFunctionById(clip.functionId);
  if (function == nullptr) {
    // The function went while the case waited on the clipboard.
    clip = CaseClipboard{};
    return;
  }
  const CaseKeys keys = TargetKeys(clip);
  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(kFunctionsPage, view_.GetActiveSubPageCode()));
  function->RemoveAction(keys);
  if (!function->AddAction(keys)) {
    theHold.Cancel();
    return;
  }
  PastePayload(*function, keys, clip);
  ValidateCaseCommand(function, keys);
  view_.ShowPastedCase(clip.grid, clip.row);
  theHold.Accept(GetString(kPasteText));
}

bool CaseCommands::CanAddModifierPage(const std::wstring& input) const {
  const XmlFunction* function = GetTalvo().GetCurrentFunction();
  return function != nullptr && !function->HasInput(input);
}

bool CaseCommands::CanSetPageLevel(const std::wstring& level) const {
  const XmlFunction* function = PageFunction();
  return function != nullptr && !function->HasMode(view_.GetPageInput(), level);
}

bool CaseCommands::CanAddSelectionCount(int selection) const {
  const XmlFunction* function = PageFunction();
  return function != nullptr && !function->HasSelection(view_.GetPageInput(), view_.GetPageLevel(), selection);
}

bool CaseCommands::CanAddKeyModifierCase(unsigned char modifiers) const {
  const CellMenuRecord& record = GetCellMenuRecord();
  if (!record.menuOpen) return true;
  const XmlFunction* function = PageFunction();
  return function != nullptr &&
         !function->HasModifiers(view_.GetPageInput(), view_.GetPageLevel(), record.selection, modifiers);
}

bool CaseCommands::CanAddTapCountCase(int press) const {
  const CellMenuRecord& record = GetCellMenuRecord();
  if (!record.menuOpen) return true;
  const XmlFunction* function = PageFunction();
  return function != nullptr &&
         !function->HasPress({view_.GetPageInput(), view_.GetPageLevel(), record.selection, press, record.modifiers});
}

bool CaseCommands::CanCopyCase() const {
  const CaseClipboard& clip = GetCaseClipboard();
  const XmlFunction* function = GetTalvo().FindFunctionById(clip.functionId);
  std::wstring group;
  return function != nullptr && function->HasInput(clip.input) && function->GetCaseGroup(TargetKeys(clip), group) &&
         group != GetString(kNotSelectedText);
}

bool CaseCommands::CanPasteCase() const { return GetCaseClipboard().copied; }

}  // namespace Talvo
