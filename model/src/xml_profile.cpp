#include "model/xml_profile.h"

#include <string_view>
#include <unordered_map>

#include "model/text.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {
constexpr const char* kAssignment = "assignment";
constexpr const char* kVisualAssignment = "visualassignment";

std::string_view AttributeBytes(const XmlNode* node, const char* name) {
  const auto* attribute = node->first_attribute(name);
  return attribute != nullptr ? std::string_view(attribute->value(), attribute->value_size()) : std::string_view();
}
}  // namespace

bool XmlProfile::IsProfileDocument() const { return HasNode(TALVO_XML_PROFILE); }

std::unique_ptr<XmlDocument> XmlProfile::MakeEmpty(XmlDocDirectory* owner) const {
  return std::make_unique<XmlProfile>(owner);
}

XmlNode* XmlProfile::Root() {
  XmlNode* root = GetNode(TALVO_XML_PROFILE);
  return root ? root : AppendRootElement(TALVO_XML_PROFILE);
}

XmlNode* XmlProfile::Assignment(int key) const {
  return FindChild(GetNode(TALVO_XML_PROFILE), kAssignment, "key", std::to_string(key));
}

void XmlProfile::Assign(int key, int virtualKey, const std::wstring& functionId, bool open, bool learning) {
  XmlNode* assignment = Assignment(key);
  if (!assignment) {
    assignment = AppendElement(Root(), kAssignment);
    SetAttribute(assignment, "key", std::to_string(key));
  }
  SetAttribute(assignment, "virt", std::to_string(virtualKey));
  SetAttribute(assignment, "function", WideToUtf8(functionId));
  SetAttribute(assignment, "open", open ? "1" : "0");
  SetAttribute(assignment, "learning", learning ? "1" : "0");
  Changed();
}

bool XmlProfile::HasAssignment(int key) const { return Assignment(key) != nullptr; }

bool XmlProfile::RemoveAssignment(int key) {
  XmlNode* assignment = Assignment(key);
  if (!assignment) return false;
  assignment->parent()->remove_node(assignment);
  Changed();
  return true;
}

void XmlProfile::RemoveAllAssignments() {
  if (XmlNode* root = GetNode(TALVO_XML_PROFILE)) {
    while (XmlNode* assignment = root->first_node(kAssignment)) root->remove_node(assignment);
  }
  Changed();
}

int XmlProfile::RemoveFunctionEverywhere(const std::wstring& functionId) {
  XmlNode* root = GetNode(TALVO_XML_PROFILE);
  const std::string id = WideToUtf8(functionId);
  int removed = 0;
  for (XmlNode* assignment = root ? root->first_node(kAssignment) : nullptr; assignment;) {
    XmlNode* next = assignment->next_sibling(kAssignment);
    if (Attribute(assignment, "function") == id) {
      root->remove_node(assignment);
      ++removed;
    }
    assignment = next;
  }
  if (removed) Changed();
  return removed;
}

std::wstring XmlProfile::GetFunctionIdOfKey(int key) const {
  return Utf8ToWide(Attribute(Assignment(key), "function"));
}

void XmlProfile::SetFunctionIdOfKey(int key, const std::wstring& functionId) {
  if (XmlNode* assignment = Assignment(key)) {
    SetAttribute(assignment, "function", WideToUtf8(functionId));
    Changed();
  }
}

int XmlProfile::ReplaceFunctionId(const std::wstring& oldId, const std::wstring& newId) {
  const XmlNode* root = GetNode(TALVO_XML_PROFILE);
  const std::string oldText = WideToUtf8(oldId);
  const std::string newText = WideToUtf8(newId);
  int changed = 0;
  for (XmlNode* assignment = root ? root->first_node(kAssignment) : nullptr; assignment;
       assignment = assignment->next_sibling(kAssignment)) {
    if (Attribute(assignment, "function") == oldText) {
      SetAttribute(assignment, "function", newText);
      ++changed;
    }
  }
  if (changed) Changed();
  return changed;
}

