#include "editing/function_clone.h"

#include <memory>

#include "model/ids.h"
#include "model/talvo.h"
#include "model/text.h"

namespace Talvo {

XmlFunction* CloneFunction(CWnd* page, Talvo& root, const NewIdMaker& newId) {
  XmlFunctionDir* folder = root.GetFunctions();
  XmlTalvo* main = root.GetMainDocument();
  const XmlFunction* source = root.GetCurrentFunction();
  if (folder == nullptr || main == nullptr || source == nullptr) return nullptr;

  std::unique_ptr<XmlDocument> duplicate = source->Duplicate();
  auto& clone = static_cast<XmlFunction&>(*duplicate);
  clone.SetName(source->GetName() + L"(clone)");
  clone.SetProperty("time", MakeUniqueId());
  // The source always carries the same id, so the clone always gets a new one.
  GiveFreshIdentityWhenTaken(*folder, clone, newId, [page](const std::exception& error) {
    MessageBoxW(page != nullptr ? page->GetSafeHwnd() : nullptr, Utf8ToWide(error.what()).c_str(), L"Warning!",
                MB_OK | MB_ICONWARNING);
  });
  clone.NormalizeKind();
  auto* added = static_cast<XmlFunction*>(folder->Add(std::move(duplicate)));
  main->SetSelectedFunction(folder->Count() - 1);
  return added;
}

}  // namespace Talvo
