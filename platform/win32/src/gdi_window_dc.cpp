// DCs of windows (on the window's own surface) and of the screen.
#include "gdi_internal.h"
#include "gdi_object_types.h"
#include "screen_state.h"
#include "window_canvas.h"

using namespace win32_internal;

namespace {

HDC WindowDc(HWND hwnd, bool wholeWindow) {
  auto dc = std::make_unique<DcObject>();
  if (hwnd == nullptr) {
    // The screen DC draws nowhere; it measures text and answers the screen's size.
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    dc->target = DcObject::Target::Screen;
    dc->SetSurface(scratch, Region(ScreenRect()));
    cairo_surface_destroy(scratch);
    return NewDc(std::move(dc));
  }
  WindowCanvas canvas;
  if (!GetWindowCanvas(hwnd, wholeWindow, &canvas) || canvas.surface == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  dc->target = DcObject::Target::Window;
  dc->hwnd = hwnd;
  dc->origin = canvas.origin;
  dc->SetSurface(canvas.surface, canvas.visible);
  return NewDc(std::move(dc));
}

}  // namespace

HDC GetDC(HWND hwnd) { return WindowDc(hwnd, false); }

HDC GetWindowDC(HWND hwnd) { return WindowDc(hwnd, true); }

int ReleaseDC(HWND hwnd, HDC hdc) {
  DcObject* dc = LookupGdi<DcObject>(hdc);
  if (dc == nullptr || dc->target == DcObject::Target::Memory || dc->hwnd != hwnd) return 0;
  RemoveGdiObject(hdc);
  return 1;
}
