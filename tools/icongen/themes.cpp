#include "themes.h"

namespace icongen {
namespace {

// A state's colours; pushed states move by one pixel.
Ink Colors(const Rgb& ink, const Rgb& accent, double shift = 0) { return {ink, accent, shift, false, {}}; }

}  // namespace

const Theme& LightTheme() {
  static const Theme theme{"Icons",
                           FromBytes(232, 232, 232),
                           FromBytes(68, 68, 68),
                           // inactive and disabled glyphs keep 3:1 on the background, disabled the fainter
                           FromBytes(118, 118, 118),
                           FromBytes(130, 130, 130),
                           FromBytes(86, 157, 229),
                           FromBytes(48, 112, 180)};
  return theme;
}

const Theme& DarkTheme() {
  static const Theme theme{"IconsDark",
                           FromBytes(68, 68, 68),
                           FromBytes(220, 220, 220),
                           FromBytes(160, 160, 160),
                           FromBytes(148, 148, 148),
                           FromBytes(86, 157, 229),
                           FromBytes(62, 124, 190)};
  return theme;
}

const char* Suffix(ButtonState state) {
  switch (state) {
    case ButtonState::NormalInactive: return "_n_i";
    case ButtonState::HotInactive: return "_h_i";
    case ButtonState::PushedInactive: return "_p_i";
    case ButtonState::DisabledInactive: return "_d_i";
    case ButtonState::Normal: return "_n_a";
    case ButtonState::Hot: return "_h_a";
    case ButtonState::Pushed: return "_p_a";
    case ButtonState::Disabled: return "_d_a";
  }
  return "";
}

Ink InkFor(const Theme& theme, ButtonState state) {
  switch (state) {
    case ButtonState::NormalInactive: return Colors(theme.dim, theme.dim);
    case ButtonState::HotInactive: return Colors(theme.dim, theme.accent);
    case ButtonState::PushedInactive: return Colors(theme.dim, theme.dim, 1.0);
    case ButtonState::DisabledInactive: return Colors(theme.faint, theme.faint);
    case ButtonState::Normal: return Colors(theme.ink, theme.accent);
    case ButtonState::Hot: return Colors(theme.accent, theme.accent);
    case ButtonState::Pushed: return Colors(theme.accentPressed, theme.accentPressed, 1.0);
    case ButtonState::Disabled: return Colors(theme.faint, theme.faint);
  }
  return Colors(theme.ink, theme.accent);
}

const char* Suffix(PictureState state) {
  switch (state) {
    case PictureState::NormalInactive: return "_n_i";
    case PictureState::ActiveInactive: return "_a_i";
    case PictureState::NormalActive: return "_n_a";
    case PictureState::ActiveActive: return "_a_a";
  }
  return "";
}

Ink InkFor(const Theme& theme, PictureState state) {
  switch (state) {
    case PictureState::NormalInactive: return Colors(theme.dim, theme.dim);
    case PictureState::ActiveInactive: return Colors(theme.ink, theme.dim);
    case PictureState::NormalActive: return Colors(theme.dim, theme.accent);
    case PictureState::ActiveActive: return Colors(theme.ink, theme.accent);
  }
  return Colors(theme.ink, theme.accent);
}

Ink PlainInk(const Theme& theme) { return Colors(theme.ink, theme.accent); }

Ink PressedInk(const Theme& theme) {
  return {theme.ink, theme.accentPressed, 1.0, true, theme.accent};
}

}  // namespace icongen
