// The CRC-32 of zip archives (the same values as zlib's crc32), several times faster than zlib's own where
// the processor multiplies without carries.
#pragma once

#include <cstdint>
#include <string_view>

namespace Talvo {

// The checksum of `bytes` continued from `crc` (0 to begin with), as zlib's crc32(crc, bytes, size).
std::uint32_t Crc32(std::uint32_t crc, std::string_view bytes);

}  // namespace Talvo
