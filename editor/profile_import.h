// Importing a profile from a file the user picks: an XML profile document (one undo step) or a zip
// archive with the profile, its functions and the custom scripts (profile_zip_import.h). The profiles
// page calls ImportProfile for its toolbar command and the editor menu's "Load Profile From File".
#pragma once

#include <afxwin.h>

#include <filesystem>

namespace Talvo {

class Talvo;
class XmlProfile;

// What the profiles page does after an XML import placed a profile; the page implements it.
class iProfileImportView {
 public:
  virtual ~iProfileImportView() = default;
  // Show `profile` as the current profile (name field, profiles menu caption); unless it replaced an
  // existing profile, add its name to the profiles menu and every quick-slot menu; re-mark the quick
  // slots (all inactive now); rebuild the keyboard view, refresh, and re-create the assignment pages.
  virtual void ShowImportedProfile(XmlProfile& profile, bool replacedExisting) = 0;
};

// Asks for the file and imports it by its extension (".xml" or ".zip", in any case). `page` owns the
// prompts and is named in the messages to the editor window; `view` may be null.
void ImportProfile(CWnd* page, Talvo& root, iProfileImportView* view);

// Imports one profile document as one undo step ("Load Profile"). False, with an error box, when the file
// is not a readable profile; nothing changes then.
bool ImportProfileXml(CWnd* page, Talvo& root, const std::filesystem::path& path, iProfileImportView* view);

}  // namespace Talvo