int XmlProfile::GetVirtOfKey(int key) const { return ParseInt(Attribute(Assignment(key), "virt"), -1); }

bool XmlProfile::GetOpenFlag(int key) const { return Attribute(Assignment(key), "open") == "1"; }

bool XmlProfile::GetLearningFlag(int key) const { return Attribute(Assignment(key), "learning") == "1"; }

void XmlProfile::SetFlag(int key, const char* name, bool value) {
  if (XmlNode* assignment = Assignment(key)) {
    SetAttribute(assignment, name, value ? "1" : "0");
    Changed();
  }
}

void XmlProfile::SetOpenFlag(int key, bool open) { SetFlag(key, "open", open); }

void XmlProfile::SetLearningFlag(int key, bool learning) { SetFlag(key, "learning", learning); }

void XmlProfile::GetAssignedKeys(std::vector<int>& keys) const {
  const XmlNode* root = GetNode(TALVO_XML_PROFILE);
  for (const XmlNode* a = root ? root->first_node(kAssignment) : nullptr; a; a = a->next_sibling(kAssignment)) {
    keys.push_back(ParseInt(Attribute(a, "key"), -1));
  }
}

std::vector<std::wstring> XmlProfile::GetFunctionIdsOfAssignedKeys() const {
  const XmlNode* root = GetNode(TALVO_XML_PROFILE);
  std::vector<const XmlNode*> assignments;
  // A key's first assignment is the one its key number finds.
  std::unordered_map<std::string_view, std::string_view> functionOfKeyText;
  for (const XmlNode* a = root ? root->first_node(kAssignment) : nullptr; a; a = a->next_sibling(kAssignment)) {
    assignments.push_back(a);
    functionOfKeyText.try_emplace(AttributeBytes(a, "key"), AttributeBytes(a, "function"));
  }
  std::vector<std::wstring> ids;
  ids.reserve(assignments.size());
  for (const XmlNode* a : assignments) {
    const auto found = functionOfKeyText.find(std::to_string(ParseInt(Attribute(a, "key"), -1)));
    ids.push_back(found != functionOfKeyText.end() ? Utf8ToWide(found->second) : std::wstring());
  }
  return ids;
}

void XmlProfile::GetOpenKeys(std::vector<int>& keys) const {
  const XmlNode* root = GetNode(TALVO_XML_PROFILE);
  for (const XmlNode* a = root ? root->first_node(kAssignment) : nullptr; a; a = a->next_sibling(kAssignment)) {
    if (Attribute(a, "open") == "1") keys.push_back(ParseInt(Attribute(a, "key"), -1));
  }
}

bool XmlProfile::HasVisualAssignment(int key) const {
  return FindChild(GetNode(TALVO_XML_PROFILE), kVisualAssignment, "key", std::to_string(key)) != nullptr;
}

void XmlProfile::AddVisualAssignment(int key) {
  if (HasVisualAssignment(key)) return;
  SetAttribute(AppendElement(Root(), kVisualAssignment), "key", std::to_string(key));
  Changed();
}

bool XmlProfile::RemoveVisualAssignment(int key) {
  XmlNode* visual = FindChild(GetNode(TALVO_XML_PROFILE), kVisualAssignment, "key", std::to_string(key));
  if (!visual) return false;
  visual->parent()->remove_node(visual);
  Changed();
  return true;
}

int XmlProfile::GetVisualAssignmentKey() const {
  const XmlNode* root = GetNode(TALVO_XML_PROFILE);
  return ParseInt(Attribute(root ? root->first_node(kVisualAssignment) : nullptr, "key"), -1);
}

int XmlProfileDir::CountNamed(const std::wstring& name) const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) {
    if (GetProfile(i)->GetName() == name) ++count;
  }
  return count;
}

std::unique_ptr<XmlDocument> XmlProfileDir::NewDocument() { return std::make_unique<XmlProfile>(this); }

bool XmlProfileDir::Accepts(const XmlDocument& document) const {
  return static_cast<const XmlProfile&>(document).IsProfileDocument();
}

}  // namespace Talvo
