#include "fuzz/document_walk.h"

#include <string>
#include <vector>

#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"
#include "model/xml_function.h"
#include "model/xml_profile.h"

namespace Talvo {

void WalkFunction(XmlFunction& function) {
  std::vector<std::wstring> inputs;
  function.GetInputs(inputs);
  for (const std::wstring& input : inputs) {
    std::vector<std::wstring> modes;
    function.GetModes(input, modes);
    for (const std::wstring& mode : modes) {
      for (int press = 1; press <= 4; ++press) {
        std::wstring text;
        function.GetCaseGroup({input, mode, 0, press, 3}, text);
        function.GetCaseScript({input, mode, 3, press, 31}, text);
      }
    }
  }
  function.UpgradeCases();
  function.NormalizeKind();
  function.EnsureOverrideMode();
  XmlCustomScripts scripts;
  function.MigrateScripts(scripts);
  scripts.ImportScripts(function.GetNode(TALVO_XML_EXPORTSCRIPTS));
  function.ToText();
}

void WalkProfile(XmlProfile& profile) {
  std::vector<int> keys;
  profile.GetAssignedKeys(keys);
  profile.GetOpenKeys(keys);
  for (int key : keys) profile.GetFunctionIdOfKey(key);
  profile.GetVisualAssignmentKey();
  profile.ReplaceFunctionId(L"", L"x");
}

void WalkScripts(XmlCustomScripts& scripts) {
  for (int i = 0; i < scripts.Count(); ++i) {
    std::wstring name, body;
    scripts.GetScript(scripts.GetScriptIdAt(i), name, body);
  }
  std::wstring id;
  scripts.AddScript(L"n", L"b", id);
}

}  // namespace Talvo
