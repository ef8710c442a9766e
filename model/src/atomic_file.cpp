#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <optional>
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

// Creates a new file and writes it; `flush` waits until it is on disk, otherwise its writing to disk only
// starts (so that a later flush of many files finds their data on the way). `created` tells whether a
// file was made (and must be removed again on failure); an existing file of that name is never touched.
bool WriteNewFile(const std::filesystem::path& path, std::string_view bytes, bool flush, bool& created) {
  Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  created = file.get() >= 0;
  if (!created) return false;
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t written = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  if (flush) return ::fsync(file.get()) == 0 && file.Close();
  ::sync_file_range(file.get(), 0, 0, SYNC_FILE_RANGE_WRITE);  // a hint only: the flush comes later
  return file.Close();
}

// The folder that holds `file` ("." for a bare name).
std::filesystem::path FolderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// Flushes a written file to disk.
bool FlushFile(const std::filesystem::path& path) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  return file.get() >= 0 && ::fsync(file.get()) == 0 && file.Close();
}

// Flushes written files together: one flush of each file system they are on, so that its disk is asked to
// write its cache once instead of once per file. Each folder is asked once which file system it is on (a
// file lies on its folder's). All files of a file system whose flush fails count as not flushed; a file
// alone on its file system is flushed by itself, and counts as not flushed when it is gone.
std::vector<bool> FlushTogether(const std::vector<std::filesystem::path>& files) {
  std::vector<bool> flushed(files.size(), false);
  std::map<std::filesystem::path, std::optional<dev_t>> deviceOfFolder;
  std::map<dev_t, std::pair<std::filesystem::path, std::vector<std::size_t>>> byFileSystem;  // a folder, files
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::filesystem::path folder = FolderOf(files[i]);
    auto [known, added] = deviceOfFolder.try_emplace(folder);
    struct stat status {};
    if (added && ::stat(folder.c_str(), &status) == 0) known->second = status.st_dev;
    if (!known->second) continue;
    auto& group = byFileSystem[*known->second];
    group.first = folder;
    group.second.push_back(i);
  }
  for (const auto& [device, group] : byFileSystem) {
    const auto& [folder, indices] = group;
    bool ok = false;
    if (indices.size() == 1) {
      ok = FlushFile(files[indices.front()]);
    } else {
      Descriptor member(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
      ok = member.get() >= 0 && ::syncfs(member.get()) == 0;
    }
    for (const std::size_t i : indices) flushed[i] = ok;
  }
  return flushed;
}

// Writes `bytes` to "<path>.tmp" (flushed when asked); false (with no temporary file left) on failure.
bool WriteTemporary(const std::filesystem::path& temporary, std::string_view bytes, bool flush) {
  bool created = false;
  bool written = WriteNewFile(temporary, bytes, flush, created);
  std::error_code error;
  // A temporary file left behind by an earlier crash is stale: it is cleared and the write made again.
  if (!created && std::filesystem::is_regular_file(temporary, error)) {
    std::filesystem::remove(temporary, error);
    written = WriteNewFile(temporary, bytes, flush, created);
  }
  if (written) return true;
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

std::filesystem::path TemporaryOf(const std::filesystem::path& path) { return WithSuffix(path, ".tmp"); }
std::filesystem::path BackupOf(const std::filesystem::path& path) { return WithSuffix(path, ".bak"); }

// Writes the new file's temporary file and, when `backup`, a temporary copy of the current file; false with
// neither left behind on failure.
bool WriteTemporaries(const std::filesystem::path& path, std::string_view bytes, bool backup, bool flush) {
  const std::filesystem::path temporary = TemporaryOf(path);
  if (!WriteTemporary(temporary, bytes, flush)) return false;
  if (!backup) return true;
  FileBytes current;
  if (ReadWholeFile(path, current) && WriteTemporary(TemporaryOf(BackupOf(path)), current.View(), flush)) return true;
  std::error_code error;
  std::filesystem::remove(temporary, error);
  return false;
}

void RemoveTemporaries(const std::filesystem::path& path, bool backup) {
  std::error_code error;
  std::filesystem::remove(TemporaryOf(path), error);
  if (backup) std::filesystem::remove(TemporaryOf(BackupOf(path)), error);
}

// Renames the backup and then the new file into place. The backup goes first, so a failure leaves the
// previous backup whole or the new one beside the old file; either way the file itself is not touched.
bool PutInPlace(const std::filesystem::path& path, bool backup) {
  if (backup && !RenameOver(TemporaryOf(BackupOf(path)), BackupOf(path))) {
    RemoveTemporaries(path, false);
    return false;
  }
  return RenameOver(TemporaryOf(path), path);
}

thread_local AtomicWriteBatch* currentBatch = nullptr;

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (path.empty() || !path.has_filename() || std::filesystem::is_directory(status)) return false;
  // The backup is replaced the same way, so a failed copy leaves the previous backup whole.
  const bool backup = std::filesystem::is_regular_file(status);
  if (AtomicWriteBatch* batch = AtomicWriteBatch::Current()) return batch->Write(path, bytes, backup);
  if (!WriteTemporaries(path, bytes, backup, true) || !PutInPlace(path, backup)) return false;
  SyncFolder(path.parent_path());
  return true;
}

AtomicWriteBatch::AtomicWriteBatch() : outer_(currentBatch) { currentBatch = this; }

AtomicWriteBatch::~AtomicWriteBatch() {
  Commit();
  currentBatch = outer_;
}

AtomicWriteBatch* AtomicWriteBatch::Current() { return currentBatch; }

bool AtomicWriteBatch::Write(const std::filesystem::path& path, std::string_view bytes, bool backup) {
  const auto pending = std::find_if(pending_.begin(), pending_.end(),
                                    [&](const Pending& p) { return p.path.native() == path.native(); });
  if (pending != pending_.end()) {
    // Written before in this batch: the file itself is still the old one, and so is its backup copy.
    if (WriteTemporary(TemporaryOf(path), bytes, false)) return true;
    RemoveTemporaries(path, pending->backup);
    pending_.erase(pending);
    failed_.push_back(path);  // the earlier write is gone with it
    return false;
  }
  if (!WriteTemporaries(path, bytes, backup, false)) return false;
  pending_.push_back({path, backup});
  return true;
}

std::vector<std::filesystem::path> AtomicWriteBatch::Commit() {
  std::vector<std::filesystem::path> failed = std::move(failed_);
  failed_.clear();
  std::vector<Pending> pending = std::move(pending_);
  pending_.clear();
  // Every file reaches the disk before any of them replaces its old file.
  std::vector<std::filesystem::path> written;
  for (const Pending& file : pending) {
    written.push_back(TemporaryOf(file.path));
    if (file.backup) written.push_back(TemporaryOf(BackupOf(file.path)));
  }
  const std::vector<bool> flushed = FlushTogether(written);
  std::size_t next = 0;
  std::erase_if(pending, [&](const Pending& file) {
    bool ok = flushed[next++];
    if (file.backup) ok = flushed[next++] && ok;
    if (ok) return false;
    RemoveTemporaries(file.path, file.backup);
    failed.push_back(file.path);
    return true;
  });
  std::vector<std::filesystem::path> folders;
  for (const Pending& file : pending) {
    if (!PutInPlace(file.path, file.backup)) {
      failed.push_back(file.path);
      continue;
    }
    const std::filesystem::path folder = file.path.parent_path();
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
  }
  for (const std::filesystem::path& folder : folders) SyncFolder(folder);
  return failed;
}

}  // namespace Talvo
