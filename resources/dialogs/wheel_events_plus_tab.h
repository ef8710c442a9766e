// The template of the wheel-events strip's "+" page: an empty child page.
#pragma once

namespace Talvo {

inline constexpr int IDD_WHEEL_EVENTS_PLUS = 139;

// Registers template IDD_WHEEL_EVENTS_PLUS (again only when it is missing).
void RegisterWheelEventsPlusTabTemplate();

} // namespace Talvo
