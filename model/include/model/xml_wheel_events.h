// XmlWheelEvents: a named set of mouse-wheel settings that companion MAXScript code reads. For an object
// class and one of its actions it says which attribute the wheel changes while Ctrl, Shift or Alt is
// held, between which limits, by which increment, in world or screen ("px") units. The tree is read into
// an events map (category > subcategory > object class > action > modifier); edits go to both the map
// (by the pages) and the tree (through the operations here). XmlWheelEventsDir is the folder of sets.
#pragma once

#include <map>
#include <string>

#include "model/xml_doc_directory.h"
#include "model/xml_document.h"

namespace Talvo {

class XmlTalvo;

struct ValueRecord {
  std::string attribute;  // the text of `attrib`
  int screenUnits = 0;    // 1 when any limit text carries "px"
  float increment = 0;
  float lowerLimit = 0;
  float upperLimit = 0;
};

struct ActionRecord {
  std::string id;
  XmlNode* element = nullptr;                  // the action element in the set's tree
  std::map<std::string, ValueRecord> modifiers;  // "alt", "ctrl", "shift"
};

struct ObjectRecord {
  std::string objectClass;
  std::map<std::string, ActionRecord> actions;
};

struct SubcategoryRecord {
  std::string subcategory;
  std::map<std::string, ObjectRecord> objects;
};

struct CategoryRecord {
  std::string category;
  std::map<std::string, SubcategoryRecord> subcategories;
};

using WheelEventsMap = std::map<std::string, CategoryRecord>;

// The number of subcategories of a category.
int CountEventEntries(const CategoryRecord& category);

inline constexpr const wchar_t* kDefaultWheelEventsName = L"Default WheelEvents";

class XmlWheelEvents : public XmlDocument {
 public:
  using XmlDocument::XmlDocument;
  using XmlDocument::Parse;

  bool HasEvents() const;
  // Empties the events map and rebuilds it from the tree.
  void Parse();
  const WheelEventsMap& GetEventsMap() const { return events_; }
  WheelEventsMap& GetEventsMap() { return events_; }

  std::wstring GetDisplayName() const { return GetProperty("name"); }
  void SetDisplayName(const std::wstring& name) { SetProperty("name", name); }

  // Icon of a category and subcategory; "undefined" or empty mean none.
  static std::string GetIconName(const std::string& category, const std::string& subcategory);

  // Text changes in the tree; each marks the set unsaved and notifies the editor window.
  void SetValueText(XmlNode* element, const std::string& text);
  // World: drops a "px" suffix. Screen: a text without "px" loses its decimals and gets "px".
  void SetPxSuffix(XmlNode* element, bool world);
  void SetUnits(const std::string& modifierKey, const ActionRecord& action, bool world);
  // Under the action's element, the element named `newKey` is renamed `oldKey` and the one named
  // `oldKey` is renamed `newKey` (each only when it exists). The events map is not touched.
  void SwapModifiers(const ActionRecord& action, const std::string& oldKey, const std::string& newKey);

  // Fills the document as a new set: the default events, a new id, version "1000".
  void CreateNew(const std::wstring& id);

  // Writes the set to the file the companion script reads and asks the script to reload it.
  bool Apply() const;

 protected:
  std::unique_ptr<XmlDocument> MakeEmpty(XmlDocDirectory* owner) const override;
  void OnTreeReplaced() override { Parse(); }
  bool NeedsTreeOnLoad() const override { return true; }

 private:
  WheelEventsMap events_;
};

class XmlWheelEventsDir : public XmlDocDirectory {
 public:
  using XmlDocDirectory::XmlDocDirectory;
  XmlWheelEvents* GetWheelEvents(int index) const { return static_cast<XmlWheelEvents*>(GetAt(index)); }
  int CountNamed(const std::wstring& displayName) const;

  // The main settings document whose selected index the folder moves.
  void SetMainDocument(XmlTalvo* main) { main_ = main; }

  // A new, unsaved set named "Default WheelEvents" (or that name followed by " %i" with the first free
  // counter), parsed, appended and selected.
  XmlWheelEvents* CreateNew();

 protected:
  std::unique_ptr<XmlDocument> NewDocument() override;
  bool Accepts(const XmlDocument& document) const override;

 private:
  XmlTalvo* main_ = nullptr;
};

}  // namespace Talvo
