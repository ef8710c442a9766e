// XmlFunction: a named set of cases. A case is addressed by input type (a modifier case such as
// "Editable Poly" or a mode page such as "SingleTap"), mode (level keyword), selection count (0..3),
// press (tap count 1..4) and modifier byte; it is stored as
//   input(type, global) > modes > mode(name) > selection(count) > modifiers(value) > press(count) > action
// and its command is the attributes of the action element. XmlFunctionDir is the folder of functions.
#pragma once

#include <string>
#include <vector>

#include "model/xml_doc_directory.h"
#include "model/xml_document.h"

namespace Talvo {

class XmlCustomScripts;

// The five keys of a case.
struct CaseKeys {
  std::wstring input;
  std::wstring mode;
  int selection = 0;
  int press = 1;
  unsigned char modifiers = 3;
};

// A macro-script command of a case.
struct CaseMacroScript {
  std::wstring category;
  std::wstring internalCategory;
  std::wstring name;
  std::wstring fileName;
  std::wstring toolTip;
  int macroId = -1;
};

inline constexpr const wchar_t* kCurrentFunctionVersion = L"1003";

class XmlFunction : public XmlDocument {
 public:
  using XmlDocument::XmlDocument;

  // The document has the root element TALVO_XML_FUNCTION.
  bool IsFunctionDocument() const;

  // Properties. GetName/SetName are the function's name (the `name` property), not its document name.
  std::wstring GetName() const { return GetProperty("name"); }
  void SetName(const std::wstring& name) { SetProperty("name", name); }
  std::wstring GetVersion() const { return GetProperty("version"); }
  // The function kind 1100..1108 (the `dependent` property); 0 when missing.
  int GetDependent() const;
  void SetDependent(int kind);
  bool GetForceVI() const { return GetProperty("forcevi") == L"1"; }
  void SetForceVI(bool learning) { SetProperty("forcevi", learning ? L"1" : L"0"); }

  // Inputs.
  bool HasInput(const std::wstring& input) const;
  bool AddInput(const std::wstring& input);
  bool RemoveInput(const std::wstring& input);
  bool RenameInput(const std::wstring& oldInput, const std::wstring& newInput);
  bool IsInputGlobal(const std::wstring& input) const;
  void SetInputGlobal(const std::wstring& input, bool global);
  void GetInputs(std::vector<std::wstring>& inputs) const;

  // Modes.
  bool HasModes(const std::wstring& input) const;
  bool AddModes(const std::wstring& input);
  bool HasMode(const std::wstring& input, const std::wstring& mode) const;
  bool AddMode(const std::wstring& input, const std::wstring& mode);
  void GetModes(const std::wstring& input, std::vector<std::wstring>& modes) const;
  // The mode has at least one case row declared below it (a selection), with or without a command.
  bool HasModeCase(const std::wstring& input, const std::wstring& mode) const;
  // Renames the input's "global" mode to `mode`.
  bool RenameGlobalMode(const std::wstring& input, const std::wstring& mode);

  // Declarations below a mode; Add* fail when the parent declaration is missing or the entry exists.
  bool HasSelection(const std::wstring& input, const std::wstring& mode, int selection) const;
  bool AddSelection(const std::wstring& input, const std::wstring& mode, int selection);
  // Adds the selection with modifier byte 3 and tap count 1 below it.
  bool AddSelectionCase(const std::wstring& input, const std::wstring& mode, int selection);
  bool HasModifiers(const std::wstring& input, const std::wstring& mode, int selection, unsigned char modifiers) const;
  bool AddModifiers(const std::wstring& input, const std::wstring& mode, int selection, unsigned char modifiers);
  bool HasPress(const CaseKeys& keys) const;
  bool AddPress(const CaseKeys& keys);

  // Cases (action elements).
  bool HasCase(const CaseKeys& keys) const;
  // Any case for that input, mode, selection and modifier byte, whatever its press.
  bool HasCasesFor(const std::wstring& input, const std::wstring& mode, int selection, unsigned char modifiers) const;
  // Adds the case's action element, creating the declarations above it; false when it exists.
  bool AddAction(const CaseKeys& keys);
  bool RemoveAction(const CaseKeys& keys);
  // Clears the category and command of the case, keeping its group.
  bool ClearCaseCommand(const CaseKeys& keys);

