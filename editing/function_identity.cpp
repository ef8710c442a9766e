#include "editing/function_identity.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <string>
#include <system_error>

#include "model/ids.h"
#include "model/file_names.h"
#include "model/xml_function.h"

namespace Talvo {

namespace {

// Document names are file names: compared without case, as the file system of the host does.
bool SameFileName(const std::wstring& a, const std::wstring& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

bool DocumentNameTaken(const XmlFunctionDir& folder, const XmlFunction& function) {
  const std::wstring& name = function.XmlDocument::GetName();
  if (name.empty() || IsReservedDeviceName(name)) return true;
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlDocument* document = folder.GetAt(i);
    if (document != &function && SameFileName(document->GetName(), name)) return true;
  }
  std::error_code error;
  return !folder.GetFolder().empty() && std::filesystem::exists(folder.GetFolder() / PathFromWide(name + L".xml"), error);
}

bool IdTaken(const XmlFunctionDir& folder, const XmlFunction& function) {
  const std::wstring id = function.GetId();
  if (!IsDocumentId(id)) return true;
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlDocument* document = folder.GetAt(i);
    if (document != &function && document->GetId() == id) return true;
  }
  return false;
}

}  // namespace

bool GiveFreshIdentityWhenTaken(const XmlFunctionDir& folder, XmlFunction& function) {
  if (!IdTaken(folder, function) && !DocumentNameTaken(folder, function)) return false;
  const std::wstring id = folder.NewUniqueId(folder.Count());
  function.SetId(id);
  function.XmlDocument::SetName(id);
  return true;
}

}  // namespace Talvo
