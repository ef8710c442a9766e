// The window classes the host registers: custom toolbars and the script editor.
#pragma once

namespace host_internal {
// Registers each class that is not registered yet.
void RegisterHostWindowClasses();
}  // namespace host_internal
