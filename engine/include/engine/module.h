// The plug-in module's entry functions, as the host calls them after loading the module. The module's
// application object, which starts it, lives at the top of the plug-in (frame/module_app.h).
#pragma once

#include <max.h>

extern "C" {
// The module's description text.
const MCHAR* LibDescription();
// The number of plug-in classes (3).
int LibNumberClasses();
// 0 the utility panel, 1 the global utility, 2 the helper object; null for other indices.
ClassDesc* LibClassDesc(int index);
// The host SDK version the module was built for.
ULONG LibVersion();
}

inline constexpr ULONG kTalvoLibVersion = 0x52083400;
