// The DC's pango layout and the conversions text output and measurement share.
#pragma once

#include <string>
#include <vector>

#include "gdi_draw_scope.h"

namespace win32_internal {

// Wide text as UTF-8, with the byte offset of every character (and one past the last).
struct Utf8Text {
  std::string bytes;
  std::vector<int> offsets;
};
Utf8Text ToUtf8(const wchar_t* text, int length);

// The DC's layout with the selected font, no width, no ellipsis, no attributes but the font's
// underline and strike-out, and `text`. Created once per DC, its font replaced when it changes.
PangoLayout* DcLayout(DcObject& dc, const std::string& text);
// The font selected into the DC (the system font when it is gone).
const FontObject& DcFont(DcObject& dc);
// Underlines the characters [start, end) (bytes) in addition to the font's own attributes.
void UnderlineRange(PangoLayout* layout, const FontObject& font, int start, int end);

struct TextBox {
  int width;
  int height;
  int baseline;
};
// The layout's logical size in whole pixels (rounded up) and its first baseline.
TextBox MeasureLayout(PangoLayout* layout);

// Paints the layout in the text colour with its top-left corner at the logical point (x, y),
// rotated by the font's escapement about that point.
void ShowLayout(DrawScope& scope, PangoLayout* layout, int x, int y);

}  // namespace win32_internal
