// Reading whole files at once, alone or the files of one folder by name.
#pragma once

#include <dirent.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Talvo {

// A file's bytes followed by one zero byte that is not counted in `size`.
struct FileBytes {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
  std::string_view View() const { return {data.get(), size}; }
};

// The whole content of a regular file (one open, no zero-filling); false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, FileBytes& bytes);

// A folder opened once, whose files are then listed and read by their names: reading a file looks up
// its name in the open folder instead of walking the folder's whole path again.
class FolderFiles {
 public:
  // Not open when `folder` is no folder or cannot be read.
  explicit FolderFiles(const std::filesystem::path& folder);
  ~FolderFiles();
  FolderFiles(const FolderFiles&) = delete;
  FolderFiles& operator=(const FolderFiles&) = delete;

  bool IsOpen() const { return folder_ != nullptr; }
  const std::filesystem::path& Path() const { return path_; }
  // The names of the entries that end in `suffix` after at least one other byte and are no folders (a
  // link counts as what it leads to; an entry that cannot be asked counts as a file), in byte order.
  std::vector<std::string> NamesEndingIn(std::string_view suffix);
  // ReadWholeFile for the file `name` of the folder.
  bool Read(const std::string& name, FileBytes& bytes) const;

 private:
  std::filesystem::path path_;
  DIR* folder_;
};

}  // namespace Talvo
