// GUtility: the global utility, which lives from the host's start-up to its shutdown. Its start
// prepares the plug-in's run-time state and takes the keyboard; its stop gives everything back.
#pragma once

#include <max.h>

namespace Talvo {

class GUtility : public GUP {
 public:
  // Registers for the host's pre-shutdown notification, resets the editor's shared state, reads the
  // tap window and installs the key hooks unless the "deactivate" option is set.
  DWORD Start() override;
  // Removes the notification, the hooks and the overlay, and stops the redraw thread.
  void Stop() override;

 private:
  static void OnNotify(void* param, NotifyInfo* info);
};

}  // namespace Talvo
