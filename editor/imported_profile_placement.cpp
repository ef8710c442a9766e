#include "editor/imported_profile_placement.h"

#include <filesystem>

#include "editor/profile_rename_dlg.h"
#include "model/file_names.h"
#include "model/ids.h"
#include "model/string_table.h"
#include "model/talvo.h"
#include "pagebase/document_names.h"

namespace Talvo {

namespace {

bool NameInUse(const XmlDocDirectory& folder, const std::wstring& name) {
  for (int i = 0; i < folder.Count(); ++i) {
    if (folder.GetAt(i)->GetName() == name) return true;
  }
  std::error_code error;
  return !folder.GetFolder().empty() && std::filesystem::exists(folder.GetFolder() / PathFromWide(name + L".xml"), error);
}

bool IdInUse(const XmlProfileDir& folder, const std::wstring& id) {
  for (int i = 0; i < folder.Count(); ++i) {
    if (folder.GetProfile(i)->GetId() == id) return true;
  }
  return false;
}

int IndexOfProfileNamed(const XmlProfileDir& folder, const std::wstring& name) {
  for (int i = 0; i < folder.Count(); ++i) {
    if (folder.GetProfile(i)->GetName() == name) return i;
  }
  return -1;
}

}  // namespace

std::wstring FreeDocumentName(const XmlDocDirectory& folder, const std::wstring& preferred, const std::wstring& id) {
  if (IsSafeDocumentName(preferred) && !NameInUse(folder, preferred)) return preferred;
  if (IsDocumentId(id) && !NameInUse(folder, id)) return id;
  return folder.NewUniqueId(folder.Count());
}

void CopyDocumentKeepingFile(XmlDocument& target, const XmlDocument& source) {
  const std::wstring documentName = target.GetName();
  XmlDocDirectory* folder = target.GetOwner();
  target.CopyFrom(source);
  target.XmlDocument::SetName(documentName);
  target.SetOwner(folder);
}

PlacedProfile PlaceImportedProfile(CWnd* owner, Talvo& root, std::unique_ptr<XmlProfile> imported) {
  XmlProfileDir* folder = root.GetProfiles();
  if (folder == nullptr || imported == nullptr) return {};
  imported->SetProperty("time", MakeUniqueId());

  if (folder->Count() > 0) {
    const int clash = IndexOfProfileNamed(*folder, imported->GetName());
    const wchar_t* product = GetString(184);
    if (clash >= 0 && MessageBoxW(owner ? owner->GetSafeHwnd() : nullptr,
                                  L"Override existing profile with the same name? [Yes][No]",
                                  product != nullptr ? product : L"Quillon", MB_YESNO) == IDYES) {
      XmlProfile* existing = folder->GetProfile(clash);
      // The existing profile keeps its file: taking the imported document name would write a second
      // file and leave the old one behind as a duplicate.
      CopyDocumentKeepingFile(*existing, *imported);
      root.SetCurrentProfile(clash);
      return {existing, true};
    }
    if (IdInUse(*folder, imported->GetId())) imported->SetId(folder->NewUniqueId(folder->Count()));
    while (root.CountProfilesNamed(imported->GetName()) > 0) {
      hProfileRenameDlg rename(imported.get(), owner);
      if (rename.DoModal() != IDOK) break;
    }
  }
  // A document name that names another profile's file would overwrite that file at the first save.
  imported->XmlDocument::SetName(FreeDocumentName(*folder, imported->XmlDocument::GetName(), imported->GetId()));
  auto* placed = static_cast<XmlProfile*>(folder->Add(std::move(imported)));
  root.SetCurrentProfile(folder->Count() - 1);
  return {placed, false};
}

}  // namespace Talvo
