#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace Talvo {

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now; false when closing reports an error (a delayed write failure).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Creates a new file, writes and flushes it to disk. `created` tells whether a file was made (and must be
// removed again on failure); an existing file of that name is never touched.
bool WriteAndSync(const std::filesystem::path& path, std::string_view bytes, bool& created) {
  Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  created = file.get() >= 0;
  if (!created) return false;
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t written = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return ::fsync(file.get()) == 0 && file.Close();
}

// Writes `bytes` to "<path>.tmp" and flushes it; false (with no temporary file left) on failure.
bool WriteTemporary(const std::filesystem::path& temporary, std::string_view bytes) {
  std::error_code error;
  // A temporary file left behind by an earlier crash is stale: clear it first.
  if (std::filesystem::is_regular_file(temporary, error)) std::filesystem::remove(temporary, error);
  bool created = false;
  if (WriteAndSync(temporary, bytes, created)) return true;
  if (created) std::filesystem::remove(temporary, error);
  return false;
}

bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  if (!error) return true;
  std::filesystem::remove(from, error);
  return false;
}

// Makes a finished rename durable.
void SyncFolder(const std::filesystem::path& folder) {
  Descriptor directory(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
}

std::filesystem::path WithSuffix(const std::filesystem::path& path, const char* suffix) {
  std::filesystem::path result = path;
  result += suffix;
  return result;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return false;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  const std::filesystem::path temporary = WithSuffix(path, ".tmp");
  if (!WriteTemporary(temporary, bytes)) return false;
  if (std::filesystem::is_regular_file(path, error)) {
    // The backup is replaced the same way, so a failed copy leaves the previous backup whole.
    FileBytes current;
    const std::filesystem::path backup = WithSuffix(path, ".bak");
    const std::filesystem::path backupTemporary = WithSuffix(backup, ".tmp");
    if (!ReadWholeFile(path, current) || !WriteTemporary(backupTemporary, current.View()) ||
        !RenameOver(backupTemporary, backup)) {
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  if (!RenameOver(temporary, path)) return false;
  SyncFolder(path.parent_path());
  return true;
}

bool ReadWholeFile(const std::filesystem::path& path, FileBytes& bytes) {
  // Not blocking: a pipe in place of a file is refused below instead of waiting for a writer.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  const auto size = static_cast<std::size_t>(status.st_size);
  std::unique_ptr<char[]> data(new char[size + 1]);  // uninitialised: every byte is read over
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(file.get(), data.get() + done, size - done);
    if (got < 0) return false;
    if (got == 0) break;  // the file shrank while it was read: keep what is there
    done += static_cast<std::size_t>(got);
  }
  data[done] = '\0';
  bytes.data = std::move(data);
  bytes.size = done;
  return true;
}

}  // namespace Talvo
