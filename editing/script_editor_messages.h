// The window messages around custom-script editing that the editor window receives.
#pragma once

#include <windows.h>

namespace Talvo {

// Posted to the editor window when a script editor closes: bring the editor window up again. wParam and
// lParam 0.
inline constexpr UINT ShowEditorMessage = 0xC56;
// Sent to the editor window after the custom-script list changed: refresh the script lists of the function
// editors. wParam 0, lParam the drop-down the change came from (may be null).
inline constexpr UINT ScriptsChangedMessage = 0xC59;

}  // namespace Talvo
