// XmlKeyboard: a keyboard layout: its type ("0" ANSI with keys 0..103, "1" ISO with keys 0..104) and per
// key number the caption text, the second ("ext") text and the virtual-key code. XmlKeyboardDir is the
// folder of layouts.
#pragma once

#include <string>

#include "model/xml_doc_directory.h"
#include "model/xml_document.h"

namespace Talvo {

class XmlKeyboard : public XmlDocument {
 public:
  using XmlDocument::XmlDocument;

  bool IsKeyboardDocument() const;
  // The layout's name (the `name` property; the document name when it has none).
  std::wstring GetName() const;
  // "0" for ANSI, "1" for ISO.
  std::wstring GetType() const;
  int KeyCount() const;
  std::wstring GetKeyText(int key) const;
  std::wstring GetKeyExt(int key) const;
  // -1 when the layout has no such key.
  int GetVirtOfKey(int key) const;
  // The layout's key number for a virtual-key code, or -1.
  int GetKeyOfVirt(int virtualKey) const;

 protected:
  std::unique_ptr<XmlDocument> MakeEmpty(XmlDocDirectory* owner) const override;

 private:
  const XmlNode* Key(int key) const;
};

class XmlKeyboardDir : public XmlDocDirectory {
 public:
  using XmlDocDirectory::XmlDocDirectory;
  XmlKeyboard* GetKeyboard(int index) const { return static_cast<XmlKeyboard*>(GetAt(index)); }
  // Index of the layout with that name, or -1.
  int IndexOfName(const std::wstring& name) const;

 protected:
  std::unique_ptr<XmlDocument> NewDocument() override;
  bool Accepts(const XmlDocument& document) const override;
};

}  // namespace Talvo
