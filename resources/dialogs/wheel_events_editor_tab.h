// The template of a wheel-events editor page: the tree grid, the back and forward buttons, the subcategory
// icon and title.
#pragma once

namespace Talvo {

inline constexpr int IDD_WHEEL_EVENTS_EDITOR = 138;
inline constexpr int IDC_WHEEL_EVENTS_GRID = 1014;
inline constexpr int IDC_WHEEL_EVENTS_BACK = 1027;
inline constexpr int IDC_WHEEL_EVENTS_FORWARD = 1028;
inline constexpr int IDC_WHEEL_EVENTS_TITLE = 1055;
inline constexpr int IDC_WHEEL_EVENTS_ICON = 1056;

// Registers template IDD_WHEEL_EVENTS_EDITOR (again only when it is missing).
void RegisterWheelEventsEditorTabTemplate();

}  // namespace Talvo
