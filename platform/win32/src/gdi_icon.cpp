// Icons made from a colour bitmap and a mask, and their drawing.
#include <algorithm>

#include "gdi_draw_scope.h"

namespace win32_internal {

HICON NewIcon(cairo_surface_t* image, BOOL isIcon, DWORD xHotspot, DWORD yHotspot) {
  auto icon = std::make_unique<IconObject>();
  icon->image = image;
  icon->isIcon = isIcon;
  icon->xHotspot = xHotspot;
  icon->yHotspot = yHotspot;
  return AddGdi<HICON>(std::move(icon));
}

namespace {

bool HasAlpha(BitmapObject& bitmap) {
  if (cairo_image_surface_get_format(bitmap.surface) != CAIRO_FORMAT_ARGB32) return false;
  cairo_surface_flush(bitmap.surface);
  const unsigned char* data = cairo_image_surface_get_data(bitmap.surface);
  const int stride = cairo_image_surface_get_stride(bitmap.surface);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < bitmap.Width(); ++x) {
      if ((row[x] >> 24) != 0) return true;
    }
  }
  return false;
}

std::uint32_t PixelAt(cairo_surface_t* surface, int x, int y) {
  if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) || y >= cairo_image_surface_get_height(surface))
    return 0;
  const unsigned char* data = cairo_image_surface_get_data(surface);
  return reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface))[x];
}

}  // namespace

cairo_surface_t* MaskedCopy(BitmapObject& image, BitmapObject* mask, int x, int y, int width, int height) {
  image.BitsToSurface();
  const bool keepAlpha = mask == nullptr && HasAlpha(image);
  if (mask != nullptr) {
    mask->BitsToSurface();
    cairo_surface_flush(mask->surface);
  }
  cairo_surface_flush(image.surface);
  cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  unsigned char* data = cairo_image_surface_get_data(copy);
  const int stride = cairo_image_surface_get_stride(copy);
  for (int row = 0; row < height; ++row) {
    auto* out = reinterpret_cast<std::uint32_t*>(data + row * stride);
    for (int column = 0; column < width; ++column) {
      const std::uint32_t pixel = PixelAt(image.surface, x + column, y + row);
      if (keepAlpha) {
        out[column] = pixel;
      } else if (mask != nullptr && (PixelAt(mask->surface, x + column, y + row) & 0xFFFFFF) == 0xFFFFFF) {
        out[column] = 0;
      } else {
        out[column] = pixel | 0xFF000000u;
      }
    }
  }
  cairo_surface_mark_dirty(copy);
  return copy;
}

}  // namespace win32_internal

using namespace win32_internal;

namespace {

// A new bitmap handle holding a copy of an icon's pixels, or of its mask when `mask` is set.
HBITMAP BitmapOfIcon(cairo_surface_t* image, bool mask) {
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  HBITMAP handle = NewBitmap(width, height, mask ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32);
  BitmapObject* bitmap = LookupGdi<BitmapObject>(handle);
  if (bitmap == nullptr) return nullptr;
  if (mask) bitmap->bitsPerPixel = 1;
  cairo_surface_flush(image);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = PixelAt(image, x, y);
      auto* out = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(bitmap->surface) +
                                                   y * cairo_image_surface_get_stride(bitmap->surface));
      out[x] = mask ? ((pixel >> 24) == 0 ? 0xFFFFFFFFu : 0xFF000000u) : pixel;
    }
  }
  cairo_surface_mark_dirty(bitmap->surface);
  return handle;
}

}  // namespace

HICON CreateIconIndirect(PICONINFO info) {
  if (info == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  BitmapObject* color = LookupGdi<BitmapObject>(info->hbmColor);
  BitmapObject* mask = info->hbmMask != nullptr ? LookupGdi<BitmapObject>(info->hbmMask) : nullptr;
  if (color == nullptr) return nullptr;
  // 32-bit colour bitmaps with alpha ignore the mask, as the platform does.
  cairo_surface_t* image = MaskedCopy(*color, HasAlpha(*color) ? nullptr : mask, 0, 0, color->Width(), color->Height());
  return NewIcon(image, info->fIcon, info->xHotspot, info->yHotspot);
}

BOOL DestroyIcon(HICON icon) {
  if (LookupGdi<IconObject>(icon) == nullptr) return FALSE;
  RemoveGdiObject(icon);
  return TRUE;
}

// The caller owns the two new bitmaps, as on the platform.
BOOL GetIconInfo(HICON icon, PICONINFO info) {
  const IconObject* object = LookupGdi<IconObject>(icon);
  if (object == nullptr || info == nullptr) return FALSE;
  info->fIcon = object->isIcon;
  info->xHotspot = object->xHotspot;
  info->yHotspot = object->yHotspot;
  info->hbmColor = BitmapOfIcon(object->image, false);
  info->hbmMask = BitmapOfIcon(object->image, true);
  return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH background, UINT flags) {
  DrawScope scope(hdc);
  const IconObject* object = LookupGdi<IconObject>(icon);
  if (!scope || object == nullptr) return FALSE;
  const int iconWidth = cairo_image_surface_get_width(object->image);
  const int iconHeight = cairo_image_surface_get_height(object->image);
  if (width <= 0) width = iconWidth;
  if (height <= 0) height = iconHeight;
  cairo_t* cr = scope.cr();
  cairo_save(cr);
  cairo_rectangle(cr, x, y, width, height);
  cairo_clip(cr);
  if (background != nullptr) {
    COLORREF color = 0;
    if (BrushColor(nullptr, background, &color)) {
      SetSourceColor(cr, color);
      cairo_paint(cr);
    }
  }
  cairo_translate(cr, x, y);
  cairo_scale(cr, static_cast<double>(width) / iconWidth, static_cast<double>(height) / iconHeight);
  if ((flags & DI_NORMAL) == DI_MASK) {
    // The mask alone: black where the icon shows, white elsewhere.
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_mask_surface(cr, object->image, 0, 0);
  } else {
    cairo_set_source_surface(cr, object->image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_set_operator(cr, (flags & DI_NORMAL) == DI_IMAGE ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
    cairo_paint(cr);
  }
  cairo_restore(cr);
  return TRUE;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) { return DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }
