#include "model/save_batch.h"

#include <algorithm>

#include "atomic_file.h"
#include "model/xml_document.h"

namespace Talvo {

namespace {
thread_local SaveBatch* currentSaveBatch = nullptr;
}  // namespace

SaveBatch::SaveBatch() : files_(std::make_unique<AtomicWriteBatch>()), outer_(currentSaveBatch) {
  currentSaveBatch = this;
}

SaveBatch::~SaveBatch() {
  Commit();
  currentSaveBatch = outer_;
}

SaveBatch* SaveBatch::Current() { return currentSaveBatch; }

void SaveBatch::Commit() {
  const std::vector<std::filesystem::path> failed = files_->Commit();
  std::vector<std::pair<XmlDocument*, std::filesystem::path>> saved = std::move(saved_);
  saved_.clear();
  for (const auto& [document, path] : saved) {
    if (std::find(failed.begin(), failed.end(), path) != failed.end()) document->BatchedSaveFailed(path);
  }
}

void SaveBatch::Track(XmlDocument& document, const std::filesystem::path& path) {
  const std::pair<XmlDocument*, std::filesystem::path> entry{&document, path};
  if (std::find(saved_.begin(), saved_.end(), entry) == saved_.end()) saved_.push_back(entry);
}

void SaveBatch::Forget(const XmlDocument& document) {
  std::erase_if(saved_, [&](const auto& entry) { return entry.first == &document; });
}

}  // namespace Talvo
