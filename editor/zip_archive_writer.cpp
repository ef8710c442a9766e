#include "editor/zip_archive_writer.h"

#include <minizip/zip.h>

#include <cstdio>
#include <ctime>

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

}  // namespace

ZipArchiveWriter::~ZipArchiveWriter() { Abandon(); }

bool ZipArchiveWriter::Create(const std::filesystem::path& path) {
  Abandon();
  path_ = path;
  temporary_ = CreateTemporaryBeside(path);
  if (temporary_.empty()) return false;
  zip_ = zipOpen64(temporary_.c_str(), APPEND_STATUS_CREATE);
  if (zip_ != nullptr) return true;
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
  const bool closed = zipClose(zip_, nullptr) == ZIP_OK;
  zip_ = nullptr;
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
  std::error_code error;
  std::filesystem::remove(temporary_, error);
}

}  // namespace Talvo
