#include "editor/file_read_ahead.h"

#include <zlib.h>

#include <new>
#include <utility>

namespace Talvo {

FileReadAhead::FileReadAhead(std::vector<std::filesystem::path> files)
    : files_(std::move(files)), read_(files_.size()), reader_([this] { ReadAll(); }) {}

FileReadAhead::~FileReadAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  reader_.join();
}

void FileReadAhead::ReadAll() {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    File file;
    bool read = false;
    try {
      read = ReadWholeFile(files_[i], file.bytes);
    } catch (const std::bad_alloc&) {
      // too large to hold: the file counts as unreadable
    }
    if (read) file.crc32 = crc32_z(0, reinterpret_cast<const Bytef*>(file.bytes.data.get()), file.bytes.size);
    {
      const std::lock_guard lock(mutex_);
      if (stopping_) return;
      if (read) read_[i] = std::move(file);
      ++readCount_;
    }
    readMore_.notify_one();
  }
}

bool FileReadAhead::Next(FileBytes& bytes, std::uint32_t& crc32) {
  std::unique_lock lock(mutex_);
  if (taken_ == files_.size()) return false;
  readMore_.wait(lock, [this] { return readCount_ > taken_; });
  std::optional<File> slot = std::move(read_[taken_++]);
  if (!slot) return false;
  bytes = std::move(slot->bytes);
  crc32 = slot->crc32;
  return true;
}

}  // namespace Talvo
