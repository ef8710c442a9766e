// Window classes: registration by name (case-insensitive) or atom, and their data.
#include <cwctype>
#include <mutex>
#include <algorithm>
#include <cstring>

#include "controls_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

struct ClassRegistry {
  std::mutex mutex;
  std::map<std::wstring, std::unique_ptr<WindowClass>> byKey;
  ATOM nextAtom = 0xC100;
};

ClassRegistry& Registry() {
  static ClassRegistry registry;
  return registry;
}

std::wstring KeyOf(LPCWSTR name) {
  std::wstring key(name);
  for (wchar_t& c : key) c = static_cast<wchar_t>(std::towlower(c));
  return key;
}

WindowClass* FindLocked(ClassRegistry& registry, LPCWSTR nameOrAtom) {
  if (!nameOrAtom) return nullptr;
  if (IS_INTRESOURCE(nameOrAtom)) {
    ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom));
    for (auto& entry : registry.byKey)
      if (entry.second->atom == atom) return entry.second.get();
    return nullptr;
  }
  auto it = registry.byKey.find(KeyOf(nameOrAtom));
  return it == registry.byKey.end() ? nullptr : it->second.get();
}

ATOM Register(const WNDCLASSEXW& wc) {
  if (!wc.lpszClassName || IS_INTRESOURCE(wc.lpszClassName) || !*wc.lpszClassName || wc.cbClsExtra < 0 ||
      wc.cbWndExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  ClassRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  if (FindLocked(registry, wc.lpszClassName)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  auto windowClass = std::make_unique<WindowClass>();
  windowClass->name = wc.lpszClassName;
  windowClass->atom = registry.nextAtom++;
  windowClass->style = wc.style;
  windowClass->proc = wc.lpfnWndProc;
  windowClass->classExtra = wc.cbClsExtra;
  windowClass->windowExtra = wc.cbWndExtra;
  windowClass->instance = wc.hInstance;
  windowClass->icon = wc.hIcon;
  windowClass->smallIcon = wc.hIconSm;
  windowClass->cursor = wc.hCursor;
  windowClass->background = wc.hbrBackground;
  windowClass->menuName = wc.lpszMenuName;
  windowClass->extra.assign(static_cast<size_t>(wc.cbClsExtra), 0);
  ATOM atom = windowClass->atom;
  registry.byKey.emplace(KeyOf(wc.lpszClassName), std::move(windowClass));
  return atom;
}

}  // namespace

WindowClass* FindClass(LPCWSTR nameOrAtom) {
  RegisterStandardControlClasses();  // the system classes exist before anything looks for a class
  ClassRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  return FindLocked(registry, nameOrAtom);
}

// Global classes (the standard controls register theirs with CS_GLOBALCLASS) outlive a reset.
void ResetClasses() {
  ClassRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  for (auto it = registry.byKey.begin(); it != registry.byKey.end();) {
    if (it->second->style & CS_GLOBALCLASS) {
      it->second->windowCount = 0;
      ++it;
    } else {
      it = registry.byKey.erase(it);
    }
  }
}

}  // namespace win32_internal

using win32_internal::FindClass;
using win32_internal::LookupWindow;
using win32_internal::WindowClass;

