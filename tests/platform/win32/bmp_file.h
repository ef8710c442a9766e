// Writes small 24-bit BMP files for tests that load images: the format is simple enough to build byte by byte,
// so the expected pixels are exactly the ones written.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace bmptest {

// A bottom-up 24-bit BMP of width x height pixels; colourAt(x, y) gives each pixel, y counted from the top.
template <class ColourAt>
void WriteBmp(const std::filesystem::path& path, int width, int height, ColourAt colourAt) {
  std::filesystem::create_directories(path.parent_path());
  const int row = (width * 3 + 3) & ~3;
  const auto pixels = static_cast<std::uint32_t>(row * height);
  std::vector<std::uint8_t> data(54 + pixels, 0);
  auto put32 = [&](std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) data[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  data[0] = 'B';
  data[1] = 'M';
  put32(2, static_cast<std::uint32_t>(data.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  data[26] = 1;
  data[28] = 24;
  put32(34, pixels);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t at = 54 + static_cast<std::size_t>((height - 1 - y) * row + x * 3);
      const COLORREF colour = colourAt(x, y);
      data[at] = GetBValue(colour);
      data[at + 1] = GetGValue(colour);
      data[at + 2] = GetRValue(colour);
    }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

inline void WriteBmp(const std::filesystem::path& path, int width, int height, COLORREF colour) {
  WriteBmp(path, width, height, [colour](int, int) { return colour; });
}

}  // namespace bmptest
