#include "render.h"

#include <cstdint>

namespace icongen {
namespace {

// Pixels with less coverage than this become the transparent key in BMP files.
constexpr unsigned kKeyAlphaBelow = 72;

Surface Draw(int width, int height, const std::vector<StripCell>& cells, const Glyph& glyph,
             const Ink& ink, const Theme& theme) {
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  cairo_t* cr = cairo_create(surface.get());
  if (cells.empty()) {
    PaintGlyph(cr, 0, 0, width, ink, glyph);
  } else {
    for (size_t i = 0; i < cells.size(); ++i) {
      const Ink cellInk = cells[i].pressed ? PressedInk(theme) : PlainInk(theme);
      PaintGlyph(cr, static_cast<double>(height) * static_cast<double>(i), 0, height, cellInk, cells[i].glyph);
    }
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface.get());
  return surface;
}

// Hard-edged copy for a colour-keyed file: faint pixels drop out, the rest are blended onto the
// background the image is shown on, so that edges stay smooth without a fringe of the key colour.
void KeyOnto(cairo_surface_t* surface, const Rgb& background) {
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const double back[3] = {background.r * 255, background.g * 255, background.b * 255};
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = row[x];
      const unsigned alpha = pixel >> 24;
      if (alpha < kKeyAlphaBelow) {
        row[x] = 0;
        continue;
      }
      std::uint32_t opaque = 0xFF000000u;
      for (int channel = 0; channel < 3; ++channel) {
        const int shift = 16 - 8 * channel;
        const double premultiplied = (pixel >> shift) & 0xFF;
        const double value = premultiplied + back[channel] * (255 - alpha) / 255.0;
        opaque |= static_cast<std::uint32_t>(value + 0.5) << shift;
      }
      row[x] = opaque;
    }
  }
  cairo_surface_mark_dirty(surface);
}

RenderedImage Make(const ImageSpec& image, const Theme& theme, const std::string& suffix, const Ink& ink) {
  RenderedImage rendered{theme.folder + "/" + image.name + suffix + "." + image.extension, image.extension,
                         Draw(image.width, image.height, image.cells, image.glyph, ink, theme)};
  if (image.extension == "bmp") KeyOnto(rendered.surface.get(), theme.background);
  return rendered;
}

}  // namespace

std::vector<RenderedImage> Render(const ImageSpec& image, const Theme& theme) {
  std::vector<RenderedImage> files;
  switch (image.kind) {
    case ImageKind::Button:
      for (int i = 0; i < kButtonStateCount; ++i) {
        const auto state = static_cast<ButtonState>(i);
        files.push_back(Make(image, theme, Suffix(state), InkFor(theme, state)));
      }
      break;
    case ImageKind::Picture:
      for (int i = 0; i < kPictureStateCount; ++i) {
        const auto state = static_cast<PictureState>(i);
        files.push_back(Make(image, theme, Suffix(state), InkFor(theme, state)));
      }
      break;
    case ImageKind::Plain:
    case ImageKind::Strip:
      files.push_back(Make(image, theme, "", PlainInk(theme)));
      break;
  }
  return files;
}

}  // namespace icongen
