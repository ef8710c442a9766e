// The clipboard's contents: who has it open, who owns it, and its blocks by format, with text synthesized between
// CF_TEXT (Windows-1252) and CF_UNICODETEXT (UTF-32) when only one of them was put there.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "window_internal.h"

namespace {

struct Clipboard {
  std::mutex mutex;
  bool open = false;
  HWND openWindow = nullptr;
  std::thread::id openThread;
  HWND owner = nullptr;
  std::vector<std::pair<UINT, HGLOBAL>> data;  // in the order the formats were set
  std::map<UINT, HGLOBAL> synthesized;         // text made from the other text format on request
  bool openFails = false;
};

Clipboard& TheClipboard() {
  static Clipboard clipboard;
  return clipboard;
}

void FreeAll(Clipboard& clipboard) {
  for (auto& [format, block] : clipboard.data) GlobalFree(block);
  for (auto& [format, block] : clipboard.synthesized) GlobalFree(block);
  clipboard.data.clear();
  clipboard.synthesized.clear();
}

bool OpenedByCaller(const Clipboard& clipboard) {
  if (clipboard.open && clipboard.openThread == std::this_thread::get_id()) return true;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return false;
}

HGLOBAL Stored(const Clipboard& clipboard, UINT format) {
  for (auto& [f, block] : clipboard.data)
    if (f == format) return block;
  return nullptr;
}

bool Has(const Clipboard& clipboard, UINT format) {
  return std::any_of(clipboard.data.begin(), clipboard.data.end(), [&](auto& entry) { return entry.first == format; });
}

// The text format that can be made from the other one, if any.
UINT SourceOfSynthesis(const Clipboard& clipboard, UINT format) {
  UINT other = format == CF_TEXT ? CF_UNICODETEXT : format == CF_UNICODETEXT ? CF_TEXT : 0;
  return other && !Has(clipboard, format) && Stored(clipboard, other) ? other : 0;
}

// Converts the text of `source` (in the other text format) into a new block of `format`.
HGLOBAL Synthesize(HGLOBAL source, UINT format) {
  SIZE_T bytes = GlobalSize(source);
  auto* text = static_cast<const char*>(GlobalLock(source));
  if (!text) return nullptr;
  HGLOBAL block = nullptr;
  if (format == CF_TEXT) {
    auto* wideText = reinterpret_cast<const wchar_t*>(text);
    std::wstring wide(wideText, wcsnlen(wideText, bytes / sizeof(wchar_t)));
    int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    block = GlobalAlloc(GMEM_MOVEABLE, size);
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, static_cast<char*>(GlobalLock(block)), size, nullptr, nullptr);
  } else {
    std::string ansi(text, strnlen(text, bytes));
    int size = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    block = GlobalAlloc(GMEM_MOVEABLE, size * sizeof(wchar_t));
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, static_cast<wchar_t*>(GlobalLock(block)), size);
  }
  GlobalUnlock(block);
  GlobalUnlock(source);
  return block;
}

// The formats available: those set, then those that can be synthesized.
std::vector<UINT> Formats(const Clipboard& clipboard) {
  std::vector<UINT> formats;
  for (auto& [format, block] : clipboard.data) formats.push_back(format);
  for (UINT text : {CF_TEXT, CF_UNICODETEXT})
    if (SourceOfSynthesis(clipboard, text)) formats.push_back(text);
  return formats;
}

}  // namespace

BOOL OpenClipboard(HWND hWndNewOwner) {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  bool heldByCaller =
      clipboard.open && clipboard.openWindow == hWndNewOwner && clipboard.openThread == std::this_thread::get_id();
  if (clipboard.openFails || (clipboard.open && !heldByCaller)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  clipboard.open = true;
  clipboard.openWindow = hWndNewOwner;
  clipboard.openThread = std::this_thread::get_id();
  return TRUE;
}

BOOL CloseClipboard() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  if (!OpenedByCaller(clipboard)) return FALSE;
  clipboard.open = false;
  clipboard.openWindow = nullptr;
  return TRUE;
}

BOOL EmptyClipboard() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  if (!OpenedByCaller(clipboard)) return FALSE;
  FreeAll(clipboard);
  clipboard.owner = clipboard.openWindow;
  return TRUE;
}

// The clipboard takes the block: the caller must not free it afterwards. A null block announces the format
// without data (delayed rendering, which nothing renders here).
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  if (!OpenedByCaller(clipboard)) return nullptr;
  if (uFormat == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  for (auto& [format, block] : clipboard.synthesized) GlobalFree(block);
  clipboard.synthesized.clear();
  auto it = std::find_if(clipboard.data.begin(), clipboard.data.end(), [&](auto& e) { return e.first == uFormat; });
  if (it != clipboard.data.end()) {
    if (it->second != hMem) GlobalFree(it->second);
    it->second = hMem;
  } else {
    clipboard.data.emplace_back(uFormat, hMem);
  }
  return hMem;
}

// The block stays the clipboard's.
HANDLE GetClipboardData(UINT uFormat) {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  if (!OpenedByCaller(clipboard)) return nullptr;
  if (HGLOBAL block = Stored(clipboard, uFormat)) return block;
  UINT source = SourceOfSynthesis(clipboard, uFormat);
  if (!source) return nullptr;
  HGLOBAL& cached = clipboard.synthesized[uFormat];
  if (!cached) cached = Synthesize(Stored(clipboard, source), uFormat);
  return cached;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  return Has(clipboard, format) || SourceOfSynthesis(clipboard, format) != 0;
}

int CountClipboardFormats() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  return static_cast<int>(Formats(clipboard).size());
}

HWND GetClipboardOwner() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  return clipboard.owner;
}

HWND GetOpenClipboardWindow() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  return clipboard.open ? clipboard.openWindow : nullptr;
}

namespace win32_internal {

// A destroyed window no longer owns the clipboard, nor names the window that has it open.
void ForgetClipboardWindow(HWND hwnd) {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  if (clipboard.owner == hwnd) clipboard.owner = nullptr;
  if (clipboard.open && clipboard.openWindow == hwnd) clipboard.openWindow = nullptr;
}

}  // namespace win32_internal

namespace winsim {

void ResetClipboard() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  FreeAll(clipboard);
  clipboard.open = false;
  clipboard.openWindow = nullptr;
  clipboard.owner = nullptr;
  clipboard.openFails = false;
}

void SetClipboardOpenFails(bool fails) {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard lock(clipboard.mutex);
  clipboard.openFails = fails;
}

}  // namespace winsim
