// Region objects over win32_internal::Region.
#include <algorithm>

#include "gdi_internal.h"
#include "gdi_object_types.h"

namespace win32_internal {

int RegionKind(const Region& region) {
  if (region.IsEmpty()) return NULLREGION;
  return region.SamePixels(Region(region.Bounds())) ? SIMPLEREGION : COMPLEXREGION;
}

const Region* RegionOfHandle(HRGN hrgn) {
  const RegionObject* object = LookupGdi<RegionObject>(hrgn);
  return object == nullptr ? nullptr : &object->region;
}

}  // namespace win32_internal

using namespace win32_internal;

namespace {

// Corners may come in any order, as on the platform.
RECT Ordered(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  auto object = std::make_unique<RegionObject>();
  object->region = Region(Ordered(left, top, right, bottom));
  return AddGdi<HRGN>(std::move(object));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

// Rounded and elliptic regions are approximated by their bounding rectangle.
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int, int) {
  return CreateRectRgn(left, top, right, bottom);
}
HRGN CreateEllipticRgn(int left, int top, int right, int bottom) { return CreateRectRgn(left, top, right, bottom); }

int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode) {
  RegionObject* target = LookupGdi<RegionObject>(dest);
  const RegionObject* first = LookupGdi<RegionObject>(source1);
  if (target == nullptr || first == nullptr) return ERROR;
  Region result = first->region;
  if (mode != RGN_COPY) {
    const RegionObject* second = LookupGdi<RegionObject>(source2);
    if (second == nullptr) return ERROR;
    switch (mode) {
      case RGN_AND: result.Intersect(second->region); break;
      case RGN_OR: result.Union(second->region); break;
      case RGN_XOR: result.Xor(second->region); break;
      case RGN_DIFF: result.Subtract(second->region); break;
      default: SetLastError(ERROR_INVALID_PARAMETER); return ERROR;
    }
  }
  target->region = std::move(result);
  return RegionKind(target->region);
}

int OffsetRgn(HRGN region, int dx, int dy) {
  RegionObject* object = LookupGdi<RegionObject>(region);
  if (object == nullptr) return ERROR;
  object->region.Offset(dx, dy);
  return RegionKind(object->region);
}

BOOL PtInRegion(HRGN region, int x, int y) {
  const RegionObject* object = LookupGdi<RegionObject>(region);
  return object != nullptr && object->region.Contains(POINT{x, y}) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect) {
  const RegionObject* object = LookupGdi<RegionObject>(region);
  if (object == nullptr || rect == nullptr) return FALSE;
  return object->region.Intersects(Ordered(rect->left, rect->top, rect->right, rect->bottom)) ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, LPRECT rect) {
  const RegionObject* object = LookupGdi<RegionObject>(region);
  if (object == nullptr || rect == nullptr) return ERROR;
  *rect = object->region.Bounds();
  return RegionKind(object->region);
}

BOOL EqualRgn(HRGN a, HRGN b) {
  const RegionObject* first = LookupGdi<RegionObject>(a);
  const RegionObject* second = LookupGdi<RegionObject>(b);
  if (first == nullptr || second == nullptr) return ERROR;
  return first->region.SamePixels(second->region) ? TRUE : FALSE;
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
  RegionObject* object = LookupGdi<RegionObject>(region);
  if (object == nullptr) return FALSE;
  object->region = Region(Ordered(left, top, right, bottom));
  return TRUE;
}
