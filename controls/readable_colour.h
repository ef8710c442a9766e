// Readable text: the contrast between two colours, and the colour nearest to a wanted one that reads well
// on a given background. Normal text needs 4.5:1, large titles and icons 3:1.
#pragma once

#include <windows.h>

namespace Talvo {

inline constexpr double kTextContrast = 4.5;
inline constexpr double kLargeTextContrast = 3.0;

// The relative luminance of a colour (0 black .. 1 white), from its gamma-encoded channels.
double RelativeLuminance(COLORREF colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(COLORREF a, COLORREF b);
// `wanted` when it reaches `ratio` on `background`; otherwise the least change of it towards black or white
// that does (black or white itself when neither reaches it).
COLORREF ReadableOn(COLORREF wanted, COLORREF background, double ratio);
// The contrast a text needs: 3:1 from 24 pixels on, or 19 pixels when bold; 4.5:1 below.
double NeededContrast(int fontPixelHeight, bool bold);

}  // namespace Talvo
