// The class descriptors of the plug-in's three classes: the utility-panel plug-in that opens the
// editor, the global utility, and the viewport helper object (a minimal descriptor until the helper
// object itself exists).
#pragma once

#include <max.h>

namespace Talvo {

inline constexpr Class_ID kUtilityClassID(0x5a7e1c03, 0x1d6b42e9);
inline constexpr Class_ID kGUtilityClassID(0x3c91f5a2, 0x6e08d417);
// Stored in the host's scene files with every helper object, so it never changes.
inline constexpr Class_ID kVisualInterfaceClassID(0x1d3e0fa0, 0x29b80ae9);

ClassDesc2* GetUtilityDesc();
ClassDesc2* GetGUtilityDesc();
ClassDesc2* GetVisualInterfaceDesc();

// What the utility panel does when the user opens it: the editor registers how its window opens.
using EditorOpener = void (*)();
void SetEditorOpener(EditorOpener opener);

}  // namespace Talvo
