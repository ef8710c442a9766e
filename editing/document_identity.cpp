#include "editing/document_identity.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "model/file_names.h"
#include "model/ids.h"
#include "model/xml_doc_directory.h"

namespace Talvo {

namespace {

// Whether `id` can name the joining document's own file: a document id that no document of the folder
// carries (a walk broken off by an exception may have missed one) and whose file does not exist yet (a file
// the folder could not load would be written over).
bool NamesAFileOfItsOwn(const XmlDocDirectory& folder, const XmlDocument& document, const std::wstring& id) {
  if (!IsDocumentId(id)) return false;
  const std::string_view idBytes = document.PropertyBytes("id");
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlDocument* other = folder.GetAt(i);
    if (other != &document && (other->PropertyBytes("id") == idBytes || other->GetName() == id)) return false;
  }
  std::error_code error;
  return folder.GetFolder().empty() || !std::filesystem::exists(folder.GetFolder() / PathFromWide(id + L".xml"), error);
}

}  // namespace

bool GiveFreshIdentityWhenTaken(XmlDocDirectory& folder, XmlDocument& document, const NewIdMaker& newId,
                                const IdWalkErrorHandler& onError) {
  const std::wstring before = document.GetId();
  // Ids are compared as the documents store them (UTF-8), so the walk converts none of them.
  std::string_view idBytes = document.PropertyBytes("id");
  const auto renew = [&] {
    document.SetId(newId ? newId() : folder.NewUniqueId(folder.Count()));
    idBytes = document.PropertyBytes("id");
  };
  for (int i = 0; i < folder.Count(); ++i) {
    try {
      const XmlDocument* other = folder.GetAt(i);
      if (other != &document && other->PropertyBytes("id") == idBytes) renew();
    } catch (const std::exception& error) {
      if (!onError) throw;
      onError(error);
    }
  }
  if (!NamesAFileOfItsOwn(folder, document, document.GetId())) renew();
  document.XmlDocument::SetName(document.GetId());
  return document.GetId() != before;
}

}  // namespace Talvo
