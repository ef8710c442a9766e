#include "editor/profile_export.h"

#include <unordered_map>
#include <vector>

#include "controls/file_dialog_helper.h"
#include "pagebase/error_box.h"
#include "pagebase/listener_output.h"
#include "editor/zip_archive_writer.h"
#include "model/file_names.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

HWND WindowOf(CWnd* owner) { return owner != nullptr ? owner->GetSafeHwnd() : nullptr; }

// The chosen path with `extension` appended when it has none.
std::filesystem::path WithExtension(const std::wstring& chosen, const char* extension) {
  std::filesystem::path path = PathFromWide(chosen);
  if (!path.has_extension()) path += extension;
  return path;
}

// Saves the custom-scripts document when it has changes; true when it is saved afterwards.
bool SaveScriptsIfUnsaved(XmlCustomScripts* scripts) {
  return scripts != nullptr && (scripts->IsSaved() || scripts->Save());
}

}  // namespace

void ExportProfileXml(CWnd* owner, Talvo& root) {
  XmlProfile* profile = root.GetCurrentProfile();
  if (profile == nullptr) return;
  FileDialogHelper dialog(WindowOf(owner));
  dialog.title = L"Export Current Profile";
  dialog.filter = {{L"Xml", L"*.XML"}};
  dialog.defaultExtension = L"xml";
  if (!dialog.Save()) return;
  if (profile->SaveAs(WithExtension(dialog.GetPath(), ".xml")) != kXmlOk) {
    ShowErrorBox(WindowOf(owner), L"Can't save file!");
  }
}

void ExportProfileZip(CWnd* owner, Talvo& root) {
  XmlProfile* profile = root.GetCurrentProfile();
  if (profile == nullptr) {
    PrintToListener(L"Error: Profile not found\n");
    return;
  }
  if (!profile->IsSaved()) {
    root.EnsureDataFolders();
    profile->Save();
    SaveScriptsIfUnsaved(root.GetCustomScripts());
  }
  if (!profile->IsSaved()) {
    PrintToListener(L"Error: Can't save Profile. Please save Profile manually and try again.\n");
    return;
  }
  if (profile->GetOwner() == nullptr) {
    PrintToListener(L"Error: Can't fined Profiles list \n");
    return;
  }
  FileDialogHelper dialog(WindowOf(owner));
  dialog.title = L"ZipExport Current Profile with used Functions";
  dialog.filter = {{L"Zip", L"*.zip"}};
  dialog.defaultExtension = L"zip";
  if (!dialog.Save()) {
    PrintToListener(L"Canceled Zip export Profiles with Functions\n");
    return;
  }
  WriteProfileZip(owner, root, WithExtension(dialog.GetPath(), ".zip"));
}

bool WriteProfileZip(CWnd* owner, Talvo& root, const std::filesystem::path& path) {
  XmlProfile* profile = root.GetCurrentProfile();
  if (profile == nullptr) return false;
  ZipArchiveWriter archive;
  if (!archive.Create(path)) {
    ShowErrorBox(WindowOf(owner), L"Can't create zip file");
    return false;
  }
  const auto entryOf = [](const XmlDocument& document) {
    return ZipArchiveWriter::FileEntry{document.XmlDocument::GetName() + L".xml", document.GetFilePath()};
  };
  std::vector<ZipArchiveWriter::FileEntry> files{entryOf(*profile)};
  // Looked up once per key: indexed by id first (the first function of an id, as FindFunctionById).
  std::unordered_map<std::wstring, XmlFunction*> functionsById;
  for (int i = 0; root.GetFunctions() != nullptr && i < root.GetFunctions()->Count(); ++i) {
    XmlFunction* function = root.GetFunctions()->GetFunction(i);
    functionsById.emplace(function->GetId(), function);
  }
  for (const std::wstring& id : profile->GetFunctionIdsOfAssignedKeys()) {
    const auto found = functionsById.find(id);
    XmlFunction* function = found != functionsById.end() && !found->first.empty() ? found->second : nullptr;
    if (function == nullptr) continue;
    if (!function->IsSaved()) function->Save();
    if (!function->IsSaved()) {
      PrintToListener(L"Error: Can't save Function: " + function->GetName() + L"\n");
      continue;
    }
    files.push_back(entryOf(*function));  // once per assignment: a function on several keys comes again
  }
  XmlCustomScripts* scripts = root.GetCustomScripts();
  if (scripts != nullptr && !SaveScriptsIfUnsaved(scripts)) {
    PrintToListener(L"Error: Can't save custom scripts\n");
  } else if (scripts != nullptr) {
    files.push_back(entryOf(*scripts));
  }
  if (!archive.AddFiles(files) || !archive.Close()) {
    ShowErrorBox(WindowOf(owner), L"Can't create zip file");
    return false;
  }
  PrintToListener(L"Zip created. Please check your zipfile.\n");
  return true;
}

}  // namespace Talvo
