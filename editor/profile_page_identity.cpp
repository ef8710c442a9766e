#include "editor/profile_page_identity.h"

#include <memory>

#include "editor/imported_profile_placement.h"
#include "model/ids.h"
#include "model/talvo.h"
#include "pagebase/document_names.h"
#include "pagebase/rename_proposal.h"

namespace Talvo {

namespace {

int CountNamedIgnoringCase(const XmlProfileDir& folder, const std::wstring& name, const XmlProfile* except) {
  int count = 0;
  for (int i = 0; i < folder.Count(); ++i) {
    const XmlProfile* profile = folder.GetProfile(i);
    if (profile != except && SameNameIgnoringCase(profile->GetName(), name)) ++count;
  }
  return count;
}

}  // namespace

std::wstring RefusalOfProfileName(const XmlProfileDir& folder, const XmlProfile& profile, const std::wstring& name) {
  return RefusalOfDocumentName(L"profile", name, [&](const std::wstring& candidate) {
    return CountNamedIgnoringCase(folder, candidate, &profile) > 0;
  });
}

std::wstring FreeProfileName(const XmlProfileDir& folder, const std::wstring& base) {
  const auto countNamed = [&folder](const std::wstring& name) { return CountNamedIgnoringCase(folder, name, nullptr); };
  return countNamed(base) == 0 ? base : ProposeFreeName(base, countNamed);
}

XmlProfile* CloneCurrentProfile(Talvo& root) {
  XmlProfileDir* folder = root.GetProfiles();
  XmlProfile* current = root.GetCurrentProfile();
  XmlTalvo* main = root.GetMainDocument();
  if (folder == nullptr || current == nullptr || main == nullptr) return nullptr;
  std::unique_ptr<XmlDocument> copy = current->Duplicate();
  auto* clone = static_cast<XmlProfile*>(copy.get());
  clone->SetName(FreeProfileName(*folder, current->GetName() + L"(clone)"));
  clone->SetProperty("time", MakeUniqueId());
  // The copy carries the original's id and document name: both must change, or the two would share a file.
  const std::wstring id = folder->NewUniqueId(folder->Count());
  clone->SetId(id);
  clone->XmlDocument::SetName(FreeDocumentName(*folder, id, id));
  folder->Add(std::move(copy));
  main->SetSelectedProfile(folder->Count() - 1);
  if (const XmlKeyboard* keyboard = root.GetCurrentKeyboard()) main->SetSelectedLayout(keyboard->GetName());
  return clone;
}

}  // namespace Talvo
