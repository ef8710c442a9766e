// Drawing the catalogue's images into surfaces, one per file, as the files will hold them.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue.h"
#include "themes.h"

namespace icongen {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct RenderedImage {
  std::string fileName;   // relative to the icon root: "<folder>/<name><suffix>.<extension>"
  std::string extension;  // "bmp" or "png"
  // ARGB32. For BMP files every pixel is either opaque or fully transparent (the magenta key),
  // edges blended onto the theme background; PNG files keep their soft edges.
  Surface surface;
};

std::vector<RenderedImage> Render(const ImageSpec& image, const Theme& theme);

}  // namespace icongen
