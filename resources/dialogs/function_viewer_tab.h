// The template of a function viewer page: the level header (back and forward buttons, level icon and
// caption), the two selection-count buttons at the left, and the case grid.
#pragma once

namespace Talvo {

inline constexpr int IDD_FUNCTION_VIEWER = 121;
inline constexpr int IDC_VIEWER_GRID = 1014;
inline constexpr int IDC_VIEWER_PREVIOUS_LEVEL = 1027;
inline constexpr int IDC_VIEWER_NEXT_LEVEL = 1028;
inline constexpr int IDC_VIEWER_FEWER_SELECTED = 1029;
inline constexpr int IDC_VIEWER_MORE_SELECTED = 1030;
inline constexpr int IDC_VIEWER_MODE = 1055;
inline constexpr int IDC_VIEWER_LEVEL_ICON = 1056;

// Registers template IDD_FUNCTION_VIEWER (again only when it is missing).
void RegisterFunctionViewerTabTemplate();

}  // namespace Talvo
