// Pixels and block transfers: raster operations, stretching, colour keys and alpha blending.
#include <cstring>
#include <vector>

#include "gdi_paint.h"

using namespace win32_internal;

namespace {

// Evaluates a ternary raster operation bit by bit: bit i of the operation's index byte is the
// result for pattern bit (i & 4), source bit (i & 2) and destination bit (i & 1).
std::uint32_t ApplyRop(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  std::uint32_t result = 0;
  for (int i = 0; i < 8; ++i) {
    if ((index >> i) & 1) result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return result | 0xFF000000u;  // the result is opaque
}

std::uint8_t RopIndex(DWORD rop) { return static_cast<std::uint8_t>((rop >> 16) & 0xFF); }

// A pixel reader for a source DC, valid while the scope lives. Blits within one surface read
// from a copy taken before the blit.
class SourcePixels {
 public:
  explicit SourcePixels(DcObject& source, bool sameSurface) {
    cairo_surface_t* surface = source.surface;
    cairo_surface_flush(surface);
    width_ = cairo_image_surface_get_width(surface);
    height_ = cairo_image_surface_get_height(surface);
    stride_ = cairo_image_surface_get_stride(surface);
    data_ = cairo_image_surface_get_data(surface);
    if (sameSurface) {
      copy_.assign(data_, data_ + static_cast<size_t>(stride_) * height_);
      data_ = copy_.data();
    }
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  std::uint32_t At(int x, int y) const { return reinterpret_cast<const std::uint32_t*>(data_ + y * stride_)[x]; }

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  const unsigned char* data_ = nullptr;
  std::vector<unsigned char> copy_;
};

// Maps a destination pixel to its source pixel (nearest neighbour).
struct StretchMap {
  POINT dest;
  POINT source;
  int width, height, sourceWidth, sourceHeight;
  POINT operator()(int x, int y) const {
    const long long dx = x - dest.x;
    const long long dy = y - dest.y;
    return {static_cast<LONG>(source.x + dx * sourceWidth / width),
            static_cast<LONG>(source.y + dy * sourceHeight / height)};
  }
};

RECT SurfaceRectOf(POINT origin, int width, int height) {
  return {std::min(origin.x, origin.x + width), std::min(origin.y, origin.y + height),
          std::max(origin.x, origin.x + width), std::max(origin.y, origin.y + height)};
}

// A surface sharing `surface`'s pixels that ignores their alpha, as the screen does.
cairo_surface_t* OpaqueView(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  return cairo_image_surface_create_for_data(
      cairo_image_surface_get_data(surface), CAIRO_FORMAT_RGB24, cairo_image_surface_get_width(surface),
      cairo_image_surface_get_height(surface), cairo_image_surface_get_stride(surface));
}

// Paints the source rectangle scaled onto the destination rectangle with cairo.
void PaintScaled(DrawScope& dest, DrawScope& source, int x, int y, int width, int height, int xSource, int ySource,
                 int sourceWidth, int sourceHeight, bool sourceAlpha, bool blendOver, double constantAlpha) {
  cairo_surface_t* view = sourceAlpha ? cairo_surface_reference(source.dc().surface) : OpaqueView(source.dc().surface);
  if (source.dc().surface == dest.dc().surface) {  // cairo cannot read and write one surface at once
    cairo_surface_t* copy =
        cairo_surface_create_similar_image(view, sourceAlpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24,
                                           cairo_image_surface_get_width(view), cairo_image_surface_get_height(view));
    cairo_t* copier = cairo_create(copy);
    cairo_set_source_surface(copier, view, 0, 0);
    cairo_set_operator(copier, CAIRO_OPERATOR_SOURCE);
    cairo_paint(copier);
    cairo_destroy(copier);
    cairo_surface_destroy(view);
    view = copy;
  }
  const POINT sourceOrigin = source.ToSurface(xSource, ySource);
  cairo_t* cr = dest.cr();
  cairo_save(cr);
  cairo_rectangle(cr, x, y, width, height);
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, static_cast<double>(width) / sourceWidth, static_cast<double>(height) / sourceHeight);
  cairo_set_source_surface(cr, view, -sourceOrigin.x, -sourceOrigin.y);
  const bool smooth = dest.dc().state.stretchMode == HALFTONE;
  cairo_pattern_set_filter(cairo_get_source(cr), smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
  if (blendOver) {
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_paint_with_alpha(cr, constantAlpha);
  } else {
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
  }
  cairo_restore(cr);
  cairo_surface_destroy(view);
}

COLORREF PatternColor(DrawScope& scope) {
  COLORREF color = 0;
  const BrushObject* brush = LookupGdi<BrushObject>(scope.dc().state.brush);
  if (brush != nullptr && brush->usesDcColor) return scope.dc().state.dcBrushColor;
  BrushColor(nullptr, scope.dc().state.brush, &color);
  return color;
}

BOOL RasterBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, int sourceWidth,
               int sourceHeight, DWORD rop) {
  DrawScope scope(dest);
  if (!scope) return FALSE;
  const std::uint8_t index = RopIndex(rop);
  const bool usesSource = ((index >> 2) & 0x33) != (index & 0x33);
  if (!usesSource) source = nullptr;
  if (rop == SRCCOPY && sourceWidth != 0 && sourceHeight != 0) {
    DrawScope sourceScope(source);
    if (!sourceScope) return FALSE;
    PaintScaled(scope, sourceScope, x, y, width, height, xSource, ySource, sourceWidth, sourceHeight, false, false,
                1.0);
    return TRUE;
  }
  const std::uint32_t pattern = PixelOf(PatternColor(scope));
  const POINT destOrigin = scope.ToSurface(x, y);
  const RECT area = SurfaceRectOf(destOrigin, width, height);
  if (source == nullptr) {
    scope.ForEachPixel(area, [&](std::uint32_t& pixel, int, int) { pixel = ApplyRop(index, pattern, 0, pixel); });
    return TRUE;
  }
  DrawScope sourceScope(source);
  if (!sourceScope || sourceWidth == 0 || sourceHeight == 0) return FALSE;
  const SourcePixels pixels(sourceScope.dc(), sourceScope.dc().surface == scope.dc().surface);
  const StretchMap map{destOrigin, sourceScope.ToSurface(xSource, ySource), width, height, sourceWidth, sourceHeight};
  scope.ForEachPixel(area, [&](std::uint32_t& pixel, int px, int py) {
    const POINT from = map(px, py);
    if (pixels.Contains(from.x, from.y)) pixel = ApplyRop(index, pattern, pixels.At(from.x, from.y), pixel);
  });
  return TRUE;
}

}  // namespace

COLORREF GetPixel(HDC hdc, int x, int y) {
  DrawScope scope(hdc);
  if (!scope) return CLR_INVALID;
  const POINT at = scope.ToSurface(x, y);
  COLORREF color = CLR_INVALID;
  scope.ForEachPixel(RECT{at.x, at.y, at.x + 1, at.y + 1},
                     [&](std::uint32_t& pixel, int, int) { color = ColorOfPixel(pixel); });
  return color;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DrawScope scope(hdc);
  if (!scope) return CLR_INVALID;
  const POINT at = scope.ToSurface(x, y);
  COLORREF set = CLR_INVALID;
  scope.ForEachPixel(RECT{at.x, at.y, at.x + 1, at.y + 1}, [&](std::uint32_t& pixel, int, int) {
    pixel = PixelOf(color);
    set = color & 0xFFFFFF;
  });
  return set;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
  if (rect == nullptr) return FALSE;
  return PatBlt(hdc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, DSTINVERT);
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
  const std::uint8_t index = RopIndex(rop);
  if (((index >> 2) & 0x33) != (index & 0x33)) {  // operations that read a source are refused
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (rop == PATCOPY) {
    DrawScope scope(hdc);
    if (!scope) return FALSE;
    if (UseBrush(scope, scope.dc().state.brush)) FillLogicalRect(scope.cr(), RECT{x, y, x + width, y + height});
    return TRUE;
  }
  return RasterBlt(hdc, x, y, width, height, nullptr, 0, 0, 0, 0, rop);
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop) {
  return RasterBlt(dest, x, y, width, height, source, xSource, ySource, width, height, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, int sourceWidth,
                int sourceHeight, DWORD rop) {
  return RasterBlt(dest, x, y, width, height, source, xSource, ySource, sourceWidth, sourceHeight, rop);
}

// Copies every source pixel except those of the key colour.
BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                    int sourceWidth, int sourceHeight, UINT transparentColor) {
  DrawScope scope(dest);
  DrawScope sourceScope(source);
  if (!scope || !sourceScope || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return FALSE;
  const SourcePixels pixels(sourceScope.dc(), sourceScope.dc().surface == scope.dc().surface);
  const POINT destOrigin = scope.ToSurface(x, y);
  const StretchMap map{destOrigin, sourceScope.ToSurface(xSource, ySource), width, height, sourceWidth, sourceHeight};
  const std::uint32_t key = PixelOf(transparentColor) & 0xFFFFFF;
  scope.ForEachPixel(SurfaceRectOf(destOrigin, width, height), [&](std::uint32_t& pixel, int px, int py) {
    const POINT from = map(px, py);
    if (!pixels.Contains(from.x, from.y)) return;
    const std::uint32_t value = pixels.At(from.x, from.y);
    if ((value & 0xFFFFFF) != key) pixel = value | 0xFF000000u;
  });
  return TRUE;
}

// Source pixels are premultiplied, as AC_SRC_ALPHA expects.
BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, int sourceWidth,
                int sourceHeight, BLENDFUNCTION blend) {
  DrawScope scope(dest);
  DrawScope sourceScope(source);
  if (!scope || !sourceScope || blend.BlendOp != AC_SRC_OVER || width <= 0 || height <= 0 || sourceWidth <= 0 ||
      sourceHeight <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // Without AC_SRC_ALPHA the source's alpha is ignored and only the constant alpha blends.
  const bool sourceAlpha = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
  PaintScaled(scope, sourceScope, x, y, width, height, xSource, ySource, sourceWidth, sourceHeight, sourceAlpha, true,
              blend.SourceConstantAlpha / 255.0);
  return TRUE;
}

BOOL GradientFill(HDC hdc, TRIVERTEX* vertices, ULONG vertexCount, PVOID mesh, ULONG meshCount, ULONG mode) {
  DrawScope scope(hdc);
  if (!scope || vertices == nullptr || mesh == nullptr ||
      (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  cairo_t* cr = scope.cr();
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
  for (ULONG i = 0; i < meshCount; ++i) {
    if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount) return FALSE;
    const TRIVERTEX& a = vertices[rects[i].UpperLeft];
    const TRIVERTEX& b = vertices[rects[i].LowerRight];
    cairo_pattern_t* gradient = mode == GRADIENT_FILL_RECT_H ? cairo_pattern_create_linear(a.x, 0, b.x, 0)
                                                             : cairo_pattern_create_linear(0, a.y, 0, b.y);
    cairo_pattern_add_color_stop_rgb(gradient, 0, a.Red / 65535.0, a.Green / 65535.0, a.Blue / 65535.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, b.Red / 65535.0, b.Green / 65535.0, b.Blue / 65535.0);
    cairo_set_source(cr, gradient);
    FillLogicalRect(cr, RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
    cairo_pattern_destroy(gradient);
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  return TRUE;
}
