// Laid-out text kept for reuse: shaping a run costs far more than drawing it, and windows draw the same
// runs (a grid's cells, a control's label) on every paint, each paint on a new DC.
#pragma once

#include <pango/pango.h>

#include <string>

#include "gdi_font.h"

namespace win32_internal {

// How a run of text is laid out, besides its font.
struct LayoutRequest {
  std::string text;  // UTF-8, without NUL
  int width = -1;    // pango units; -1 for none: every line is as long as its text
  PangoWrapMode wrap = PANGO_WRAP_WORD;
  PangoEllipsizeMode ellipsize = PANGO_ELLIPSIZE_NONE;
  PangoAlignment alignment = PANGO_ALIGN_LEFT;
  int underlineStart = 0;  // bytes [start, end) underlined besides the font's own attributes
  int underlineEnd = 0;
  bool operator==(const LayoutRequest&) const = default;
};

struct TextBox {
  int width;
  int height;
  int baseline;
};

// A laid-out run with its sizes, measured once when it was laid out: a run drawn again is only drawn.
struct LaidOutText {
  PangoLayout* layout = nullptr;
  TextBox box{};             // the logical size in whole pixels (rounded up) and the first baseline
  PangoRectangle logical{};  // pixels, from the layout's top-left corner
  PangoRectangle ink{};      // the pixels the glyphs and lines cover, from the same corner
};

// The text laid out as asked with the font (its look and its description), from the calling thread's
// cache or made and kept in it. It belongs to the cache: the caller reads it, never changes the layout,
// and uses it only until its next request. All layouts of a thread share one pango context.
const LaidOutText& CachedLayout(const FontLook& look, const PangoFontDescription* description, LayoutRequest request);

}  // namespace win32_internal
