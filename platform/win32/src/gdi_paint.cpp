#include "gdi_paint.h"

namespace win32_internal {

bool UseBrush(DrawScope& scope, HBRUSH brush) {
  cairo_t* cr = scope.cr();
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  const BrushObject* object = value > COLOR_MENUBAR + 1 ? LookupGdi<BrushObject>(brush) : nullptr;
  if (object != nullptr && object->log.lbStyle == BS_NULL) return false;
  if (object != nullptr && object->pattern != nullptr) {
    // Patterns are aligned to the device origin.
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(object->pattern);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    const POINT offset = scope.dc().DeviceOffset();
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, offset.x, offset.y);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
    return true;
  }
  COLORREF color = 0;
  if (object != nullptr && object->usesDcColor) {
    color = scope.dc().state.dcBrushColor;
  } else if (!BrushColor(nullptr, brush, &color)) {
    return false;
  }
  SetSourceColor(cr, color);
  return true;
}

int PenWidth(DrawScope& scope) {
  const PenObject* pen = LookupGdi<PenObject>(scope.dc().state.pen);
  if (pen == nullptr || (pen->style & PS_STYLE_MASK) == PS_NULL) return 0;
  return pen->width;
}

bool UsePen(DrawScope& scope) {
  const PenObject* pen = LookupGdi<PenObject>(scope.dc().state.pen);
  const DcState& state = scope.dc().state;
  if (pen == nullptr || (pen->style & PS_STYLE_MASK) == PS_NULL) return false;
  cairo_t* cr = scope.cr();
  SetSourceColor(cr, pen->usesDcColor ? state.dcPenColor : pen->color);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_set_line_width(cr, pen->width);
  const UINT cap = pen->style & PS_ENDCAP_MASK;
  cairo_set_line_cap(cr, !pen->extended || pen->width <= 1 ? CAIRO_LINE_CAP_BUTT
                         : cap == PS_ENDCAP_SQUARE         ? CAIRO_LINE_CAP_SQUARE
                         : cap == PS_ENDCAP_FLAT           ? CAIRO_LINE_CAP_BUTT
                                                           : CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  static const double kDash[] = {18, 6};
  static const double kDot[] = {3, 3};
  static const double kDashDot[] = {9, 6, 3, 6};
  static const double kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  static const double kAlternate[] = {1, 1};
  switch (pen->style & PS_STYLE_MASK) {
    case PS_DASH: cairo_set_dash(cr, kDash, 2, 0); break;
    case PS_DOT: cairo_set_dash(cr, kDot, 2, 0); break;
    case PS_DASHDOT: cairo_set_dash(cr, kDashDot, 4, 0); break;
    case PS_DASHDOTDOT: cairo_set_dash(cr, kDashDotDot, 6, 0); break;
    case PS_ALTERNATE: cairo_set_dash(cr, kAlternate, 2, 0); break;
    default: cairo_set_dash(cr, nullptr, 0, 0); break;
  }
  return true;
}

void FillLogicalRect(cairo_t* cr, const RECT& rect) {
  if (IsEmptyRect(rect)) return;
  cairo_rectangle(cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  cairo_fill(cr);
}

}  // namespace win32_internal
