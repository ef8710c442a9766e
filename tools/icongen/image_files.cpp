#include "image_files.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace icongen {
namespace {

void Put16(std::vector<unsigned char>& bytes, size_t at, std::uint16_t value) {
  bytes[at] = static_cast<unsigned char>(value);
  bytes[at + 1] = static_cast<unsigned char>(value >> 8);
}

void Put32(std::vector<unsigned char>& bytes, size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

bool WriteKeyedBmp(cairo_surface_t* surface, const std::filesystem::path& path) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int sourceStride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  constexpr size_t kHeaderBytes = 14 + 40;  // file header and BITMAPINFOHEADER
  std::vector<unsigned char> file(kHeaderBytes + static_cast<size_t>(rowBytes) * height, 0);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, static_cast<std::uint32_t>(file.size()));
  Put32(file, 10, kHeaderBytes);
  Put32(file, 14, 40);
  Put32(file, 18, static_cast<std::uint32_t>(width));
  Put32(file, 22, static_cast<std::uint32_t>(height));  // positive: rows bottom-up
  Put16(file, 26, 1);
  Put16(file, 28, 24);
  Put32(file, 34, static_cast<std::uint32_t>(rowBytes * height));
  Put32(file, 38, 2835);  // 72 dots per inch
  Put32(file, 42, 2835);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * sourceStride);
    unsigned char* out = file.data() + kHeaderBytes + static_cast<size_t>(height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = (row[x] >> 24) == 0 ? 0xFF00FFu : row[x];
      out[x * 3] = static_cast<unsigned char>(pixel);            // blue
      out[x * 3 + 1] = static_cast<unsigned char>(pixel >> 8);   // green
      out[x * 3 + 2] = static_cast<unsigned char>(pixel >> 16);  // red
    }
  }
  std::ofstream stream(path, std::ios::binary | std::ios::trunc);
  stream.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return static_cast<bool>(stream);
}

bool WritePng(cairo_surface_t* surface, const std::filesystem::path& path) {
  return cairo_surface_write_to_png(surface, path.string().c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace icongen