  // Case payload. Getters are false when the case (or the value) is missing.
  bool GetCaseGroup(const CaseKeys& keys, std::wstring& group) const;
  bool SetCaseGroup(const CaseKeys& keys, const std::wstring& group);
  bool GetCaseCategory(const CaseKeys& keys, std::wstring& category) const;
  bool SetCaseCategory(const CaseKeys& keys, const std::wstring& category);
  bool GetCaseAction(const CaseKeys& keys, std::wstring& action) const;
  bool GetCaseTableAction(const CaseKeys& keys, std::wstring& action, int& tableId, int& actionId) const;
  bool SetCaseTableAction(const CaseKeys& keys, const std::wstring& action, int tableId, int actionId);
  bool GetCaseMacroScript(const CaseKeys& keys, CaseMacroScript& macro) const;
  bool SetCaseMacroScript(const CaseKeys& keys, const CaseMacroScript& macro);
  bool GetCaseScript(const CaseKeys& keys, std::wstring& scriptId) const;
  bool SetCaseScript(const CaseKeys& keys, const std::wstring& scriptId);
  // Ids of the custom scripts the cases use, each once, in document order.
  void GetUsedScriptIds(std::vector<std::wstring>& ids) const;

  // Kind 1100 functions (modifier cases that are always global) become kind 1107 with global inputs;
  // other kinds are left alone.
  void NormalizeKind();
  // Rewrites cases stored before version 1003 (action elements directly under `modifiers` with a `press`
  // attribute) to the current form and stamps the version. A press keeps its first action; a further one
  // is left out with a line in the script listener. False when nothing needed rewriting.
  bool UpgradeCases();
  // Adds the "Override Mode" input (global, mode "global", selection 0, modifier byte 3, tap count 1)
  // when the function lacks it; true when added.
  bool EnsureOverrideMode();
  // Writes the custom scripts the cases use into the document as the root child TALVO_XML_EXPORTSCRIPTS
  // (replacing an earlier one). False without a custom-scripts document.
  bool EmbedScripts(const XmlCustomScripts* scripts);
  // The same with the root object's custom-scripts document.
  bool EmbedScripts();
  // Moves script bodies embedded in cases (the `script` attribute of files without a version) into the
  // custom-scripts document and stamps version 1003 (also on a file without a version that embeds
  // nothing). True when something was moved.
  bool MigrateScripts(XmlCustomScripts& scripts);

  // Fills the default cases of a new function of that kind.
  void FillDefaultCases(int kind);

 protected:
  std::unique_ptr<XmlDocument> MakeEmpty(XmlDocDirectory* owner) const override;

 private:
  XmlNode* Root(bool create);
  XmlNode* Input(const std::wstring& input) const;
  XmlNode* Modes(const std::wstring& input) const;
  XmlNode* Mode(const std::wstring& input, const std::wstring& mode) const;
  XmlNode* Selection(const std::wstring& input, const std::wstring& mode, int selection) const;
  XmlNode* Modifiers(const std::wstring& input, const std::wstring& mode, int selection, unsigned char modifiers) const;
  XmlNode* Press(const CaseKeys& keys) const;
  XmlNode* Action(const CaseKeys& keys) const;
  bool ReadCaseAttribute(const CaseKeys& keys, const char* name, std::wstring& value) const;
  bool WriteCaseAttributes(const CaseKeys& keys, std::initializer_list<std::pair<const char*, std::wstring>> values);
  void RemoveAttributes(XmlNode* node, std::initializer_list<const char*> names);
};

class XmlFunctionDir : public XmlDocDirectory {
 public:
  using XmlDocDirectory::XmlDocDirectory;
  XmlFunction* GetFunction(int index) const { return static_cast<XmlFunction*>(GetAt(index)); }
  int CountNamed(const std::wstring& name) const;
  int IndexOfId(const std::wstring& id) const;

 protected:
  std::unique_ptr<XmlDocument> NewDocument() override;
  bool Accepts(const XmlDocument& document) const override;
};

}  // namespace Talvo
