// The custom toolbar window class.
#pragma once

namespace host_internal {
void RegisterToolbarClass();
}  // namespace host_internal
