#include "model/xml_talvo.h"

#include <algorithm>

#include "model/text.h"
#include "model/vocabulary.h"

namespace Talvo {

bool XmlTalvo::IsMainDocument() const { return HasNode(TALVO_XML_MAIN); }

std::unique_ptr<XmlDocument> XmlTalvo::MakeEmpty(XmlDocDirectory* owner) const {
  return std::make_unique<XmlTalvo>(owner);
}

XmlNode* XmlTalvo::Root() {
  XmlNode* root = GetNode(TALVO_XML_MAIN);
  return root ? root : AppendRootElement(TALVO_XML_MAIN);
}

XmlNode* XmlTalvo::Element(const char* name) {
  XmlNode* root = Root();
  XmlNode* element = root->first_node(name);
  return element ? element : AppendElement(root, name);
}

int XmlTalvo::ReadIndex(const char* element) const {
  const XmlNode* root = GetNode(TALVO_XML_MAIN);
  return ParseInt(Attribute(root ? root->first_node(element) : nullptr, "selected"), -1);
}

void XmlTalvo::WriteIndex(const char* element, int index) {
  SetAttribute(Element(element), "selected", std::to_string(index));
  Changed();
}

int XmlTalvo::GetSelectedProfile() const { return ReadIndex("profiles"); }
void XmlTalvo::SetSelectedProfile(int index) { WriteIndex("profiles", index); }
int XmlTalvo::GetSelectedFunction() const { return ReadIndex("functions"); }
// Choosing a function is no change to save: the index is stored with the document's next save.
void XmlTalvo::SetSelectedFunction(int index) { SetAttribute(Element("functions"), "selected", std::to_string(index)); }
int XmlTalvo::GetSelectedWheelEvents() const { return ReadIndex("wheelevents"); }
void XmlTalvo::SetSelectedWheelEvents(int index) { WriteIndex("wheelevents", index); }

void XmlTalvo::ClampSelections(int profiles, int functions, int wheelEvents) {
  const bool saved = IsSaved();
  auto clamp = [this](const char* element, int count) {
    if (const int stored = ReadIndex(element); stored >= count) WriteIndex(element, count - 1);
  };
  clamp("profiles", profiles);
  clamp("functions", functions);
  clamp("wheelevents", wheelEvents);
  SetSavedFlag(saved);
}

std::wstring XmlTalvo::GetSelectedLayout() const {
  const XmlNode* root = GetNode(TALVO_XML_MAIN);
  return Utf8ToWide(Attribute(root ? root->first_node("layouts") : nullptr, "selected"));
}

void XmlTalvo::SetSelectedLayout(const std::wstring& layoutName) {
  SetAttribute(Element("layouts"), "selected", WideToUtf8(layoutName));
  Changed();
}

XmlNode* XmlTalvo::QuickSlot(int slot) {
  if (slot < 0 || slot >= kQuickSlotCount) return nullptr;
  XmlNode* root = Root();
  const std::string slotText = std::to_string(slot);
  XmlNode* quick = FindChild(root, "quick", "slot", slotText);
  if (!quick) {
    quick = AppendElement(root, "quick");
    SetAttribute(quick, "slot", slotText);
  }
  return quick;
}

const XmlNode* XmlTalvo::FindQuickSlot(int slot) const {
  if (slot < 0 || slot >= kQuickSlotCount) return nullptr;
  return FindChild(GetNode(TALVO_XML_MAIN), "quick", "slot", std::to_string(slot));
}

bool XmlTalvo::GetQuickActive(int slot) const { return Attribute(FindQuickSlot(slot), "active") == "1"; }

void XmlTalvo::SetQuickActive(int slot, bool active) {
  if (XmlNode* quick = QuickSlot(slot)) {
    SetAttribute(quick, "active", active ? "1" : "0");
    Changed();
  }
}

int XmlTalvo::GetQuickProfile(int slot) const {
  return ParseInt(Attribute(FindQuickSlot(slot), "selected"), -1);
}

void XmlTalvo::SetQuickProfile(int slot, int profileIndex) {
  if (XmlNode* quick = QuickSlot(slot)) {
    SetAttribute(quick, "selected", std::to_string(profileIndex));
    Changed();
  }
}

bool XmlTalvo::GetPosition(int& x, int& y, int& width, int& height) const {
  const XmlNode* root = GetNode(TALVO_XML_MAIN);
  const XmlNode* position = root ? root->first_node("position") : nullptr;
  if (!position) return false;
  x = std::max(0, ParseInt(Attribute(position, "posx"), 0));
  y = std::max(0, ParseInt(Attribute(position, "posy"), 0));
  width = std::clamp(ParseInt(Attribute(position, "posw"), 0), 1350, 1940);
  height = std::clamp(ParseInt(Attribute(position, "posh"), 0), 595, 1040);
  return true;
}

void XmlTalvo::SetPosition(const int& x, const int& y, const int& width, const int& height) {
  XmlNode* position = Element("position");
  SetAttribute(position, "posx", std::to_string(x));
  SetAttribute(position, "posy", std::to_string(y));
  SetAttribute(position, "posw", std::to_string(width));
  SetAttribute(position, "posh", std::to_string(height));
  Changed();
}

}  // namespace Talvo
