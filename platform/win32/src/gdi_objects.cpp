// Pens, brushes, fonts and bitmaps: creation, description and deletion.
#include <cstring>
#include <cwchar>

#include "gdi_font.h"
#include "gdi_object_types.h"

namespace win32_internal {

BrushObject::~BrushObject() {
  if (pattern != nullptr) cairo_surface_destroy(pattern);
}

FontObject::~FontObject() {
  if (description != nullptr) pango_font_description_free(description);
}

BitmapObject::~BitmapObject() {
  if (surface != nullptr) cairo_surface_destroy(surface);
}

void* BitmapObject::Bits() {
  if (!bottomUpBits.empty()) return bottomUpBits.data();
  cairo_surface_flush(surface);
  return cairo_image_surface_get_data(surface);
}

void BitmapObject::BitsToSurface() {
  if (bottomUpBits.empty()) return;
  cairo_surface_flush(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  for (int row = 0, rows = Height(); row < rows; ++row) {
    std::memcpy(data + row * stride, bottomUpBits.data() + (rows - 1 - row) * stride, stride);
  }
  cairo_surface_mark_dirty(surface);
}

void BitmapObject::SurfaceToBits() {
  if (bottomUpBits.empty()) return;
  cairo_surface_flush(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  for (int row = 0, rows = Height(); row < rows; ++row) {
    std::memcpy(bottomUpBits.data() + (rows - 1 - row) * stride, data + row * stride, stride);
  }
}

HBITMAP NewBitmap(int width, int height, cairo_format_t format) {
  auto bitmap = std::make_unique<BitmapObject>();
  bitmap->surface = cairo_image_surface_create(format, width, height);
  if (cairo_surface_status(bitmap->surface) != CAIRO_STATUS_SUCCESS) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return AddGdi<HBITMAP>(std::move(bitmap));
}

bool BrushColor(HDC hdc, HBRUSH brush, COLORREF* color) {
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value != 0 && value <= COLOR_MENUBAR + 1) {  // a system colour index + 1 in place of a brush
    *color = GetSysColor(static_cast<int>(value - 1));
    return true;
  }
  const BrushObject* object = LookupGdi<BrushObject>(brush);
  if (object == nullptr) return false;
  *color = object->log.lbColor;
  if (object->usesDcColor) *color = hdc != nullptr ? GetDCBrushColor(hdc) : RGB(255, 255, 255);
  return true;
}

}  // namespace win32_internal

using namespace win32_internal;

namespace {

HBRUSH NewBrush(UINT style, COLORREF color, ULONG_PTR hatch) {
  auto brush = std::make_unique<BrushObject>();
  brush->log = {style, color & 0xFFFFFF, hatch};
  return AddGdi<HBRUSH>(std::move(brush));
}

HPEN NewPen(UINT style, int width, COLORREF color, bool extended) {
  auto pen = std::make_unique<PenObject>();
  pen->style = style;
  pen->width = width < 1 ? 1 : width;
  pen->color = color & 0xFFFFFF;
  pen->extended = extended;
  return AddGdi<HPEN>(std::move(pen));
}

// Selected objects and bitmaps held by a DC may not be deleted (as on the platform, which fails).
bool IsSelected(HGDIOBJ object) {
  bool selected = false;
  ForEachGdiObject(GdiKind::DC, [&](void*, GdiObject& o) {
    const DcState& state = static_cast<DcObject&>(o).state;
    if (state.pen == object || state.brush == object || state.font == object || state.bitmap == object) selected = true;
  });
  return selected;
}

}  // namespace

HBRUSH CreateSolidBrush(COLORREF color) { return NewBrush(BS_SOLID, color, 0); }

// Hatched brushes paint in their solid colour.
HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return NewBrush(BS_HATCHED, color, static_cast<ULONG_PTR>(hatch));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  BitmapObject* source = LookupGdi<BitmapObject>(bitmap);
  if (source == nullptr) return nullptr;
  source->BitsToSurface();
  auto brush = std::make_unique<BrushObject>();
  brush->log = {BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(bitmap)};
  // The brush keeps its own copy: the bitmap may be deleted while the brush lives.
  brush->pattern = cairo_image_surface_create(CAIRO_FORMAT_RGB24, source->Width(), source->Height());
  cairo_t* cr = cairo_create(brush->pattern);
  cairo_set_source_surface(cr, source->surface, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(brush->pattern);
  brush->log.lbColor =
      ColorOfPixel(*reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(brush->pattern)));
  return AddGdi<HBRUSH>(std::move(brush));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
  if (brush == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  switch (brush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(brush->lbColor);
    case BS_NULL: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(brush->lbHatch), brush->lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style < PS_SOLID || style > PS_INSIDEFRAME) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return NewPen(static_cast<UINT>(style), width, color, false);
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
  if (pen == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD, const DWORD*) {
  const bool cosmetic = (style & PS_TYPE_MASK) == PS_COSMETIC;
  if (brush == nullptr || (cosmetic && width != 1) || ((style & PS_STYLE_MASK) == PS_ALTERNATE && !cosmetic)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const DWORD lineStyle = brush->lbStyle == BS_NULL ? PS_NULL : style;
  return NewPen(lineStyle, static_cast<int>(width), brush->lbColor, true);
}

HFONT CreateFontIndirectW(const LOGFONTW* font) {
  if (font == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto object = std::make_unique<FontObject>();
  object->log = *font;
  object->log.lfFaceName[LF_FACESIZE - 1] = L'\0';
  object->description = DescribeFont(object->log);
  return AddGdi<HFONT>(std::move(object));
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, LPCWSTR faceName) {
  LOGFONTW font{height,
                width,
                escapement,
                orientation,
                weight,
                static_cast<BYTE>(italic),
                static_cast<BYTE>(underline),
                static_cast<BYTE>(strikeOut),
                static_cast<BYTE>(charSet),
                static_cast<BYTE>(outPrecision),
                static_cast<BYTE>(clipPrecision),
                static_cast<BYTE>(quality),
                static_cast<BYTE>(pitchAndFamily),
                {}};
  if (faceName != nullptr) std::wcsncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (width <= 0 || height <= 0 || planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HBITMAP handle = NewBitmap(width, height, bitsPerPixel == 1 ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32);
  BitmapObject* bitmap = LookupGdi<BitmapObject>(handle);
  if (bitmap == nullptr) return nullptr;
  bitmap->bitsPerPixel = static_cast<int>(bitsPerPixel);
  auto* data = cairo_image_surface_get_data(bitmap->surface);
  const int stride = cairo_image_surface_get_stride(bitmap->surface);
  const auto* source = static_cast<const unsigned char*>(bits);
  // Monochrome rows are padded to 16 bits; a set bit is white.
  const int monoStride = (width + 15) / 16 * 2;
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      if (bitsPerPixel == 1) {
        const bool set = source != nullptr && (source[y * monoStride + x / 8] & (0x80 >> (x % 8))) != 0;
        row[x] = set ? 0xFFFFFFFFu : 0xFF000000u;
      } else {
        row[x] = source != nullptr ? reinterpret_cast<const std::uint32_t*>(source)[y * width + x] : 0u;
      }
    }
  }
  cairo_surface_mark_dirty(bitmap->surface);
  return handle;
}

// Device-dependent bitmaps are opaque; they start black.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
  if (hdc != nullptr && LookupGdi<DcObject>(hdc) == nullptr) return nullptr;
  if (width <= 0 || height <= 0) return CreateBitmap(1, 1, 1, 1, nullptr);
  return NewBitmap(width, height, CAIRO_FORMAT_RGB24);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE, DWORD) {
  if (bits != nullptr) *bits = nullptr;
  if (info == nullptr || usage != DIB_RGB_COLORS || info->bmiHeader.biBitCount != 32 || info->bmiHeader.biWidth <= 0 ||
      info->bmiHeader.biHeight == 0 ||
      (info->bmiHeader.biCompression != BI_RGB && info->bmiHeader.biCompression != BI_BITFIELDS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const int height = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
  HBITMAP handle = NewBitmap(info->bmiHeader.biWidth, height, CAIRO_FORMAT_ARGB32);
  BitmapObject* bitmap = LookupGdi<BitmapObject>(handle);
  if (bitmap == nullptr) return nullptr;
  bitmap->dibSection = true;
  if (info->bmiHeader.biHeight > 0) {
    bitmap->bottomUpBits.assign(static_cast<size_t>(cairo_image_surface_get_stride(bitmap->surface)) * height, 0);
  }
  if (bits != nullptr) *bits = bitmap->Bits();
  return handle;
}

HGDIOBJ GetStockObject(int index) { return StockObject(index); }

BOOL DeleteObject(HGDIOBJ object) {
  GdiObject* found = FindGdiObject(object);
  if (found == nullptr || found->kind == GdiKind::DC || found->kind == GdiKind::Icon ||
      found->kind == GdiKind::ImageList) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (found->stock) return TRUE;  // stock objects survive, and deleting them is harmless
  if (IsSelected(object)) return FALSE;
  RemoveGdiObject(object);
  return TRUE;
}

int GetObjectW(HGDIOBJ object, int size, LPVOID buffer) {
  GdiObject* found = FindGdiObject(object);
  if (found == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  auto copyOut = [&](const auto& value) -> int {
    const int needed = static_cast<int>(sizeof(value));
    if (buffer == nullptr) return needed;
    if (size < needed) {
      SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return 0;
    }
    std::memcpy(buffer, &value, sizeof(value));
    return needed;
  };
  switch (found->kind) {
    case GdiKind::Pen: {
      const auto* pen = static_cast<PenObject*>(found);
      return copyOut(LOGPEN{pen->style, {pen->width, 0}, pen->color});
    }
    case GdiKind::Brush: return copyOut(static_cast<BrushObject*>(found)->log);
    case GdiKind::Font: return copyOut(static_cast<FontObject*>(found)->log);
    case GdiKind::Bitmap: {
      auto* bitmap = static_cast<BitmapObject*>(found);
      const LONG bytesPerRow = bitmap->bitsPerPixel == 1 ? (bitmap->Width() + 15) / 16 * 2 : bitmap->Width() * 4;
      return copyOut(BITMAP{0, bitmap->Width(), bitmap->Height(), bytesPerRow, 1,
                            static_cast<WORD>(bitmap->bitsPerPixel), bitmap->dibSection ? bitmap->Bits() : nullptr});
    }
    default: SetLastError(ERROR_INVALID_HANDLE); return 0;
  }
}

DWORD GetObjectType(HGDIOBJ object) {
  GdiObject* found = FindGdiObject(object);
  if (found == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  switch (found->kind) {
    case GdiKind::Pen: return static_cast<PenObject*>(found)->extended ? OBJ_EXTPEN : OBJ_PEN;
    case GdiKind::Brush: return OBJ_BRUSH;
    case GdiKind::Font: return OBJ_FONT;
    case GdiKind::Bitmap: return OBJ_BITMAP;
    case GdiKind::Region: return OBJ_REGION;
    case GdiKind::DC: return static_cast<DcObject*>(found)->target == DcObject::Target::Memory ? OBJ_MEMDC : OBJ_DC;
    default: SetLastError(ERROR_INVALID_HANDLE); return 0;
  }
}
