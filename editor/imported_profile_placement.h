// Puts an imported profile into the profile folder: as a new profile, or over an existing profile of the
// same name when the user agrees, renewing a clashing id and asking for a new name while the name is
// taken. Shared by the XML and the zip import.
#pragma once

#include <afxwin.h>

#include <memory>
#include <string>

namespace Talvo {

class Talvo;
class XmlDocDirectory;
class XmlDocument;
class XmlProfile;

struct PlacedProfile {
  XmlProfile* profile = nullptr;  // the profile in the folder that now carries the imported content
  bool replacedExisting = false;  // an existing profile was overridden (it keeps its place and file)
};

// Stamps the imported profile's "time", places it and makes it the selected profile. `imported` must
// have no owner yet. Returns an empty placement without a profile folder.
PlacedProfile PlaceImportedProfile(CWnd* owner, Talvo& root, std::unique_ptr<XmlProfile> imported);

// A document name under which a document joining `folder` writes a file of its own: `preferred` when no
// document of the folder uses it and no file of that name exists, else `id` on the same terms, else a
// fresh id of the folder. Never a name that could leave the folder.
std::wstring FreeDocumentName(const XmlDocDirectory& folder, const std::wstring& preferred, const std::wstring& id);

// Copies `source` into `target` while `target` keeps its document name, folder and file.
void CopyDocumentKeepingFile(XmlDocument& target, const XmlDocument& source);

}  // namespace Talvo
