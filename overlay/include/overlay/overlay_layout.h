// Where the overlay's boxes go: the context boxes at the top centre, row B above row A in the two side
// columns (taps 1 and 2 on the right, 4 and 3 on the left), the key box in the middle and the held
// modifier keys on the bottom edge.
#pragma once

#include <windows.h>

#include <array>

namespace Talvo {

inline constexpr int kOverlayWidth = 519;
inline constexpr int kOverlayHeight = 270;

struct OverlayLayout {
  std::array<RECT, 4> rowA;  // taps 1..4
  std::array<RECT, 4> rowB;  // taps 1..4
  RECT keyBox;
  RECT countBox;
  RECT modeBox;
  RECT inputTypeBox;
};

// The boxes of a client area of width x height.
OverlayLayout ComputeOverlayLayout(int width, int height);

// The modifier keys a modifier byte shows: only the exact bytes of Shift, Ctrl and Alt combinations
// (7, 11, 15, 19, 23, 27, 31) show any.
struct ModifierKeys {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};
ModifierKeys ModifierKeysOf(unsigned char modifiers);

// The places of the shown modifier keys on the bottom edge (unshown ones get an empty rectangle).
struct ModifierLayout {
  RECT shift{};
  RECT ctrl{};
  RECT alt{};
};
ModifierLayout ComputeModifierLayout(const ModifierKeys& keys, int width, int height);

}  // namespace Talvo
