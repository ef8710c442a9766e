#include "data_snapshot.h"

#include <map>
#include <system_error>

namespace Talvo {

namespace {

bool Differs(const XmlDocument& current, const XmlDocument& saved) {
  return current.GetName() != saved.GetName() || current.ToText() != saved.ToText();
}

void RestoreDocument(XmlDocument& current, const XmlDocument& saved) {
  if (!Differs(current, saved)) return;
  XmlDocDirectory* owner = current.GetOwner();
  current.CopyFrom(saved);
  current.SetOwner(owner);
}

// The documents of the data by the file they are stored in.
std::map<std::filesystem::path, XmlDocument*> DocumentsByFile(const Talvo& root) {
  std::map<std::filesystem::path, XmlDocument*> documents;
  for (XmlDocument* single : {static_cast<XmlDocument*>(root.GetMainDocument()),
                              static_cast<XmlDocument*>(root.GetCustomScripts())}) {
    if (single != nullptr) documents.emplace(single->GetFilePath(), single);
  }
  for (const XmlDocDirectory* folder : {static_cast<const XmlDocDirectory*>(root.GetKeyboards()),
                                        static_cast<const XmlDocDirectory*>(root.GetFunctions()),
                                        static_cast<const XmlDocDirectory*>(root.GetProfiles())}) {
    for (int i = 0; folder != nullptr && i < folder->Count(); ++i) {
      documents.emplace(folder->GetAt(i)->GetFilePath(), folder->GetAt(i));
    }
  }
  documents.erase(std::filesystem::path());
  return documents;
}

}  // namespace

DataSnapshot::Entry DataSnapshot::Copy(const XmlDocument& document) {
  // A detached copy: it names no folder, so that it never points into a folder that has since gone.
  Entry entry{document.Duplicate(), document.GetFilePath(), document.IsSaved()};
  entry.copy->SetOwner(nullptr);
  return entry;
}

DataSnapshot::Documents DataSnapshot::Copy(const XmlDocDirectory* folder) {
  Documents copies;
  for (int i = 0; folder && i < folder->Count(); ++i) copies.push_back(Copy(*folder->GetAt(i)));
  return copies;
}

DataSnapshot DataSnapshot::Take(const Talvo& root) {
  DataSnapshot snapshot;
  if (root.GetMainDocument()) snapshot.main_ = std::make_unique<Entry>(Copy(*root.GetMainDocument()));
  if (root.GetCustomScripts()) snapshot.scripts_ = std::make_unique<Entry>(Copy(*root.GetCustomScripts()));
  snapshot.layouts_ = Copy(root.GetKeyboards());
  snapshot.functions_ = Copy(root.GetFunctions());
  snapshot.profiles_ = Copy(root.GetProfiles());
  return snapshot;
}

template <typename Visit>
void DataSnapshot::ForEach(Visit visit) const {
  for (const auto* single : {main_.get(), scripts_.get()})
    if (single != nullptr) visit(*single);
  for (const Documents* folder : {&layouts_, &functions_, &profiles_})
    for (const Entry& entry : *folder) visit(entry);
}

std::map<std::filesystem::path, const DataSnapshot::Entry*> DataSnapshot::EntriesByFile() const {
  std::map<std::filesystem::path, const Entry*> entries;
  ForEach([&](const Entry& entry) {
    if (!entry.file.empty()) entries.emplace(entry.file, &entry);
  });
  return entries;
}

DataSnapshot::Files DataSnapshot::FilesChangedBetween(const DataSnapshot& before, const DataSnapshot& after) {
  Files changed;
  const auto earlier = before.EntriesByFile();
  const auto later = after.EntriesByFile();
  // Written: held saved afterwards, but not with that content before.
  for (const auto& [file, entry] : later) {
    const auto found = earlier.find(file);
    if (entry->saved && (found == earlier.end() || !found->second->saved ||
                         found->second->copy->ToText() != entry->copy->ToText())) {
      changed.insert(file);
    }
  }
  // Deleted: a document's file that no document names afterwards.
  for (const auto& [file, entry] : earlier) {
    if (!later.contains(file)) changed.insert(file);
  }
  return changed;
}

void DataSnapshot::Restore(XmlDocDirectory* folder, const Documents& saved) {
  if (!folder) return;
  const int count = static_cast<int>(saved.size());
  for (int i = 0; i < count; ++i) {
    if (XmlDocument* current = folder->GetAt(i)) {
      RestoreDocument(*current, *saved[static_cast<std::size_t>(i)].copy);
    } else {
      folder->Add(saved[static_cast<std::size_t>(i)].copy->Duplicate());
    }
  }
  while (folder->Count() > count) folder->Release(folder->Count() - 1);
}

void DataSnapshot::Apply(Talvo& root, const Files& changedFiles) const {
  if (main_ && root.GetMainDocument()) RestoreDocument(*root.GetMainDocument(), *main_->copy);
  if (scripts_ && root.GetCustomScripts()) RestoreDocument(*root.GetCustomScripts(), *scripts_->copy);
  Restore(root.GetKeyboards(), layouts_);
  Restore(root.GetFunctions(), functions_);
  Restore(root.GetProfiles(), profiles_);

  const auto entries = EntriesByFile();
  const auto documents = DocumentsByFile(root);
  // A document put back as its file holds it is saved again.
  for (const auto& [file, document] : documents) {
    const auto entry = entries.find(file);
    if (!document->IsSaved() && entry != entries.end() && entry->second->saved && document->MatchesFile()) {
      document->SyncFile();
    }
  }
  // The step wrote or deleted these files: put them back as this copy of the data had them, so that the
  // next start shows what the editor shows.
  for (const std::filesystem::path& file : changedFiles) {
    const auto foundEntry = entries.find(file);
    const auto foundDocument = documents.find(file);
    const Entry* entry = foundEntry != entries.end() ? foundEntry->second : nullptr;
    XmlDocument* document = foundDocument != documents.end() ? foundDocument->second : nullptr;
    std::error_code error;
    if (entry == nullptr && document == nullptr) {
      std::filesystem::remove(file, error);
    } else if (entry != nullptr && document != nullptr && (entry->saved || !std::filesystem::exists(file, error))) {
      document->SyncFile();
    }
  }
}

int DataSnapshot::Size() const {
  std::size_t bytes = 0;
  ForEach([&](const Entry& entry) { bytes += entry.copy->ToText().size(); });
  return static_cast<int>(bytes);
}

}  // namespace Talvo
