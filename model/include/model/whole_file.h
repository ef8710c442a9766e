// Reading a whole file at once.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>

namespace Talvo {

// A file's bytes followed by one zero byte that is not counted in `size`.
struct FileBytes {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
  std::string_view View() const { return {data.get(), size}; }
};

// The whole content of a regular file (one open, no zero-filling); false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, FileBytes& bytes);

}  // namespace Talvo
