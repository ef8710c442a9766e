#include "editing/wheel_events_tab_identity.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <string>
#include <system_error>

#include "model/ids.h"
#include "model/xml_wheel_events.h"

namespace Talvo {

namespace {

// Document names are file names: compared without case, as the host's file system does.
bool SameFileName(const std::wstring& a, const std::wstring& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

bool DocumentNameTaken(const XmlWheelEventsDir& folder, const XmlWheelEvents& set) {
  const std::wstring& name = set.XmlDocument::GetName();
  if (name.empty()) return true;
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlDocument* other = folder.GetAt(i);
    if (other != &set && SameFileName(other->GetName(), name)) return true;
  }
  std::error_code error;
  return !folder.GetFolder().empty() && std::filesystem::exists(folder.GetFolder() / (name + L".xml"), error);
}

bool IdTaken(const XmlWheelEventsDir& folder, const XmlWheelEvents& set) {
  const std::wstring id = set.GetId();
  if (!IsDocumentId(id)) return true;
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlDocument* other = folder.GetAt(i);
    if (other != &set && other->GetId() == id) return true;
  }
  return false;
}

}  // namespace

bool GiveFreshWheelEventsIdentity(const XmlWheelEventsDir& folder, XmlWheelEvents& set) {
  if (!IdTaken(folder, set) && !DocumentNameTaken(folder, set)) return false;
  const std::wstring id = folder.NewUniqueId(folder.Count());
  set.SetId(id);
  set.XmlDocument::SetName(id);
  return true;
}

}  // namespace Talvo
