#include "editor/imported_profile_placement.h"

#include "editing/document_identity.h"
#include "editor/profile_rename_dlg.h"
#include "model/ids.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

int IndexOfProfileNamed(const XmlProfileDir& folder, const std::wstring& name) {
  for (int i = 0; i < folder.Count(); ++i) {
    if (folder.GetProfile(i)->GetName() == name) return i;
  }
  return -1;
}

}  // namespace

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
    while (root.CountProfilesNamed(imported->GetName()) > 0) {
      hProfileRenameDlg rename(imported.get(), owner);
      if (rename.DoModal() != IDOK) break;
    }
  }
  // Stored under its id, which must be its own: the file it came from names nothing here.
  GiveFreshIdentityWhenTaken(*folder, *imported);
  auto* placed = static_cast<XmlProfile*>(folder->Add(std::move(imported)));
  root.SetCurrentProfile(folder->Count() - 1);
  return {placed, false};
}

}  // namespace Talvo
