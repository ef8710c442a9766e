// Replacing a file without ever losing its only copy (and, for its users, reading one whole).
#pragma once

#include <filesystem>
#include <string_view>

#include "model/whole_file.h"

namespace Talvo {

// Writes `bytes` to a temporary file beside `path` and flushes it; then copies the current file (when
// there is one) to "<path>.bak" the same way, renames the temporary file over `path` and flushes the
// folder. False on any failure; the old file and the old backup are then untouched and no temporary file
// is left behind.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace Talvo
