// XmlOptions: the options document (TalvoOptions.xml). Boolean options live in sections (the program
// uses "general"), each with a value ("1" set) and a title the options grid shows; the tap threshold is
// its own element.
#pragma once

#include <string>

#include "model/xml_document.h"

namespace Talvo {

inline constexpr const char* kOptionsGeneral = "general";
inline constexpr int kDefaultTapThreshold = 300;

class XmlOptions : public XmlDocument {
 public:
  using XmlDocument::XmlDocument;

  // The document has the root element OPTIONS_XML_TALVO.
  bool IsOptionsDocument() const;
  // Replaces the tree with the default options (the embedded template); the document becomes unsaved.
  void ResetToDefault();

  int Count(const char* section) const;
  std::wstring GetOptionName(const char* section, int index) const;
  std::wstring GetOptionTitle(const char* section, int index) const;
  bool HasOption(const char* section, const std::wstring& name) const;
  // 1 when set, 0 when clear or missing.
  int GetOption(const char* section, const std::wstring& name) const;
  void SetOption(const char* section, const std::wstring& name, int value);
  // Adds the option with that value (and title) when it is missing; true when it was added.
  bool AddOption(const char* section, const std::wstring& name, int value, const std::wstring& title = L"");

  bool GetAllCategories() const { return GetOption(kOptionsGeneral, L"allcategories") == 1; }
  bool IsDeactivated() const { return GetOption(kOptionsGeneral, L"deactivate") == 1; }

  // The tap window in milliseconds, clamped to 50..1000 (300 when missing).
  int GetTapThreshold() const;
  void SetTapThreshold(int milliseconds);

 protected:
  std::unique_ptr<XmlDocument> MakeEmpty(XmlDocDirectory* owner) const override;

 private:
  XmlNode* Section(const char* section, bool create);
  const XmlNode* FindSection(const char* section) const;
  const XmlNode* OptionAt(const char* section, int index) const;
};

}  // namespace Talvo
