// The template of the options grid page: one grid control that the page binds and lays out itself.
#pragma once

namespace Talvo {

inline constexpr int IDD_OPTIONS_EDITOR = 123;
inline constexpr int IDC_OPTIONS_GRID = 1014;

// Registers template IDD_OPTIONS_EDITOR (again only when it is missing).
void RegisterOptionsEditorTabTemplate();

}  // namespace Talvo
