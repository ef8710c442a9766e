// Exporting the current profile: as its XML document, or as a zip archive that carries the profile, every
// function the profile assigns and the custom-scripts document. The profiles page calls these for its
// toolbar commands and the editor menu's "Export Current Profile To File".
#pragma once

#include <afxwin.h>

#include <filesystem>

namespace Talvo {

class Talvo;

// Asks for a file and writes the current profile there. Nothing happens without a current profile;
// a failed write is reported ("Can't save file!").
void ExportProfileXml(CWnd* owner, Talvo& root);

// Saves what is unsaved, asks for a file and writes the archive; progress and problems go to the
// MAXScript listener, a failed archive to an error box.
void ExportProfileZip(CWnd* owner, Talvo& root);

// The archive part of ExportProfileZip, once the file is chosen: true when the archive was written.
bool WriteProfileZip(CWnd* owner, Talvo& root, const std::filesystem::path& path);

}  // namespace Talvo
