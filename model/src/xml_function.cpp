#include "model/xml_function.h"

#include <host/listener.h>

#include <algorithm>

#include "model/modifiers.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {

constexpr const char* kInput = "input";
constexpr const char* kModes = "modes";
constexpr const char* kMode = "mode";
constexpr const char* kSelection = "selection";
constexpr const char* kModifiers = "modifiers";
constexpr const char* kPress = "press";
constexpr const char* kAction = "action";

constexpr unsigned char kClassicModifiers[] = {3, 7, 11, 19, 15, 23, 27, 31};

std::string ModifierText(unsigned char modifiers) { return std::to_string(static_cast<unsigned>(modifiers)); }

// Calls `visit` for every action element below `node`.
template <typename Visit>
void ForEachAction(XmlNode* node, Visit&& visit) {
  for (XmlNode* child = node ? node->first_node() : nullptr; child; child = child->next_sibling()) {
    if (child->type() != rapidxml::node_element) continue;
    if (std::string_view(child->name(), child->name_size()) == kAction) visit(child);
    else ForEachAction(child, visit);
  }
}

// Where an old-style action was stored: input, mode, selection count, modifier byte and tap count.
struct OldCasePlace {
  std::string input, mode, selection, modifiers, press;
};

// A press holds one action: a second old-style action for the same press is dropped, and the user told.
void ReportDroppedAction(const XmlFunction& function, const OldCasePlace& place) {
  if (the_listener == nullptr || the_listener->edit_stream == nullptr) return;
  const std::wstring line = L"Quillon: function \"" + function.GetName() + L"\": a second action for tap count " +
                            Utf8ToWide(place.press) + L" (" + Utf8ToWide(place.input) + L", " + Utf8ToWide(place.mode) +
                            L", selection " + Utf8ToWide(place.selection) + L", modifiers " +
                            Utf8ToWide(place.modifiers) + L") was left out; the first is kept.\n";
  the_listener->edit_stream->puts(line.c_str());
}

}  // namespace

bool XmlFunction::IsFunctionDocument() const { return HasNode(TALVO_XML_FUNCTION); }

std::unique_ptr<XmlDocument> XmlFunction::MakeEmpty(XmlDocDirectory* owner) const {
  return std::make_unique<XmlFunction>(owner);
}

int XmlFunction::GetDependent() const { return ParseInt(PropertyBytes("dependent"), 0); }

void XmlFunction::SetDependent(int kind) { SetProperty("dependent", std::to_wstring(kind)); }

// --- navigation -----------------------------------------------------------------------------------

XmlNode* XmlFunction::Root(bool create) {
  XmlNode* root = GetNode(TALVO_XML_FUNCTION);
  return root || !create ? root : AppendRootElement(TALVO_XML_FUNCTION);
}

XmlNode* XmlFunction::Input(const std::wstring& input) const {
  return FindChild(GetNode(TALVO_XML_FUNCTION), kInput, "type", WideToUtf8(input));
}

XmlNode* XmlFunction::Modes(const std::wstring& input) const {
  XmlNode* node = Input(input);
  return node ? node->first_node(kModes) : nullptr;
}

XmlNode* XmlFunction::Mode(const std::wstring& input, const std::wstring& mode) const {
  return FindChild(Modes(input), kMode, "name", WideToUtf8(mode));
}

XmlNode* XmlFunction::Selection(const std::wstring& input, const std::wstring& mode, int selection) const {
  return FindChild(Mode(input, mode), kSelection, "count", std::to_string(selection));
}

XmlNode* XmlFunction::Modifiers(const std::wstring& input, const std::wstring& mode, int selection,
                                unsigned char modifiers) const {
  XmlNode* parent = Selection(input, mode, selection);
  for (XmlNode* node = parent ? parent->first_node(kModifiers) : nullptr; node; node = node->next_sibling(kModifiers)) {
    const int value = ParseInt(Attribute(node, "value"), -1);
    if (value >= 0 && value <= 255 && ModifiersEqual(static_cast<unsigned char>(value), modifiers)) return node;
  }
  return nullptr;
}

XmlNode* XmlFunction::Press(const CaseKeys& keys) const {
  return FindChild(Modifiers(keys.input, keys.mode, keys.selection, keys.modifiers), kPress, "count",
                   std::to_string(keys.press));
}

XmlNode* XmlFunction::Action(const CaseKeys& keys) const {
  XmlNode* press = Press(keys);
  return press ? press->first_node(kAction) : nullptr;
}

