// What the get-message hook needs of the overlay window: the one overlay is reached through viFormDlg,
// and a new one is made through the factory the overlay registers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace Talvo {

class iVisualInterface {
 public:
  // The overlay's frame window.
  virtual HWND GetFormWindow() const = 0;
  // The virtual-key code of the key it shows.
  virtual UINT GetShownKey() const = 0;
  // Destroys the overlay's window; the overlay deletes itself once its window is gone. True on success.
  virtual bool DestroyForm() = 0;

 protected:
  ~iVisualInterface() = default;
};

// The one overlay, or null; shared by the hook and the overlay on the user-interface thread, no lock.
extern iVisualInterface* viFormDlg;

// Makes, shows and returns a new overlay for a key (virtual-key code), a modifier byte and the key's
// caption from the layout; null when it cannot.
using VisualInterfaceFactory =
    std::function<iVisualInterface*(UINT key, unsigned char modifiers, const std::wstring& keyText)>;
void SetVisualInterfaceFactory(VisualInterfaceFactory factory);
const VisualInterfaceFactory& GetVisualInterfaceFactory();

// Takes the overlay out of viFormDlg and destroys its window; nothing when there is none.
void DestroyVisualInterface();

}  // namespace Talvo
