#include "gdi_text_layout.h"

#include <cmath>

namespace win32_internal {

Utf8Text ToUtf8(const wchar_t* text, int length) {
  Utf8Text result;
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

namespace {

void SetAttributes(PangoLayout* layout, const FontObject& font, int underlineStart, int underlineEnd) {
  if (!font.log.lfUnderline && !font.log.lfStrikeOut && underlineStart >= underlineEnd) {
    if (pango_layout_get_attributes(layout) != nullptr) pango_layout_set_attributes(layout, nullptr);
    return;
  }
  PangoAttrList* attributes = pango_attr_list_new();
  if (font.log.lfUnderline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.log.lfStrikeOut) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
  if (underlineStart < underlineEnd) {
    PangoAttribute* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
    underline->start_index = static_cast<guint>(underlineStart);
    underline->end_index = static_cast<guint>(underlineEnd);
    pango_attr_list_insert(attributes, underline);
  }
  pango_layout_set_attributes(layout, attributes);
  pango_attr_list_unref(attributes);
}

}  // namespace

PangoLayout* DcLayout(DcObject& dc, const std::string& text) {
  if (dc.layout == nullptr) {
    dc.layout = pango_cairo_create_layout(dc.Context());
    // Hinted metrics give whole-pixel advances and line heights; glyphs are antialiased grey.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(pango_layout_get_context(dc.layout), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(dc.layout);
    dc.layoutFont = nullptr;
  }
  const FontObject& font = DcFont(dc);
  if (dc.layoutFont != dc.state.font) {
    pango_layout_set_font_description(dc.layout, font.description);
    dc.layoutFont = dc.state.font;
  }
  PangoLayout* layout = dc.layout;
  pango_layout_set_width(layout, -1);
  pango_layout_set_height(layout, -1);
  pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_NONE);
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
  pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT);
  pango_layout_set_single_paragraph_mode(layout, FALSE);
  SetAttributes(layout, font, 0, 0);
  // Setting the text always throws the laid-out lines away; the same string drawn again (a
  // label repainted, a run measured and then drawn) keeps them. The text never holds a NUL.
  const char* current = pango_layout_get_text(layout);
  if (current == nullptr || text != current) {
    pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
  }
  return layout;
}

void UnderlineRange(PangoLayout* layout, const FontObject& font, int start, int end) {
  SetAttributes(layout, font, start, end);
}

TextBox MeasureLayout(PangoLayout* layout) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return {PANGO_PIXELS_CEIL(logical.x + logical.width) - PANGO_PIXELS_FLOOR(logical.x),
          PANGO_PIXELS_CEIL(logical.height), PANGO_PIXELS(pango_layout_get_baseline(layout))};
}

void ShowLayout(DrawScope& scope, PangoLayout* layout, int x, int y) {
  cairo_t* cr = scope.cr();
  cairo_save(cr);
  SetSourceColor(cr, scope.dc().state.textColor);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_translate(cr, x, y);
  const LONG escapement = DcFont(scope.dc()).log.lfEscapement;
  if (escapement != 0) cairo_rotate(cr, -escapement / 10.0 * M_PI / 180.0);
  cairo_move_to(cr, 0, 0);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
}

}  // namespace win32_internal
