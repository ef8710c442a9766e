// A set of pixels made of disjoint rectangles: update regions, clip regions and HRGN objects.
#pragma once

#include <vector>

#include "win32/types.h"

namespace win32_internal {

class Region {
 public:
  Region() = default;
  explicit Region(const RECT& rect);

  bool IsEmpty() const { return rects_.empty(); }
  // The smallest rectangle holding every pixel; all zero when empty.
  RECT Bounds() const;
  bool Contains(POINT point) const;
  bool Intersects(const RECT& rect) const;
  // Whether both regions hold exactly the same pixels.
  bool SamePixels(const Region& other) const;

  void Union(const Region& other);
  void Intersect(const Region& other);
  void Subtract(const Region& other);
  void Xor(const Region& other);
  void Offset(int dx, int dy);

  // The disjoint rectangles that make up the region.
  const std::vector<RECT>& Rects() const { return rects_; }

 private:
  std::vector<RECT> rects_;
};

bool IsEmptyRect(const RECT& rect);
RECT IntersectRects(const RECT& a, const RECT& b);

}  // namespace win32_internal
