// What the window manager needs from GDI beyond the public API.
#pragma once

#include "region.h"
#include "win32/types.h"

namespace win32_internal {

// Limits every later drawing on `hdc` to `region`, given in the context's device coordinates
// (client coordinates for GetDC and BeginPaint). Stands for the system clip region that
// BeginPaint installs: SelectClipRgn and friends further intersect with it and never widen it.
// False for a bad handle.
bool SetDCClipRegion(HDC hdc, const Region& region);

// The pixels of a region object, or null for a bad handle. The pointer stays valid until the
// region is changed or deleted.
const Region* RegionOfHandle(HRGN hrgn);

}  // namespace win32_internal
