// The host's action system: tables of commands, action contexts and the action manager.
#pragma once

#include <memory>
#include <vector>

#include "host/macros.h"
#include "host/strings.h"
#include "win32/types.h"

using ActionTableId = DWORD;
using ActionContextId = DWORD;

class ActionTable;

// Receives the commands of an activated table.
class ActionCallback {
 public:
  virtual ~ActionCallback() = default;
  virtual BOOL ExecuteAction(int id) = 0;
  ActionTable* GetTable() const { return table_; }
  void SetTable(ActionTable* table) { table_ = table; }

 private:
  ActionTable* table_ = nullptr;
};

// One command of a table, with its texts. Executing it calls the table's callback, or runs the macro
// script that the item stands for.
class ActionItem {
 public:
  ActionItem() = default;
  ActionItem(int id, const MCHAR* buttonText, const MCHAR* menuText, const MCHAR* category, const MCHAR* description);
  ActionItem(const ActionItem&) = delete;
  ActionItem& operator=(const ActionItem&) = delete;
  virtual ~ActionItem() = default;

  virtual int GetId() { return id_; }
  virtual void GetButtonText(MSTR& text) { text = button_; }
  virtual void GetMenuText(MSTR& text) { text = menu_; }
  virtual void GetCategoryText(MSTR& text) { text = category_; }
  virtual BOOL ExecuteAction();
  virtual BOOL IsEnabled() { return TRUE; }
  // The macro script behind an item of the "Macro Scripts" table; null for other items.
  virtual MacroEntry* GetMacroScript() { return nullptr; }

  ActionTable* GetTable() const { return table_; }
  void SetTable(ActionTable* table) { table_ = table; }

 private:
  int id_ = 0;
  MSTR button_, menu_, category_, description_;
  ActionTable* table_ = nullptr;
};

// A named, numbered table of actions. The table owns its items.
class ActionTable {
 public:
  ActionTable(ActionTableId id, ActionContextId contextId, const MSTR& name);
  ActionTable(const ActionTable&) = delete;
  ActionTable& operator=(const ActionTable&) = delete;
  virtual ~ActionTable() = default;

  ActionTableId GetId() const { return id_; }
  ActionContextId GetContextId() const { return context_; }
  const MSTR& GetName() const { return name_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Items by index; null out of range.
  ActionItem* operator[](int index) const { return GetAction(index); }
  ActionItem* GetAction(int index) const;
  // The item with a command id, or null.
  ActionItem* GetActionById(int commandId) const;
  // Appends an item; the table takes ownership.
  void AppendOperation(ActionItem* item);
  // Removes and deletes an item; FALSE when it is not in the table.
  BOOL DeleteOperation(ActionItem* item);

  ActionCallback* GetCallback() const { return callback_; }
  void SetCallback(ActionCallback* callback) { callback_ = callback; }

 private:
  ActionTableId id_;
  ActionContextId context_;
  MSTR name_;
  std::vector<std::unique_ptr<ActionItem>> items_;
  ActionCallback* callback_ = nullptr;
};

// A context in which tables' shortcuts apply; only active contexts take keys.
class ActionContext {
 public:
  ActionContext(ActionContextId id, const MCHAR* name) : id_(id), name_(name) {}
  ActionContextId GetContextId() const { return id_; }
  const MSTR& GetName() const { return name_; }
  bool IsActive() const { return active_; }
  void SetActive(bool active) { active_ = active; }

 private:
  ActionContextId id_;
  MSTR name_;
  bool active_ = true;
};

// The host's action manager. It owns the tables registered with it.
class IActionManager {
 public:
  int NumActionTables() const { return static_cast<int>(tables_.size()); }
  ActionTable* GetTable(int index) const;
  ActionTable* FindTable(ActionTableId id) const;
  // Registers a table and takes ownership; FALSE (and the table deleted) when the id is taken.
  BOOL RegisterActionTable(ActionTable* table);
  // Adds a context; FALSE when the id is taken.
  BOOL RegisterActionContext(ActionContextId id, const MCHAR* name);
  int NumActionContexts() const { return static_cast<int>(contexts_.size()); }
  ActionContext* GetActionContext(int index) const;
  ActionContext* FindContext(ActionContextId id) const;
  // Connects a callback to a registered table; FALSE for an unknown table.
  BOOL ActivateActionTable(ActionCallback* callback, ActionTableId id);
  BOOL DeactivateActionTable(ActionCallback* callback, ActionTableId id);
  // Runs a command of a table; every call is logged. TRUE when the action exists and ran (its own
  // ExecuteAction answered TRUE).
  BOOL ExecuteAction(ActionTableId tableId, int commandId);

  // Drops every table and context.
  void Clear();

 private:
  std::vector<std::unique_ptr<ActionTable>> tables_;
  std::vector<std::unique_ptr<ActionContext>> contexts_;
};

// Ids of the tables and contexts the host itself provides.
enum : DWORD {
  kActionMainUIContext = 0,
  kActionMainUI = 0,
  kActionTrackView = 1,
  kActionMaterialEditor = 2,
  kActionEditablePolyContext = 0x4d5a8e01,
  kActionEditablePolyTable = 0x4d5a8e01,
  kActionUnwrapContext = 0x53b3409c,
  kActionUnwrapTable = 0x53b3409c,
  kActionMacroScriptsContext = 647394,
  kActionMacroScriptsTable = 647394,
};
