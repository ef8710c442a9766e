#include "png_file.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <memory>

namespace win32_internal {

namespace {

// libpng reports a fault by calling this, which must not return: the write ends at its setjmp. Messages are
// not printed; the caller learns of the failure from the result.
[[noreturn]] void Fail(png_structp png, png_const_charp /*message*/) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp /*png*/, png_const_charp /*message*/) {}

// Only C frames lie between the setjmp and libpng's longjmp: nothing here has a destructor to skip.
bool WriteImage(png_structp png, png_infop info, std::FILE* file, const std::uint8_t* rgba, int width, int height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGBA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // Up: every byte minus the same byte of the row above; user interface pictures repeat rows a lot.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
  png_set_compression_level(png, Z_BEST_SPEED);
  png_set_compression_buffer_size(png, 64 * 1024);
  png_write_info(png, info);
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
  for (int y = 0; y < height; ++y) png_write_row(png, rgba + rowBytes * static_cast<std::size_t>(y));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool WriteRgbaPng(const std::vector<std::uint8_t>& rgba, int width, int height, const std::string& path) {
  if (width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * height * 4) return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &Fail, &IgnoreWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool written = info != nullptr && WriteImage(png, info, file.get(), rgba.data(), width, height);
  png_destroy_write_struct(&png, &info);
  // A write the stream still buffers fails only when the file is closed.
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace win32_internal
