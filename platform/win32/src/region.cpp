#include "region.h"

#include <algorithm>

namespace win32_internal {

bool IsEmptyRect(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

RECT IntersectRects(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  return IsEmptyRect(r) ? RECT{0, 0, 0, 0} : r;
}

namespace {

// Appends the parts of `rect` that lie outside `hole` (at most four pieces).
void AppendDifference(const RECT& rect, const RECT& hole, std::vector<RECT>& out) {
  RECT cut = IntersectRects(rect, hole);
  if (IsEmptyRect(cut)) {
    out.push_back(rect);
    return;
  }
  if (rect.top < cut.top) out.push_back({rect.left, rect.top, rect.right, cut.top});
  if (cut.bottom < rect.bottom) out.push_back({rect.left, cut.bottom, rect.right, rect.bottom});
  if (rect.left < cut.left) out.push_back({rect.left, cut.top, cut.left, cut.bottom});
  if (cut.right < rect.right) out.push_back({cut.right, cut.top, rect.right, cut.bottom});
}

}  // namespace

Region::Region(const RECT& rect) {
  if (!IsEmptyRect(rect)) rects_.push_back(rect);
}

RECT Region::Bounds() const {
  if (rects_.empty()) return {0, 0, 0, 0};
  RECT b = rects_.front();
  for (const RECT& r : rects_) {
    b.left = std::min(b.left, r.left);
    b.top = std::min(b.top, r.top);
    b.right = std::max(b.right, r.right);
    b.bottom = std::max(b.bottom, r.bottom);
  }
  return b;
}

bool Region::Contains(POINT p) const {
  return std::any_of(rects_.begin(), rects_.end(),
                     [&](const RECT& r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; });
}

bool Region::Intersects(const RECT& rect) const {
  return std::any_of(rects_.begin(), rects_.end(), [&](const RECT& r) { return !IsEmptyRect(IntersectRects(r, rect)); });
}

bool Region::SamePixels(const Region& other) const {
  Region a = *this;
  a.Xor(other);
  return a.IsEmpty();
}

void Region::Subtract(const Region& other) {
  for (const RECT& hole : other.rects_) {
    std::vector<RECT> kept;
    for (const RECT& r : rects_) AppendDifference(r, hole, kept);
    rects_.swap(kept);
  }
}

void Region::Union(const Region& other) {
  Region added = other;
  added.Subtract(*this);
  rects_.insert(rects_.end(), added.rects_.begin(), added.rects_.end());
}

void Region::Intersect(const Region& other) {
  std::vector<RECT> kept;
  for (const RECT& a : rects_)
    for (const RECT& b : other.rects_) {
      RECT r = IntersectRects(a, b);
      if (!IsEmptyRect(r)) kept.push_back(r);
    }
  rects_.swap(kept);
}

void Region::Xor(const Region& other) {
  Region onlyOther = other;
  onlyOther.Subtract(*this);
  Subtract(other);
  rects_.insert(rects_.end(), onlyOther.rects_.begin(), onlyOther.rects_.end());
}

void Region::Offset(int dx, int dy) {
  for (RECT& r : rects_) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  }
}

}  // namespace win32_internal
