// Device contexts: memory DCs, object selection, saved states and the DC's attributes.
#include "gdi_object_types.h"

namespace win32_internal {

DcObject::~DcObject() {
  if (cr != nullptr) cairo_destroy(cr);
  if (surface != nullptr) cairo_surface_destroy(surface);
}

void DcObject::SetSurface(cairo_surface_t* newSurface, const Region& newVisible) {
  cairo_surface_reference(newSurface);
  if (cr != nullptr) cairo_destroy(cr);
  cr = nullptr;
  if (surface != nullptr) cairo_surface_destroy(surface);
  surface = newSurface;
  visible = newVisible;
  clipDirty = true;
}

const Region& DcObject::EffectiveClip() {
  if (!clipDirty) return effectiveClip;
  effectiveClip = visible;
  if (systemClip) effectiveClip.Intersect(*systemClip);
  if (state.clip) {
    Region clip = *state.clip;
    clip.Offset(origin.x, origin.y);
    effectiveClip.Intersect(clip);
  }
  clipDirty = false;
  if (cr != nullptr) {  // re-apply the clip to the context
    cairo_identity_matrix(cr);
    cairo_reset_clip(cr);
    for (const RECT& rect : effectiveClip.Rects()) {
      cairo_rectangle(cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    }
    if (effectiveClip.IsEmpty()) cairo_rectangle(cr, 0, 0, 0, 0);
    cairo_clip(cr);
  }
  return effectiveClip;
}

cairo_t* DcObject::Context() {
  if (cr == nullptr) {
    cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);  // GDI shapes are aliased
    clipDirty = true;
  }
  EffectiveClip();
  const POINT offset = Offset();
  cairo_identity_matrix(cr);
  cairo_translate(cr, offset.x, offset.y);
  return cr;
}

}  // namespace win32_internal

using namespace win32_internal;

namespace {

void SelectBitmap(HDC hdc, DcObject& dc, HBITMAP handle, BitmapObject& bitmap) {
  if (BitmapObject* previous = LookupGdi<BitmapObject>(dc.state.bitmap); previous != nullptr && !previous->stock)
    previous->selectedInto = nullptr;
  if (!bitmap.stock) bitmap.selectedInto = hdc;
  dc.state.bitmap = handle;
  dc.SetSurface(bitmap.surface, Region(RECT{0, 0, bitmap.Width(), bitmap.Height()}));
}

template <typename Handle>
Handle ValidOr(Handle handle, GdiKind kind, int stockIndex) {
  GdiObject* object = FindGdiObject(handle);
  return object != nullptr && object->kind == kind ? handle : static_cast<Handle>(StockObject(stockIndex));
}

template <typename Value>
Value Exchange(HDC hdc, Value DcState::*field, Value value, Value failure) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return failure;
  const Value previous = dc->state.*field;
  dc->state.*field = value;
  return previous;
}

template <typename Value>
Value Read(HDC hdc, Value DcState::*field, Value failure) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  return dc == nullptr ? failure : dc->state.*field;
}

BOOL SetPoint(HDC hdc, POINT DcState::*field, POINT value, LPPOINT previous) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return FALSE;
  if (previous != nullptr) *previous = dc->state.*field;
  dc->state.*field = value;
  return TRUE;
}

BOOL GetPoint(HDC hdc, POINT DcState::*field, LPPOINT value) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || value == nullptr) return FALSE;
  *value = dc->state.*field;
  return TRUE;
}

}  // namespace

namespace win32_internal {

// A fresh DC with the default objects selected; shared by memory, window and screen DCs.
HDC NewDc(std::unique_ptr<DcObject> dc) {
  dc->state.pen = static_cast<HPEN>(StockObject(BLACK_PEN));
  dc->state.brush = static_cast<HBRUSH>(StockObject(WHITE_BRUSH));
  dc->state.font = static_cast<HFONT>(StockObject(SYSTEM_FONT));
  return AddGdi<HDC>(std::move(dc));
}

}  // namespace win32_internal

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc != nullptr && LookupGdi<DcObject>(hdc) == nullptr) return nullptr;
  HDC memory = NewDc(std::make_unique<DcObject>());
  DcObject* dc = LookupGdi<DcObject>(memory);
  HBITMAP bitmap = DefaultBitmap();
  SelectBitmap(memory, *dc, bitmap, *LookupGdi<BitmapObject>(bitmap));
  return memory;
}

BOOL DeleteDC(HDC hdc) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return FALSE;
  if (BitmapObject* bitmap = LookupGdi<BitmapObject>(dc->state.bitmap); bitmap != nullptr && !bitmap->stock)
    bitmap->selectedInto = nullptr;
  RemoveGdiObject(hdc);
  return TRUE;
}

