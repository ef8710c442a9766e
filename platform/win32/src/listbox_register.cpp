// Registration of the list controls: LISTBOX, COMBOBOX and the combo box's drop-down list.
#include <mutex>

#include "listbox_internal.h"

namespace win32_internal {

// Global classes survive winsim::Reset, so they are registered once per process.
void RegisterListControlClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterControlClass(WC_LISTBOXW, ListBoxProc, 0);
    RegisterControlClass(WC_COMBOBOXW, ComboBoxProc, 0);
    RegisterControlClass(kComboListClass, ListBoxProc, CS_SAVEBITS);
  });
}

}  // namespace win32_internal
