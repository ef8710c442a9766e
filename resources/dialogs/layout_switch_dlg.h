// The switch-layout dialog's template (id 110): one push button per way of moving to another keyboard layout.
#pragma once

namespace Talvo {

inline constexpr int IDD_LAYOUT_SWITCH = 110;
inline constexpr int IDC_LAYOUT_SWITCH_MOVE = 1027;   // keep the assignments on the new layout
inline constexpr int IDC_LAYOUT_SWITCH_SAVE = 1028;   // a new profile for the new layout
inline constexpr int IDC_LAYOUT_SWITCH_CLEAR = 1029;  // a blank new layout

// Registers the template under IDD_LAYOUT_SWITCH; registering again changes nothing.
void RegisterLayoutSwitchDlgTemplate();

}  // namespace Talvo
