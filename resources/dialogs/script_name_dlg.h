// The script name dialog's template (id 136).
#pragma once

namespace Talvo {

inline constexpr int IDD_SCRIPT_NAME = 136;
inline constexpr int IDC_SCRIPT_NAME_LABEL = 1078;  // "Script name: "
inline constexpr int IDC_SCRIPT_NAME = 1077;        // the name field

// Registers the template under IDD_SCRIPT_NAME; registering again changes nothing.
void RegisterScriptNameDlgTemplate();

}  // namespace Talvo
