// The clip region of a DC and the hooks the window manager uses.
#include "gdi_draw_scope.h"
#include "gdi_internal.h"

namespace win32_internal {

bool SetDCClipRegion(HDC hdc, const Region& region) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return false;
  Region clip = region;
  clip.Offset(dc->origin.x, dc->origin.y);
  dc->systemClip = std::move(clip);
  dc->clipDirty = true;
  return true;
}

}  // namespace win32_internal

using namespace win32_internal;

namespace {

// The region drawing may touch, in device coordinates, ignoring the application's clip.
Region DeviceArea(const DcObject& dc) {
  Region area = dc.visible;
  if (dc.systemClip) area.Intersect(*dc.systemClip);
  area.Offset(-dc.origin.x, -dc.origin.y);
  return area;
}

RECT LogicalToDevice(const DcObject& dc, int left, int top, int right, int bottom) {
  const POINT offset = dc.DeviceOffset();
  return {left + offset.x, top + offset.y, right + offset.x, bottom + offset.y};
}

int Combine(DcObject& dc, const Region& region, int mode) {
  Region current = dc.state.clip ? *dc.state.clip : DeviceArea(dc);
  switch (mode) {
    case RGN_AND: current.Intersect(region); break;
    case RGN_OR: current.Union(region); break;
    case RGN_XOR: current.Xor(region); break;
    case RGN_DIFF: current.Subtract(region); break;
    case RGN_COPY: current = region; break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return ERROR;
  }
  dc.state.clip = std::move(current);
  dc.clipDirty = true;
  return RegionKind(dc.EffectiveClip());
}

}  // namespace

int SelectClipRgn(HDC hdc, HRGN region) { return ExtSelectClipRgn(hdc, region, RGN_COPY); }

// The region is in device coordinates; NULL with RGN_COPY removes the application's clip.
int ExtSelectClipRgn(HDC hdc, HRGN region, int mode) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return ERROR;
  if (region == nullptr) {
    if (mode != RGN_COPY) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return ERROR;
    }
    dc->state.clip.reset();
    dc->clipDirty = true;
    return RegionKind(dc->EffectiveClip());
  }
  const RegionObject* object = LookupGdi<RegionObject>(region);
  if (object == nullptr) return ERROR;
  return Combine(*dc, object->region, mode);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return ERROR;
  return Combine(*dc, Region(LogicalToDevice(*dc, left, top, right, bottom)), RGN_AND);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return ERROR;
  return Combine(*dc, Region(LogicalToDevice(*dc, left, top, right, bottom)), RGN_DIFF);
}

// The bounds of the drawable area, in logical coordinates.
int GetClipBox(HDC hdc, LPRECT rect) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || rect == nullptr) return ERROR;
  const Region& clip = dc->EffectiveClip();
  const POINT offset = dc->Offset();
  *rect = clip.Bounds();
  if (!clip.IsEmpty()) OffsetRect(rect, -offset.x, -offset.y);
  return RegionKind(clip);
}

// Copies the application's clip region (device coordinates); 0 when there is none.
int GetClipRgn(HDC hdc, HRGN region) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  RegionObject* object = LookupGdi<RegionObject>(region);
  if (dc == nullptr || object == nullptr) return -1;
  if (!dc->state.clip) return 0;
  object->region = *dc->state.clip;
  return 1;
}

BOOL PtVisible(HDC hdc, int x, int y) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return -1;
  const POINT offset = dc->Offset();
  return dc->EffectiveClip().Contains(POINT{x + offset.x, y + offset.y}) ? TRUE : FALSE;
}

BOOL RectVisible(HDC hdc, const RECT* rect) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || rect == nullptr) return FALSE;
  const POINT offset = dc->Offset();
  const RECT surfaceRect{rect->left + offset.x, rect->top + offset.y, rect->right + offset.x, rect->bottom + offset.y};
  return dc->EffectiveClip().Intersects(surfaceRect) ? TRUE : FALSE;
}
