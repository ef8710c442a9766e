#include "host/macros.h"

#include <algorithm>

#include "logs.h"

MacroEntry* MacroDir::GetMacro(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return macros_[static_cast<std::size_t>(index)].get();
}

MacroEntry* MacroDir::FindMacro(const MCHAR* category, const MCHAR* name) const {
  if (!category || !name) return nullptr;
  for (const auto& macro : macros_)
    if (macro->GetCategory() == category && macro->GetName() == name) return macro.get();
  return nullptr;
}

MacroEntry* MacroDir::FindMacroById(MacroID id) const {
  for (const auto& macro : macros_)
    if (macro->GetID() == id) return macro.get();
  return nullptr;
}

BOOL MacroDir::ExecuteMacro(MacroID id) {
  const bool found = FindMacroById(id) != nullptr;
  host_internal::RecordMacro({id, found});
  return found ? TRUE : FALSE;
}

MacroEntry* MacroDir::Add(const MSTR& category, const MSTR& internalCategory, const MSTR& name, const MSTR& fileName,
                          const MSTR& buttonText, const MSTR& toolTip) {
  macros_.push_back(
      std::make_unique<MacroEntry>(next_id_++, category, internalCategory, name, fileName, buttonText, toolTip));
  return macros_.back().get();
}

BOOL MacroDir::Remove(MacroID id) {
  return std::erase_if(macros_, [&](const auto& macro) { return macro->GetID() == id; }) > 0 ? TRUE : FALSE;
}

void MacroDir::Clear() {
  macros_.clear();
  next_id_ = 0;
}

MacroDir& GetMacroScriptDir() {
  static MacroDir directory;
  return directory;
}