// --- inputs ---------------------------------------------------------------------------------------

bool XmlFunction::HasInput(const std::wstring& input) const { return Input(input) != nullptr; }

bool XmlFunction::AddInput(const std::wstring& input) {
  if (HasInput(input)) return false;
  SetAttribute(AppendElement(Root(true), kInput), "type", WideToUtf8(input));
  Changed();
  return true;
}

bool XmlFunction::RemoveInput(const std::wstring& input) {
  XmlNode* node = Input(input);
  if (!node) return false;
  node->parent()->remove_node(node);
  Changed();
  return true;
}

bool XmlFunction::RenameInput(const std::wstring& oldInput, const std::wstring& newInput) {
  XmlNode* node = Input(oldInput);
  if (!node || (oldInput != newInput && HasInput(newInput))) return false;
  SetAttribute(node, "type", WideToUtf8(newInput));
  Changed();
  return true;
}

bool XmlFunction::IsInputGlobal(const std::wstring& input) const { return Attribute(Input(input), "global") == "1"; }

void XmlFunction::SetInputGlobal(const std::wstring& input, bool global) {
  if (XmlNode* node = Input(input)) {
    SetAttribute(node, "global", global ? "1" : "0");
    Changed();
  }
}

void XmlFunction::GetInputs(std::vector<std::wstring>& inputs) const {
  const XmlNode* root = GetNode(TALVO_XML_FUNCTION);
  for (const XmlNode* node = root ? root->first_node(kInput) : nullptr; node; node = node->next_sibling(kInput)) {
    inputs.push_back(Utf8ToWide(Attribute(node, "type")));
  }
}

// --- modes and declarations -----------------------------------------------------------------------

bool XmlFunction::HasModes(const std::wstring& input) const { return Modes(input) != nullptr; }

bool XmlFunction::AddModes(const std::wstring& input) {
  XmlNode* node = Input(input);
  if (!node || node->first_node(kModes)) return false;
  AppendElement(node, kModes);
  Changed();
  return true;
}

bool XmlFunction::HasMode(const std::wstring& input, const std::wstring& mode) const {
  return Mode(input, mode) != nullptr;
}

bool XmlFunction::AddMode(const std::wstring& input, const std::wstring& mode) {
  XmlNode* modes = Modes(input);
  if (!modes || HasMode(input, mode)) return false;
  SetAttribute(AppendElement(modes, kMode), "name", WideToUtf8(mode));
  Changed();
  return true;
}

void XmlFunction::GetModes(const std::wstring& input, std::vector<std::wstring>& modes) const {
  const XmlNode* parent = Modes(input);
  for (const XmlNode* node = parent ? parent->first_node(kMode) : nullptr; node; node = node->next_sibling(kMode)) {
    modes.push_back(Utf8ToWide(Attribute(node, "name")));
  }
}

bool XmlFunction::HasModeCase(const std::wstring& input, const std::wstring& mode) const {
  const XmlNode* node = Mode(input, mode);
  return node && node->first_node(kSelection);
}

bool XmlFunction::RenameGlobalMode(const std::wstring& input, const std::wstring& mode) {
  XmlNode* global = Mode(input, kModeGlobal);
  if (!global || (mode != kModeGlobal && HasMode(input, mode))) return false;
  SetAttribute(global, "name", WideToUtf8(mode));
  Changed();
  return true;
}

bool XmlFunction::HasSelection(const std::wstring& input, const std::wstring& mode, int selection) const {
  return Selection(input, mode, selection) != nullptr;
}

bool XmlFunction::AddSelection(const std::wstring& input, const std::wstring& mode, int selection) {
  XmlNode* parent = Mode(input, mode);
  if (!parent || selection < 0 || selection > 3 || HasSelection(input, mode, selection)) return false;
  SetAttribute(AppendElement(parent, kSelection), "count", std::to_string(selection));
  Changed();
  return true;
}

bool XmlFunction::AddSelectionCase(const std::wstring& input, const std::wstring& mode, int selection) {
  return AddSelection(input, mode, selection) && AddModifiers(input, mode, selection, kModifierNone) &&
         AddPress({input, mode, selection, 1, kModifierNone});
}

bool XmlFunction::HasModifiers(const std::wstring& input, const std::wstring& mode, int selection,
                               unsigned char modifiers) const {
  return Modifiers(input, mode, selection, modifiers) != nullptr;
}

