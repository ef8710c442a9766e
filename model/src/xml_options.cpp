#include "model/xml_options.h"

#include <algorithm>

#include "model/resources.h"
#include "model/text.h"
#include "model/vocabulary.h"

namespace Talvo {

bool XmlOptions::IsOptionsDocument() const { return HasNode(OPTIONS_XML_TALVO); }

std::unique_ptr<XmlDocument> XmlOptions::MakeEmpty(XmlDocDirectory* owner) const {
  return std::make_unique<XmlOptions>(owner);
}

void XmlOptions::ResetToDefault() {
  if (const auto bytes = FindResource("documents/TalvoOptions.xml")) Parse(*bytes);
  Changed();
}

const XmlNode* XmlOptions::FindSection(const char* section) const {
  const XmlNode* root = GetNode(OPTIONS_XML_TALVO);
  return root ? root->first_node(section) : nullptr;
}

XmlNode* XmlOptions::Section(const char* section, bool create) {
  XmlNode* root = GetNode(OPTIONS_XML_TALVO);
  if (!root && !create) return nullptr;
  if (!root) root = AppendRootElement(OPTIONS_XML_TALVO);
  XmlNode* node = root->first_node(section);
  return node || !create ? node : AppendElement(root, section);
}

int XmlOptions::Count(const char* section) const {
  int count = 0;
  if (const XmlNode* node = FindSection(section)) {
    for (const XmlNode* option = node->first_node("option"); option; option = option->next_sibling("option")) ++count;
  }
  return count;
}

const XmlNode* XmlOptions::OptionAt(const char* section, int index) const {
  if (index < 0) return nullptr;
  const XmlNode* node = FindSection(section);
  for (const XmlNode* option = node ? node->first_node("option") : nullptr; option;
       option = option->next_sibling("option")) {
    if (index-- == 0) return option;
  }
  return nullptr;
}

std::wstring XmlOptions::GetOptionName(const char* section, int index) const {
  return Utf8ToWide(Attribute(OptionAt(section, index), "name"));
}

std::wstring XmlOptions::GetOptionTitle(const char* section, int index) const {
  return Utf8ToWide(Attribute(OptionAt(section, index), "title"));
}

bool XmlOptions::HasOption(const char* section, const std::wstring& name) const {
  return FindChild(FindSection(section), "option", "name", WideToUtf8(name)) != nullptr;
}

int XmlOptions::GetOption(const char* section, const std::wstring& name) const {
  const XmlNode* option = FindChild(FindSection(section), "option", "name", WideToUtf8(name));
  return Attribute(option, "value") == "1" ? 1 : 0;
}

void XmlOptions::SetOption(const char* section, const std::wstring& name, int value) {
  XmlNode* parent = Section(section, true);
  XmlNode* option = FindChild(parent, "option", "name", WideToUtf8(name));
  if (!option) {
    option = AppendElement(parent, "option");
    SetAttribute(option, "name", WideToUtf8(name));
  }
  SetAttribute(option, "value", value == 1 ? "1" : "0");
  Changed();
}

bool XmlOptions::AddOption(const char* section, const std::wstring& name, int value, const std::wstring& title) {
  if (HasOption(section, name)) return false;
  SetOption(section, name, value);
  if (!title.empty()) {
    SetAttribute(FindChild(Section(section, true), "option", "name", WideToUtf8(name)), "title", WideToUtf8(title));
  }
  return true;
}

int XmlOptions::GetTapThreshold() const {
  const XmlNode* root = GetNode(OPTIONS_XML_TALVO);
  const int value = ParseInt(Attribute(root ? root->first_node("tapthreshold") : nullptr, "value"), kDefaultTapThreshold);
  return std::clamp(value, 50, 1000);
}

void XmlOptions::SetTapThreshold(int milliseconds) {
  XmlNode* root = GetNode(OPTIONS_XML_TALVO);
  if (!root) root = AppendRootElement(OPTIONS_XML_TALVO);
  XmlNode* threshold = root->first_node("tapthreshold");
  if (!threshold) threshold = AppendElement(root, "tapthreshold");
  SetAttribute(threshold, "value", std::to_string(std::clamp(milliseconds, 50, 1000)));
  Changed();
}

}  // namespace Talvo
