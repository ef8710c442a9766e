// The program-wide list of custom scripts behind the script drop-downs.
#include <utility>

#include "model/string_table.h"
#include "model/talvo.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

namespace {

struct ScriptList {
  std::vector<std::wstring> ids;    // entry 0 is the "Not Selected" entry
  std::vector<std::wstring> names;  // parallel to ids
};

std::wstring NotSelected() {
  const wchar_t* text = GetString(143);
  return text ? text : L"Not Selected";
}

ScriptList& List() {
  static ScriptList list{{NotSelected()}, {NotSelected()}};
  return list;
}

}  // namespace

void RefreshScriptNames() {
  ScriptList list{{NotSelected()}, {NotSelected()}};
  if (const XmlCustomScripts* scripts = GetTalvo().GetCustomScripts()) {
    for (int i = 0; i < scripts->Count(); ++i) {
      std::wstring id = scripts->GetScriptIdAt(i);
      std::wstring name;
      std::wstring body;
      scripts->GetScript(id, name, body);
      list.ids.push_back(std::move(id));
      list.names.push_back(std::move(name));
    }
  }
  List() = std::move(list);
}

const std::vector<std::wstring>& ScriptNames() { return List().names; }

std::wstring GetScriptIdAt(int index) {
  const ScriptList& list = List();
  if (index <= 0 || index >= static_cast<int>(list.ids.size())) return NotSelected();
  return list.ids[static_cast<size_t>(index)];
}

std::wstring GetScriptName(const std::wstring& id) {
  const int index = IndexOfScript(id);
  return index > 0 ? List().names[static_cast<size_t>(index)] : NotSelected();
}

int IndexOfScript(const std::wstring& id) {
  const ScriptList& list = List();
  for (size_t i = 1; i < list.ids.size(); ++i) {
    if (list.ids[i] == id) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace Talvo
