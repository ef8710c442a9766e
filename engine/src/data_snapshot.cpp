#include "data_snapshot.h"

namespace Talvo {

namespace {

// A detached copy: it names no folder, so that it never points into a folder that has since gone.
std::unique_ptr<XmlDocument> Detached(const XmlDocument& document) {
  std::unique_ptr<XmlDocument> copy = document.Duplicate();
  copy->SetOwner(nullptr);
  return copy;
}

bool Differs(const XmlDocument& current, const XmlDocument& saved) {
  return current.GetName() != saved.GetName() || current.ToText() != saved.ToText();
}

void RestoreDocument(XmlDocument& current, const XmlDocument& saved) {
  if (!Differs(current, saved)) return;
  XmlDocDirectory* owner = current.GetOwner();
  current.CopyFrom(saved);
  current.SetOwner(owner);
}

}  // namespace

DataSnapshot::Documents DataSnapshot::Copy(const XmlDocDirectory* folder) {
  Documents copies;
  for (int i = 0; folder && i < folder->Count(); ++i) copies.push_back(Detached(*folder->GetAt(i)));
  return copies;
}

DataSnapshot DataSnapshot::Take(const Talvo& root) {
  DataSnapshot snapshot;
  if (root.GetMainDocument()) snapshot.main_ = Detached(*root.GetMainDocument());
  snapshot.layouts_ = Copy(root.GetKeyboards());
  snapshot.functions_ = Copy(root.GetFunctions());
  snapshot.profiles_ = Copy(root.GetProfiles());
  return snapshot;
}

void DataSnapshot::Restore(XmlDocDirectory* folder, const Documents& saved) {
  if (!folder) return;
  const int count = static_cast<int>(saved.size());
  for (int i = 0; i < count; ++i) {
    if (XmlDocument* current = folder->GetAt(i)) {
      RestoreDocument(*current, *saved[static_cast<std::size_t>(i)]);
    } else {
      folder->Add(saved[static_cast<std::size_t>(i)]->Duplicate());
    }
  }
  while (folder->Count() > count) folder->Release(folder->Count() - 1);
}

void DataSnapshot::Apply(Talvo& root) const {
  if (main_ && root.GetMainDocument()) RestoreDocument(*root.GetMainDocument(), *main_);
  Restore(root.GetKeyboards(), layouts_);
  Restore(root.GetFunctions(), functions_);
  Restore(root.GetProfiles(), profiles_);
}

int DataSnapshot::Size() const {
  std::size_t bytes = main_ ? main_->ToText().size() : 0;
  for (const Documents* folder : {&layouts_, &functions_, &profiles_})
    for (const auto& document : *folder) bytes += document->ToText().size();
  return static_cast<int>(bytes);
}

}  // namespace Talvo
