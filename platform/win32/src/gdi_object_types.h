// The objects behind GDI handles.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <optional>
#include <vector>

#include "gdi_handles.h"
#include "region.h"
#include "win32/gdi.h"

namespace win32_internal {

struct PenObject : GdiObject {
  static constexpr GdiKind kKind = GdiKind::Pen;
  PenObject() : GdiObject(kKind) {}
  UINT style = PS_SOLID;  // the whole style word, including PS_GEOMETRIC and end caps
  int width = 1;
  COLORREF color = 0;
  bool usesDcColor = false;  // DC_PEN: drawn in the DC's pen colour
  bool extended = false;     // made by ExtCreatePen
};

struct BrushObject : GdiObject {
  static constexpr GdiKind kKind = GdiKind::Brush;
  BrushObject() : GdiObject(kKind) {}
  ~BrushObject() override;
  LOGBRUSH log{BS_SOLID, 0, 0};
  bool usesDcColor = false;            // DC_BRUSH: drawn in the DC's brush colour
  cairo_surface_t* pattern = nullptr;  // BS_PATTERN: a private copy of the bitmap
};

struct FontObject : GdiObject {
  static constexpr GdiKind kKind = GdiKind::Font;
  FontObject() : GdiObject(kKind) {}
  ~FontObject() override;
  LOGFONTW log{};
  PangoFontDescription* description = nullptr;
};

struct BitmapObject : GdiObject {
  static constexpr GdiKind kKind = GdiKind::Bitmap;
  BitmapObject() : GdiObject(kKind) {}
  ~BitmapObject() override;
  cairo_surface_t* surface = nullptr;  // top-down 32-bit pixels (ARGB32, or RGB24 when opaque)
  int bitsPerPixel = 32;
  bool dibSection = false;
  // A bottom-up DIB section hands out its own rows, last row first; they are copied to the
  // surface before it is read and back after it is drawn on.
  std::vector<unsigned char> bottomUpBits;
  HDC selectedInto = nullptr;

  int Width() const { return cairo_image_surface_get_width(surface); }
  int Height() const { return cairo_image_surface_get_height(surface); }
  void* Bits();
  void BitsToSurface();
  void SurfaceToBits();
};

struct RegionObject : GdiObject {
  static constexpr GdiKind kKind = GdiKind::Region;
  RegionObject() : GdiObject(kKind) {}
  Region region;
};

// An icon: premultiplied ARGB pixels whose alpha comes from the colour bitmap's own alpha or
// from the mask (white is transparent).
struct IconObject : GdiObject {
  static constexpr GdiKind kKind = GdiKind::Icon;
  IconObject() : GdiObject(kKind) {}
  ~IconObject() override {
    if (image != nullptr) cairo_surface_destroy(image);
  }
  cairo_surface_t* image = nullptr;
  BOOL isIcon = TRUE;
  DWORD xHotspot = 0;
  DWORD yHotspot = 0;
};

// Everything SaveDC keeps.
struct DcState {
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  HBITMAP bitmap = nullptr;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  COLORREF dcBrushColor = RGB(255, 255, 255);
  COLORREF dcPenColor = RGB(0, 0, 0);
  int bkMode = OPAQUE;
  UINT textAlign = TA_LEFT | TA_TOP;
  int stretchMode = BLACKONWHITE;
  POINT windowOrg{};
  POINT viewportOrg{};
  POINT position{};
  std::optional<Region> clip;  // the application's clip region, device coordinates
};

struct DcObject : GdiObject {
  static constexpr GdiKind kKind = GdiKind::DC;
  enum class Target { Memory, Window, Screen };
  DcObject() : GdiObject(kKind) {}
  ~DcObject() override;

  Target target = Target::Memory;
  HWND hwnd = nullptr;
  cairo_surface_t* surface = nullptr;  // referenced while the DC draws on it
  POINT origin{};                      // surface position of device (0, 0)
  Region visible;                      // surface coordinates
  std::optional<Region> systemClip;    // surface coordinates (BeginPaint's update region)
  DcState state;
  std::vector<DcState> saved;

  // Drawing resources, made on first use.
  cairo_t* cr = nullptr;
  bool clipDirty = true;
  Region effectiveClip;  // surface coordinates, valid when !clipDirty

  void SetSurface(cairo_surface_t* newSurface, const Region& newVisible);
  POINT Offset() const {  // logical to surface
    return {origin.x + state.viewportOrg.x - state.windowOrg.x, origin.y + state.viewportOrg.y - state.windowOrg.y};
  }
  POINT DeviceOffset() const {  // logical to device
    return {state.viewportOrg.x - state.windowOrg.x, state.viewportOrg.y - state.windowOrg.y};
  }
  const Region& EffectiveClip();
  // The context with the clip applied and logical coordinates as user space.
  cairo_t* Context();
};

// Colour conversions between COLORREF (0x00BBGGRR) and cairo's native 0xAARRGGBB pixels.
inline std::uint32_t PixelOf(COLORREF color) {
  return 0xFF000000u | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}
inline COLORREF ColorOfPixel(std::uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
inline void SetSourceColor(cairo_t* cr, COLORREF color) {
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

// Adds a DC with the default objects selected.
HDC NewDc(std::unique_ptr<DcObject> dc);
// A new icon handle owning `image` (premultiplied ARGB32).
HICON NewIcon(cairo_surface_t* image, BOOL isIcon, DWORD xHotspot, DWORD yHotspot);
// A premultiplied ARGB32 copy of a bitmap's pixels. With `mask`, mask pixels that are white become
// transparent; without one, the bitmap's alpha is kept when it has any, else it is opaque.
cairo_surface_t* MaskedCopy(BitmapObject& image, BitmapObject* mask, int x, int y, int width, int height);
// NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
int RegionKind(const Region& region);
// The stock objects, made on first use.
HGDIOBJ StockObject(int index);
// The 1 × 1 monochrome bitmap every memory DC starts with.
HBITMAP DefaultBitmap();
// A bitmap of the given size with fresh pixels, as a new handle.
HBITMAP NewBitmap(int width, int height, cairo_format_t format);
// The colour a brush paints with; pattern brushes give their first pixel. False for a bad brush.
bool BrushColor(HDC hdc, HBRUSH brush, COLORREF* color);

}  // namespace win32_internal
