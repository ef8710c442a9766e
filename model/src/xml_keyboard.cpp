#include "model/xml_keyboard.h"

#include "model/text.h"
#include "model/vocabulary.h"

namespace Talvo {

bool XmlKeyboard::IsKeyboardDocument() const { return HasNode(TALVO_XML_KEYBOARD); }

std::unique_ptr<XmlDocument> XmlKeyboard::MakeEmpty(XmlDocDirectory* owner) const {
  return std::make_unique<XmlKeyboard>(owner);
}

std::wstring XmlKeyboard::GetName() const {
  std::wstring name = GetProperty("name");
  return name.empty() ? XmlDocument::GetName() : name;
}

std::wstring XmlKeyboard::GetType() const { return Utf8ToWide(Attribute(GetNode(TALVO_XML_KEYBOARD), "type")); }

int XmlKeyboard::KeyCount() const {
  int count = 0;
  const XmlNode* root = GetNode(TALVO_XML_KEYBOARD);
  for (const XmlNode* key = root ? root->first_node("key") : nullptr; key; key = key->next_sibling("key")) ++count;
  return count;
}

const XmlNode* XmlKeyboard::Key(int key) const {
  if (key < 0) return nullptr;
  return FindChild(GetNode(TALVO_XML_KEYBOARD), "key", "id", std::to_string(key));
}

std::wstring XmlKeyboard::GetKeyText(int key) const { return Utf8ToWide(Attribute(Key(key), "text")); }

std::wstring XmlKeyboard::GetKeyExt(int key) const { return Utf8ToWide(Attribute(Key(key), "ext")); }

int XmlKeyboard::GetVirtOfKey(int key) const { return ParseInt(Attribute(Key(key), "virt"), -1); }

int XmlKeyboard::GetKeyOfVirt(int virtualKey) const {
  const XmlNode* root = GetNode(TALVO_XML_KEYBOARD);
  for (const XmlNode* key = root ? root->first_node("key") : nullptr; key; key = key->next_sibling("key")) {
    if (ParseInt(Attribute(key, "virt"), -1) == virtualKey) return ParseInt(Attribute(key, "id"), -1);
  }
  return -1;
}

int XmlKeyboardDir::IndexOfName(const std::wstring& name) const {
  for (int i = 0; i < Count(); ++i) {
    if (GetKeyboard(i)->GetName() == name) return i;
  }
  return -1;
}

std::unique_ptr<XmlDocument> XmlKeyboardDir::NewDocument() { return std::make_unique<XmlKeyboard>(this); }

bool XmlKeyboardDir::Accepts(const XmlDocument& document) const {
  return static_cast<const XmlKeyboard&>(document).IsKeyboardDocument();
}

}  // namespace Talvo
