// Replacing a file without ever losing its only copy, and reading one whole.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>

namespace Talvo {

// Writes `bytes` to a temporary file beside `path` and flushes it; then copies the current file (when
// there is one) to "<path>.bak" the same way, renames the temporary file over `path` and flushes the
// folder. False on any failure; the old file and the old backup are then untouched and no temporary file
// is left behind.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// A file's bytes followed by one zero byte that is not counted in `size`.
struct FileBytes {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
  std::string_view View() const { return {data.get(), size}; }
};

// The whole content of a regular file (one open, no zero-filling); false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, FileBytes& bytes);

}  // namespace Talvo
