// Per-window data: styles, ids, user data, the procedure, extra bytes, text and properties.
#include <cstring>
#include <cwctype>
#include <unistd.h>

#include "window_internal.h"

using namespace win32_internal;

namespace {

bool ExtraRange(const Window& window, int index, size_t size) {
  return index >= 0 && static_cast<size_t>(index) + size <= window.extra.size();
}

HWND ParentOrOwner(const Window& window) {
  if (IsTopLevel(window)) return window.owner;
  return window.parent;
}

// The topmost bit of the extended style follows the z-order band, which only SetWindowPos changes: a new
// extended style keeps the bit the window has.
DWORD KeepTopmostBit(DWORD exStyle, DWORD old) {
  return (exStyle & ~static_cast<DWORD>(WS_EX_TOPMOST)) | (old & WS_EX_TOPMOST);
}

// Styles change through WM_STYLECHANGING / WM_STYLECHANGED, which may adjust the new value.
LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD value) {
  Window* window = PeekWindow(hwnd);
  DWORD old = index == GWL_STYLE ? window->style : window->exStyle;
  STYLESTRUCT change{old, index == GWL_STYLE ? value : KeepTopmostBit(value, old)};
  SendMessageW(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
  window = PeekWindow(hwnd);
  if (!window) return 0;
  if (index == GWL_STYLE) {
    window->style = change.styleNew;
  } else {
    change.styleNew = KeepTopmostBit(change.styleNew, old);
    window->exStyle = change.styleNew;
  }
  SendMessageW(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
  return static_cast<LONG_PTR>(old);
}

std::wstring PropKey(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name));
  std::wstring key(name);
  for (wchar_t& c : key) c = static_cast<wchar_t>(std::towlower(c));
  return key;
}

}  // namespace

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
  Window* window = LookupWindow(hwnd);
  if (!window) return 0;
  switch (index) {
    case GWL_STYLE: return static_cast<LONG_PTR>(window->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(window->exStyle);
    case GWLP_ID: return window->id;
    case GWLP_USERDATA: return window->userData;
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(ParentOrOwner(*window));
    default: break;
  }
  if (!ExtraRange(*window, index, sizeof(LONG_PTR))) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  LONG_PTR value;
  std::memcpy(&value, window->extra.data() + index, sizeof value);
  return value;
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  Window* window = LookupWindow(hwnd);
  if (!window) return 0;
  LONG_PTR old = 0;
  switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
      return ChangeStyle(hwnd, index, static_cast<DWORD>(value));
    case GWLP_ID:
      old = window->id;
      window->id = value;
      return old;
    case GWLP_USERDATA:
      old = window->userData;
      window->userData = value;
      return old;
    case GWLP_WNDPROC:
      if (!value) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
      old = reinterpret_cast<LONG_PTR>(window->proc);
      window->proc = reinterpret_cast<WNDPROC>(value);
      return old;
    case GWLP_HINSTANCE:
      old = reinterpret_cast<LONG_PTR>(window->instance);
      window->instance = reinterpret_cast<HINSTANCE>(value);
      return old;
    case GWLP_HWNDPARENT: {
      // Changes the owner of a top-level window.
      old = reinterpret_cast<LONG_PTR>(ParentOrOwner(*window));
      if (IsTopLevel(*window)) {
        HWND owner = reinterpret_cast<HWND>(value);
        window->owner = owner && PeekWindow(owner) ? RootOf(owner) : nullptr;
      }
      return old;
    }
    default:
      break;
  }
  if (!ExtraRange(*window, index, sizeof(LONG_PTR))) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  std::memcpy(&old, window->extra.data() + index, sizeof old);
  std::memcpy(window->extra.data() + index, &value, sizeof value);
  return old;
}

LONG GetWindowLongW(HWND hwnd, int index) {
  Window* window = LookupWindow(hwnd);
  if (!window) return 0;
  if (index < 0) return static_cast<LONG>(GetWindowLongPtrW(hwnd, index));
  if (!ExtraRange(*window, index, sizeof(LONG))) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  LONG value;
  std::memcpy(&value, window->extra.data() + index, sizeof value);
  return value;
}

LONG SetWindowLongW(HWND hwnd, int index, LONG value) {
  Window* window = LookupWindow(hwnd);
  if (!window) return 0;
  if (index < 0) return static_cast<LONG>(SetWindowLongPtrW(hwnd, index, value));
  if (!ExtraRange(*window, index, sizeof(LONG))) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  LONG old;
  std::memcpy(&old, window->extra.data() + index, sizeof old);
  std::memcpy(window->extra.data() + index, &value, sizeof value);
  return old;
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!proc) return 0;
  return proc(hwnd, message, wParam, lParam);
}

int GetWindowTextLengthW(HWND hwnd) {
  if (!LookupWindow(hwnd)) return 0;
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetWindowTextW(HWND hwnd, LPWSTR text, int maxCount) {
  if (!LookupWindow(hwnd) || !text || maxCount <= 0) return 0;
  text[0] = L'\0';
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(text)));
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
  if (!LookupWindow(hwnd)) return FALSE;
  return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data) {
  Window* window = LookupWindow(hwnd);
  if (!window || !name) return FALSE;
  window->props[PropKey(name)] = data;
  return TRUE;
}

HANDLE GetPropW(HWND hwnd, LPCWSTR name) {
  Window* window = LookupWindow(hwnd);
  if (!window || !name) return nullptr;
  auto it = window->props.find(PropKey(name));
  return it == window->props.end() ? nullptr : it->second;
}

HANDLE RemovePropW(HWND hwnd, LPCWSTR name) {
  Window* window = LookupWindow(hwnd);
  if (!window || !name) return nullptr;
  auto it = window->props.find(PropKey(name));
  if (it == window->props.end()) return nullptr;
  HANDLE data = it->second;
  window->props.erase(it);
  return data;
}

DWORD GetWindowThreadProcessId(HWND hwnd, LPDWORD processId) {
  DWORD thread = 0;
  if (!WindowTable().Read(FromHwnd(hwnd), [&](const Window& window) { thread = window.threadId; })) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (processId) *processId = static_cast<DWORD>(getpid());
  return thread;
}

HWND GetDlgItem(HWND dialog, int id) {
  Window* window = LookupWindow(dialog);
  if (!window) return nullptr;
  for (HWND child : window->children) {
    Window* control = PeekWindow(child);
    if (control && control->id == id) return child;
  }
  SetLastError(1421L);  // ERROR_CONTROL_ID_NOT_FOUND
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* window = LookupWindow(hwnd);
  return window ? static_cast<int>(window->id) : 0;
}

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
  HWND control = GetDlgItem(dialog, id);
  return control ? SetWindowTextW(control, text) : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int maxCount) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) {
    if (text && maxCount > 0) text[0] = L'\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextW(control, text, maxCount));
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND control = GetDlgItem(dialog, id);
  return control ? SendMessageW(control, message, wParam, lParam) : 0;
}
