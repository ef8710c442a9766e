// Saving many documents as one action (an import), without waiting for the disk once per document.
#pragma once

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

namespace Talvo {

class AtomicWriteBatch;
class XmlDocument;

// While a batch is open on this thread, each document's Save writes its file (and backup copy) beside its
// place and returns; Commit, or the end of the batch, flushes all of them together, puts each in place and
// flushes each folder once. Every file is still replaced whole or not at all. A document whose file could
// not be put in place is marked unsaved again and named in the same warning a failed Save shows.
class SaveBatch {
 public:
  SaveBatch();
  ~SaveBatch();
  SaveBatch(const SaveBatch&) = delete;
  SaveBatch& operator=(const SaveBatch&) = delete;

  void Commit();

 private:
  friend class XmlDocument;
  static SaveBatch* Current();
  // A document saved into the batch, and one that goes away before the batch is committed.
  void Track(XmlDocument& document, const std::filesystem::path& path);
  void Forget(const XmlDocument& document);

  std::unique_ptr<AtomicWriteBatch> files_;
  std::vector<std::pair<XmlDocument*, std::filesystem::path>> saved_;
  SaveBatch* outer_;
};

}  // namespace Talvo
