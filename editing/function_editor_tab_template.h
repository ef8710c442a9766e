// The template of a function editor page: the level header (back, forward and add-case buttons, the level
// title and picture) above the case grid.
#pragma once

namespace Talvo {

inline constexpr int IDD_FUNCTION_EDITOR = 113;
inline constexpr int IDC_EDITOR_GRID = 1014;
inline constexpr int IDC_EDITOR_PREVIOUS_LEVEL = 1027;
inline constexpr int IDC_EDITOR_NEXT_LEVEL = 1028;
inline constexpr int IDC_EDITOR_ADD_CASE = 1029;
inline constexpr int IDC_EDITOR_TITLE = 1055;
inline constexpr int IDC_EDITOR_PICTURE = 1056;

// Registers template IDD_FUNCTION_EDITOR (again only when it is missing).
void RegisterFunctionEditorTabTemplate();

}  // namespace Talvo
