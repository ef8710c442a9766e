// The DC's laid-out text and the conversions text output and measurement share.
#pragma once

#include <string>
#include <vector>

#include "gdi_draw_scope.h"
#include "gdi_text_cache.h"

namespace win32_internal {

// Wide text as UTF-8, with the byte offset of every character (and one past the last).
struct Utf8Text {
  std::string bytes;
  std::vector<int> offsets;
};
Utf8Text ToUtf8(const wchar_t* text, int length);

// The text laid out with the DC's font as asked, with its sizes; shared, and valid until the caller's next
// request for a layout (see CachedLayout).
const LaidOutText& DcLayout(DcObject& dc, LayoutRequest request);
// The text on one line per paragraph, left-aligned, with the DC's font.
const LaidOutText& DcLayout(DcObject& dc, std::string text);
// The font selected into the DC (the system font when it is gone).
const FontObject& DcFont(DcObject& dc);

// Paints the layout on the DC's context `cr` in the text colour with its top-left corner at the logical
// point (x, y), rotated by the font's escapement about that point. The context keeps the text colour and
// operator as its source: every drawing operation sets its own.
void ShowLayout(cairo_t* cr, DcObject& dc, PangoLayout* layout, int x, int y);

}  // namespace win32_internal
