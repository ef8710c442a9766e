// The layout that the rename dialogs share; only the text before the taken name differs.
#pragma once

#include <windows.h>

namespace Talvo {

DLGTEMPLATE RenameDlgTemplate(const wchar_t* clashText);

}  // namespace Talvo
