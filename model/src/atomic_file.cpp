#include "atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <system_error>

namespace Talvo {

namespace {

// Creates a new file, writes and flushes it to disk. `created` tells whether a file was made (and must be
// removed again on failure); an existing file of that name is never touched.
bool WriteAndSync(const std::filesystem::path& path, std::string_view bytes, bool& created) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  created = fd >= 0;
  if (fd < 0) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written <= 0) ok = false;
    else done += static_cast<size_t>(written);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  return ok;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return false;
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  // A temporary file left behind by an earlier crash is stale: clear it first.
  if (std::filesystem::is_regular_file(temporary, error)) std::filesystem::remove(temporary, error);
  bool created = false;
  if (!WriteAndSync(temporary, bytes, created)) {
    if (created) std::filesystem::remove(temporary, error);
    return false;
  }
  if (std::filesystem::is_regular_file(path, error)) {
    std::filesystem::path backup = path;
    backup += ".bak";
    std::filesystem::copy_file(path, backup, std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<char>& bytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  std::vector<char> content(static_cast<size_t>(size) + 1);  // room for the caller's terminator
  in.seekg(0);
  if (!in.read(content.data(), size)) return false;
  content.pop_back();
  bytes = std::move(content);
  return true;
}

}  // namespace Talvo
