#include "editing/function_export.h"

#include <max.h>

#include <memory>
#include <string>

#include "controls/file_dialog_helper.h"
#include "pagebase/error_box.h"
#include "model/file_names.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

HWND WindowOf(CWnd* window) { return window != nullptr ? window->GetSafeHwnd() : nullptr; }

// Logs the chosen path as drive, folder (with its closing separator), file name and extension.
void LogChosenPath(const std::filesystem::path& path) {
  std::wstring folder = PathForDisplay((path.root_directory() / path.relative_path()).parent_path());
  if (!folder.empty() && folder.back() != L'/') folder += L'/';
  const std::wstring drive = PathForDisplay(path.root_name());
  const std::wstring name = PathForDisplay(path.stem());
  const std::wstring extension = PathForDisplay(path.extension());
  DebugPrint(_M("%s, %s, %s, %s \n"), drive.c_str(), folder.c_str(), name.c_str(), extension.c_str());
}

}  // namespace

bool WriteFunctionExport(const XmlFunction& function, const XmlCustomScripts* scripts,
                         const std::filesystem::path& path) {
  // The scripts go into a duplicate, so the function in the folder stays unchanged and saved.
  std::unique_ptr<XmlDocument> duplicate = function.Duplicate();
  auto& exported = static_cast<XmlFunction&>(*duplicate);
  exported.EmbedScripts(scripts);
  return exported.SaveAs(path) == kXmlOk;
}

bool ExportFunction(CWnd* owner, Talvo& root) {
  const XmlFunction* function = root.GetCurrentFunction();
  if (function == nullptr) return false;
  FileDialogHelper dialog(WindowOf(owner));
  dialog.title = L"Export Current Function";
  dialog.filter = {{L"Xml", L"*.XML"}};
  dialog.filterIndex = 2;
  dialog.defaultExtension = L"xml";
  if (!dialog.Save()) return false;
  std::filesystem::path path = PathFromWide(dialog.GetPath());
  LogChosenPath(path);
  if (!path.has_extension()) path += ".xml";
  if (!WriteFunctionExport(*function, root.GetCustomScripts(), path)) {
    ShowErrorBox(WindowOf(owner), L"Can't save file!\n" + PathForDisplay(path));
    return false;
  }
  return true;
}

}  // namespace Talvo
