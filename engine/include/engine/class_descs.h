// The class descriptors of the plug-in's three classes: the utility-panel plug-in that opens the
// editor, the global utility, and the viewport helper object. The helper object lives in the overlay
// layer above this one, so its descriptor is installed from there; until then a minimal descriptor
// with the helper's identity stands in.
#pragma once

#include <max.h>

namespace Talvo {

inline constexpr Class_ID kUtilityClassID(0x5a7e1c03, 0x1d6b42e9);
inline constexpr Class_ID kGUtilityClassID(0x3c91f5a2, 0x6e08d417);
// Stored in the host's scene files with every helper object, so it never changes.
inline constexpr Class_ID kVisualInterfaceClassID(0x1d3e0fa0, 0x29b80ae9);

ClassDesc2* GetUtilityDesc();
ClassDesc2* GetGUtilityDesc();
// The helper object's descriptor: the installed one, or the minimal stand-in.
ClassDesc2* GetVisualInterfaceDesc();
// Installs the helper object's real descriptor (null goes back to the minimal one).
void SetVisualInterfaceDesc(ClassDesc2* desc);

// What the utility panel does when the user opens it: the editor registers how its window opens.
using EditorOpener = void (*)();
void SetEditorOpener(EditorOpener opener);

}  // namespace Talvo
