#include "editor/profile_import.h"

#include <max.h>

#include <algorithm>
#include <cwctype>
#include <memory>

#include "controls/file_dialog_helper.h"
#include "pagebase/error_box.h"
#include "editor/imported_profile_placement.h"
#include "pagebase/listener_output.h"
#include "editor/profile_zip_import.h"
#include "engine/restore_obj.h"
#include "model/editor_window.h"
#include "model/file_names.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

HWND WindowOf(CWnd* window) { return window != nullptr ? window->GetSafeHwnd() : nullptr; }

std::wstring LowerExtension(const std::filesystem::path& path) {
  std::wstring extension = PathForDisplay(path.extension());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return extension;
}

// The data side of showing an imported profile: no quick slot stays active, and the main document
// names the current layout.
void ResetQuickSlotsAndLayout(Talvo& root) {
  XmlTalvo* main = root.GetMainDocument();
  if (main == nullptr) return;
  for (int slot = 0; slot < kQuickSlotCount; ++slot) main->SetQuickActive(slot, false);
  if (const XmlKeyboard* keyboard = root.GetCurrentKeyboard()) main->SetSelectedLayout(keyboard->GetName());
}

}  // namespace

void ImportProfile(CWnd* page, Talvo& root, iProfileImportView* view) {
  if (root.GetProfiles() == nullptr || root.GetFunctions() == nullptr) {
    PrintToListener(L"Can't get profile's or function's parent structure.\n");
    return;
  }
  FileDialogHelper dialog(WindowOf(page));
  dialog.title = L"Open Quillon Profile or ZipImport Profile with used Functions";
  dialog.filter = {{L"Xml&Zip", L"*.xml;*.zip"}, {L"Xml", L"*.xml"}, {L"Zip", L"*.zip"}};
  dialog.filterIndex = 1;
  if (!dialog.Open()) return;
  const std::filesystem::path path = PathFromWide(dialog.GetPath());
  const std::wstring extension = LowerExtension(path);
  if (extension == L".zip") {
    ImportProfileZip(page, root, path);
  } else if (extension == L".xml") {
    ImportProfileXml(page, root, path, view);
  } else {
    PrintToListener(L"Can't recognize file extention.\n");
  }
}

bool ImportProfileXml(CWnd* page, Talvo& root, const std::filesystem::path& path, iProfileImportView* view) {
  if (root.GetProfiles() == nullptr) return false;
  // Read and checked before the undo step begins, so a bad file leaves neither a change nor an empty step.
  auto imported = std::make_unique<XmlProfile>(nullptr);
  const int loaded = imported->Load(path);
  if (loaded == kXmlCannotParse) return false;  // the document has reported it
  if (loaded != kXmlOk || !imported->IsProfileDocument()) {
    ShowErrorBox(WindowOf(page), L"Can't load file!\n" + PathForDisplay(path));
    return false;
  }

  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(0, 65535));
  const PlacedProfile placed = PlaceImportedProfile(page, root, std::move(imported));
  ResetQuickSlotsAndLayout(root);
  if (view != nullptr) view->ShowImportedProfile(*placed.profile, placed.replacedExisting);
  if (HWND editor = EditorWindow(); editor != nullptr && IsWindow(editor)) {
    SendMessageW(editor, DocumentChangedMessage, 0, reinterpret_cast<LPARAM>(WindowOf(page)));
  }
  root.EnsureDataFolders();
  placed.profile->Save();
  const wchar_t* label = GetString(165);
  theHold.Accept(label != nullptr ? label : L"Load Profile");
  return true;
}

}  // namespace Talvo