bool XmlFunction::AddModifiers(const std::wstring& input, const std::wstring& mode, int selection,
                               unsigned char modifiers) {
  XmlNode* parent = Selection(input, mode, selection);
  if (!parent || HasModifiers(input, mode, selection, modifiers)) return false;
  SetAttribute(AppendElement(parent, kModifiers), "value", ModifierText(modifiers));
  Changed();
  return true;
}

bool XmlFunction::HasPress(const CaseKeys& keys) const { return Press(keys) != nullptr; }

bool XmlFunction::AddPress(const CaseKeys& keys) {
  XmlNode* parent = Modifiers(keys.input, keys.mode, keys.selection, keys.modifiers);
  if (!parent || keys.press < 1 || keys.press > 4 || HasPress(keys)) return false;
  SetAttribute(AppendElement(parent, kPress), "count", std::to_string(keys.press));
  Changed();
  return true;
}

// --- cases ----------------------------------------------------------------------------------------

bool XmlFunction::HasCase(const CaseKeys& keys) const { return Action(keys) != nullptr; }

bool XmlFunction::HasCasesFor(const std::wstring& input, const std::wstring& mode, int selection,
                              unsigned char modifiers) const {
  bool found = false;
  ForEachAction(Modifiers(input, mode, selection, modifiers), [&](XmlNode*) { found = true; });
  return found;
}

bool XmlFunction::AddAction(const CaseKeys& keys) {
  if (HasCase(keys) || keys.press < 1 || keys.press > 4 || keys.selection < 0 || keys.selection > 3) return false;
  AddInput(keys.input);
  AddModes(keys.input);
  AddMode(keys.input, keys.mode);
  AddSelection(keys.input, keys.mode, keys.selection);
  AddModifiers(keys.input, keys.mode, keys.selection, keys.modifiers);
  AddPress(keys);
  XmlNode* press = Press(keys);
  if (!press) return false;
  AppendElement(press, kAction);
  Changed();
  return true;
}

bool XmlFunction::RemoveAction(const CaseKeys& keys) {
  XmlNode* action = Action(keys);
  if (!action) return false;
  action->parent()->remove_node(action);
  Changed();
  return true;
}

void XmlFunction::RemoveAttributes(XmlNode* node, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    while (auto* attribute = node->first_attribute(name)) node->remove_attribute(attribute);
  }
}

bool XmlFunction::ClearCaseCommand(const CaseKeys& keys) {
  XmlNode* action = Action(keys);
  if (!action) return false;
  RemoveAttributes(action, {"category", "action", "tableId", "actionId", "macroCategory", "macroInternalCategory",
                            "macroName", "macroFileName", "macroId", "tooltip", "maxscript"});
  Changed();
  return true;
}

bool XmlFunction::ReadCaseAttribute(const CaseKeys& keys, const char* name, std::wstring& value) const {
  const XmlNode* action = Action(keys);
  if (!HasAttribute(action, name)) return false;
  value = Utf8ToWide(Attribute(action, name));
  return true;
}

bool XmlFunction::WriteCaseAttributes(const CaseKeys& keys,
                                      std::initializer_list<std::pair<const char*, std::wstring>> values) {
  if (!HasCase(keys) && !AddAction(keys)) return false;
  XmlNode* action = Action(keys);
  for (const auto& [name, value] : values) SetAttribute(action, name, WideToUtf8(value));
  Changed();
  return true;
}

bool XmlFunction::GetCaseGroup(const CaseKeys& keys, std::wstring& group) const {
  return ReadCaseAttribute(keys, "group", group);
}

bool XmlFunction::SetCaseGroup(const CaseKeys& keys, const std::wstring& group) {
  return WriteCaseAttributes(keys, {{"group", group}});
}

bool XmlFunction::GetCaseCategory(const CaseKeys& keys, std::wstring& category) const {
  return ReadCaseAttribute(keys, "category", category);
}

bool XmlFunction::SetCaseCategory(const CaseKeys& keys, const std::wstring& category) {
  return WriteCaseAttributes(keys, {{"category", category}});
}

bool XmlFunction::GetCaseAction(const CaseKeys& keys, std::wstring& action) const {
  return ReadCaseAttribute(keys, "action", action);
}

