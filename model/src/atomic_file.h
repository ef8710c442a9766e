// Replacing a file without ever losing its only copy.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace Talvo {

// Writes `bytes` to a temporary file beside `path`, flushes it, copies the current file (when there is
// one) to "<path>.bak" and renames the temporary file over `path`. False on any failure; the old file is
// then untouched and no temporary file is left behind.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<char>& bytes);

}  // namespace Talvo
