// What the standard controls share: their registration, per-window state, font, colours and notifications.
#pragma once

#include <string>

#include <windows.h>

namespace win32_internal {

// Registers the system control classes once per process (they are global classes and outlive a reset).
void RegisterStandardControlClasses();

// Registers one global control class whose windows keep a state pointer in their extra bytes; `style` adds to
// CS_GLOBALCLASS | CS_DBLCLKS. Registered directly (no class lookup first): this runs while the standard classes
// are being registered.
void RegisterControlClass(const wchar_t* name, WNDPROC proc, UINT style);

// The classes of each control family; the list controls (LISTBOX, COMBOBOX) are registered by their own files.
void RegisterListControlClasses();
void RegisterButtonClass();
void RegisterStaticClass();
void RegisterEditClass();

// Every control keeps a pointer to its state in its first extra bytes, created with WM_NCCREATE and deleted
// with WM_NCDESTROY.
inline constexpr int kControlExtraBytes = sizeof(LONG_PTR);

template <typename State>
State* ControlState(HWND hwnd) {
  return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, 0));
}

template <typename State>
void AttachControlState(HWND hwnd) {
  SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(new State()));
}

template <typename State>
void DeleteControlState(HWND hwnd) {
  delete ControlState<State>(hwnd);
  SetWindowLongPtrW(hwnd, 0, 0);
}

// The font set with WM_SETFONT, or the default GUI font.
inline HFONT ControlFontOr(HFONT font) {
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// WM_SETFONT and WM_GETFONT of a control whose state keeps `font`: a new font is kept, `fitToFont` adapts the
// control's layout to it, and the control repaints when lParam asks (erasing its background when `erase`).
template <typename FitToFont>
LRESULT FontMessage(HWND hwnd, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam, BOOL erase,
                    FitToFont fitToFont) {
  if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(font);
  font = reinterpret_cast<HFONT>(wParam);
  fitToFont();
  if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, erase);
  return 0;
}

// WM_PAINT of a control: `paint` draws it on the paint DC.
template <typename Paint>
LRESULT PaintControl(HWND hwnd, Paint paint) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (dc) paint(dc);
  EndPaint(hwnd, &ps);
  return 0;
}

// A WM_COMMAND notification to the control's parent.
inline void NotifyParent(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (parent)
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

// Asks the parent for the colours of the control (WM_CTLCOLOR*): the parent sets the DC's text colour and
// background mode and returns the brush; a parent that returns none gets the defaults.
inline HBRUSH ParentColors(HWND control, HDC dc, UINT message) {
  HWND parent = GetParent(control);
  if (!parent) return reinterpret_cast<HBRUSH>(DefWindowProcW(control, message, reinterpret_cast<WPARAM>(dc), 0));
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  if (brush) return brush;
  return reinterpret_cast<HBRUSH>(
      DefWindowProcW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
}

// Fills a small polygon (an arrow, a mark) in one colour, outline included.
void FillGlyph(HDC dc, const POINT* points, int count, COLORREF color);

// An owner-drawn control's painting: WM_DRAWITEM to the parent with the whole client area to draw.
void AskParentToDraw(HWND control, HDC dc, UINT controlType, UINT itemState);

// Whether a brush draws nothing (the stock hollow brush or any BS_NULL brush).
bool IsHollowBrush(HBRUSH brush);
// Makes a part of the control's client area (all of it when `rect` is null) transparent, so that what lies below
// the control shows through it.
void ClearToTransparent(HWND control, const RECT* rect);
// Fills the client area with the brush; a hollow brush leaves it transparent.
void FillControlBackground(HWND control, HDC dc, HBRUSH brush);

// WM_GETTEXT's answer from a control's own text: as much as fits in `size` characters with the terminator.
inline LRESULT CopyTextOut(const std::wstring& text, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  if (!out || size == 0) return 0;
  size_t count = text.size() < size - 1 ? text.size() : static_cast<size_t>(size - 1);
  text.copy(out, count);
  out[count] = L'\0';
  return static_cast<LRESULT>(count);
}

// The window's text.
inline std::wstring WindowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
  return text;
}

}  // namespace win32_internal
