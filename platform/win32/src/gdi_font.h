// Fonts: every face is drawn as DejaVu Sans so that text measures the same on every machine.
#pragma once

#include <pango/pango.h>

#include "win32/gdi.h"

namespace win32_internal {

inline constexpr const char* kFontFamily = "DejaVu Sans";

// The pango description of a logical font; the caller frees it.
PangoFontDescription* DescribeFont(const LOGFONTW& font);
// The logical font of the stock and system fonts: an absolute character height of `pixels`.
LOGFONTW UiFont(int pixels, LONG weight = FW_NORMAL);

}  // namespace win32_internal
