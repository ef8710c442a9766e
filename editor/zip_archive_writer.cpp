#include "editor/zip_archive_writer.h"

#include <minizip/zip.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>
#include <string>
#include <utility>

#include "editor/crc32.h"
#include "editor/file_read_ahead.h"
#include "model/ids.h"
#include "model/text.h"
#include "model/whole_file.h"

namespace Talvo {

namespace {

// Bit 11 of the general purpose flags: the entry name is UTF-8.
constexpr uLong kUtf8NameFlag = 0x800;

zip_fileinfo EntryInfoNow() {
  zip_fileinfo info{};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  info.tmz_date.tm_sec = static_cast<uInt>(local.tm_sec);
  info.tmz_date.tm_min = static_cast<uInt>(local.tm_min);
  info.tmz_date.tm_hour = static_cast<uInt>(local.tm_hour);
  info.tmz_date.tm_mday = static_cast<uInt>(local.tm_mday);
  info.tmz_date.tm_mon = static_cast<uInt>(local.tm_mon);
  info.tmz_date.tm_year = static_cast<uInt>(local.tm_year + 1900);
  return info;
}

// A new empty file of the program's own beside `path`, made so that it can never be a file that was
// there before, and left open for writing; empty (and null) when none can be made.
std::filesystem::path CreateTemporaryBeside(const std::filesystem::path& path, std::FILE*& file) {
  constexpr int kAttempts = 8;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::string name = ".quillon-archive-" + WideToUtf8(NewDocumentId(attempt)) + ".part";
    std::filesystem::path candidate = path.parent_path() / name;
    file = std::fopen(candidate.c_str(), "wbx");  // "x": fails when the name exists
    if (file != nullptr) return candidate;
  }
  return {};
}

// minizip's file functions over the archive in memory. minizip only writes, and seeks back to finish each
// entry's local header; a write that cannot grow the buffer reports nothing written.
voidpf ZCALLBACK OpenArchive(voidpf opaque, const void* /*name*/, int /*mode*/) { return opaque; }

uLong ZCALLBACK ReadNothing(voidpf /*opaque*/, voidpf /*stream*/, void* /*data*/, uLong /*size*/) { return 0; }

uLong ZCALLBACK WriteArchive(voidpf /*opaque*/, voidpf stream, const void* data, uLong size) {
  auto& archive = *static_cast<ZipArchiveWriter::ArchiveInMemory*>(stream);
  const std::size_t end = archive.position + size;
  try {
    if (end > archive.bytes.size()) archive.bytes.resize(end);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  std::memcpy(archive.bytes.data() + archive.position, data, size);
  archive.position = end;
  return size;
}

ZPOS64_T ZCALLBACK TellArchive(voidpf /*opaque*/, voidpf stream) {
  return static_cast<ZipArchiveWriter::ArchiveInMemory*>(stream)->position;
}

long ZCALLBACK SeekArchive(voidpf /*opaque*/, voidpf stream, ZPOS64_T offset, int origin) {
  auto& archive = *static_cast<ZipArchiveWriter::ArchiveInMemory*>(stream);
  std::size_t base = 0;
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = archive.position;
  else if (origin == ZLIB_FILEFUNC_SEEK_END) base = archive.bytes.size();
  else if (origin != ZLIB_FILEFUNC_SEEK_SET) return -1;
  if (offset > archive.bytes.size() - base) return -1;
  archive.position = base + static_cast<std::size_t>(offset);
  return 0;
}

int ZCALLBACK CloseArchive(voidpf /*opaque*/, voidpf /*stream*/) { return 0; }

int ZCALLBACK NoError(voidpf /*opaque*/, voidpf /*stream*/) { return 0; }

// Writes the whole archive into the (empty) temporary file at once and closes it.
bool WriteArchiveFile(std::FILE* out, const std::string& bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace

// What every entry of one archive shares: its time, and one compressor reset between entries instead of
// one set up and torn down for each.
struct ZipArchiveWriter::Entries {
  zip_fileinfo info = EntryInfoNow();
  z_stream stream{};
  bool streamReady = false;
  std::unique_ptr<Bytef[]> compressed;
  std::size_t capacity = 0;

  Entries() = default;
  Entries(const Entries&) = delete;
  Entries& operator=(const Entries&) = delete;
  ~Entries() {
    if (streamReady) deflateEnd(&stream);
  }

  // The entry's bytes as the archive stores them (raw deflate at the default level), valid until the next
  // call; false when they cannot be compressed.
  bool Compress(std::string_view bytes, std::string_view& result) {
    // Larger entries would overflow the compressor's lengths, and no profile document comes near.
    constexpr std::size_t kLargestEntry = std::size_t{1} << 30;
    if (bytes.size() > kLargestEntry) return false;
    if (!streamReady) {
      streamReady = deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, DEF_MEM_LEVEL,
                                 Z_DEFAULT_STRATEGY) == Z_OK;
      if (!streamReady) return false;
    } else if (deflateReset(&stream) != Z_OK) {
      return false;
    }
    const std::size_t bound = deflateBound(&stream, static_cast<uLong>(bytes.size()));
    if (bound > capacity) {
      compressed.reset(new (std::nothrow) Bytef[bound]);  // uninitialised: the compressor writes it
      capacity = compressed ? bound : 0;
      if (!compressed) return false;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = compressed.get();
    stream.avail_out = static_cast<uInt>(bound);
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END) return false;
    result = {reinterpret_cast<const char*>(compressed.get()), static_cast<std::size_t>(stream.total_out)};
    return true;
  }
};

ZipArchiveWriter::ZipArchiveWriter() = default;

ZipArchiveWriter::~ZipArchiveWriter() { Abandon(); }

bool ZipArchiveWriter::Create(const std::filesystem::path& path) {
  Abandon();
  path_ = path;
  temporary_ = CreateTemporaryBeside(path, temporaryFile_);
  if (temporary_.empty()) return false;
  // The archive is built in memory and written once on Close: minizip's seek back after every entry would
  // otherwise flush the file entry by entry.
  archive_ = std::make_unique<ArchiveInMemory>();
  entries_ = std::make_unique<Entries>();
  zlib_filefunc64_def functions{OpenArchive, ReadNothing, WriteArchive, TellArchive,
                                SeekArchive, CloseArchive, NoError,      archive_.get()};
  zip_ = zipOpen2_64(temporary_.c_str(), APPEND_STATUS_CREATE, nullptr, &functions);
  if (zip_ != nullptr) return true;
  archive_.reset();
  entries_.reset();
  RemoveTemporary();
  return false;
}

bool ZipArchiveWriter::AddEntry(const std::wstring& name, std::string_view bytes) {
  return AddEntry(name, bytes, Crc32(0, bytes));
}

bool ZipArchiveWriter::AddEntry(const std::wstring& name, std::string_view bytes, std::uint32_t crc32) {
  if (zip_ == nullptr) return false;
  // Compressed here and handed over as they are stored ("raw"): minizip writes the headers with the size
  // and checksum given at the close.
  std::string_view compressed;
  const std::string utf8Name = WideToUtf8(name);
  bool ok = entries_->Compress(bytes, compressed) &&
            zipOpenNewFileInZip4_64(zip_, utf8Name.c_str(), &entries_->info, nullptr, 0, nullptr, 0, nullptr,
                                    Z_DEFLATED, Z_DEFAULT_COMPRESSION, 1, -MAX_WBITS, DEF_MEM_LEVEL,
                                    Z_DEFAULT_STRATEGY, nullptr, 0, 0, kUtf8NameFlag, 0) == ZIP_OK;
  ok = ok && zipWriteInFileInZip(zip_, compressed.data(), static_cast<unsigned>(compressed.size())) == ZIP_OK;
  ok = ok && zipCloseFileInZipRaw64(zip_, bytes.size(), crc32) == ZIP_OK;
  if (!ok) Abandon();
  return ok;
}

bool ZipArchiveWriter::AddFiles(const std::vector<FileEntry>& files) {
  if (zip_ == nullptr) return false;
  std::vector<std::filesystem::path> paths;
  for (const FileEntry& entry : files) paths.push_back(entry.file);
  FileReadAhead reader(std::move(paths));
  for (const FileEntry& entry : files) {
    FileBytes bytes;
    std::uint32_t crc32 = 0;
    if (!reader.Next(bytes, crc32)) {
      Abandon();
      return false;
    }
    if (!AddEntry(entry.name, bytes.View(), crc32)) return false;
  }
  return true;
}

bool ZipArchiveWriter::Close() {
  if (zip_ == nullptr) return false;
  bool closed = zipClose(zip_, nullptr) == ZIP_OK;
  zip_ = nullptr;
  closed = WriteArchiveFile(std::exchange(temporaryFile_, nullptr), archive_->bytes) && closed;
  archive_.reset();
  entries_.reset();
  std::error_code error;
  if (closed) std::filesystem::rename(temporary_, path_, error);
  if (!closed || error) {
    std::filesystem::remove(temporary_, error);
    return false;
  }
  return true;
}

void ZipArchiveWriter::Abandon() {
  if (zip_ == nullptr) return;
  zipClose(zip_, nullptr);
  zip_ = nullptr;
  archive_.reset();
  entries_.reset();
  RemoveTemporary();
}

void ZipArchiveWriter::RemoveTemporary() {
  if (temporaryFile_ != nullptr) std::fclose(std::exchange(temporaryFile_, nullptr));
  std::error_code error;
  std::filesystem::remove(temporary_, error);
}

}  // namespace Talvo
