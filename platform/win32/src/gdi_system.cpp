// System colours, system parameters and device capabilities.
#include <array>
#include <cstring>
#include <mutex>

#include "gdi_font.h"
#include "gdi_object_types.h"
#include "screen_state.h"

using namespace win32_internal;

namespace {

constexpr int kSysColorCount = COLOR_MENUBAR + 1;

// The classic light scheme.
constexpr std::array<COLORREF, kSysColorCount> kSysColors = {
    RGB(212, 208, 200),  // SCROLLBAR
    RGB(58, 110, 165),   // BACKGROUND
    RGB(10, 36, 106),    // ACTIVECAPTION
    RGB(128, 128, 128),  // INACTIVECAPTION
    RGB(212, 208, 200),  // MENU
    RGB(255, 255, 255),  // WINDOW
    RGB(0, 0, 0),        // WINDOWFRAME
    RGB(0, 0, 0),        // MENUTEXT
    RGB(0, 0, 0),        // WINDOWTEXT
    RGB(255, 255, 255),  // CAPTIONTEXT
    RGB(212, 208, 200),  // ACTIVEBORDER
    RGB(212, 208, 200),  // INACTIVEBORDER
    RGB(128, 128, 128),  // APPWORKSPACE
    RGB(10, 36, 106),    // HIGHLIGHT
    RGB(255, 255, 255),  // HIGHLIGHTTEXT
    RGB(212, 208, 200),  // BTNFACE
    RGB(128, 128, 128),  // BTNSHADOW
    RGB(128, 128, 128),  // GRAYTEXT
    RGB(0, 0, 0),        // BTNTEXT
    RGB(212, 208, 200),  // INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // BTNHIGHLIGHT
    RGB(64, 64, 64),     // 3DDKSHADOW
    RGB(212, 208, 200),  // 3DLIGHT
    RGB(0, 0, 0),        // INFOTEXT
    RGB(255, 255, 225),  // INFOBK
    RGB(181, 181, 181),  // (unused index 25)
    RGB(0, 0, 128),      // HOTLIGHT
    RGB(166, 202, 240),  // GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // GRADIENTINACTIVECAPTION
    RGB(49, 106, 197),   // MENUHILIGHT
    RGB(236, 233, 216),  // MENUBAR
};

}  // namespace

DWORD GetSysColor(int index) {
  if (index < 0 || index >= kSysColorCount) return 0;
  return kSysColors[index];
}

// One shared brush per system colour; like stock objects they cannot be deleted.
HBRUSH GetSysColorBrush(int index) {
  static std::array<HBRUSH, kSysColorCount> brushes{};
  static std::mutex mutex;
  if (index < 0 || index >= kSysColorCount) return nullptr;
  std::lock_guard lock(mutex);
  if (brushes[index] == nullptr) {
    brushes[index] = CreateSolidBrush(kSysColors[index]);
    LookupGdi<BrushObject>(brushes[index])->stock = true;
  }
  return brushes[index];
}

BOOL SystemParametersInfoW(UINT action, UINT, PVOID value, UINT) {
  if (value == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  switch (action) {
    case SPI_GETWORKAREA: *static_cast<RECT*>(value) = WorkArea(); return TRUE;
    case SPI_GETWHEELSCROLLLINES:
    case SPI_GETWHEELSCROLLCHARS: *static_cast<UINT*>(value) = 3; return TRUE;
    case SPI_GETFLATMENU: *static_cast<BOOL*>(value) = TRUE; return TRUE;
    case SPI_GETKEYBOARDDELAY: *static_cast<int*>(value) = 1; return TRUE;
    case SPI_GETKEYBOARDSPEED: *static_cast<DWORD*>(value) = 31; return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
      auto* metrics = static_cast<NONCLIENTMETRICSW*>(value);
      if (metrics->cbSize != sizeof(NONCLIENTMETRICSW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
      }
      *metrics = NONCLIENTMETRICSW{sizeof(NONCLIENTMETRICSW),
                                   1,
                                   17,
                                   17,
                                   18,
                                   18,
                                   UiFont(12, FW_BOLD),
                                   12,
                                   15,
                                   UiFont(12, FW_BOLD),
                                   18,
                                   19,
                                   UiFont(12),
                                   UiFont(12),
                                   UiFont(12),
                                   0};
      return TRUE;
    }
    default: SetLastError(ERROR_INVALID_PARAMETER); return FALSE;
  }
}

int GetDeviceCaps(HDC hdc, int index) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr) return 0;
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case SIZEPALETTE: return 0;
    case HORZRES:
    case DESKTOPHORZRES: return ScreenSize().cx;
    case VERTRES:
    case DESKTOPVERTRES: return ScreenSize().cy;
    case HORZSIZE: return ScreenSize().cx * 254 / 960;  // millimetres at 96 dots per inch
    case VERTSIZE: return ScreenSize().cy * 254 / 960;
    default: return 0;
  }
}
