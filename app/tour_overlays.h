// The overlay in the states the first overlay picture does not show: with two and with three modifiers
// held, and over a scene in which the held key's context cannot be resolved.
#pragma once

#include "tour_windows.h"

namespace tour {

// A single-tap function in learning mode on the key, with cases for Shift + Ctrl and Shift + Ctrl + Alt
// (inside the caller's undo step).
void MakeOverlayFunction(int key, int letter);
// Saves "overlay-two-modifiers", "overlay-three-modifiers" and "overlay-unresolved-context" of one theme
// (the screen area under the overlay); false when the overlay did not appear or a picture was not written.
bool ShootOverlays(const TourData& data, const Shots& shots);

}  // namespace tour
