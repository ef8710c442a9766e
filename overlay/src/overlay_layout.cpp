#include "overlay/overlay_layout.h"

namespace Talvo {

namespace {

constexpr int kButtonHeight = 34;   // b
constexpr int kFunctionWidth = 180; // f
constexpr int kModifierHeight = 46; // m
constexpr int kKeyHeight = 46;      // k
constexpr int kModifierWidth = 65;
constexpr int kKeyWidth = 52;
constexpr int kCountHeight = 30;
constexpr int kModeWidth = 120;

RECT Box(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

}  // namespace

OverlayLayout ComputeOverlayLayout(int W, int H) {
  constexpr int b = kButtonHeight, f = kFunctionWidth, m = kModifierHeight, k = kKeyHeight;
  OverlayLayout layout{};
  const int upper = H - 2 * b - k - m - 7;  // the upper pair of row A
  const int lower = H - m - b - 5;          // the lower pair of row A
  layout.rowA = {Box(W - f, upper, f, b), Box(W - f, lower, f, b), Box(0, lower, f, b), Box(0, upper, f, b)};
  const int upperB = H - 3 * b - k - m - 7;
  const int lowerB = H - 2 * b - m - 5;
  layout.rowB = {Box(W - f, upperB, f, b), Box(W - f, lowerB, f, b), Box(0, lowerB, f, b), Box(0, upperB, f, b)};
  layout.keyBox = Box((W - kKeyWidth) / 2, H - k - m - b - 5, kKeyWidth, k);
  layout.countBox = Box((W - kKeyWidth) / 2, H - (2 * b + 10) - kCountHeight - k - m, kKeyWidth, kCountHeight);
  layout.modeBox = Box((W - kModeWidth) / 2, H - 3 * b - kCountHeight - k - m - 10, kModeWidth, b);
  layout.inputTypeBox = Box((W - f) / 2, H - (4 * b + 12) - kCountHeight - k - m, f, b);
  return layout;
}

ModifierKeys ModifierKeysOf(unsigned char modifiers) {
  switch (modifiers) {
    case 7: return {true, false, false};
    case 11: return {false, true, false};
    case 15: return {true, true, false};
    case 19: return {false, false, true};
    case 23: return {true, false, true};
    case 27: return {false, true, true};
    case 31: return {true, true, true};
    default: return {};
  }
}

ModifierLayout ComputeModifierLayout(const ModifierKeys& keys, int W, int H) {
  constexpr int w = kModifierWidth;
  const int y = H - kModifierHeight;
  auto at = [&](int x) { return Box(x, y, w, kModifierHeight); };
  ModifierLayout layout;
  const int shown = int{keys.shift} + int{keys.ctrl} + int{keys.alt};
  if (shown == 3) {
    layout.shift = at((W - w) / 2);
    layout.ctrl = at((W - 3 * w - 5) / 2);
    layout.alt = at((W + 5 + w) / 2);
  } else if (shown == 2) {
    // The pair sits either side of the centre: Ctrl before Shift or Alt, Shift before Alt.
    const RECT first = at((W - 5) / 2 - w);
    const RECT second = at((W + 5) / 2 - 5);
    if (keys.ctrl) {
      layout.ctrl = first;
      (keys.shift ? layout.shift : layout.alt) = second;
    } else {
      layout.shift = first;
      layout.alt = second;
    }
  } else if (shown == 1) {
    (keys.shift ? layout.shift : keys.ctrl ? layout.ctrl : layout.alt) = at((W - w) / 2);
  }
  return layout;
}

}  // namespace Talvo
