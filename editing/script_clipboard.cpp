#include "editing/script_clipboard.h"

#include <windows.h>

#include <cstring>
#include <host/core_interface.h>

namespace Talvo {

namespace {

HWND ClipboardOwner() { return GetCOREInterface()->GetMAXHWnd(); }

// A movable block holding the text's wide characters and the terminating zero.
HGLOBAL TextBlock(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block == nullptr) return nullptr;
  auto* target = static_cast<wchar_t*>(GlobalLock(block));
  if (target == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(block);
  return block;
}

}  // namespace

bool PutScriptOnClipboard(const std::wstring& text) {
  if (!OpenClipboard(ClipboardOwner())) return false;
  EmptyClipboard();
  HGLOBAL block = TextBlock(text);
  // The clipboard owns a block only once it has taken it.
  const bool placed = block != nullptr && SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  if (!placed && block != nullptr) GlobalFree(block);
  CloseClipboard();
  return placed;
}

std::optional<std::wstring> TakeScriptFromClipboard() {
  if (!OpenClipboard(ClipboardOwner())) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Another program's block need not end in a zero: read no further than the block reaches.
      const SIZE_T capacity = GlobalSize(data) / sizeof(wchar_t);
      SIZE_T length = 0;
      while (length < capacity && chars[length] != L'\0') ++length;
      text.emplace(chars, length);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace Talvo
