// Hooks: get-message hooks run on the thread whose queue they watch, low-level keyboard hooks on injected keys.
// Chains run from the most recently installed hook; each hook passes on with CallNextHookEx.
#include <algorithm>

#include "message_queue_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

struct Hook {
  HHOOK handle;
  int kind;
  HOOKPROC proc;
  DWORD thread;  // 0 for every thread
};

struct Hooks {
  std::mutex mutex;
  std::vector<Hook> chain;  // newest first
  std::uintptr_t next = 0x20000;
};

Hooks& AllHooks() {
  static Hooks hooks;
  return hooks;
}

bool Applies(const Hook& hook, int kind) {
  return hook.kind == kind && (hook.thread == 0 || hook.thread == GetCurrentThreadId());
}

// The first hook of `kind` for this thread after `after` (or from the start when `after` is null).
bool NextHook(int kind, HHOOK after, Hook* out) {
  Hooks& hooks = AllHooks();
  std::lock_guard lock(hooks.mutex);
  auto it = hooks.chain.begin();
  if (after) {
    it = std::find_if(hooks.chain.begin(), hooks.chain.end(), [&](const Hook& h) { return h.handle == after; });
    if (it == hooks.chain.end()) return false;
    ++it;
  }
  it = std::find_if(it, hooks.chain.end(), [&](const Hook& h) { return Applies(h, kind); });
  if (it == hooks.chain.end()) return false;
  *out = *it;
  return true;
}

bool FindHook(HHOOK handle, Hook* out) {
  Hooks& hooks = AllHooks();
  std::lock_guard lock(hooks.mutex);
  auto it = std::find_if(hooks.chain.begin(), hooks.chain.end(), [&](const Hook& h) { return h.handle == handle; });
  if (it == hooks.chain.end()) return false;
  *out = *it;
  return true;
}

// The hook running on this thread, so that CallNextHookEx(NULL, ...) knows where the chain stands.
thread_local HHOOK runningHook = nullptr;

LRESULT CallHook(const Hook& hook, int code, WPARAM wParam, LPARAM lParam) {
  HHOOK outer = runningHook;
  runningHook = hook.handle;
  LRESULT result = hook.proc(code, wParam, lParam);
  runningHook = outer;
  return result;
}

}  // namespace

void RunGetMessageHooks(MSG* msg, UINT removeFlag) {
  Hook first;
  if (NextHook(WH_GETMESSAGE, nullptr, &first)) CallHook(first, HC_ACTION, removeFlag, reinterpret_cast<LPARAM>(msg));
}

void ResetHooks() {
  Hooks& hooks = AllHooks();
  std::lock_guard lock(hooks.mutex);
  hooks.chain.clear();
}

}  // namespace win32_internal

using namespace win32_internal;

HHOOK SetWindowsHookExW(int kind, HOOKPROC proc, HINSTANCE, DWORD thread) {
  if (!proc || kind != WH_GETMESSAGE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  Hooks& hooks = AllHooks();
  std::lock_guard lock(hooks.mutex);
  HHOOK handle = reinterpret_cast<HHOOK>(hooks.next);
  hooks.next += 4;
  hooks.chain.insert(hooks.chain.begin(), Hook{handle, kind, proc, thread});
  return handle;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  HHOOK current = hook ? hook : runningHook;
  Hook self;
  if (!current || !FindHook(current, &self)) return 0;
  Hook next;
  if (!NextHook(self.kind, current, &next)) return 0;
  return CallHook(next, code, wParam, lParam);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  Hooks& hooks = AllHooks();
  std::lock_guard lock(hooks.mutex);
  auto it = std::find_if(hooks.chain.begin(), hooks.chain.end(), [&](const Hook& h) { return h.handle == hook; });
  if (it == hooks.chain.end()) {
    SetLastError(ERROR_INVALID_HOOK_HANDLE);
    return FALSE;
  }
  hooks.chain.erase(it);
  return TRUE;
}
