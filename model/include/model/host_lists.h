// What the case pickers list of the host's commands: action tables, their categories and actions, and
// the macro scripts; and whether a stored case still names a command the host has.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <host/actions.h>
#include <host/macros.h>

namespace Talvo {

struct CaseKeys;
class XmlFunction;

// A command the pickers offer: an action of a table or a macro script. A macro is kept by its id, never by
// its entry, which the host may drop while the record waits for the user's choice (FindRecordMacro).
struct CommandRecord {
  bool isMacro = false;
  ActionTableId tableId = 0;
  int actionId = -1;  // the action's command id, or the macro id
  std::wstring text;  // button text (menu text when the button has none; a macro's name when it has none)
};

// A category of a table's actions, or of the macro-script directory.
struct CategoryEntry {
  std::wstring name;
  ActionTableId tableId = 0;
  bool isMacroCategory = false;
};

// (name, id) of every action table of the host, in the action manager's order.
void ListActionTables(std::vector<std::pair<std::wstring, ActionTableId>>& tables);
// The distinct categories of a table's actions, in first-seen order.
void ListTableActions(ActionTableId tableId, std::vector<CategoryEntry>& categories);
// The distinct categories of the macro-script directory, in first-seen order.
void ListMacroCategories(std::vector<CategoryEntry>& categories);
// The actions of a table whose category text equals `category`.
void ListCategoryActions(ActionTableId tableId, const std::wstring& category, std::vector<CommandRecord>& records);
// The macro scripts of a macro category.
void ListCategoryMacros(const std::wstring& category, std::vector<CommandRecord>& records);
// Every action of a table.
void ListAllActions(ActionTableId tableId, std::vector<CommandRecord>& records);
// The macro-script items of a "Macro Scripts" table whose macro category equals `category` (every one for
// an empty category).
void ListMacroScriptActions(ActionTableId tableId, const std::wstring& category, std::vector<CommandRecord>& records);
// The macro script a macro record names, as the host has it now; null when it is gone or the record is
// no macro.
const MacroEntry* FindRecordMacro(const CommandRecord& record);
// The action table of that name, or null.
ActionTable* FindActionContext(const std::wstring& name);

// True when the host still has the action-table action or macro script the case stores (or the case
// stores none); false for a missing case or a command the host no longer has.
bool ValidateCaseCommand(const XmlFunction* function, const CaseKeys& keys);

}  // namespace Talvo
