#include "model/xml_wheel_events.h"

#include <host/core_interface.h>
#include <host/directories.h>
#include <host/maxscript.h>

#include "model/file_names.h"
#include "model/ids.h"
#include "model/resources.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "model/xml_talvo.h"

namespace Talvo {

namespace {

bool IsModifierName(std::string_view name) { return name == "alt" || name == "ctrl" || name == "shift"; }

float ToFloat(const std::string& text) { return static_cast<float>(ParseNumber(text).value_or(0.0)); }

std::string ChildText(const XmlNode* parent, const char* name) { return XmlDocument::Text(parent->first_node(name)); }

}  // namespace

int CountEventEntries(const CategoryRecord& category) { return static_cast<int>(category.subcategories.size()); }

std::unique_ptr<XmlDocument> XmlWheelEvents::MakeEmpty(XmlDocDirectory* owner) const {
  return std::make_unique<XmlWheelEvents>(owner);
}

bool XmlWheelEvents::HasEvents() const { return HasNode(TALVO_XML_WHEELEVENTS); }

void XmlWheelEvents::Parse() {
  events_.clear();
  const XmlNode* root = GetNode(TALVO_XML_WHEELEVENTS);
  for (const XmlNode* object = root ? root->first_node() : nullptr; object; object = object->next_sibling()) {
    if (object->type() != rapidxml::node_element) continue;
    const std::string objectClass(object->name(), object->name_size());
    const std::string category = Attribute(object, "category");
    for (XmlNode* action = object->first_node("action"); action; action = action->next_sibling("action")) {
      const std::string id = Attribute(action, "id");
      const std::string subcategory = Attribute(action, "subcategory");
      if (id.empty() || subcategory.empty()) continue;
      CategoryRecord& categoryRecord = events_[category];
      categoryRecord.category = category;
      SubcategoryRecord& subcategoryRecord = categoryRecord.subcategories[subcategory];
      subcategoryRecord.subcategory = subcategory;
      ObjectRecord& objectRecord = subcategoryRecord.objects[objectClass];
      objectRecord.objectClass = objectClass;
      if (objectRecord.actions.count(id)) continue;
      ActionRecord& actionRecord = objectRecord.actions[id];
      actionRecord.id = id;
      actionRecord.element = action;
      for (const XmlNode* modifier = action->first_node(); modifier; modifier = modifier->next_sibling()) {
        const std::string name(modifier->name(), modifier->name_size());
        if (modifier->type() != rapidxml::node_element || !IsModifierName(name)) continue;
        const std::string attribute = ChildText(modifier, "attrib");
        const std::string lower = ChildText(modifier, "lowerLimit");
        const std::string upper = ChildText(modifier, "upperLimit");
        const std::string increment = ChildText(modifier, "increment");
        if (attribute.empty() || lower.empty() || upper.empty() || increment.empty()) continue;
        ValueRecord value;
        value.attribute = attribute;
        value.screenUnits = (lower.find("px") != std::string::npos || upper.find("px") != std::string::npos ||
                             increment.find("px") != std::string::npos)
                                ? 1
                                : 0;
        value.increment = ToFloat(increment);
        value.lowerLimit = ToFloat(lower);
        value.upperLimit = ToFloat(upper);
        actionRecord.modifiers.emplace(name, value);
      }
    }
  }
}

std::string XmlWheelEvents::GetIconName(const std::string& category, const std::string& subcategory) {
  static const std::map<std::string, std::string> icons = {
      {"SplinesStandard", "undefined"},
      {"HelpersStandard", "undefined"},
      {"GeometryStandard Primitives", "undefined"},
      {"FarvelleCutters", "undefined"},
      {"EPoly OpSubdivision", "undefined"},
      {"EPoly OpVertices", "Talvo_PolyVertex_32x32"},
      {"EPoly OpEdges", "Talvo_PolyEdge_32x32"},
      {"EPoly OpPolygons", "Talvo_PolyFace_32x32"},
      {"EPoly OpGeometry (All)", "Talvo_PolyGeometry_32x32"},
  };
  const auto found = icons.find(category + subcategory);
  return found == icons.end() ? std::string() : found->second;
}

void XmlWheelEvents::SetValueText(XmlNode* element, const std::string& text) {
  if (!element) return;
  SetText(element, text);
  Changed();
}

void XmlWheelEvents::SetPxSuffix(XmlNode* element, bool world) {
  if (!element) return;
  const std::string text = Text(element);
  const size_t px = text.find("px");
  if (world && px != std::string::npos) {
    SetValueText(element, text.substr(0, px));
  } else if (!world && px == std::string::npos) {
    SetValueText(element, text.substr(0, text.find('.')) + "px");
  }
}

void XmlWheelEvents::SetUnits(const std::string& modifierKey, const ActionRecord& action, bool world) {
  XmlNode* modifier =
      action.element && IsModifierName(modifierKey) ? action.element->first_node(modifierKey.c_str()) : nullptr;
  if (!modifier) return;
  for (const char* name : {"lowerLimit", "upperLimit", "increment"}) SetPxSuffix(modifier->first_node(name), world);
}

void XmlWheelEvents::SwapModifiers(const ActionRecord& action, const std::string& oldKey, const std::string& newKey) {
  // Only the three modifier elements take part: an empty name would match the element's text node.
  if (!action.element || oldKey == newKey || !IsModifierName(oldKey) || !IsModifierName(newKey)) return;
  // Find both before renaming either, or the second lookup would find the element just renamed.
  XmlNode* newElement = action.element->first_node(newKey.c_str());
  XmlNode* oldElement = action.element->first_node(oldKey.c_str());
  if (newElement) newElement->name(Intern(oldKey), oldKey.size());
  if (oldElement) oldElement->name(Intern(newKey), newKey.size());
  if (newElement || oldElement) Changed();
}

void XmlWheelEvents::CreateNew(const std::wstring& id) {
  if (const auto bytes = FindResource("documents/wheelevents/DefaultWheelEvents.xml")) Parse(*bytes);
  SetId(id);
  SetProperty("version", L"1000");
  XmlDocument::SetName(id);
  Parse();
}

bool XmlWheelEvents::Apply() const {
  Interface* core = GetCOREInterface();
  const MCHAR* folder = core ? core->GetDir(APP_PLUGCFG_DIR) : nullptr;
  if (!folder || !*folder) return false;
  if (SaveAs(PathFromWide(folder) / "quillonWheelEvents.xml") != kXmlOk) return false;
  return ExecuteMAXScriptScript(L"quillonUserSet.updateWheelEvents()") != FALSE;
}

int XmlWheelEventsDir::CountNamed(const std::wstring& displayName) const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) {
    if (GetWheelEvents(i)->GetDisplayName() == displayName) ++count;
  }
  return count;
}

XmlWheelEvents* XmlWheelEventsDir::CreateNew() {
  auto set = std::make_unique<XmlWheelEvents>(this);
  set->CreateNew(NewUniqueId(Count()));
  set->SetProperty("time", MakeUniqueId());
  std::wstring name = kDefaultWheelEventsName;
  for (int counter = 1; CountNamed(name) > 0; ++counter) {
    name = std::wstring(kDefaultWheelEventsName) + L" " + std::to_wstring(counter);
  }
  set->SetDisplayName(name);
  auto* added = static_cast<XmlWheelEvents*>(Add(std::move(set)));
  if (main_) main_->SetSelectedWheelEvents(Count() - 1);
  return added;
}

std::unique_ptr<XmlDocument> XmlWheelEventsDir::NewDocument() { return std::make_unique<XmlWheelEvents>(this); }

bool XmlWheelEventsDir::Accepts(const XmlDocument& document) const {
  return static_cast<const XmlWheelEvents&>(document).HasEvents();
}

}  // namespace Talvo
