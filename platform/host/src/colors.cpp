#include "host/colors.h"

#include <array>

namespace {

// Light and dark palettes, in id order.
constexpr std::array<COLORREF, kColorCount> kLightPalette = {
    RGB(232, 232, 232),  // background
    RGB(0, 0, 0),        // text
    RGB(255, 231, 153),  // active command
    RGB(255, 255, 255),  // hilight
    RGB(160, 160, 160),  // shadow
    RGB(245, 245, 245),  // window
    RGB(210, 225, 240),  // active caption
    RGB(255, 255, 225),  // tool tip background
    RGB(0, 0, 0),        // tool tip text
    RGB(255, 255, 255),  // hilight text
    RGB(0, 0, 0),        // window text
    RGB(0, 120, 215),    // item hilight
    RGB(255, 0, 0),      // sub-object
    RGB(105, 105, 105),  // 3D dark shadow
    RGB(250, 250, 250),  // 3D light
    RGB(150, 150, 150),  // lines and frames
    RGB(210, 210, 210),  // track bar
    RGB(190, 190, 190),  // track bar selection
    RGB(0, 0, 0),        // track bar text
    RGB(90, 90, 90),     // track bar ticks
    RGB(20, 20, 20),     // control text
    RGB(140, 175, 210),  // pressed button
    RGB(200, 200, 200),  // time slider
    RGB(130, 130, 130),  // viewport border
    RGB(255, 200, 0),    // active viewport border
    RGB(0, 120, 215),    // accent
};

constexpr std::array<COLORREF, kColorCount> kDarkPalette = {
    RGB(68, 68, 68),     // background
    RGB(220, 220, 220),  // text
    RGB(95, 140, 190),   // active command
    RGB(100, 100, 100),  // hilight
    RGB(40, 40, 40),     // shadow
    RGB(43, 43, 43),     // window
    RGB(60, 80, 100),    // active caption
    RGB(60, 60, 60),     // tool tip background
    RGB(230, 230, 230),  // tool tip text
    RGB(255, 255, 255),  // hilight text
    RGB(220, 220, 220),  // window text
    RGB(86, 157, 229),   // item hilight
    RGB(255, 80, 80),    // sub-object
    RGB(25, 25, 25),     // 3D dark shadow
    RGB(90, 90, 90),     // 3D light
    RGB(100, 100, 100),  // lines and frames
    RGB(55, 55, 55),     // track bar
    RGB(75, 75, 75),     // track bar selection
    RGB(210, 210, 210),  // track bar text
    RGB(150, 150, 150),  // track bar ticks
    RGB(225, 225, 225),  // control text
    RGB(70, 110, 150),   // pressed button
    RGB(50, 50, 50),     // time slider
    RGB(30, 30, 30),     // viewport border
    RGB(255, 200, 0),    // active viewport border
    RGB(86, 157, 229),   // accent
};

bool IsKnown(ColorId id) { return id >= 0 && id < kColorCount; }

}  // namespace

COLORREF GetThemeColor(AppFrameColorTheme theme, ColorId id) {
  if (!IsKnown(id)) return RGB(0, 0, 0);
  const auto& palette = theme == kDarkTheme ? kDarkPalette : kLightPalette;
  return palette[static_cast<std::size_t>(id)];
}

COLORREF IColorManager::GetColor(ColorId id) const { return GetThemeColor(theme_, id); }

HBRUSH IColorManager::GetBrush(ColorId id) {
  if (!IsKnown(id)) return nullptr;
  HBRUSH& brush = brushes_[{theme_, id}];
  // Made again when the GDI stand-in was reset under it.
  if (!brush || GetObjectType(brush) != OBJ_BRUSH) brush = CreateSolidBrush(GetColor(id));
  return brush;
}

void IColorManager::Reset() {
  for (const auto& [key, brush] : brushes_) DeleteObject(brush);
  brushes_.clear();
  theme_ = kLightTheme;
}

IColorManager* ColorMan() {
  // Never destroyed: its brushes belong to the GDI stand-in, which may be gone at exit.
  static IColorManager* const manager = new IColorManager;
  return manager;
}
