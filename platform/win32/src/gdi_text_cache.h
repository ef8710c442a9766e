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

// The text laid out as asked with the font (its look and its description), from the calling thread's
// cache or made and kept in it. The layout belongs to the cache: the caller reads it, never changes it,
// and uses it only until its next request. All layouts of a thread share one pango context.
PangoLayout* CachedLayout(const FontLook& look, const PangoFontDescription* description, LayoutRequest request);

}  // namespace win32_internal
