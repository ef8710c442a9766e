// Measuring what a picture shows: where the ink of a text lies inside a rectangle, and how well the text
// colour stands out from the background it was drawn on.
#pragma once

#include <windows.h>
#include <win32/simulation.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "controls/readable_colour.h"

namespace Talvo::testing {

// The colour most pixels of the rectangle have (right and bottom excluded).
inline COLORREF DominantColourIn(const winsim::Image& image, const RECT& rect) {
  std::map<COLORREF, int> counts;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) ++counts[image.Pixel(x, y)];
  }
  const auto most =
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  return most == counts.end() ? CLR_INVALID : most->first;
}

// The bounding box of the pixels of the rectangle that differ clearly from `background` (empty when none).
inline RECT InkBox(const winsim::Image& image, const RECT& rect, COLORREF background) {
  RECT box{rect.right, rect.bottom, rect.left, rect.top};
  const auto differs = [background](COLORREF c) {
    return std::abs(GetRValue(c) - GetRValue(background)) + std::abs(GetGValue(c) - GetGValue(background)) +
               std::abs(GetBValue(c) - GetBValue(background)) > 60;
  };
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      if (!differs(image.Pixel(x, y))) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  if (box.left >= box.right) box = RECT{};
  return box;
}

// The contrast of a text drawn in the rectangle: its strongest pixel against the rectangle's main colour.
inline double TextContrastIn(const winsim::Image& image, const RECT& rect) {
  const COLORREF background = DominantColourIn(image, rect);
  double best = 1.0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) best = std::max(best, ContrastRatio(image.Pixel(x, y), background));
  }
  return best;
}

}  // namespace Talvo::testing
