#include "editor/zip_archive_reader.h"

#include <minizip/unzip.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "editor/crc32.h"
#include "model/file_names.h"
#include "model/parallel_for.h"
#include "model/text.h"
#include "model/whole_file.h"

namespace Talvo {

namespace {

constexpr uLong kEncryptedFlag = 0x1;
constexpr std::size_t kMaxNameBytes = 1024;

struct ArchiveCloser {
  void operator()(void* archive) const { unzClose(archive); }
};

// The archive's bytes, read at once, served to the zip library as a file (one read instead of many
// small reads and seeks).
struct MemoryFile {
  std::string_view bytes;
  std::uint64_t at = 0;
};

voidpf ZCALLBACK OpenMemory(voidpf opaque, const void*, int) {
  static_cast<MemoryFile*>(opaque)->at = 0;
  return opaque;
}

uLong ZCALLBACK ReadMemory(voidpf, voidpf stream, void* buffer, uLong size) {
  auto& file = *static_cast<MemoryFile*>(stream);
  const std::uint64_t left = file.at < file.bytes.size() ? file.bytes.size() - file.at : 0;
  const std::uint64_t count = std::min<std::uint64_t>(size, left);
  if (count != 0) std::memcpy(buffer, file.bytes.data() + file.at, static_cast<std::size_t>(count));
  file.at += count;
  return static_cast<uLong>(count);
}

uLong ZCALLBACK WriteNothing(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK TellMemory(voidpf, voidpf stream) { return static_cast<MemoryFile*>(stream)->at; }

long ZCALLBACK SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto& file = *static_cast<MemoryFile*>(stream);
  std::uint64_t base = 0;
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = file.at;
  if (origin == ZLIB_FILEFUNC_SEEK_END) base = file.bytes.size();
  if (offset > file.bytes.size() || base > file.bytes.size() - offset) return -1;
  file.at = base + offset;
  return 0;
}

int ZCALLBACK CloseMemory(voidpf, voidpf) { return 0; }
int ZCALLBACK NoError(voidpf, voidpf) { return 0; }

// A complete archive ends with its end-of-directory record (22 bytes and the comment it declares). The
// zip library finds that record by searching, so an archive that lost its last bytes would still open.
bool EndsWithItsDirectoryRecord(std::string_view bytes) {
  constexpr std::size_t kRecord = 22;
  constexpr std::size_t kMaxComment = 0xFFFF;
  if (bytes.size() < kRecord) return false;
  const std::string_view tail = bytes.substr(bytes.size() - std::min(bytes.size(), kRecord + kMaxComment));
  for (std::size_t at = tail.size() - kRecord + 1; at-- > 0;) {
    const auto* record = reinterpret_cast<const unsigned char*>(tail.data() + at);
    if (record[0] != 'P' || record[1] != 'K' || record[2] != 5 || record[3] != 6) continue;
    const std::size_t comment = record[20] | (record[21] << 8);
    if (at + kRecord + comment == tail.size()) return true;
  }
  return false;
}

// Inflates raw deflate data (as stored in an archive), one entry after another with the same state.
class RawInflater {
 public:
  RawInflater() : ready_(inflateInit2(&stream_, -MAX_WBITS) == Z_OK) {}
  ~RawInflater() {
    if (ready_) inflateEnd(&stream_);
  }
  RawInflater(const RawInflater&) = delete;
  RawInflater& operator=(const RawInflater&) = delete;

  // Inflates `data` into `out` until its stream ends or `capacity` bytes are out: their count, or nothing
  // when the data is damaged.
  std::optional<std::size_t> Inflate(std::string_view data, char* out, std::size_t capacity) {
    if (!ready_ || inflateReset(&stream_) != Z_OK) return std::nullopt;
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream_.avail_in = static_cast<uInt>(data.size());
    stream_.next_out = reinterpret_cast<Bytef*>(out);
    stream_.avail_out = static_cast<uInt>(capacity);
    const int result = inflate(&stream_, Z_SYNC_FLUSH);
    // Z_BUF_ERROR: no progress was possible, the data ran out or the output is full.
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) return std::nullopt;
    return capacity - stream_.avail_out;
  }

