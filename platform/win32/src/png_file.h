// Writing RGBA pixels as a PNG file through libpng, quickly: screenshots are large and mostly flat colour,
// so the fastest zlib level with the Up row filter costs a fraction of the default settings, for somewhat
// larger files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace win32_internal {

// Writes width x height RGBA pixels (rows top to bottom, no padding) to `path` (UTF-8); false when the
// size does not match the pixels or the file cannot be opened or written whole.
bool WriteRgbaPng(const std::vector<std::uint8_t>& rgba, int width, int height, const std::string& path);

}  // namespace win32_internal
