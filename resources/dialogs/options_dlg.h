// The template of the options dialog "Configuration": the tab control that holds the option pages and the
// buttons that load, save and reset the options and write the keyboard chart.
#pragma once

namespace Talvo {

inline constexpr int IDD_OPTIONS = 122;
inline constexpr int IDC_OPTIONS_LOAD = 1058;
inline constexpr int IDC_OPTIONS_SAVE = 1059;
inline constexpr int IDC_OPTIONS_TABS = 1060;
inline constexpr int IDC_OPTIONS_WRITE_CHART = 3;
inline constexpr int IDC_OPTIONS_RESET = 4;

// Registers template IDD_OPTIONS (again only when it is missing) and the tab control class it uses.
void RegisterOptionsDlgTemplate();

}  // namespace Talvo
