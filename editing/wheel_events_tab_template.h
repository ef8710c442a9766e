// The template of the wheel-events page: the name edit and the menu of sets with their labels, five
// one-button toolbars and the logo. The strip of category pages is made at run time below them.
#pragma once

namespace Talvo {

inline constexpr int IDD_WHEEL_EVENTS_PAGE = 137;
inline constexpr int IDC_WHEEL_EVENTS_LOGO = 1072;
inline constexpr int IDC_WHEEL_EVENTS_CURRENT_LABEL = 1099;
inline constexpr int IDC_WHEEL_EVENTS_NAME = 1100;
inline constexpr int IDC_WHEEL_EVENTS_SAVE_BAR = 1101;
inline constexpr int IDC_WHEEL_EVENTS_EXPORT_BAR = 1102;
inline constexpr int IDC_WHEEL_EVENTS_NEW_BAR = 1103;
inline constexpr int IDC_WHEEL_EVENTS_DELETE_BAR = 1104;
inline constexpr int IDC_WHEEL_EVENTS_IMPORT_BAR = 1105;
inline constexpr int IDC_WHEEL_EVENTS_MENU = 1106;
inline constexpr int IDC_WHEEL_EVENTS_EXISTING_LABEL = 1107;

// Registers template IDD_WHEEL_EVENTS_PAGE (again only when it is missing).
void RegisterWheelEventsTabTemplate();

}  // namespace Talvo
