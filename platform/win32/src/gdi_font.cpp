#include "gdi_font.h"

#include <cwchar>

namespace win32_internal {
namespace {

// DejaVu Sans's cell (ascent plus descent) is 2384 font units for an em of 2048: a positive
// lfHeight asks for the cell, a negative one for the em.
constexpr double kCellPerEm = 2384.0 / 2048.0;
// The character height of lfHeight 0, the same as the message font.
constexpr int kDefaultPixels = 12;

}  // namespace

PangoFontDescription* DescribeFont(const LOGFONTW& font) {
  double em = kDefaultPixels;
  if (font.lfHeight < 0) em = -static_cast<double>(font.lfHeight);
  if (font.lfHeight > 0) em = font.lfHeight / kCellPerEm;
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, kFontFamily);
  pango_font_description_set_absolute_size(description, em * PANGO_SCALE);
  const LONG weight = font.lfWeight == FW_DONTCARE ? FW_NORMAL : font.lfWeight;
  pango_font_description_set_weight(description, static_cast<PangoWeight>(weight));
  pango_font_description_set_style(description, font.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return description;
}

FontLook LookOf(const LOGFONTW& font) {
  return {font.lfHeight, font.lfWeight, font.lfItalic, font.lfUnderline, font.lfStrikeOut};
}

LOGFONTW UiFont(int pixels, LONG weight) {
  LOGFONTW font{};
  font.lfHeight = -pixels;
  font.lfWeight = weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  std::wcsncpy(font.lfFaceName, L"Segoe UI", LF_FACESIZE - 1);
  return font;
}

}  // namespace win32_internal
