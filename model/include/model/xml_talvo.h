// XmlTalvo: the main settings document (Talvo.xml): selected profile, layout, function and wheel-event
// set, the six quick-profile slots and the editor window's position.
#pragma once

#include <string>

#include "model/xml_document.h"

namespace Talvo {

inline constexpr int kQuickSlotCount = 6;

class XmlTalvo : public XmlDocument {
 public:
  using XmlDocument::XmlDocument;

  bool IsMainDocument() const;

  int GetSelectedProfile() const;
  void SetSelectedProfile(int index);
  std::wstring GetSelectedLayout() const;
  void SetSelectedLayout(const std::wstring& layoutName);
  int GetSelectedFunction() const;
  void SetSelectedFunction(int index);
  int GetSelectedWheelEvents() const;
  void SetSelectedWheelEvents(int index);
  // Moves selections that point past the end of their folder to its last document (-1 for an empty
  // folder), in memory: the saved flag stays as it was.
  void ClampSelections(int profiles, int functions, int wheelEvents);

  // Quick slots 0..5; out-of-range slots read as inactive / -1 and are not written.
  bool GetQuickActive(int slot) const;
  void SetQuickActive(int slot, bool active);
  int GetQuickProfile(int slot) const;
  void SetQuickProfile(int slot, int profileIndex);

  // Reads the position, clamping x and y to at least 0, width to 1350..1940 and height to 595..1040.
  // Leaves the arguments unchanged and returns false when the element is missing.
  bool GetPosition(int& x, int& y, int& width, int& height) const;
  void SetPosition(const int& x, const int& y, const int& width, const int& height);

 protected:
  std::unique_ptr<XmlDocument> MakeEmpty(XmlDocDirectory* owner) const override;

 private:
  XmlNode* Root();
  XmlNode* Element(const char* name);  // a child of the root, created when missing
  int ReadIndex(const char* element) const;
  void WriteIndex(const char* element, int index);
  XmlNode* QuickSlot(int slot);  // created when missing
  const XmlNode* FindQuickSlot(int slot) const;
};

}  // namespace Talvo
