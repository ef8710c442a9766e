#include "gdi_text_layout.h"

#include <cmath>

namespace win32_internal {

Utf8Text ToUtf8(const wchar_t* text, int length) {
  Utf8Text result;
  result.bytes.reserve(static_cast<size_t>(length));
  result.offsets.reserve(static_cast<size_t>(length) + 1);
  for (int i = 0; i < length; ++i) {
    result.offsets.push_back(static_cast<int>(result.bytes.size()));
    auto c = static_cast<std::uint32_t>(text[i]);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) || c == 0) c = 0xFFFD;
    if (c < 0x80) {
      result.bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      result.bytes += static_cast<char>(0xC0 | (c >> 6));
      result.bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      result.bytes += static_cast<char>(0xE0 | (c >> 12));
      result.bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      result.bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      result.bytes += static_cast<char>(0xF0 | (c >> 18));
      result.bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      result.bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      result.bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  result.offsets.push_back(static_cast<int>(result.bytes.size()));
  return result;
}

const FontObject& DcFont(DcObject& dc) {
  const FontObject* font = LookupGdi<FontObject>(dc.state.font);
  if (font == nullptr) font = LookupGdi<FontObject>(StockObject(SYSTEM_FONT));
  return *font;
}

const LaidOutText& DcLayout(DcObject& dc, LayoutRequest request) {
  const FontObject& font = DcFont(dc);
  return CachedLayout(LookOf(font.log), font.description, std::move(request));
}

const LaidOutText& DcLayout(DcObject& dc, std::string text) { return DcLayout(dc, LayoutRequest{.text = std::move(text)}); }

void ShowLayout(cairo_t* cr, DcObject& dc, PangoLayout* layout, int x, int y) {
  SetSourceColor(cr, dc.state.textColor);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  const LONG escapement = DcFont(dc).log.lfEscapement;
  if (escapement == 0) {
    // The layout is drawn from the current point, which needs no saved and restored transformation.
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    return;
  }
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, -escapement / 10.0 * M_PI / 180.0);
  cairo_move_to(cr, 0, 0);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
}

}  // namespace win32_internal
