#include "window_classes.h"

#include "script_editor_window.h"
#include "toolbar.h"

namespace host_internal {
void RegisterHostWindowClasses() {
  RegisterToolbarClass();
  RegisterScriptEditorClass();
}
}  // namespace host_internal
