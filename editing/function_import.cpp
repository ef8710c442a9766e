#include "editing/function_import.h"

#include <max.h>

#include <cstdint>
#include <memory>
#include <string>

#include "controls/file_dialog_helper.h"
#include "editing/document_identity.h"
#include "editing/h_function_rename_dlg.h"
#include "pagebase/error_box.h"
#include "engine/messages.h"
#include "engine/restore_obj.h"
#include "model/editor_window.h"
#include "model/file_names.h"
#include "model/ids.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {

constexpr std::uint16_t kFunctionsPage = 1;
constexpr std::uint16_t kNoSubPage = 65535;
constexpr int kUpgradedVersion = 1003;

HWND WindowOf(CWnd* window) { return window != nullptr ? window->GetSafeHwnd() : nullptr; }

// The first function of the folder with exactly that name, or null.
XmlFunction* FirstNamed(const XmlFunctionDir& folder, const std::wstring& name) {
  for (int i = 0; i < folder.Count(); ++i) {
    if (folder.GetFunction(i)->GetName() == name) return folder.GetFunction(i);
  }
  return nullptr;
}

bool AskOverride(CWnd* page) {
  const wchar_t* caption = GetString(184);
  return MessageBoxW(WindowOf(page), L"Override existing function with the same name? [Yes][No]",
                     caption != nullptr ? caption : L"Quillon", MB_YESNO) == IDYES;
}

// Stores the scripts an exported file carries in the custom-scripts document and takes them out of the
// function. Without that document the scripts stay in the function. True when scripts were merged.
bool MergeCarriedScripts(Talvo& root, XmlFunction& function) {
  XmlCustomScripts* scripts = root.GetCustomScripts();
  const XmlNode* carried = function.GetNode(TALVO_XML_EXPORTSCRIPTS);
  if (scripts == nullptr || carried == nullptr) return false;
  scripts->ImportScripts(carried);
  RefreshScriptNames();
  function.RemoveNode(TALVO_XML_EXPORTSCRIPTS);
  return true;
}

// Asks for another name while a function of the folder has the import's name; a cancelled prompt keeps
// the name as it is.
void RenameWhileNameTaken(CWnd* page, const XmlFunctionDir& folder, XmlFunction& function) {
  while (FirstNamed(folder, function.GetName()) != nullptr) {
    if (RunFunctionRenameDlg(page, function) != IDOK) return;
  }
}

// Overrides `existing` with the import: it keeps its id and its file, and takes the content.
void Override(XmlFunction& existing, XmlFunction& imported) {
  imported.SetId(existing.GetId());
  // Kept under the existing document name, so that no second file with the same id stays behind.
  imported.XmlDocument::SetName(existing.XmlDocument::GetName());
  existing.CopyFrom(imported);
}

// Old files: cases stored before the current version are rewritten, the "Override Mode" case is added,
// the kind normalised, and scripts embedded in the cases of a file without a version moved into the
// custom-scripts document.
void BringUpToDate(Talvo& root, XmlFunction& function, bool hadVersion) {
  if (ParseInt(WideToUtf8(function.GetVersion()), 0) < kUpgradedVersion) function.UpgradeCases();
  function.EnsureOverrideMode();
  root.EnsureDataFolders();
  function.NormalizeKind();
  if (hadVersion || !root.MigrateFunction(&function)) return;
  root.GetCustomScripts()->Save();
  RefreshScriptNames();
  if (HWND editor = EditorWindow(); editor != nullptr && IsWindow(editor)) {
    SendMessageW(editor, ScriptsChangedMessage, 0, 0);  // no drop-down made this change
  }
}

// Reads the file into a function document of the folder (not yet added); null, after a message, when the
// file is no function document.
std::unique_ptr<XmlFunction> ReadFunctionFile(CWnd* page, XmlFunctionDir& folder, const std::filesystem::path& path) {
  auto function = std::make_unique<XmlFunction>(&folder);
  const int loaded = function->Load(path);
  if (loaded == kXmlCannotParse) return nullptr;  // the document has reported it
  if (loaded != kXmlOk || !function->IsFunctionDocument()) {
    ShowErrorBox(WindowOf(page), L"Can't load file!\n" + PathForDisplay(path));
    return nullptr;
  }
  return function;
}

}  // namespace

ImportedFunction ImportFunction(CWnd* page, Talvo& root) {
  FileDialogHelper dialog(WindowOf(page));
  dialog.title = L"Open Quillon Function";
  dialog.filter = {{L"All", L"*.*"}, {L"Xml", L"*.XML"}};
  dialog.filterIndex = 2;
  if (!dialog.Open()) return {};
  return ImportFunctionFile(page, root, PathFromWide(dialog.GetPath()));
}

ImportedFunction ImportFunctionFile(CWnd* page, Talvo& root, const std::filesystem::path& path) {
  XmlFunctionDir* folder = root.GetFunctions();
  XmlTalvo* main = root.GetMainDocument();
  if (folder == nullptr || main == nullptr) return {};
  std::unique_ptr<XmlFunction> imported = ReadFunctionFile(page, *folder, path);
  if (imported == nullptr) return {};

  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(kFunctionsPage, kNoSubPage));
  const bool hadVersion = !imported->GetVersion().empty();
  const bool mergedScripts = MergeCarriedScripts(root, *imported);
  imported->SetProperty("time", MakeUniqueId());

  ImportedFunction result;
  XmlFunction* existing = FirstNamed(*folder, imported->GetName());
  if (existing != nullptr && AskOverride(page)) {
    Override(*existing, *imported);
    result = {existing, folder->IndexOf(existing), true};
  } else {
    GiveFreshIdentityWhenTaken(*folder, *imported);
    RenameWhileNameTaken(page, *folder, *imported);
    auto* added = static_cast<XmlFunction*>(folder->Add(std::move(imported)));
    result = {added, folder->Count() - 1, false};
  }
  main->SetSelectedFunction(result.index);

  BringUpToDate(root, *result.function, hadVersion);
  // The function refers to the merged scripts by id: both are stored together.
  if (XmlCustomScripts* scripts = root.GetCustomScripts(); mergedScripts && !scripts->IsSaved()) scripts->Save();
  result.function->Save();
  const wchar_t* label = GetString(164);
  theHold.Accept(label != nullptr ? label : L"Load Function");
  return result;
}

}  // namespace Talvo
