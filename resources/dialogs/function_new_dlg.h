// The new-function dialog's template (id 125): one button per function kind.
#pragma once

namespace Talvo {

inline constexpr int IDD_FUNCTION_NEW = 125;
inline constexpr int IDC_KIND_MULTITAP_MODIFIERS = 1074;           // hidden and disabled
inline constexpr int IDC_KIND_MULTITAP_MODIFIERS_ELEMENTS = 1075;  // hidden and disabled
inline constexpr int IDC_KIND_CONTEXT_SENSITIVE = 1076;
inline constexpr int IDC_KIND_SINGLE_TAP = 1077;
inline constexpr int IDC_KIND_MULTITAP = 1078;

// Registers the template under IDD_FUNCTION_NEW; registering again changes nothing.
void RegisterFunctionNewDlgTemplate();

}  // namespace Talvo
