// The host's colour manager: the interface colours of the current light or dark theme.
#pragma once

#include <map>
#include <utility>

#include "win32/gdi.h"

using ColorId = int;

// Interface colour ids. The program reads 0 (panel background), 5 (window background), 15 (lines and
// frames) and 20 (text on panels and controls).
enum : ColorId {
  kBackground = 0,
  kText = 1,
  kActiveCommand = 2,
  kHilight = 3,
  kShadow = 4,
  kWindow = 5,
  kActiveCaption = 6,
  kToolTipBackground = 7,
  kToolTipText = 8,
  kHilightText = 9,
  kWindowText = 10,
  kItemHilight = 11,
  kSubObjectColor = 12,
  k3dDarkShadow = 13,
  k3dLight = 14,
  kAppWorkspace = 15,
  kTrackbarBg = 16,
  kTrackbarBgSel = 17,
  kTrackbarText = 18,
  kTrackbarTicks = 19,
  kControlText = 20,
  kPressedButton = 21,
  kTimeSliderBg = 22,
  kViewportBorder = 23,
  kActiveViewportBorder = 24,
  kAccent = 25,  // the accent colour that marks active and runnable things
  kColorCount = 26,
};

enum AppFrameColorTheme { kDarkTheme = 0, kLightTheme = 1 };

class IColorManager {
 public:
  IColorManager() = default;
  IColorManager(const IColorManager&) = delete;
  IColorManager& operator=(const IColorManager&) = delete;

  // The colour of an id in the current theme; black for an unknown id.
  COLORREF GetColor(ColorId id) const;
  // A solid brush of that colour, owned by the manager; null for an unknown id. Brushes stay valid
  // until the host resets, also across theme changes.
  HBRUSH GetBrush(ColorId id);
  COLORREF GetAccentColor() const { return GetColor(kAccent); }
  AppFrameColorTheme GetAppFrameColorTheme() const { return theme_; }

  // Switches the theme; the caller broadcasts the colour change.
  void SetTheme(AppFrameColorTheme theme) { theme_ = theme; }
  // Frees the brushes and goes back to the light theme.
  void Reset();

 private:
  AppFrameColorTheme theme_ = kLightTheme;
  std::map<std::pair<AppFrameColorTheme, ColorId>, HBRUSH> brushes_;
};

IColorManager* ColorMan();

// The palette of one theme; black for an unknown id. Both palettes define every id below kColorCount.
COLORREF GetThemeColor(AppFrameColorTheme theme, ColorId id);
