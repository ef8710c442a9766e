// The host's macro-script directory: every macro script the host loaded, by index, id and name.
#pragma once

#include <memory>
#include <vector>

#include "host/strings.h"
#include "win32/types.h"

using MacroID = int;
constexpr MacroID BAD_MACRO_ID = -1;

class MacroEntry {
 public:
  MacroEntry(MacroID id, const MSTR& category, const MSTR& internalCategory, const MSTR& name, const MSTR& fileName,
             const MSTR& buttonText, const MSTR& toolTip)
      : id_(id),
        category_(category),
        internal_category_(internalCategory),
        name_(name),
        file_name_(fileName),
        button_text_(buttonText),
        tool_tip_(toolTip) {}

  MacroID GetID() const { return id_; }
  const MSTR& GetCategory() const { return category_; }
  // The category as the script file names it, before localisation.
  const MSTR& GetInternalCategory() const { return internal_category_; }
  const MSTR& GetName() const { return name_; }
  const MSTR& GetFileName() const { return file_name_; }
  const MSTR& GetButtonText() const { return button_text_; }
  const MSTR& GetToolTip() const { return tool_tip_; }

 private:
  MacroID id_;
  MSTR category_, internal_category_, name_, file_name_, button_text_, tool_tip_;
};

class MacroDir {
 public:
  int Count() const { return static_cast<int>(macros_.size()); }
  // Entries by index; null out of range.
  MacroEntry* GetMacro(int index) const;
  // The entry with that category and name (exact, case-sensitive), or null.
  MacroEntry* FindMacro(const MCHAR* category, const MCHAR* name) const;
  MacroEntry* FindMacroById(MacroID id) const;
  // Runs a macro script; every call is logged. TRUE when the macro exists.
  BOOL ExecuteMacro(MacroID id);

  // Adds an entry with the next free id and returns it.
  MacroEntry* Add(const MSTR& category, const MSTR& internalCategory, const MSTR& name, const MSTR& fileName,
                  const MSTR& buttonText, const MSTR& toolTip);
  // Removes an entry; FALSE when there is none with that id.
  BOOL Remove(MacroID id);
  void Clear();

 private:
  std::vector<std::unique_ptr<MacroEntry>> macros_;
  MacroID next_id_ = 0;
};

MacroDir& GetMacroScriptDir();
