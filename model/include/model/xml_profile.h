// XmlProfile: which function lies on which key of a layout. Each assignment carries the key number, the
// virtual-key code, the function id (possibly empty), the open flag (the key's assignment page is open in
// the editor) and the learning flag; a visual assignment marks the key that carries the learning
// interface. XmlProfileDir is the folder of profiles.
#pragma once

#include <string>
#include <vector>

#include "model/xml_doc_directory.h"
#include "model/xml_document.h"

namespace Talvo {

class XmlProfile : public XmlDocument {
 public:
  using XmlDocument::XmlDocument;

  bool IsProfileDocument() const;

  // The profile's name (the `name` property), not its document name.
  std::wstring GetName() const { return GetProperty("name"); }
  void SetName(const std::wstring& name) { SetProperty("name", name); }
  std::wstring GetLayout() const { return GetProperty("layout"); }
  void SetLayout(const std::wstring& layoutName) { SetProperty("layout", layoutName); }

  // Adds the key's assignment or updates it.
  void Assign(int key, int virtualKey, const std::wstring& functionId, bool open, bool learning);
  bool HasAssignment(int key) const;
  bool RemoveAssignment(int key);
  void RemoveAllAssignments();
  // Removes every assignment of that function; returns how many.
  int RemoveFunctionEverywhere(const std::wstring& functionId);

  std::wstring GetFunctionIdOfKey(int key) const;
  void SetFunctionIdOfKey(int key, const std::wstring& functionId);
  // Every assignment naming `oldId` names `newId` afterwards; returns how many changed.
  int ReplaceFunctionId(const std::wstring& oldId, const std::wstring& newId);
  int GetVirtOfKey(int key) const;

  bool GetOpenFlag(int key) const;
  void SetOpenFlag(int key, bool open);
  bool GetLearningFlag(int key) const;
  void SetLearningFlag(int key, bool learning);

  // Key numbers of the assignments, in document order (all of them, or those with the open flag).
  void GetAssignedKeys(std::vector<int>& keys) const;
  void GetOpenKeys(std::vector<int>& keys) const;
  // What GetFunctionIdOfKey answers for each assigned key, in the order of GetAssignedKeys, in one walk.
  std::vector<std::wstring> GetFunctionIdsOfAssignedKeys() const;

  bool HasVisualAssignment(int key) const;
  void AddVisualAssignment(int key);
  bool RemoveVisualAssignment(int key);
  // The key carrying the learning interface, or -1.
  int GetVisualAssignmentKey() const;

 protected:
  std::unique_ptr<XmlDocument> MakeEmpty(XmlDocDirectory* owner) const override;

 private:
  XmlNode* Root();
  XmlNode* Assignment(int key) const;
  void SetFlag(int key, const char* name, bool value);
};

class XmlProfileDir : public XmlDocDirectory {
 public:
  using XmlDocDirectory::XmlDocDirectory;
  XmlProfile* GetProfile(int index) const { return static_cast<XmlProfile*>(GetAt(index)); }
  int CountNamed(const std::wstring& name) const;

 protected:
  std::unique_ptr<XmlDocument> NewDocument() override;
  bool Accepts(const XmlDocument& document) const override;
};

}  // namespace Talvo