ATOM RegisterClassW(const WNDCLASSW* wc) {
  if (!wc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WNDCLASSEXW ex{sizeof(WNDCLASSEXW), wc->style,        wc->lpfnWndProc,  wc->cbClsExtra,   wc->cbWndExtra, wc->hInstance,
                 wc->hIcon,           wc->hCursor,      wc->hbrBackground, wc->lpszMenuName, wc->lpszClassName, nullptr};
  return win32_internal::Register(ex);
}

ATOM RegisterClassExW(const WNDCLASSEXW* wc) {
  if (!wc || wc->cbSize != sizeof(WNDCLASSEXW)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return win32_internal::Register(*wc);
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
  auto& registry = win32_internal::Registry();
  std::lock_guard lock(registry.mutex);
  WindowClass* windowClass = win32_internal::FindLocked(registry, className);
  if (!windowClass) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (windowClass->windowCount > 0) {
    SetLastError(1412L);  // ERROR_CLASS_HAS_WINDOWS
    return FALSE;
  }
  registry.byKey.erase(win32_internal::KeyOf(windowClass->name.c_str()));
  return TRUE;
}

BOOL GetClassInfoExW(HINSTANCE, LPCWSTR className, WNDCLASSEXW* wc) {
  WindowClass* windowClass = FindClass(className);
  if (!windowClass || !wc) {
    SetLastError(windowClass ? ERROR_INVALID_PARAMETER : ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  wc->cbSize = sizeof(WNDCLASSEXW);
  wc->style = windowClass->style;
  wc->lpfnWndProc = windowClass->proc;
  wc->cbClsExtra = windowClass->classExtra;
  wc->cbWndExtra = windowClass->windowExtra;
  wc->hInstance = windowClass->instance;
  wc->hIcon = windowClass->icon;
  wc->hCursor = windowClass->cursor;
  wc->hbrBackground = windowClass->background;
  wc->lpszMenuName = windowClass->menuName;
  wc->lpszClassName = windowClass->name.c_str();
  wc->hIconSm = windowClass->smallIcon;
  return windowClass->atom;
}

BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc) {
  WNDCLASSEXW ex{};
  BOOL found = GetClassInfoExW(instance, className, &ex);
  if (!found || !wc) return found && wc;
  *wc = WNDCLASSW{ex.style,   ex.lpfnWndProc, ex.cbClsExtra,     ex.cbWndExtra,   ex.hInstance,
                  ex.hIcon,   ex.hCursor,     ex.hbrBackground, ex.lpszMenuName, ex.lpszClassName};
  return found;
}

int GetClassNameW(HWND hwnd, LPWSTR className, int maxCount) {
  win32_internal::Window* window = LookupWindow(hwnd);
  if (!window || !window->windowClass || !className || maxCount <= 0) {
    if (window) SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::wstring& name = window->windowClass->name;
  int count = std::min<int>(static_cast<int>(name.size()), maxCount - 1);
  name.copy(className, static_cast<size_t>(count));
  className[count] = L'\0';
  return count;
}

namespace {

ULONG_PTR* ClassField(WindowClass& c, int index) {
  switch (index) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR*>(&c.background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR*>(&c.cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR*>(&c.icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR*>(&c.smallIcon);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR*>(&c.instance);
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR*>(&c.proc);
    default: return nullptr;
  }
}

}  // namespace

ULONG_PTR GetClassLongPtrW(HWND hwnd, int index) {
  win32_internal::Window* window = LookupWindow(hwnd);
  if (!window || !window->windowClass) return 0;
  WindowClass& c = *window->windowClass;
  if (index == GCL_STYLE) return c.style;
  if (index == GCL_CBWNDEXTRA) return static_cast<ULONG_PTR>(c.windowExtra);
  if (index == GCL_CBCLSEXTRA) return static_cast<ULONG_PTR>(c.classExtra);
  if (ULONG_PTR* field = ClassField(c, index)) return *field;
  if (index >= 0 && static_cast<size_t>(index) + sizeof(ULONG_PTR) <= c.extra.size()) {
    ULONG_PTR value;
    std::memcpy(&value, c.extra.data() + index, sizeof value);
    return value;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

ULONG_PTR SetClassLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  win32_internal::Window* window = LookupWindow(hwnd);
  if (!window || !window->windowClass) return 0;
  WindowClass& c = *window->windowClass;
  ULONG_PTR old = 0;
  if (index == GCL_STYLE) {
    old = c.style;
    c.style = static_cast<UINT>(value);
  } else if (ULONG_PTR* field = ClassField(c, index)) {
    old = *field;
    *field = static_cast<ULONG_PTR>(value);
  } else if (index >= 0 && static_cast<size_t>(index) + sizeof(ULONG_PTR) <= c.extra.size()) {
    std::memcpy(&old, c.extra.data() + index, sizeof old);
    std::memcpy(c.extra.data() + index, &value, sizeof value);
  } else {
    SetLastError(ERROR_INVALID_INDEX);
  }
  return old;
}

// The one module of the process: the program and its stand-ins share one instance handle.
HINSTANCE GetModuleHandleW(LPCWSTR moduleName) {
  if (moduleName) {
    SetLastError(126L);  // ERROR_MOD_NOT_FOUND
    return nullptr;
  }
  return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x00400000));
}
