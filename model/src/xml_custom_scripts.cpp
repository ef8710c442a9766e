#include "model/xml_custom_scripts.h"

#include <windows.h>

#include <exception>

#include "model/editor_window.h"
#include "model/ids.h"
#include "model/text.h"
#include "model/vocabulary.h"

namespace Talvo {

bool XmlCustomScripts::IsCustomScriptsDocument() const { return HasNode(TALVO_XML_CUSTOMSCRIPTS); }

std::unique_ptr<XmlDocument> XmlCustomScripts::MakeEmpty(XmlDocDirectory* owner) const {
  return std::make_unique<XmlCustomScripts>(owner);
}

XmlNode* XmlCustomScripts::Root() {
  XmlNode* root = GetNode(TALVO_XML_CUSTOMSCRIPTS);
  return root ? root : AppendRootElement(TALVO_XML_CUSTOMSCRIPTS);
}

XmlNode* XmlCustomScripts::Script(const std::wstring& id) const {
  return FindChild(GetNode(TALVO_XML_CUSTOMSCRIPTS), "script", "id", WideToUtf8(id));
}

int XmlCustomScripts::Count() const {
  int count = 0;
  const XmlNode* root = GetNode(TALVO_XML_CUSTOMSCRIPTS);
  for (const XmlNode* s = root ? root->first_node("script") : nullptr; s; s = s->next_sibling("script")) ++count;
  return count;
}

std::wstring XmlCustomScripts::GetScriptIdAt(int index) const {
  if (index < 0) return {};
  const XmlNode* root = GetNode(TALVO_XML_CUSTOMSCRIPTS);
  for (const XmlNode* s = root ? root->first_node("script") : nullptr; s; s = s->next_sibling("script")) {
    if (index-- == 0) return Utf8ToWide(Attribute(s, "id"));
  }
  return {};
}

bool XmlCustomScripts::GetScript(const std::wstring& id, std::wstring& name, std::wstring& body) const {
  const XmlNode* script = Script(id);
  if (!script) return false;
  name = Utf8ToWide(Attribute(script, "name"));
  body = Utf8ToWide(Attribute(script, "body"));
  return true;
}

bool XmlCustomScripts::HasScript(const std::wstring& id) const { return Script(id) != nullptr; }

void XmlCustomScripts::AddScript(const std::wstring& name, const std::wstring& body, std::wstring& id) {
  id = NewDocumentId(Count(), [this](const std::wstring& candidate) { return HasScript(candidate); });
  SetScript(id, name, body);
}

void XmlCustomScripts::SetScript(const std::wstring& id, const std::wstring& name, const std::wstring& body) {
  XmlNode* script = Script(id);
  if (!script) {
    script = AppendElement(Root(), "script");
    SetAttribute(script, "id", WideToUtf8(id));
  }
  SetAttribute(script, "name", WideToUtf8(name));
  SetAttribute(script, "body", WideToUtf8(body));
  Changed();
}

bool XmlCustomScripts::DeleteScript(const std::wstring& id) {
  XmlNode* script = Script(id);
  if (!script) return false;
  script->parent()->remove_node(script);
  Changed();
  return true;
}

bool XmlCustomScripts::ImportScripts(const XmlNode* exportNode) {
  if (!exportNode) return false;
  try {
    for (const XmlNode* s = exportNode->first_node("script"); s; s = s->next_sibling("script")) {
      const std::string id = Attribute(s, "id");
      if (!id.empty()) SetScript(Utf8ToWide(id), Utf8ToWide(Attribute(s, "name")), Utf8ToWide(Attribute(s, "body")));
    }
  } catch (const std::exception& error) {
    MessageBoxW(EditorWindow(), Utf8ToWide(error.what()).c_str(), L"Warning!", MB_OK | MB_ICONWARNING);
    return false;
  }
  return true;
}

void XmlCustomScripts::Merge(const XmlCustomScripts& other) { ImportScripts(other.GetNode(TALVO_XML_CUSTOMSCRIPTS)); }

void XmlCustomScripts::Export(const std::vector<std::wstring>& ids, XmlDocument& target) const {
  XmlNode* node = target.AppendRootElement(TALVO_XML_EXPORTSCRIPTS);
  for (const std::wstring& id : ids) {
    const XmlNode* script = Script(id);
    if (!script) continue;
    XmlNode* copy = target.AppendElement(node, "script");
    target.SetAttribute(copy, "id", Attribute(script, "id"));
    target.SetAttribute(copy, "name", Attribute(script, "name"));
    target.SetAttribute(copy, "body", Attribute(script, "body"));
  }
}

}  // namespace Talvo
