#include "data_folder.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace {

std::string Problem(const std::filesystem::path& folder, const std::string& role, const std::string& why) {
  return "the " + role + " " + folder.string() + " " + why;
}

}  // namespace

std::optional<std::string> PrepareWritableFolder(const std::filesystem::path& folder, const std::string& role) {
  std::error_code error;
  if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error))
    return Problem(folder, role, "is a file, not a folder");
  std::filesystem::create_directories(folder, error);
  if (error) return Problem(folder, role, "cannot be created: " + error.message());
  // Permissions alone do not tell (an administrator writes anywhere, a read-only mount refuses everyone):
  // writing a file does.
  const std::filesystem::path probe = folder / ".quillon-write-probe";
  errno = 0;
  bool written = false;
  {
    std::ofstream file(probe, std::ios::binary | std::ios::trunc);
    written = file && (file << "probe").flush();
  }
  const int reason = errno;
  std::filesystem::remove(probe, error);
  if (!written)
    return Problem(folder, role, std::string("cannot be written: ") + std::strerror(reason ? reason : EACCES));
  return std::nullopt;
}
