// The files of documents that an undo takes out of memory although a save after the step had written
// them. Undo takes such a file away (keeping its content), so that the next start does not bring the
// document back; redo writes it back when the document returns.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "model/talvo.h"

namespace Talvo {

class UndoneFiles {
 public:
  using Files = std::set<std::filesystem::path>;

  // The files the documents of the data are stored in.
  static Files DocumentFiles(const Talvo& root);

  // Takes away every file of `heldBefore` that no document of the data names any more and that is still
  // on disk. A file whose content cannot be read back stays where it is.
  void TakeAway(const Talvo& root, const Files& heldBefore);
  // Writes back the files taken away whose documents are in the data again; a document that then
  // matches its file is saved again. Forgets every file it held.
  void PutBack(const Talvo& root);

 private:
  std::map<std::filesystem::path, std::unique_ptr<XmlDocument>> taken_;
};

}  // namespace Talvo