 private:
  z_stream stream_{};
  bool ready_;
};

// Where a file entry's data lies in the archive's bytes, and what it must inflate to.
struct StoredEntry {
  std::uint64_t at = 0;
  std::uint64_t compressedSize = 0;
  std::size_t size = 0;
  std::uint64_t crc = 0;
  bool deflated = false;
};

// Finds the data of the archive's current entry: false when its local header cannot be read.
bool LocateCurrentEntry(unzFile archive, const unz_file_info64& info, StoredEntry& stored) {
  // The zip library checks the entry's local header and finds its data; the data is then taken from the
  // archive's bytes as stored, inflated and checked by ReadEntry, without the library's copies and its
  // slower checksum.
  int method = 0;
  if (unzOpenCurrentFile2(archive, &method, nullptr, 1) != UNZ_OK) return false;
  stored.at = unzGetCurrentFileZStreamPos64(archive);
  unzCloseCurrentFile(archive);
  stored.compressedSize = info.compressed_size;
  stored.size = static_cast<std::size_t>(info.uncompressed_size);
  stored.crc = info.crc;
  stored.deflated = info.compression_method == Z_DEFLATED;
  return true;
}

// Reads an entry's data into `entry.bytes`: nothing, or why the archive is refused. Like the zip library,
// no more than the declared size is ever inflated.
std::wstring ReadEntry(std::string_view archiveBytes, RawInflater& inflater, const StoredEntry& stored,
                       ZipEntry& entry) {
  entry.bytes.resize(stored.size);
  std::optional<std::size_t> got;
  if (stored.at <= archiveBytes.size() && stored.compressedSize <= archiveBytes.size() - stored.at) {
    const std::string_view data = archiveBytes.substr(static_cast<std::size_t>(stored.at), stored.compressedSize);
    if (stored.deflated) {
      got = inflater.Inflate(data, entry.bytes.data(), stored.size);
    } else {
      got = std::min(data.size(), stored.size);
      std::memcpy(entry.bytes.data(), data.data(), *got);
    }
  }
  if (got != stored.size) {
    return L"the entry " + QuotedEntryName(entry.name) + L" is damaged or not as large as it declares";
  }
  if (Crc32(0, entry.bytes) != stored.crc) {
    return L"the entry " + QuotedEntryName(entry.name) + L" is damaged (checksum mismatch)";
  }
  return {};
}

// Checks an entry of the directory, its name as stored and its declared sizes (added to `total`): why the
// archive is refused, or nothing with `name` decoded.
std::wstring CheckEntry(const ZipLimits& limits, const unz_file_info64& info, std::string_view nameBytes,
                        std::uint64_t& total, std::wstring& name) {
  if (info.size_filename > kMaxNameBytes) return L"an entry name is too long";
  std::optional<std::wstring> decoded = Utf8ToWideStrict(nameBytes);
  if (!decoded) return L"the entry name " + QuotedEntryName(Utf8ToWide(nameBytes)) + L" is not valid UTF-8";
  name = std::move(*decoded);
  if (std::wstring problem = ZipArchiveReader::CheckEntryName(name); !problem.empty()) return problem;
  if (info.flag & kEncryptedFlag) return L"the entry " + QuotedEntryName(name) + L" is password-protected";
  if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) {
    return L"the entry " + QuotedEntryName(name) + L" uses an unknown compression";
  }
  if (info.uncompressed_size > limits.maxEntrySize) return L"the entry " + QuotedEntryName(name) + L" is too large";
  total += info.uncompressed_size;
  if (total > limits.maxTotalSize) return L"the archive's content is too large";
  return {};
}

}  // namespace

