// The two icon sets and the colours of every image state in them.
#pragma once

#include <string>

namespace icongen {

struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

constexpr Rgb FromBytes(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// One folder of images: its glyph colours and the host background the images sit on.
struct Theme {
  std::string folder;  // "Icons" or "IconsDark"
  Rgb background;      // the host's window background; BMP edges are blended onto it
  Rgb ink;             // glyphs in their normal state
  Rgb dim;             // inactive glyphs
  Rgb faint;           // disabled glyphs
  Rgb accent;          // active and hover highlights
  Rgb accentPressed;   // the accent while pushed
};

const Theme& LightTheme();
const Theme& DarkTheme();

// How one image state is drawn: glyph colour, highlight colour, and the pushed look.
struct Ink {
  Rgb ink;
  Rgb accent;
  double shift = 0;       // pushed images move right and down by this many pixels
  bool backdrop = false;  // pushed toolbar images sit on a tinted square
  Rgb backdropColor;
};

// Button images: the eight state suffixes an icon button may ask for, by flag bit 1, 2, 4, ... 128.
enum class ButtonState { NormalInactive, HotInactive, PushedInactive, DisabledInactive,
                         Normal, Hot, Pushed, Disabled };
constexpr int kButtonStateCount = 8;
const char* Suffix(ButtonState state);
Ink InkFor(const Theme& theme, ButtonState state);

// Picture images: flag bits 1, 2, 4, 8.
enum class PictureState { NormalInactive, ActiveInactive, NormalActive, ActiveActive };
constexpr int kPictureStateCount = 4;
const char* Suffix(PictureState state);
Ink InkFor(const Theme& theme, PictureState state);

// Images without states (level icons, tap pictures, toolbar strips in their up state).
Ink PlainInk(const Theme& theme);
// A toolbar strip's pressed image.
Ink PressedInk(const Theme& theme);

}  // namespace icongen
