#include "overlay/overlay_preference.h"

#include <max.h>

#include "model/talvo.h"
#include "overlay/case_context.h"
#include "overlay/host_selection.h"

namespace Talvo {

namespace {

const XmlFunction* AssignedFunction(UINT key) {
  Talvo& root = GetTalvo();
  const XmlProfile* profile = root.GetCurrentProfile();
  const XmlKeyboard* layout = root.GetCurrentKeyboard();
  if (!profile || !layout) return nullptr;
  const int keyNumber = layout->GetKeyOfVirt(static_cast<int>(key));
  if (keyNumber < 0 || !profile->HasAssignment(keyNumber)) return nullptr;
  return root.FindFunctionById(profile->GetFunctionIdOfKey(keyNumber));
}

}  // namespace

bool ResolvePreference(UINT key, unsigned char modifiers, std::wstring keyName, OverlayPreference& preference) {
  DebugPrint(L"VI SetPreference\n");
  // Stored first, so that a key without a function still shows its key box and modifier keys.
  preference.key = key;
  preference.modifiers = modifiers;
  preference.keyName = std::move(keyName);
  preference.count = 0;
  preference.mode.clear();
  preference.inputType.clear();
  if (!GetCOREInterface()) {
    preference.keyName.clear();
    return false;
  }
  const HostSelection host = ReadHostSelection();
  const XmlFunction* function = AssignedFunction(key);
  if (!function) return false;

  CaseContext context;
  const bool resolved = ApplyFunctionKind(*function, host, context);
  preference.mode = context.mode;
  preference.inputType = context.inputType;
  preference.count = context.count;
  if (!resolved) return false;

  FillContextRow(*function, context.inputType, context.mode, context.selection, modifiers, preference.rowA);
  FillOverrideRow(*function, modifiers, preference.rowB);
  return true;
}

}  // namespace Talvo
