// The rename prompt for an imported function whose name is taken. The function rename dialog lives with
// the function pages (a layer above this one), so it registers itself here; the profile zip import
// asks through this hook.
#pragma once

#include <afxwin.h>

#include <functional>

namespace Talvo {

class XmlFunction;

// Shows the prompt for `function`: IDOK once the function carries the new name, anything else leaves it
// as it was.
using FunctionRenamePrompt = std::function<INT_PTR(CWnd* owner, XmlFunction& function)>;

// Installs the prompt (an empty one removes it); returns the previous one.
FunctionRenamePrompt SetFunctionRenamePrompt(FunctionRenamePrompt prompt);

// Runs the installed prompt; IDCANCEL (the name stays) when none is installed.
INT_PTR PromptFunctionRename(CWnd* owner, XmlFunction& function);

}  // namespace Talvo
