#include "editor/file_read_ahead.h"

#include <new>
#include <system_error>
#include <utility>

#include "editor/crc32.h"

namespace Talvo {

FileReadAhead::FileReadAhead(std::vector<std::filesystem::path> files)
    : files_(std::move(files)), read_(files_.size()), done_(files_.size(), false) {
  try {
    reader_ = std::thread([this] { ReadAll(); });
  } catch (const std::system_error&) {
    // No second thread to be had: Next reads every file itself.
  }
}

FileReadAhead::~FileReadAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  if (reader_.joinable()) reader_.join();
}

std::optional<FileReadAhead::File> FileReadAhead::Read(const std::filesystem::path& path) {
  File file;
  try {
    if (!ReadWholeFile(path, file.bytes)) return std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::nullopt;  // too large to hold: the file counts as unreadable
  }
  file.crc32 = Crc32(0, file.bytes.View());
  return file;
}

void FileReadAhead::ReadAll() {
  for (;;) {
    std::size_t index = 0;
    {
      const std::lock_guard lock(mutex_);
      if (stopping_ || claimed_ == files_.size()) return;
      index = claimed_++;
    }
    std::optional<File> file = Read(files_[index]);
    {
      const std::lock_guard lock(mutex_);
      read_[index] = std::move(file);
      done_[index] = true;
    }
    readMore_.notify_one();
  }
}

bool FileReadAhead::Next(FileBytes& bytes, std::uint32_t& crc32) {
  std::unique_lock lock(mutex_);
  if (taken_ == files_.size()) return false;
  const std::size_t index = taken_++;
  std::optional<File> file;
  if (index == claimed_) {
    // The reading thread is behind (the machine is busy): the file is read here rather than waited for.
    ++claimed_;
    lock.unlock();
    file = Read(files_[index]);
  } else {
    readMore_.wait(lock, [&] { return done_[index]; });
    file = std::move(read_[index]);
  }
  if (!file) return false;
  bytes = std::move(file->bytes);
  crc32 = file->crc32;
  return true;
}

}  // namespace Talvo
