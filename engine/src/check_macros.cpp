#include "engine/check_macros.h"

#include <windows.h>
#include <max.h>

#include <set>
#include <string>
#include <vector>

#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

constexpr int kProductNameString = 184;  // the caption of the plug-in's prompts

// Modifier bytes a case can be stored under: none, and every combination of Shift, Ctrl and Alt.
constexpr unsigned char kModifierBytes[] = {3, 7, 11, 15, 19, 23, 27, 31};

struct MacroReference {
  XmlFunction* function;
  CaseKeys keys;
  CaseMacroScript stored;
  const MacroEntry* current;  // the macro of that category and name, or null when it is gone
};

// The functions the profiles assign, each once, in profile and key order.
std::vector<XmlFunction*> FunctionsInProfiles(const Talvo& root) {
  std::vector<XmlFunction*> functions;
  std::set<XmlFunction*> seen;
  const XmlProfileDir* profiles = root.GetProfiles();
  for (int p = 0; profiles && p < profiles->Count(); ++p) {
    std::vector<int> keys;
    profiles->GetProfile(p)->GetAssignedKeys(keys);
    for (int key : keys) {
      XmlFunction* function = root.FindFunctionById(profiles->GetProfile(p)->GetFunctionIdOfKey(key));
      if (function && seen.insert(function).second) functions.push_back(function);
    }
  }
  return functions;
}

void CollectReferences(XmlFunction* function, std::vector<MacroReference>& references) {
  const MacroDir& macros = GetMacroScriptDir();
  std::vector<std::wstring> inputs;
  function->GetInputs(inputs);
  for (const std::wstring& input : inputs) {
    std::vector<std::wstring> modes;
    function->GetModes(input, modes);
    for (const std::wstring& mode : modes)
      for (int selection = 0; selection <= 3; ++selection)
        for (unsigned char modifiers : kModifierBytes)
          for (int press = 1; press <= 4; ++press) {
            MacroReference reference{function, {input, mode, selection, press, modifiers}, {}, nullptr};
            if (!function->GetCaseMacroScript(reference.keys, reference.stored)) continue;
            reference.current = macros.FindMacro(reference.stored.category.c_str(), reference.stored.name.c_str());
            references.push_back(reference);
          }
  }
}

bool IsChanged(const MacroReference& reference) {
  return reference.current && reference.current->GetID() != reference.stored.macroId;
}

bool AskToFix(int changed) {
  std::wstring text = std::to_wstring(changed) +
                      L" macro references point to macro scripts whose ids have changed.\nFix them now?";
  return MessageBoxW(GetCOREInterface()->GetMAXHWnd(), text.c_str(), GetString(kProductNameString),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

int Fix(const std::vector<MacroReference>& references) {
  int fixed = 0;
  std::set<XmlFunction*> touched;
  for (const MacroReference& reference : references) {
    if (!IsChanged(reference)) continue;
    CaseMacroScript macro = reference.stored;
    macro.macroId = reference.current->GetID();
    macro.fileName = reference.current->GetFileName();
    macro.internalCategory = reference.current->GetInternalCategory();
    if (reference.function->SetCaseMacroScript(reference.keys, macro)) {
      ++fixed;
      touched.insert(reference.function);
    }
  }
  for (XmlFunction* function : touched) function->Save();
  return fixed;
}

void Report(const std::vector<MacroReference>& references, const MacroCheckResult& result) {
  if (the_listener == nullptr || the_listener->edit_stream == nullptr) return;
  CharStream* out = the_listener->edit_stream;
  for (const MacroReference& reference : references) {
    const std::wstring function = reference.function->GetName();
    if (!reference.current) {
      out->printf(_M("Quillon: %s: macro \"%s\" of category \"%s\" is missing\n"), function.c_str(),
                  reference.stored.name.c_str(), reference.stored.category.c_str());
    } else if (IsChanged(reference)) {
      out->printf(_M("Quillon: %s: macro \"%s\" of category \"%s\" changed its id from %d to %d\n"), function.c_str(),
                  reference.stored.name.c_str(), reference.stored.category.c_str(), reference.stored.macroId,
                  reference.current->GetID());
    }
  }
  out->printf(_M("Quillon: %d macro references checked, %d changed, %d missing, %d fixed\n"), result.checked,
              result.changed, result.missing, result.fixed);
}

}  // namespace

MacroCheckResult CheckMacros() {
  std::vector<MacroReference> references;
  for (XmlFunction* function : FunctionsInProfiles(GetTalvo())) CollectReferences(function, references);

  MacroCheckResult result;
  result.checked = static_cast<int>(references.size());
  for (const MacroReference& reference : references) {
    if (!reference.current) ++result.missing;
    if (IsChanged(reference)) ++result.changed;
  }
  if (result.changed > 0 && AskToFix(result.changed)) result.fixed = Fix(references);
  Report(references, result);
  return result;
}

}  // namespace Talvo