bool XmlFunction::GetCaseTableAction(const CaseKeys& keys, std::wstring& action, int& tableId, int& actionId) const {
  const XmlNode* node = Action(keys);
  if (!HasAttribute(node, "tableId") || !HasAttribute(node, "actionId")) return false;
  action = Utf8ToWide(Attribute(node, "action"));
  tableId = ParseInt(Attribute(node, "tableId"), -1);
  actionId = ParseInt(Attribute(node, "actionId"), -1);
  return true;
}

bool XmlFunction::SetCaseTableAction(const CaseKeys& keys, const std::wstring& action, int tableId, int actionId) {
  if (!WriteCaseAttributes(keys, {{"action", action},
                                  {"tableId", std::to_wstring(tableId)},
                                  {"actionId", std::to_wstring(actionId)}})) {
    return false;
  }
  RemoveAttributes(Action(keys), {"macroCategory", "macroInternalCategory", "macroName", "macroFileName", "macroId",
                                  "tooltip"});
  return true;
}

bool XmlFunction::GetCaseMacroScript(const CaseKeys& keys, CaseMacroScript& macro) const {
  const XmlNode* node = Action(keys);
  if (!HasAttribute(node, "macroName")) return false;
  macro.category = Utf8ToWide(Attribute(node, "macroCategory"));
  macro.internalCategory = Utf8ToWide(Attribute(node, "macroInternalCategory"));
  macro.name = Utf8ToWide(Attribute(node, "macroName"));
  macro.fileName = Utf8ToWide(Attribute(node, "macroFileName"));
  macro.toolTip = Utf8ToWide(Attribute(node, "tooltip"));
  macro.macroId = ParseInt(Attribute(node, "macroId"), -1);
  return true;
}

bool XmlFunction::SetCaseMacroScript(const CaseKeys& keys, const CaseMacroScript& macro) {
  if (!WriteCaseAttributes(keys, {{"action", macro.name},
                                  {"macroCategory", macro.category},
                                  {"macroInternalCategory", macro.internalCategory},
                                  {"macroName", macro.name},
                                  {"macroFileName", macro.fileName},
                                  {"macroId", std::to_wstring(macro.macroId)},
                                  {"tooltip", macro.toolTip}})) {
    return false;
  }
  RemoveAttributes(Action(keys), {"tableId", "actionId"});
  return true;
}

bool XmlFunction::GetCaseScript(const CaseKeys& keys, std::wstring& scriptId) const {
  return ReadCaseAttribute(keys, "maxscript", scriptId);
}

bool XmlFunction::SetCaseScript(const CaseKeys& keys, const std::wstring& scriptId) {
  return WriteCaseAttributes(keys, {{"maxscript", scriptId}});
}

