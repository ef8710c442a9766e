// Stock cursors and icons: one shared icon handle per id, made on first use.
#include <map>
#include <mutex>

#include <windows.h>

namespace {

constexpr int kCursorSize = 32;

struct StockEntry {
  WORD id;
  DWORD xHotspot;
  DWORD yHotspot;
};

// The stock cursors and where each one's hot spot is.
constexpr StockEntry kCursors[] = {
    {32512, 0, 0},   {32513, 16, 16}, {32514, 16, 16}, {32515, 16, 16}, {32516, 16, 0},
    {32642, 16, 16}, {32643, 16, 16}, {32644, 16, 16}, {32645, 16, 16}, {32646, 16, 16},
    {32648, 16, 16}, {32649, 5, 0},   {32650, 0, 0},   {32651, 0, 0},
};
constexpr WORD kFirstIcon = 32512;
constexpr WORD kLastIcon = 32516;

// A blank image with the hot spot given: cursors are not drawn into screenshots, so only the handle
// and its identity matter.
HICON MakeStockImage(BOOL isIcon, DWORD xHotspot, DWORD yHotspot) {
  HBITMAP color = CreateBitmap(kCursorSize, kCursorSize, 1, 32, nullptr);
  HBITMAP mask = CreateBitmap(kCursorSize, kCursorSize, 1, 1, nullptr);
  ICONINFO info{isIcon, xHotspot, yHotspot, mask, color};
  HICON image = CreateIconIndirect(&info);
  DeleteObject(color);
  DeleteObject(mask);
  return image;
}

HICON SharedImage(BOOL isIcon, WORD id, DWORD xHotspot, DWORD yHotspot) {
  static std::mutex mutex;
  static std::map<std::pair<BOOL, WORD>, HICON> images;
  std::lock_guard<std::mutex> lock(mutex);
  HICON& image = images[{isIcon, id}];
  if (image == nullptr) image = MakeStockImage(isIcon, xHotspot, yHotspot);
  return image;
}

bool IsStockName(HINSTANCE instance, LPCWSTR name) {
  if (instance == nullptr && name != nullptr && IS_INTRESOURCE(name)) return true;
  SetLastError(1814L);  // ERROR_RESOURCE_NAME_NOT_FOUND
  return false;
}

}  // namespace

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
  if (!IsStockName(instance, name)) return nullptr;
  const WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  for (const StockEntry& entry : kCursors) {
    if (entry.id == id) return SharedImage(FALSE, id, entry.xHotspot, entry.yHotspot);
  }
  SetLastError(1814L);
  return nullptr;
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
  if (!IsStockName(instance, name)) return nullptr;
  const WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  if (id < kFirstIcon || id > kLastIcon) {
    SetLastError(1814L);
    return nullptr;
  }
  return SharedImage(TRUE, id, kCursorSize / 2, kCursorSize / 2);
}
