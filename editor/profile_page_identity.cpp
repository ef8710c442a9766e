#include "editor/profile_page_identity.h"

#include <memory>

#include "editing/document_identity.h"
#include "model/ids.h"
#include "model/talvo.h"

namespace Talvo {

XmlProfile* CloneCurrentProfile(Talvo& root) {
  XmlProfileDir* folder = root.GetProfiles();
  XmlProfile* current = root.GetCurrentProfile();
  XmlTalvo* main = root.GetMainDocument();
  if (folder == nullptr || current == nullptr || main == nullptr) return nullptr;
  std::unique_ptr<XmlDocument> copy = current->Duplicate();
  auto* clone = static_cast<XmlProfile*>(copy.get());
  clone->SetName(current->GetName() + L"(clone)");
  clone->SetProperty("time", MakeUniqueId());
  // The copy carries the original's id, so it always takes a new one, and the file named after it.
  GiveFreshIdentityWhenTaken(*folder, *clone);
  folder->Add(std::move(copy));
  main->SetSelectedProfile(folder->Count() - 1);
  if (const XmlKeyboard* keyboard = root.GetCurrentKeyboard()) main->SetSelectedLayout(keyboard->GetName());
  return clone;
}

}  // namespace Talvo
