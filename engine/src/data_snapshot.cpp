#include "data_snapshot.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "root_documents.h"

namespace Talvo {

namespace {

bool Differs(const XmlDocument& current, const XmlDocument& saved) {
  return current.GetName() != saved.GetName() || current.ToText() != saved.ToText();
}

// True when the document had to change.
bool RestoreDocument(XmlDocument& current, const XmlDocument& saved) {
  if (!Differs(current, saved)) return false;
  XmlDocDirectory* owner = current.GetOwner();
  current.CopyFrom(saved);
  current.SetOwner(owner);
  return true;
}

// The documents of the data by the file they are stored in.
std::map<std::filesystem::path, XmlDocument*> DocumentsByFile(const Talvo& root) {
  std::map<std::filesystem::path, XmlDocument*> documents;
  ForEachRootDocument(root, [&](XmlDocument& document) { documents.emplace(document.GetFilePath(), &document); });
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

bool DataSnapshot::Restore(XmlDocDirectory* folder, const Documents& saved) {
  if (!folder) return false;
  bool changed = false;
  const int count = static_cast<int>(saved.size());
  for (int i = 0; i < count; ++i) {
    if (XmlDocument* current = folder->GetAt(i)) {
      changed = RestoreDocument(*current, *saved[static_cast<std::size_t>(i)].copy) || changed;
    } else {
      folder->Add(saved[static_cast<std::size_t>(i)].copy->Duplicate());
      changed = true;
    }
  }
  while (folder->Count() > count) {
    folder->Release(folder->Count() - 1);
    changed = true;
  }
  return changed;
}

bool DataSnapshot::Apply(Talvo& root, const Files& changedFiles) const {
  bool changed = false;
  if (main_ && root.GetMainDocument()) changed = RestoreDocument(*root.GetMainDocument(), *main_->copy);
  if (scripts_ && root.GetCustomScripts()) changed = RestoreDocument(*root.GetCustomScripts(), *scripts_->copy) || changed;
  changed = Restore(root.GetKeyboards(), layouts_) || changed;
  changed = Restore(root.GetFunctions(), functions_) || changed;
  changed = Restore(root.GetProfiles(), profiles_) || changed;

  const auto entries = EntriesByFile();
  const auto documents = DocumentsByFile(root);
  // A document put back as its file holds it (saved then, or by a save after the step) is saved again.
  for (const auto& [file, document] : documents) {
    if (!document->IsSaved() && entries.contains(file) && document->MatchesFile()) document->SyncFile();
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
  return changed;
}

bool DataSnapshot::SameDocuments(const DataSnapshot& other) const {
  std::vector<const Entry*> mine;
  std::vector<const Entry*> theirs;
  ForEach([&](const Entry& entry) { mine.push_back(&entry); });
  other.ForEach([&](const Entry& entry) { theirs.push_back(&entry); });
  return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end(), [](const Entry* a, const Entry* b) {
    return a->file == b->file && !Differs(*a->copy, *b->copy);
  });
}

int DataSnapshot::Size() const {
  std::size_t bytes = 0;
  ForEach([&](const Entry& entry) { bytes += entry.copy->ToText().size(); });
  return static_cast<int>(bytes);
}

}  // namespace Talvo
