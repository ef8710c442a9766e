// The window manager's own view of windows and classes, shared by the window, message, input and paint code.
#pragma once

#include <cairo.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "handle_table.h"
#include "region.h"
#include <windows.h>

namespace win32_internal {

struct WindowClass {
  std::wstring name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  int classExtra = 0;
  int windowExtra = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  LPCWSTR menuName = nullptr;
  std::vector<BYTE> extra;
  int windowCount = 0;
};

struct Window {
  HWND handle = nullptr;
  WindowClass* windowClass = nullptr;
  DWORD threadId = 0;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;        // the desktop for top-level windows
  HWND owner = nullptr;         // top-level windows only
  std::vector<HWND> children;   // z-order, topmost first
  RECT windowRect{};            // in the parent's client coordinates (screen for top-level windows)
  RECT clientRect{};            // the client area, in the same coordinates as windowRect
  std::wstring text;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  HINSTANCE instance = nullptr;
  std::vector<BYTE> extra;
  std::map<std::wstring, HANDLE> props;

  // Painting.
  Region update;                // client coordinates
  bool eraseNeeded = false;
  bool frameNeeded = false;
  bool internalPaint = false;
  cairo_surface_t* surface = nullptr;

  // State.
  bool destroying = false;
  bool minimized = false;
  bool maximized = false;
  RECT normalRect{};            // the restored position while minimized or maximized
  COLORREF colorKey = 0;
  BYTE alpha = 255;
  DWORD layeredFlags = 0;
};

HWND ToHwnd(std::uintptr_t value);
std::uintptr_t FromHwnd(HWND hwnd);

// The table of every window; the desktop window is its root.
HandleTable<Window>& WindowTable();
Window* Desktop();
HWND DesktopHandle();

// The window behind a handle; null (and ERROR_INVALID_WINDOW_HANDLE) for NULL, stale or bogus handles.
Window* LookupWindow(HWND hwnd);
// The same without touching the last error (for internal probes).
Window* PeekWindow(HWND hwnd);

// Classes.
WindowClass* FindClass(LPCWSTR nameOrAtom);
void ResetClasses();

// Tree helpers.
bool IsTopLevel(const Window& window);
Window* ParentOf(const Window& window);
HWND RootOf(HWND hwnd);
// Whether `hwnd` is `ancestor` or lies below it.
bool IsSelfOrDescendant(HWND hwnd, HWND ancestor);
// The top-level windows (the desktop's children) change only under a lock of their own, as windows of several
// threads may come and go at once.
void ClearTopLevelList();
void Unlink(Window& window);
// Inserts below `after` in the parent's z-order; HWND_TOP / HWND_BOTTOM / HWND_TOPMOST / HWND_NOTOPMOST as usual.
void LinkInto(Window& parent, Window& window, HWND after);
// A window and all its descendants, each parent before its children and children in z-order.
std::vector<HWND> SubtreeOf(HWND hwnd);
bool IsVisibleOnScreen(HWND hwnd);

// Geometry.
POINT ClientOrigin(const Window& window);   // screen position of the client area's top-left corner
RECT ScreenWindowRect(const Window& window);
RECT ClientAreaInWindow(const Window& window);  // the client area in window (surface) coordinates
// Stores the window rectangle and asks the window for its client area (WM_NCCALCSIZE).
void PlaceWindow(HWND hwnd, const RECT& windowRect);

// The surface that holds a window's pixels; recreated blank when the size changes.
void EnsureSurface(Window& window);
void ReleaseSurface(Window& window);

// Painting hooks used by geometry and state changes.
void InvalidateWhole(Window& window, bool erase, bool frame);

// The thread's cross-cutting state changes that happen as a window goes away or hides.
void ReleaseInputStateOf(HWND hwnd);
void ActivateAnotherWindow(HWND leaving);
// Activation; `how` is WA_ACTIVE or WA_CLICKACTIVE. Returns the previously active window.
HWND ActivateWindow(HWND hwnd, WORD how);

// What dies with a window: its timers, the messages posted to it and its ownership of the clipboard.
void KillTimersOf(HWND hwnd);
void DropPostedMessagesOf(HWND hwnd);
void ForgetClipboardWindow(HWND hwnd);

// Parts of winsim::Reset.
void ResetQueues();
void ResetHooks();
void ResetInput();
void ResetClock();
void ResetScreen();

}  // namespace win32_internal