HWND WindowFromDC(HDC hdc) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  return dc == nullptr ? nullptr : dc->hwnd;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  GdiObject* selected = FindGdiObject(object);
  if (dc == nullptr || selected == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  HGDIOBJ previous = nullptr;
  switch (selected->kind) {
    case GdiKind::Pen:
      previous = dc->state.pen;
      dc->state.pen = static_cast<HPEN>(object);
      return previous;
    case GdiKind::Brush:
      previous = dc->state.brush;
      dc->state.brush = static_cast<HBRUSH>(object);
      return previous;
    case GdiKind::Font:
      previous = dc->state.font;
      dc->state.font = static_cast<HFONT>(object);
      return previous;
    case GdiKind::Bitmap: {
      auto* bitmap = static_cast<BitmapObject*>(selected);
      // Only memory DCs take bitmaps, and a bitmap lives in one DC at a time.
      if (dc->target != DcObject::Target::Memory || (bitmap->selectedInto != nullptr && bitmap->selectedInto != hdc))
        return nullptr;
      previous = dc->state.bitmap;
      SelectBitmap(hdc, *dc, static_cast<HBITMAP>(object), *bitmap);
      return previous;
    }
    case GdiKind::Region: {
      const int kind = SelectClipRgn(hdc, static_cast<HRGN>(object));
      return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(kind));
    }
    default: SetLastError(ERROR_INVALID_HANDLE); return nullptr;
  }
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return nullptr;
  switch (type) {
    case OBJ_PEN: return dc->state.pen;
    case OBJ_BRUSH: return dc->state.brush;
    case OBJ_FONT: return dc->state.font;
    case OBJ_BITMAP: return dc->state.bitmap;
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

int SaveDC(HDC hdc) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return 0;
  dc->saved.push_back(dc->state);
  return static_cast<int>(dc->saved.size());
}

// -1 restores the last saved state; a positive level restores that state and drops the later ones.
BOOL RestoreDC(HDC hdc, int savedDC) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return FALSE;
  const int depth = static_cast<int>(dc->saved.size());
  const int level = savedDC < 0 ? depth + 1 + savedDC : savedDC;
  if (level < 1 || level > depth) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DcState state = std::move(dc->saved[level - 1]);
  dc->saved.resize(level - 1);
  // Objects deleted since the save fall back to the defaults.
  state.pen = ValidOr(state.pen, GdiKind::Pen, BLACK_PEN);
  state.brush = ValidOr(state.brush, GdiKind::Brush, WHITE_BRUSH);
  state.font = ValidOr(state.font, GdiKind::Font, SYSTEM_FONT);
  HBITMAP bitmap = state.bitmap;
  state.bitmap = dc->state.bitmap;
  dc->state = std::move(state);
  dc->clipDirty = true;
  if (dc->target == DcObject::Target::Memory && bitmap != dc->state.bitmap) {
    BitmapObject* object = LookupGdi<BitmapObject>(bitmap);
    if (object == nullptr || (object->selectedInto != nullptr && object->selectedInto != hdc)) {
      bitmap = DefaultBitmap();
      object = LookupGdi<BitmapObject>(bitmap);
    }
    SelectBitmap(hdc, *dc, bitmap, *object);
  }
  return TRUE;
}

COLORREF SetDCBrushColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &DcState::dcBrushColor, color & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetDCBrushColor(HDC hdc) { return Read(hdc, &DcState::dcBrushColor, CLR_INVALID); }
COLORREF SetDCPenColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &DcState::dcPenColor, color & 0xFFFFFF, CLR_INVALID);
}
COLORREF SetTextColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &DcState::textColor, color & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetTextColor(HDC hdc) { return Read(hdc, &DcState::textColor, CLR_INVALID); }
COLORREF SetBkColor(HDC hdc, COLORREF color) { return Exchange(hdc, &DcState::bkColor, color & 0xFFFFFF, CLR_INVALID); }
COLORREF GetBkColor(HDC hdc) { return Read(hdc, &DcState::bkColor, CLR_INVALID); }

int SetBkMode(HDC hdc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange(hdc, &DcState::bkMode, mode, 0);
}
int GetBkMode(HDC hdc) { return Read(hdc, &DcState::bkMode, 0); }

UINT SetTextAlign(HDC hdc, UINT align) { return Exchange(hdc, &DcState::textAlign, align, static_cast<UINT>(-1)); }

int SetStretchBltMode(HDC hdc, int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Exchange(hdc, &DcState::stretchMode, mode, 0);
}

int SetMapMode(HDC hdc, int mode) {
  if (LookupGdi<DcObject>(hdc) == nullptr) return 0;
  return mode == MM_TEXT ? MM_TEXT : 0;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
  return SetPoint(hdc, &DcState::windowOrg, POINT{x, y}, previous);
}
BOOL GetWindowOrgEx(HDC hdc, LPPOINT origin) { return GetPoint(hdc, &DcState::windowOrg, origin); }
BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
  return SetPoint(hdc, &DcState::viewportOrg, POINT{x, y}, previous);
}
BOOL GetViewportOrgEx(HDC hdc, LPPOINT origin) { return GetPoint(hdc, &DcState::viewportOrg, origin); }

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
  POINT origin{};
  if (!GetViewportOrgEx(hdc, &origin)) return FALSE;
  return SetViewportOrgEx(hdc, origin.x + dx, origin.y + dy, previous);
}

BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
  POINT origin{};
  if (!GetWindowOrgEx(hdc, &origin)) return FALSE;
  return SetWindowOrgEx(hdc, origin.x + dx, origin.y + dy, previous);
}

BOOL LPtoDP(HDC hdc, LPPOINT points, int count) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || (points == nullptr && count > 0)) return FALSE;
  const POINT offset = dc->DeviceOffset();
  for (int i = 0; i < count; ++i) points[i] = {points[i].x + offset.x, points[i].y + offset.y};
  return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT points, int count) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || (points == nullptr && count > 0)) return FALSE;
  const POINT offset = dc->DeviceOffset();
  for (int i = 0; i < count; ++i) points[i] = {points[i].x - offset.x, points[i].y - offset.y};
  return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
  return SetPoint(hdc, &DcState::position, POINT{x, y}, previous);
}
BOOL GetCurrentPositionEx(HDC hdc, LPPOINT position) { return GetPoint(hdc, &DcState::position, position); }
