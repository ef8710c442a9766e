#include "editor/zip_archive_writer.h"

#include <minizip/zip.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>
#include <string>

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
// there before; empty when none can be made.
std::filesystem::path CreateTemporaryBeside(const std::filesystem::path& path) {
  constexpr int kAttempts = 8;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::string name = ".quillon-archive-" + WideToUtf8(NewDocumentId(attempt)) + ".part";
    std::filesystem::path candidate = path.parent_path() / name;
    if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {  // "x": fails when the name exists
      std::fclose(file);
      return candidate;
    }
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

// Writes the whole archive into the (empty) temporary file at once.
bool WriteArchiveFile(const std::filesystem::path& file, const std::string& bytes) {
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace

ZipArchiveWriter::~ZipArchiveWriter() { Abandon(); }

bool ZipArchiveWriter::Create(const std::filesystem::path& path) {
  Abandon();
  path_ = path;
  temporary_ = CreateTemporaryBeside(path);
  if (temporary_.empty()) return false;
  // The archive is built in memory and written once on Close: minizip's seek back after every entry would
  // otherwise flush the file entry by entry.
  archive_ = std::make_unique<ArchiveInMemory>();
  zlib_filefunc64_def functions{OpenArchive, ReadNothing, WriteArchive, TellArchive,
                                SeekArchive, CloseArchive, NoError,      archive_.get()};
  zip_ = zipOpen2_64(temporary_.c_str(), APPEND_STATUS_CREATE, nullptr, &functions);
  if (zip_ != nullptr) return true;
  archive_.reset();
  std::error_code error;
  std::filesystem::remove(temporary_, error);
  return false;
}

bool ZipArchiveWriter::AddEntry(const std::wstring& name, std::string_view bytes) {
  if (zip_ == nullptr) return false;
  const std::string utf8Name = WideToUtf8(name);
  const zip_fileinfo info = EntryInfoNow();
  bool ok = zipOpenNewFileInZip4_64(zip_, utf8Name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                    Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr,
                                    0, 0, kUtf8NameFlag, 0) == ZIP_OK;
  // Written in pieces: zipWriteInFileInZip takes an unsigned int length.
  constexpr std::size_t kPiece = 1u << 20;
  for (std::size_t at = 0; ok && at < bytes.size(); at += kPiece) {
    const std::size_t length = std::min(kPiece, bytes.size() - at);
    ok = zipWriteInFileInZip(zip_, bytes.data() + at, static_cast<unsigned>(length)) == ZIP_OK;
  }
  ok = zipCloseFileInZip(zip_) == ZIP_OK && ok;
  if (!ok) Abandon();
  return ok;
}

bool ZipArchiveWriter::AddFile(const std::wstring& name, const std::filesystem::path& file) {
  FileBytes bytes;
  if (!ReadWholeFile(file, bytes)) {
    Abandon();
    return false;
  }
  return AddEntry(name, bytes.View());
}

bool ZipArchiveWriter::Close() {
  if (zip_ == nullptr) return false;
  const bool closed = zipClose(zip_, nullptr) == ZIP_OK && WriteArchiveFile(temporary_, archive_->bytes);
  zip_ = nullptr;
  archive_.reset();
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
  std::error_code error;
  std::filesystem::remove(temporary_, error);
}

}  // namespace Talvo
