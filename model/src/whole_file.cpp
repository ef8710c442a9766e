#include "model/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace Talvo {

namespace {

// The file `name` opened relative to the folder descriptor `folder` (AT_FDCWD: the working folder).
bool ReadWholeFileAt(int folder, const char* name, FileBytes& bytes) {
  // Not blocking: a pipe in place of a file is refused below instead of waiting for a writer.
  const int file = ::openat(folder, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return false;
  struct stat status {};
  bool ok = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
  if (ok) {
    const auto size = static_cast<std::size_t>(status.st_size);
    std::unique_ptr<char[]> data(new char[size + 1]);  // uninitialised: every byte is read over
    std::size_t done = 0;
    while (ok && done < size) {
      const ssize_t got = ::read(file, data.get() + done, size - done);
      ok = got >= 0;
      if (got <= 0) break;  // at 0 the file shrank while it was read: keep what is there
      done += static_cast<std::size_t>(got);
    }
    if (ok) {
      data[done] = '\0';
      bytes.data = std::move(data);
      bytes.size = done;
    }
  }
  ::close(file);
  return ok;
}

}  // namespace

bool ReadWholeFile(const std::filesystem::path& path, FileBytes& bytes) {
  return ReadWholeFileAt(AT_FDCWD, path.c_str(), bytes);
}

FolderFiles::FolderFiles(const std::filesystem::path& folder) : path_(folder), folder_(nullptr) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  folder_ = ::fdopendir(descriptor);
  if (folder_ == nullptr) ::close(descriptor);
}

FolderFiles::~FolderFiles() {
  if (folder_ != nullptr) ::closedir(folder_);
}

std::vector<std::string> FolderFiles::NamesEndingIn(std::string_view suffix) {
  std::vector<std::string> names;
  if (folder_ == nullptr) return names;
  ::rewinddir(folder_);
  while (const dirent* entry = ::readdir(folder_)) {
    const std::string_view name(entry->d_name);
    if (name.size() <= suffix.size() || !name.ends_with(suffix) || entry->d_type == DT_DIR) continue;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat status {};
      if (::fstatat(::dirfd(folder_), entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode)) continue;
    }
    names.emplace_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool FolderFiles::Read(const std::string& name, FileBytes& bytes) const {
  return folder_ != nullptr && ReadWholeFileAt(::dirfd(folder_), name.c_str(), bytes);
}

}  // namespace Talvo
