// The script editor's window class.
#pragma once

namespace host_internal {
void RegisterScriptEditorClass();
}  // namespace host_internal
