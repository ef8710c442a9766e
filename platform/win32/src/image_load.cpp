// LoadImageW for BMP and PNG files, decoded by stb_image.
#include <stb/stb_image.h>

#include <cwchar>
#include <fstream>
#include <iterator>
#include <vector>

#include "gdi_object_types.h"
#include "gdi_text_layout.h"
#include "win32/image.h"

using namespace win32_internal;

namespace {

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Decodes a file into a premultiplied ARGB32 surface, or null.
cairo_surface_t* Decode(const std::vector<unsigned char>& bytes) {
  int width = 0;
  int height = 0;
  int channels = 0;
  stbi_uc* rgba = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4);
  if (rgba == nullptr) return nullptr;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const stbi_uc* p = rgba + (static_cast<size_t>(y) * width + x) * 4;
      const unsigned a = p[3];
      row[x] = (a << 24) | ((p[0] * a / 255) << 16) | ((p[1] * a / 255) << 8) | (p[2] * a / 255);
    }
  }
  stbi_image_free(rgba);
  cairo_surface_mark_dirty(surface);
  return surface;
}

cairo_surface_t* Scaled(cairo_surface_t* surface, int width, int height) {
  const int sourceWidth = cairo_image_surface_get_width(surface);
  const int sourceHeight = cairo_image_surface_get_height(surface);
  if ((width == 0 || width == sourceWidth) && (height == 0 || height == sourceHeight)) return surface;
  if (width == 0) width = sourceWidth;
  if (height == 0) height = sourceHeight;
  cairo_surface_t* scaled = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(scaled);
  cairo_scale(cr, static_cast<double>(width) / sourceWidth, static_cast<double>(height) / sourceHeight);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return scaled;
}

}  // namespace

HANDLE LoadImageW(HINSTANCE, LPCWSTR name, UINT type, int width, int height, UINT flags) {
  if (name == nullptr || IS_INTRESOURCE(name) || (flags & LR_LOADFROMFILE) == 0 ||
      (type != IMAGE_BITMAP && type != IMAGE_ICON && type != IMAGE_CURSOR) || width < 0 || height < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::vector<unsigned char> bytes = ReadFile(ToUtf8(name, static_cast<int>(std::wcslen(name))).bytes);
  if (bytes.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  cairo_surface_t* surface = Decode(bytes);
  if (surface == nullptr) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  surface = Scaled(surface, width, height);
  if (type != IMAGE_BITMAP) return NewIcon(surface, type == IMAGE_ICON, 0, 0);
  auto bitmap = std::make_unique<BitmapObject>();
  bitmap->surface = surface;
  bitmap->dibSection = (flags & LR_CREATEDIBSECTION) != 0;
  return AddGdi<HBITMAP>(std::move(bitmap));
}
