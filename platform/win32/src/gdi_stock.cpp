// Stock objects: shared pens, brushes, fonts and the memory DC's default bitmap.
#include <array>
#include <mutex>

#include "gdi_font.h"
#include "gdi_object_types.h"

namespace win32_internal {
namespace {

constexpr int kStockCount = DC_PEN + 1;

HGDIOBJ MakeStock(int index) {
  switch (index) {
    case WHITE_BRUSH: return CreateSolidBrush(RGB(255, 255, 255));
    case LTGRAY_BRUSH: return CreateSolidBrush(RGB(192, 192, 192));
    case GRAY_BRUSH: return CreateSolidBrush(RGB(128, 128, 128));
    case DKGRAY_BRUSH: return CreateSolidBrush(RGB(64, 64, 64));
    case BLACK_BRUSH: return CreateSolidBrush(RGB(0, 0, 0));
    case NULL_BRUSH: {
      HBRUSH brush = CreateSolidBrush(0);
      LookupGdi<BrushObject>(brush)->log.lbStyle = BS_NULL;
      return brush;
    }
    case WHITE_PEN: return CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    case BLACK_PEN: return CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    case NULL_PEN: return CreatePen(PS_NULL, 1, 0);
    case DC_BRUSH: {
      HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
      LookupGdi<BrushObject>(brush)->usesDcColor = true;
      return brush;
    }
    case DC_PEN: {
      HPEN pen = CreatePen(PS_SOLID, 1, 0);
      LookupGdi<PenObject>(pen)->usesDcColor = true;
      return pen;
    }
    case SYSTEM_FONT: {
      LOGFONTW font = UiFont(13, FW_BOLD);
      font.lfHeight = 16;
      return CreateFontIndirectW(&font);
    }
    case DEFAULT_GUI_FONT:
    case ANSI_VAR_FONT:
    case DEVICE_DEFAULT_FONT:
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: {
      const LOGFONTW font = UiFont(11);
      return CreateFontIndirectW(&font);
    }
    default: return nullptr;
  }
}

std::mutex& StockMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

HGDIOBJ StockObject(int index) {
  static std::array<HGDIOBJ, kStockCount> stock{};
  if (index < 0 || index >= kStockCount) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::lock_guard lock(StockMutex());
  if (stock[index] == nullptr) {
    stock[index] = MakeStock(index);
    if (GdiObject* object = FindGdiObject(stock[index])) object->stock = true;
  }
  return stock[index];
}

HBITMAP DefaultBitmap() {
  static HBITMAP bitmap = [] {
    HBITMAP made = CreateBitmap(1, 1, 1, 1, nullptr);
    LookupGdi<BitmapObject>(made)->stock = true;
    return made;
  }();
  return bitmap;
}

}  // namespace win32_internal
