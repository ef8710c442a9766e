// ZipArchiveReader: reads every entry of a zip archive into memory, treating the archive as hostile. It
// refuses the whole archive when an entry name could reach outside a folder ("..", an absolute path, a
// drive letter, a backslash, control characters), when an entry is encrypted or uses an unknown
// compression, when sizes exceed the limits or differ from what the entry declares, or when the data is
// damaged. The archive file is read into memory at once; nothing is written to disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace Talvo {

struct ZipEntry {
  std::wstring name;  // as stored ("/"-separated), decoded from UTF-8
  std::string bytes;
};

struct ZipLimits {
  std::size_t maxEntries = 4096;
  std::uint64_t maxEntrySize = 16u << 20;  // uncompressed bytes of one entry
  std::uint64_t maxTotalSize = 64u << 20;  // uncompressed bytes of all entries together
  std::uint64_t maxArchiveSize = 160u << 20;  // bytes of the archive file, which is read whole
};

// An entry name in quotes for messages, its control characters written as "\x" and two hex digits.
std::wstring QuotedEntryName(const std::wstring& name);

class ZipArchiveReader {
 public:
  enum class Status { Ok, CannotOpen, Refused };

  explicit ZipArchiveReader(ZipLimits limits = {}) : limits_(limits) {}

  // Reads the archive. On CannotOpen or Refused the entries are empty and Error() says why.
  Status Read(const std::filesystem::path& path);

  // The file entries in archive order (folder entries are left out).
  const std::vector<ZipEntry>& Entries() const { return entries_; }
  // Hands the entries over; the reader holds none afterwards.
  std::vector<ZipEntry> TakeEntries() { return std::exchange(entries_, {}); }
  const std::wstring& Error() const { return error_; }

  // Why an entry name is unsafe, or empty when it is a plain relative name.
  static std::wstring CheckEntryName(const std::wstring& name);

 private:
  Status Refuse(const std::wstring& reason);
  Status CannotOpen();

  ZipLimits limits_;
  std::vector<ZipEntry> entries_;
  std::wstring error_;
};

}  // namespace Talvo
