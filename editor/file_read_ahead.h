// FileReadAhead: reads a list of files in order, with the CRC-32 of each (the checksum zip archives
// store), on a thread of its own, so that the caller works on one file while the next ones are read. A
// file the thread has not started on yet when the caller asks for it is read by the caller.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "model/whole_file.h"

namespace Talvo {

class FileReadAhead {
 public:
  explicit FileReadAhead(std::vector<std::filesystem::path> files);
  // Stops reading after the current file and waits for it.
  ~FileReadAhead();
  FileReadAhead(const FileReadAhead&) = delete;
  FileReadAhead& operator=(const FileReadAhead&) = delete;

  // The next file of the list and its CRC-32 (waiting until it is read); false when it could not be read
  // or the list is done.
  bool Next(FileBytes& bytes, std::uint32_t& crc32);

 private:
  struct File {
    FileBytes bytes;
    std::uint32_t crc32 = 0;
  };

  static std::optional<File> Read(const std::filesystem::path& path);
  void ReadAll();

  const std::vector<std::filesystem::path> files_;
  std::vector<std::optional<File>> read_;  // one slot per file, empty for a file that failed
  std::vector<bool> done_;                 // the thread has filled the slot
  std::size_t claimed_ = 0;                // files started, by the thread or the caller
  std::size_t taken_ = 0;
  bool stopping_ = false;
  std::mutex mutex_;
  std::condition_variable readMore_;
  std::thread reader_;  // started once everything it uses is there; none when the system refuses one
};

}  // namespace Talvo
