// XmlCustomScripts: the custom MAXScript snippets that "Custom Code" cases run, each with an id, a name
// and a body. One document serves the whole program; functions refer to scripts by id.
#pragma once

#include <string>
#include <vector>

#include "model/xml_document.h"

namespace Talvo {

class XmlCustomScripts : public XmlDocument {
 public:
  using XmlDocument::XmlDocument;

  bool IsCustomScriptsDocument() const;

  int Count() const;
  // Script id at an index in document order; empty out of range.
  std::wstring GetScriptIdAt(int index) const;
  bool GetScript(const std::wstring& id, std::wstring& name, std::wstring& body) const;
  bool HasScript(const std::wstring& id) const;
  // Adds a script under a new id (returned through `id`).
  void AddScript(const std::wstring& name, const std::wstring& body, std::wstring& id);
  // Updates the script with that id, or adds it under that id.
  void SetScript(const std::wstring& id, const std::wstring& name, const std::wstring& body);
  bool DeleteScript(const std::wstring& id);

  // Stores every `script` element (id, name, body) of an export node whose id is not empty; false when
  // the node is null. A failure shows a "Warning!" message box and stops.
  bool ImportScripts(const XmlNode* exportNode);
  // Takes every script of another custom-scripts document (same ids replace).
  void Merge(const XmlCustomScripts& other);
  // Writes the scripts with these ids into `target` as a root child TALVO_XML_EXPORTSCRIPTS.
  void Export(const std::vector<std::wstring>& ids, XmlDocument& target) const;

 protected:
  std::unique_ptr<XmlDocument> MakeEmpty(XmlDocDirectory* owner) const override;

 private:
  XmlNode* Root();
  XmlNode* Script(const std::wstring& id) const;
};

// The program-wide list of custom scripts that the script drop-downs show: entry 0 is "Not Selected",
// then every script of the root object's custom-scripts document in document order.
void RefreshScriptNames();
// Names of the list, in order.
const std::vector<std::wstring>& ScriptNames();
// The id at a list index; "Not Selected" for entry 0 and out of range.
std::wstring GetScriptIdAt(int index);
// The name of the script with that id; "Not Selected" when there is none.
std::wstring GetScriptName(const std::wstring& id);
// The list index of a script id, -1 when absent.
int IndexOfScript(const std::wstring& id);

}  // namespace Talvo
