#include "engine/key_hooks.h"

#include <max.h>

#include <stdexcept>

#include "engine/thread.h"

namespace Talvo {

int TapWindow = kDefaultTapWindow;

namespace {

HHOOK getMessageHook = nullptr;

DWORD UserInterfaceThread() {
  HWND host = GetCOREInterface()->GetMAXHWnd();
  return host ? GetWindowThreadProcessId(host, nullptr) : GetCurrentThreadId();
}

}  // namespace

void InstallKeyHooks() {
  if (getMessageHook) return;
  getMessageHook = SetWindowsHookExW(WH_GETMESSAGE, &GetMsgProc, nullptr, UserInterfaceThread());
  if (!getMessageHook) throw std::runtime_error(SystemErrorText("SetWindowsHookEx"));
}

void RemoveKeyHooks() {
  if (!getMessageHook) return;
  UnhookWindowsHookEx(getMessageHook);
  getMessageHook = nullptr;
}

bool KeyHooksInstalled() { return getMessageHook != nullptr; }

}  // namespace Talvo
