// The path an export of the functions or wheel-events page writes to: the chosen path is traced to the
// host's debug log as drive, folder, name and extension, and ".xml" is appended when it has no extension.
#pragma once

#include <filesystem>
#include <string>

namespace Talvo {

std::filesystem::path ExportPathOf(const std::wstring& chosen);

}  // namespace Talvo
