// Host notifications: procedures registered for a code are called when the host broadcasts it.
#pragma once

// Notification codes.
enum : int {
  NOTIFY_UNITS_CHANGE = 0x01,
  NOTIFY_SYSTEM_PRE_RESET = 0x0D,
  NOTIFY_SYSTEM_POST_RESET = 0x0E,
  NOTIFY_SYSTEM_PRE_NEW = 0x0F,
  NOTIFY_SYSTEM_POST_NEW = 0x10,
  NOTIFY_FILE_PRE_OPEN = 0x11,
  NOTIFY_FILE_POST_OPEN = 0x12,
  NOTIFY_SELECTIONSET_CHANGED = 0x18,
  NOTIFY_SYSTEM_SHUTDOWN = 0x19,      // the host is closing; plug-ins still exist
  NOTIFY_SYSTEM_STARTUP = 0x50,       // start-up is complete
  NOTIFY_COLOR_CHANGE = 0x55,         // the colour theme changed
  NOTIFY_SYSTEM_PRE_SHUTDOWN = 0xB6,  // sent before NOTIFY_SYSTEM_SHUTDOWN
};

struct NotifyInfo {
  int intcode;      // the broadcast code
  void* callParam;  // data of the broadcast, or null
};

using NOTIFYPROC = void (*)(void* param, NotifyInfo* info);

// Registers proc with param for one code; 1 on success, 0 for a null proc or a duplicate registration.
int RegisterNotification(NOTIFYPROC proc, void* param, int code);
// Removes the registration of (proc, param, code); 1 when it existed.
int UnRegisterNotification(NOTIFYPROC proc, void* param, int code);
// Removes every registration of (proc, param), whatever the code; 1 when one existed.
int UnRegisterNotification(NOTIFYPROC proc, void* param);
// Calls every procedure registered for code, in registration order. A procedure unregistered during
// the broadcast is not called afterwards.
void BroadcastNotification(int code, void* callParam = nullptr);
