// The template of the profiles page: the name field and the profiles menu with their labels, six one-button
// toolbars, the keyboard view, the six quick-profile slots (menu, check box, marker) and the logo. The page
// places the view, the slots and the logo itself whenever it is resized.
#pragma once

namespace Talvo {

inline constexpr int IDD_PROFILES_PAGE = 104;
inline constexpr int IDC_PROFILE_CURRENT_LABEL = 1004;
inline constexpr int IDC_PROFILE_EXISTING_LABEL = 1005;
inline constexpr int IDC_PROFILE_MENU = 1006;
inline constexpr int IDC_PROFILE_QUICK_MENU_FIRST = 1007;  // slots 0..5: 1007..1012
inline constexpr int IDC_PROFILE_QUICK_LABEL = 1013;
inline constexpr int IDC_PROFILE_NAME = 1014;
inline constexpr int IDC_PROFILE_SAVE_BAR = 1023;
inline constexpr int IDC_PROFILE_NEW_BAR = 1024;
inline constexpr int IDC_PROFILE_DELETE_BAR = 1025;
inline constexpr int IDC_PROFILE_IMPORT_BAR = 1026;
inline constexpr int IDC_PROFILE_SPARE_BAR = 1027;  // stays hidden and empty
inline constexpr int IDC_PROFILE_KEYBOARD = 1028;
inline constexpr int IDC_PROFILE_QUICK_CHECK_FIRST = 1031;   // slots 0..5: 1031..1036
inline constexpr int IDC_PROFILE_QUICK_MARKER_FIRST = 1037;  // slots 0..5: 1037..1042
inline constexpr int IDC_PROFILE_LOGO = 1072;
inline constexpr int IDC_PROFILE_EXPORT_BAR = 1073;
inline constexpr int IDC_PROFILE_ZIP_BAR = 1074;

// Registers template IDD_PROFILES_PAGE (again only when it is missing).
void RegisterProfileTabTemplate();

}  // namespace Talvo
