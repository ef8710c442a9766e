// Writing rendered images: 24-bit BMP with a magenta (255, 0, 255) transparent key, or PNG with alpha.
#pragma once

#include <cairo.h>

#include <filesystem>

namespace icongen {

// Transparent pixels are written as the key colour, all others as their opaque colour.
bool WriteKeyedBmp(cairo_surface_t* surface, const std::filesystem::path& path);
bool WritePng(cairo_surface_t* surface, const std::filesystem::path& path);

}  // namespace icongen
