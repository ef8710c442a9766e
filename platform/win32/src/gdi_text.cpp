// Text output at a point and text measurement.
#include <cmath>
#include <cwchar>

#include "gdi_paint.h"
#include "gdi_text_layout.h"

using namespace win32_internal;

namespace {

// Where a run of `box` starts for the DC's text alignment, given its reference point.
POINT AlignedOrigin(const DcState& state, const TextBox& box, int x, int y) {
  const UINT align = state.textAlign;
  if ((align & TA_CENTER) == TA_CENTER) {
    x -= box.width / 2;
  } else if (align & TA_RIGHT) {
    x -= box.width;
  }
  if ((align & TA_BASELINE) == TA_BASELINE) {
    y -= box.baseline;
  } else if (align & TA_BOTTOM) {
    y -= box.height;
  }
  return {x, y};
}

void FillWithBackground(DrawScope& scope, const RECT& rect) {
  cairo_t* cr = scope.cr();
  SetSourceColor(cr, scope.dc().state.bkColor);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  FillLogicalRect(cr, rect);
}

}  // namespace

// The character spacing array is not supported: runs use the font's own advances.
BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT length, const INT*) {
  DrawScope scope(hdc);
  if (!scope || (text == nullptr && length > 0)) return FALSE;
  DcState& state = scope.dc().state;
  if ((options & ETO_OPAQUE) && rect != nullptr) FillWithBackground(scope, *rect);
  if (length == 0) return TRUE;
  const LaidOutText& laidOut = DcLayout(scope.dc(), ToUtf8(text, static_cast<int>(length)).bytes);
  const TextBox box = laidOut.box;
  if (state.textAlign & TA_UPDATECP) {
    x = state.position.x;
    y = state.position.y;
  }
  const POINT at = AlignedOrigin(state, box, x, y);
  if (state.textAlign & TA_UPDATECP) state.position.x += box.width;
  cairo_t* cr = scope.cr();
  cairo_save(cr);
  if ((options & ETO_CLIPPED) && rect != nullptr) {
    cairo_rectangle(cr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    cairo_clip(cr);
  }
  const bool rotated = DcFont(scope.dc()).log.lfEscapement != 0;
  if (state.bkMode == OPAQUE && !(options & ETO_OPAQUE) && !rotated) {
    FillWithBackground(scope, RECT{at.x, at.y, at.x + box.width, at.y + box.height});
  }
  ShowLayout(cr, scope.dc(), laidOut.layout, at.x, at.y);
  cairo_restore(cr);
  return TRUE;
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR text, int length) {
  if (length < 0) return FALSE;
  return ExtTextOutW(hdc, x, y, 0, nullptr, text, static_cast<UINT>(length), nullptr);
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int length, LPSIZE size) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0)) return FALSE;
  const TextBox box = DcLayout(*dc, ToUtf8(text, length).bytes).box;
  *size = {length == 0 ? 0 : box.width, box.height};
  return TRUE;
}

// `extents[i]` is the width of the first i + 1 characters; `fit` counts the characters that fit
// in `maxExtent`.
BOOL GetTextExtentExPointW(HDC hdc, LPCWSTR text, int length, int maxExtent, LPINT fit, LPINT extents, LPSIZE size) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0)) return FALSE;
  const Utf8Text utf8 = ToUtf8(text, length);
  const LaidOutText& laidOut = DcLayout(*dc, utf8.bytes);
  PangoLayout* layout = laidOut.layout;
  const TextBox box = laidOut.box;
  int fitting = 0;
  for (int i = 0; i < length; ++i) {
    PangoRectangle position;
    pango_layout_index_to_pos(layout, utf8.offsets[i], &position);
    const int extent = PANGO_PIXELS(std::max(position.x, position.x + position.width));
    if (extents != nullptr) extents[i] = extent;
    if (extent <= maxExtent && fitting == i) fitting = i + 1;
  }
  if (fit != nullptr) *fit = fitting;
  *size = {length == 0 ? 0 : box.width, box.height};
  return TRUE;
}

BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW metrics) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || metrics == nullptr) return FALSE;
  const FontObject& font = DcFont(*dc);
  const LaidOutText& empty = DcLayout(*dc, "");
  PangoContext* context = pango_layout_get_context(empty.layout);  // every layout's, kept past later requests
  const TextBox line = empty.box;
  const TextBox widest = DcLayout(*dc, "W").box;
  PangoFontMetrics* fontMetrics = pango_context_get_metrics(context, font.description, nullptr);
  const int average = PANGO_PIXELS(pango_font_metrics_get_approximate_char_width(fontMetrics));
  pango_font_metrics_unref(fontMetrics);
  const int em = static_cast<int>(std::lround(pango_font_description_get_size(font.description) / double(PANGO_SCALE)));
  *metrics = TEXTMETRICW{};
  metrics->tmHeight = line.height;
  metrics->tmAscent = line.baseline;
  metrics->tmDescent = line.height - line.baseline;
  metrics->tmInternalLeading = std::max(0, line.height - em);
  metrics->tmExternalLeading = 0;
  metrics->tmAveCharWidth = average;
  metrics->tmMaxCharWidth = std::max(widest.width, average);
  metrics->tmWeight = font.log.lfWeight == FW_DONTCARE ? FW_NORMAL : font.log.lfWeight;
  metrics->tmDigitizedAspectX = 96;
  metrics->tmDigitizedAspectY = 96;
  metrics->tmFirstChar = L' ';
  metrics->tmLastChar = 0xFFFC;
  metrics->tmDefaultChar = L'?';
  metrics->tmBreakChar = L' ';
  metrics->tmItalic = font.log.lfItalic;
  metrics->tmUnderlined = font.log.lfUnderline;
  metrics->tmStruckOut = font.log.lfStrikeOut;
  metrics->tmPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  metrics->tmCharSet = font.log.lfCharSet;
  return TRUE;
}

// The face name the font was made with (every face draws as the one fixed family).
int GetTextFaceW(HDC hdc, int count, LPWSTR face) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return 0;
  const WCHAR* name = DcFont(*dc).log.lfFaceName;
  const int length = static_cast<int>(std::wcslen(name));
  if (face == nullptr) return length + 1;
  if (count <= 0) return 0;
  const int copied = std::min(length, count - 1);
  std::wmemcpy(face, name, static_cast<size_t>(copied));
  face[copied] = L'\0';
  return copied;
}

BOOL GetCharWidth32W(HDC hdc, UINT first, UINT last, LPINT widths) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || widths == nullptr || last < first) return FALSE;
  for (UINT c = first; c <= last; ++c) {
    const wchar_t character = static_cast<wchar_t>(c);
    widths[c - first] = DcLayout(*dc, ToUtf8(&character, 1).bytes).box.width;
  }
  return TRUE;
}