std::wstring QuotedEntryName(const std::wstring& name) {
  static constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";
  std::wstring quoted = L"\"";
  for (const wchar_t c : name) {
    // C0 and C1 control characters: a message would stop at a NUL or be broken up by the others.
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
      quoted += L"\\x";
      quoted += kHexDigits[(c >> 4) & 0xF];
      quoted += kHexDigits[c & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted + L"\"";
}

std::wstring ZipArchiveReader::CheckEntryName(const std::wstring& name) {
  if (name.empty()) return L"an entry has no name";
  for (const wchar_t c : name) {
    if (c < 0x20 || c == 0x7F) return L"the entry name " + QuotedEntryName(name) + L" holds control characters";
    if (c == L'\\') return L"the entry name " + QuotedEntryName(name) + L" holds a backslash";
  }
  if (name.front() == L'/') return L"the entry name " + QuotedEntryName(name) + L" is an absolute path";
  if (name.size() >= 2 && name[1] == L':') return L"the entry name " + QuotedEntryName(name) + L" names a drive";
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = std::min(name.find(L'/', start), name.size());
    const std::wstring_view part = std::wstring_view(name).substr(start, end - start);
    if (part == L"..") return L"the entry name " + QuotedEntryName(name) + L" leads out of its folder";
    if (IsReservedDeviceName(part)) return L"the entry name " + QuotedEntryName(name) + L" is a device name on Windows";
    start = end + 1;
  }
  return {};
}

ZipArchiveReader::Status ZipArchiveReader::Refuse(const std::wstring& reason) {
  entries_.clear();
  error_ = reason;
  return Status::Refused;
}

ZipArchiveReader::Status ZipArchiveReader::CannotOpen() {
  error_ = L"the file is not a zip archive or cannot be read";
  return Status::CannotOpen;
}

ZipArchiveReader::Status ZipArchiveReader::Read(const std::filesystem::path& path) {
  entries_.clear();
  error_.clear();
  std::error_code sizeError;
  const std::uintmax_t fileSize = std::filesystem::file_size(path, sizeError);
  if (!sizeError && fileSize > limits_.maxArchiveSize) return Refuse(L"the archive file is too large");
  FileBytes bytes;
  if (sizeError || !ReadWholeFile(path, bytes)) return CannotOpen();
  MemoryFile file{bytes.View()};
  zlib_filefunc64_def memory{OpenMemory, ReadMemory, WriteNothing, TellMemory, SeekMemory, CloseMemory, NoError, &file};
  std::unique_ptr<void, ArchiveCloser> archive(unzOpen2_64(path.c_str(), &memory));
  if (!archive) return CannotOpen();
  if (!EndsWithItsDirectoryRecord(file.bytes)) return Refuse(L"the archive is incomplete (its end is missing)");
  unz_global_info64 global{};
  if (unzGetGlobalInfo64(archive.get(), &global) != UNZ_OK) return Refuse(L"the archive's directory is damaged");
  if (global.number_entry > limits_.maxEntries) {
    return Refuse(L"the archive holds more than " + std::to_wstring(limits_.maxEntries) + L" entries");
  }

  // The directory is walked and checked first; the entries found before a refusal of the directory are
  // then inflated and checked on several threads. The refusal that wins is the one met first in archive
  // order: an entry's damaged data before the directory's later refusal.
  std::vector<StoredEntry> stored;
  std::wstring directoryRefusal;
  std::uint64_t total = 0;
  int result = unzGoToFirstFile(archive.get());
  while (result == UNZ_OK) {
    unz_file_info64 info{};
    char nameBytes[kMaxNameBytes + 1] = {};
    if (unzGetCurrentFileInfo64(archive.get(), &info, nameBytes, sizeof nameBytes, nullptr, 0, nullptr, 0) != UNZ_OK) {
      directoryRefusal = L"the archive's directory is damaged";
      break;
    }
    const std::string_view storedName(nameBytes, std::min<std::size_t>(info.size_filename, kMaxNameBytes));
    std::wstring name;
    directoryRefusal = CheckEntry(limits_, info, storedName, total, name);
    if (!directoryRefusal.empty()) break;
    if (name.back() != L'/') {  // folder entries hold nothing
      StoredEntry entry;
      if (!LocateCurrentEntry(archive.get(), info, entry)) {
        directoryRefusal = L"the entry " + QuotedEntryName(name) + L" cannot be read";
        break;
      }
      entries_.push_back(ZipEntry{name, {}});
      stored.push_back(entry);
    }
    result = unzGoToNextFile(archive.get());
  }
  if (directoryRefusal.empty() && result != UNZ_END_OF_LIST_OF_FILE) {
    directoryRefusal = L"the archive's directory is damaged";
  }

  std::vector<std::wstring> problems(entries_.size());
  std::unique_ptr<RawInflater> inflaters[kMaxParallelThreads];
  ParallelForPerThread(entries_.size(), [&](std::size_t i, unsigned thread) {
    if (!inflaters[thread]) inflaters[thread] = std::make_unique<RawInflater>();
    problems[i] = ReadEntry(file.bytes, *inflaters[thread], stored[i], entries_[i]);
  });
  for (const std::wstring& problem : problems) {
    if (!problem.empty()) return Refuse(problem);
  }
  if (!directoryRefusal.empty()) return Refuse(directoryRefusal);
  return Status::Ok;
}

}  // namespace Talvo
