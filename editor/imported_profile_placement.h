// Puts an imported profile into the profile folder: as a new profile, or over an existing profile of the
// same name when the user agrees, renewing a clashing id and asking for a new name while the name is
// taken (names compared exactly). A new profile is stored under its id. Shared by the XML and the zip
// import.
#pragma once

#include <afxwin.h>

#include <memory>

namespace Talvo {

class Talvo;
class XmlDocument;
class XmlProfile;

struct PlacedProfile {
  XmlProfile* profile = nullptr;  // the profile in the folder that now carries the imported content
  bool replacedExisting = false;  // an existing profile was overridden (it keeps its place and file)
};

// Stamps the imported profile's "time", places it and makes it the selected profile. `imported` must
// have no owner yet. Returns an empty placement without a profile folder.
PlacedProfile PlaceImportedProfile(CWnd* owner, Talvo& root, std::unique_ptr<XmlProfile> imported);

// Copies `source` into `target` while `target` keeps its document name, folder and file.
void CopyDocumentKeepingFile(XmlDocument& target, const XmlDocument& source);

}  // namespace Talvo