void XmlFunction::GetUsedScriptIds(std::vector<std::wstring>& ids) const {
  ForEachAction(GetNode(TALVO_XML_FUNCTION), [&](XmlNode* action) {
    if (!HasAttribute(action, "maxscript")) return;
    std::wstring id = Utf8ToWide(Attribute(action, "maxscript"));
    if (!id.empty() && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(std::move(id));
  });
}

// --- whole-function operations --------------------------------------------------------------------

void XmlFunction::NormalizeKind() {
  if (GetDependent() != kKindMultiTapModifiers) return;
  SetDependent(kKindModifierCases);
  std::vector<std::wstring> inputs;
  GetInputs(inputs);
  for (const std::wstring& input : inputs) SetInputGlobal(input, true);
}

bool XmlFunction::UpgradeCases() {
  const auto version = ParseNumber(WideToUtf8(GetVersion()));
  if (version && *version >= 1003) return false;
  bool rewritten = false;
  XmlNode* root = GetNode(TALVO_XML_FUNCTION);
  // Walk input > modes > mode > selection > modifiers and move old-style actions under press elements.
  for (XmlNode* input = root ? root->first_node(kInput) : nullptr; input; input = input->next_sibling(kInput)) {
    XmlNode* modes = input->first_node(kModes);
    for (XmlNode* mode = modes ? modes->first_node(kMode) : nullptr; mode; mode = mode->next_sibling(kMode)) {
      for (XmlNode* sel = mode->first_node(kSelection); sel; sel = sel->next_sibling(kSelection)) {
        for (XmlNode* mods = sel->first_node(kModifiers); mods; mods = mods->next_sibling(kModifiers)) {
          const int value = ParseInt(Attribute(mods, "value"), 3);
          SetAttribute(mods, "value", ModifierText(static_cast<unsigned char>((value | 3) & 0xFF)));
          while (XmlNode* action = mods->first_node(kAction)) {
            const std::string press = HasAttribute(action, "press") ? Attribute(action, "press") : "1";
            RemoveAttributes(action, {"press"});
            mods->remove_node(action);
            XmlNode* pressNode = FindChild(mods, kPress, "count", press);
            if (!pressNode) {
              pressNode = AppendElement(mods, kPress);
              SetAttribute(pressNode, "count", press);
            }
            if (!pressNode->first_node(kAction)) {
              pressNode->append_node(action);
            } else {
              ReportDroppedAction(*this, {Attribute(input, "type"), Attribute(mode, "name"), Attribute(sel, "count"),
                                          Attribute(mods, "value"), press});
            }
            rewritten = true;
          }
        }
      }
    }
  }
  SetProperty("version", kCurrentFunctionVersion);
  return rewritten;
}

bool XmlFunction::EnsureOverrideMode() {
  if (HasInput(kInputOverrideMode)) return false;
  AddInput(kInputOverrideMode);
  SetInputGlobal(kInputOverrideMode, true);
  AddModes(kInputOverrideMode);
  AddMode(kInputOverrideMode, kModeGlobal);
  AddSelectionCase(kInputOverrideMode, kModeGlobal, 0);
  return true;
}

bool XmlFunction::EmbedScripts(const XmlCustomScripts* scripts) {
  if (!scripts) return false;
  if (HasNode(TALVO_XML_EXPORTSCRIPTS)) RemoveNode(TALVO_XML_EXPORTSCRIPTS);
  std::vector<std::wstring> ids;
  GetUsedScriptIds(ids);
  scripts->Export(ids, *this);
  Changed();
  return true;
}

bool XmlFunction::EmbedScripts() { return EmbedScripts(GetTalvo().GetCustomScripts()); }

bool XmlFunction::MigrateScripts(XmlCustomScripts& scripts) {
  std::vector<XmlNode*> embedded;
  ForEachAction(GetNode(TALVO_XML_FUNCTION), [&](XmlNode* action) {
    if (HasAttribute(action, "script")) embedded.push_back(action);
  });
  if (embedded.empty() && !GetVersion().empty()) return false;
  int number = 0;
  for (XmlNode* action : embedded) {
    std::wstring id;
    scripts.AddScript(GetName() + L" " + std::to_wstring(++number), Utf8ToWide(Attribute(action, "script")), id);
    RemoveAttributes(action, {"script"});
    SetAttribute(action, "maxscript", WideToUtf8(id));
    if (Attribute(action, "group").empty()) SetAttribute(action, "group", WideToUtf8(kGroupCustomCode));
  }
  SetProperty("version", kCurrentFunctionVersion);
  return !embedded.empty();
}

void XmlFunction::FillDefaultCases(int kind) {
  SetDependent(kind);
  std::wstring input = kInputNoModifier;
  std::wstring mode = kModeGlobal;
  bool global = true;
  switch (kind) {
    case kKindSingleTap: input = kInputSingleTap; break;
    case kKindMultiTap: input = kInputMultiTap; break;
    case kKindClassic: input = kInputClassic; break;
    case kKindMultiPress: input = kInputMultiPress; break;
    case kKindContextElements:
    case kKindContextSensitive: mode = kModeObjects, global = false; break;
    default: break;
  }
  AddInput(input);
  SetInputGlobal(input, global);
  AddModes(input);
  AddMode(input, mode);
  AddSelectionCase(input, mode, 0);
  if (kind == kKindClassic) {
    for (unsigned char modifiers : kClassicModifiers) {
      AddModifiers(input, mode, 0, modifiers);
      AddPress({input, mode, 0, 1, modifiers});
    }
  }
  EnsureOverrideMode();
}

int XmlFunctionDir::CountNamed(const std::wstring& name) const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) {
    if (GetFunction(i)->GetName() == name) ++count;
  }
  return count;
}

int XmlFunctionDir::IndexOfId(const std::wstring& id) const {
  for (int i = 0; i < Count(); ++i) {
    if (GetFunction(i)->GetId() == id) return i;
  }
  return -1;
}

std::unique_ptr<XmlDocument> XmlFunctionDir::NewDocument() { return std::make_unique<XmlFunction>(this); }

bool XmlFunctionDir::Accepts(const XmlDocument& document) const {
  return static_cast<const XmlFunction&>(document).IsFunctionDocument();
}

}  // namespace Talvo
