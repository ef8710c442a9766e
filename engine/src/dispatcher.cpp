#include "engine/dispatcher.h"

#include <max.h>

#include "model/talvo.h"
#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {

iContextResolver* contextResolver = nullptr;

bool ResolveContext(const XmlFunction& function, SelectionContext& context) {
  if (contextResolver) return contextResolver->Resolve(function, context);
  context = DefaultContext(function);
  return true;
}

// The category and name outlive a changed macro id, so they are looked up first. The stored id serves
// only while it still names a macro of the same name: after the host reloads its macros the id may
// belong to another macro, which must not run in its place.
bool RunMacro(const CaseMacroScript& macro) {
  MacroDir& macros = GetMacroScriptDir();
  const MacroEntry* entry = macros.FindMacro(macro.category.c_str(), macro.name.c_str());
  if (!entry) {
    entry = macros.FindMacroById(macro.macroId);
    if (entry && entry->GetName() != macro.name.c_str()) entry = nullptr;
  }
  if (!entry) {
    DebugPrint(_M("Dispatcher: macro \"%s\" of category \"%s\" is missing\n"), macro.name.c_str(),
               macro.category.c_str());
    return false;
  }
  return macros.ExecuteMacro(entry->GetID()) != FALSE;
}

bool RunTableAction(const XmlFunction& function, const CaseKeys& keys) {
  std::wstring text;
  int tableId = -1;
  int actionId = -1;
  if (!function.GetCaseTableAction(keys, text, tableId, actionId)) {
    DebugPrint(_M("Dispatcher: the case stores no command to run\n"));
    return false;
  }
  if (GetCOREInterface()->GetActionManager()->ExecuteAction(static_cast<ActionTableId>(tableId), actionId)) return true;
  DebugPrint(_M("Dispatcher: action \"%s\" (table %d, id %d) cannot run\n"), text.c_str(), tableId, actionId);
  return false;
}

bool RunCustomCode(const XmlFunction& function, const CaseKeys& keys) {
  std::wstring scriptId;
  if (!function.GetCaseScript(keys, scriptId)) {
    DebugPrint(_M("Dispatcher: the case names no custom script\n"));
    return false;
  }
  const XmlCustomScripts* scripts = GetTalvo().GetCustomScripts();
  std::wstring name;
  std::wstring body;
  if (!scripts || !scripts->GetScript(scriptId, name, body)) {
    DebugPrint(_M("Dispatcher: custom script \"%s\" is missing\n"), scriptId.c_str());
    return false;
  }
  return ExecuteMAXScriptScript(body.c_str()) != FALSE;
}

// The key goes on to the host window as a press and a release that the keyboard side recognises as ours.
bool SendOriginalKey(UINT virtualKey) {
  HWND host = GetCOREInterface()->GetMAXHWnd();
  if (!host) return false;
  const LPARAM down = 1 | kSyntheticKeyMarker;
  const LPARAM up = down | (1u << 30) | (1u << 31);
  return PostMessageW(host, WM_KEYDOWN, virtualKey, down) && PostMessageW(host, WM_KEYUP, virtualKey, up);
}

bool RunCaseCommand(const XmlFunction& function, const CaseKeys& keys, UINT virtualKey) {
  std::wstring group;
  if (!function.GetCaseGroup(keys, group)) return false;
  if (group == kGroupCustomCode) return RunCustomCode(function, keys);
  if (group == kGroupOriginalKey) return SendOriginalKey(virtualKey);
  CaseMacroScript macro;
  if (function.GetCaseMacroScript(keys, macro)) return RunMacro(macro);
  return RunTableAction(function, keys);
}

}  // namespace

SelectionContext DefaultContext(const XmlFunction& function) {
  SelectionContext context{kInputNoModifier, kModeObjects, 0};
  switch (function.GetDependent()) {
    // These kinds keep their cases under an input type of their own, whatever the level.
    case kKindClassic:
      context.input = kInputClassic;
      break;
    case kKindMultiPress:
      context.input = kInputMultiPress;
      break;
    case kKindSingleTap:
      context.input = kInputSingleTap;
      break;
    case kKindMultiTap:
      context.input = kInputMultiTap;
      break;
    // Modifier cases that ignore the level.
    case kKindMultiTapModifiers:
    case kKindModifierCases:
      break;
    case kKindContextSensitive:
      if (!function.IsInputGlobal(kInputNoModifier)) return context;
      break;
    default:
      return context;
  }
  context.mode = kModeGlobal;
  return context;
}

void SetContextResolver(iContextResolver* resolver) { contextResolver = resolver; }

bool RunCase(const XmlFunction& function, const CaseKeys& keys, UINT virtualKey) {
  theHold.Begin();
  bool ran = false;
  try {
    ran = RunCaseCommand(function, keys, virtualKey);
  } catch (...) {
    // A hold left open would swallow every later undo step of the host.
    theHold.Cancel();
    throw;
  }
  theHold.Accept(function.GetName().c_str());
  return ran;
}

bool RunFunctionCase(UINT virtualKey, int taps, unsigned char modifiers, bool overrideRow) {
  Talvo& root = GetTalvo();
  const XmlProfile* profile = root.GetCurrentProfile();
  const XmlKeyboard* layout = root.GetCurrentKeyboard();
  if (!profile || !layout) return false;
  const int key = layout->GetKeyOfVirt(static_cast<int>(virtualKey));
  if (key < 0) return false;
  const XmlFunction* function = root.FindFunctionById(profile->GetFunctionIdOfKey(key));
  if (!function) return false;

  SelectionContext context;
  if (!overrideRow && ResolveContext(*function, context)) {
    const CaseKeys keys{context.input, context.mode, context.selection, taps, modifiers};
    if (function->HasCase(keys)) return RunCase(*function, keys, virtualKey);
  }
  const CaseKeys fallback{kInputOverrideMode, kModeGlobal, 0, taps, modifiers};
  return function->HasCase(fallback) && RunCase(*function, fallback, virtualKey);
}

}  // namespace Talvo
