// The names the rename dialogs of imports propose and accept.
#pragma once

#include <afxwin.h>

#include <functional>
#include <string>

namespace Talvo {

// The first of name + " 01" ... " 09", " 10", " 11", ... for which `countNamed` answers 0.
std::wstring ProposeFreeName(const std::wstring& name, const std::function<int(const std::wstring&)>& countNamed);

// The text of a rename dialog's name field as the dialog takes it: at most 511 characters.
std::wstring ReadRenameField(const CWnd& field);

}  // namespace Talvo
