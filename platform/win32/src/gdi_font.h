// Fonts: every face is drawn as DejaVu Sans so that text measures the same on every machine.
#pragma once

#include <pango/pango.h>

#include "win32/gdi.h"

namespace win32_internal {

inline constexpr const char* kFontFamily = "DejaVu Sans";

// The pango description of a logical font; the caller frees it.
PangoFontDescription* DescribeFont(const LOGFONTW& font);

// Everything of a logical font that decides how its text lays out: what DescribeFont reads, and the
// underline and strike-out drawn as text attributes. Fonts with equal looks lay out text alike.
struct FontLook {
  LONG height = 0;
  LONG weight = 0;
  BYTE italic = 0;
  BYTE underline = 0;
  BYTE strikeOut = 0;
  bool operator==(const FontLook&) const = default;
};
FontLook LookOf(const LOGFONTW& font);
// The logical font of the stock and system fonts: an absolute character height of `pixels`.
LOGFONTW UiFont(int pixels, LONG weight = FW_NORMAL);

}  // namespace win32_internal
