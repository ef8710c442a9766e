#include "undone_files.h"

#include <system_error>

#include "root_documents.h"

namespace Talvo {

UndoneFiles::Files UndoneFiles::DocumentFiles(const Talvo& root) {
  Files files;
  ForEachRootDocument(root, [&](const XmlDocument& document) {
    if (std::filesystem::path file = document.GetFilePath(); !file.empty()) files.insert(std::move(file));
  });
  return files;
}

void UndoneFiles::TakeAway(const Talvo& root, const Files& heldBefore) {
  const Files heldNow = DocumentFiles(root);
  for (const std::filesystem::path& file : heldBefore) {
    std::error_code error;
    if (heldNow.contains(file) || !std::filesystem::exists(file, error)) continue;
    auto content = std::make_unique<XmlDocument>();
    if (content->Load(file) != kXmlOk || !std::filesystem::remove(file, error)) continue;
    taken_[file] = std::move(content);
  }
}

void UndoneFiles::PutBack(const Talvo& root) {
  ForEachRootDocument(root, [&](XmlDocument& document) {
    const auto found = taken_.find(document.GetFilePath());
    if (found == taken_.end() || found->second->SaveAs(found->first) != kXmlOk) return;
    if (!document.IsSaved() && document.MatchesFile()) document.SyncFile();
  });
  taken_.clear();
}

}  // namespace Talvo
