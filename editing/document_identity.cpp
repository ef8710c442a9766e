#include "editing/document_identity.h"

#include <filesystem>
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
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlDocument* other = folder.GetAt(i);
    if (other != &document && (other->GetId() == id || other->GetName() == id)) return false;
  }
  std::error_code error;
  return folder.GetFolder().empty() || !std::filesystem::exists(folder.GetFolder() / PathFromWide(id + L".xml"), error);
}

}  // namespace

bool GiveFreshIdentityWhenTaken(XmlDocDirectory& folder, XmlDocument& document, const NewIdMaker& newId,
                                const IdWalkErrorHandler& onError) {
  const std::wstring before = document.GetId();
  const auto renew = [&] { document.SetId(newId ? newId() : folder.NewUniqueId(folder.Count())); };
  for (int i = 0; i < folder.Count(); ++i) {
    try {
      const XmlDocument* other = folder.GetAt(i);
      if (other != &document && other->GetId() == document.GetId()) renew();
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
