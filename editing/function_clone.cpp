#include "editing/function_clone.h"

#include <max.h>

#include <memory>

#include "editing/document_identity.h"
#include "engine/restore_obj.h"
#include "model/ids.h"
#include "model/string_table.h"
#include "model/talvo.h"

namespace Talvo {

XmlFunction* CloneFunction(Talvo& root) {
  XmlFunctionDir* folder = root.GetFunctions();
  XmlTalvo* main = root.GetMainDocument();
  const XmlFunction* source = root.GetCurrentFunction();
  if (folder == nullptr || main == nullptr || source == nullptr) return nullptr;

  theHold.Begin();
  theHold.Put(new TalvoDataRestoreObj(1, 65535));  // the functions page, no sub-page
  std::unique_ptr<XmlDocument> duplicate = source->Duplicate();
  auto& clone = static_cast<XmlFunction&>(*duplicate);
  clone.SetName(source->GetName() + L"(clone)");
  clone.SetProperty("time", MakeUniqueId());
  GiveFreshIdentityWhenTaken(*folder, clone);  // the source always carries the same id
  clone.NormalizeKind();
  auto* added = static_cast<XmlFunction*>(folder->Add(std::move(duplicate)));
  main->SetSelectedFunction(folder->Count() - 1);
  const wchar_t* label = GetString(164);
  theHold.Accept(label != nullptr ? label : L"Load Function");
  return added;
}

}  // namespace Talvo
