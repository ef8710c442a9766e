// Replacing a file without ever losing its only copy (and, for its users, reading one whole).
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "model/whole_file.h"

namespace Talvo {

// Writes `bytes` to a temporary file beside `path` and flushes it; then copies the current file (when
// there is one) to "<path>.bak" the same way, renames the temporary file over `path` and flushes the
// folder. False on any failure; the old file and the old backup are then untouched and no temporary file
// is left behind. While an AtomicWriteBatch is open on this thread, the files are only written (see there).
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Several atomic replacements as one action. While the batch is open on this thread, WriteFileAtomically
// writes the new file and the backup copy to their temporary files without waiting for the disk and
// returns; Commit then flushes all of them together, renames each pair into place and flushes each folder
// once. Each file is still replaced whole or not at all: one whose writing, flushing or renaming fails
// keeps its old content and its old backup, and no temporary file is left behind.
class AtomicWriteBatch {
 public:
  AtomicWriteBatch();
  // Commits what is still pending.
  ~AtomicWriteBatch();
  AtomicWriteBatch(const AtomicWriteBatch&) = delete;
  AtomicWriteBatch& operator=(const AtomicWriteBatch&) = delete;

  // The innermost batch open on this thread, or null.
  static AtomicWriteBatch* Current();

  // Puts every pending file in place; returns the paths that kept their old content (those whose later
  // write in this batch failed included).
  std::vector<std::filesystem::path> Commit();

 private:
  friend bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

  // Writes the temporary files of one replacement of a file WriteFileAtomically accepts, with a backup copy
  // when `backup` (the file exists), or again when `path` is already pending; false, with nothing left
  // behind, when they cannot be written.
  bool Write(const std::filesystem::path& path, std::string_view bytes, bool backup);

  struct Pending {
    std::filesystem::path path;
    bool backup;  // "<path>.bak.tmp" was written as well
  };

  std::vector<Pending> pending_;
  std::vector<std::filesystem::path> failed_;
  AtomicWriteBatch* outer_;
};

}  // namespace Talvo
