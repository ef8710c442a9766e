#include "editing/document_identity.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "model/file_names.h"
#include "model/ids.h"
#include "model/xml_doc_directory.h"
#include "pagebase/document_names.h"

namespace Talvo {

namespace {

bool DocumentNameTaken(const XmlDocDirectory& folder, const XmlDocument& document) {
  const std::wstring& name = document.GetName();
  if (name.empty() || IsReservedDeviceName(name)) return true;
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlDocument* other = folder.GetAt(i);
    if (other != &document && SameNameIgnoringCase(other->GetName(), name)) return true;
  }
  std::error_code error;
  return !folder.GetFolder().empty() && std::filesystem::exists(folder.GetFolder() / PathFromWide(name + L".xml"), error);
}

bool IdTaken(const XmlDocDirectory& folder, const XmlDocument& document) {
  const std::wstring id = document.GetId();
  if (!IsDocumentId(id)) return true;
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlDocument* other = folder.GetAt(i);
    if (other != &document && other->GetId() == id) return true;
  }
  return false;
}

}  // namespace

bool GiveFreshIdentityWhenTaken(const XmlDocDirectory& folder, XmlDocument& document) {
  if (!IdTaken(folder, document) && !DocumentNameTaken(folder, document)) return false;
  const std::wstring id = folder.NewUniqueId(folder.Count());
  document.SetId(id);
  document.XmlDocument::SetName(id);
  return true;
}

}  // namespace Talvo
