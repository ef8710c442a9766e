// Importing a profile zip archive: the profile, the functions it uses and the custom scripts. The archive
// is read, checked and parsed completely before anything changes, so a hostile or broken archive is
// refused as a whole with one message and leaves the program's data as it was. The import is no undo
// step; afterwards the editor window is told to refresh its pages.
#pragma once

#include <afxwin.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace Talvo {

class Talvo;
class XmlCustomScripts;
class XmlFunction;
class XmlProfile;

// The documents of an archive, parsed and prepared, not yet in any folder.
struct ProfileArchive {
  std::unique_ptr<XmlProfile> profile;                  // the last profile entry, if any
  std::unique_ptr<XmlCustomScripts> scripts;            // the last custom-scripts entry, if any
  std::vector<std::unique_ptr<XmlFunction>> functions;  // in archive order, each document name once
};

// Reads an archive into documents. False with `error` set when the archive cannot be opened (error
// starts with "Can't open zip file") or is refused.
bool ReadProfileArchive(const std::filesystem::path& path, ProfileArchive& archive, std::wstring& error);

// Imports the archive at `path`. False, with an error box, when it was not imported at all.
bool ImportProfileZip(CWnd* page, Talvo& root, const std::filesystem::path& path);

}  // namespace Talvo
