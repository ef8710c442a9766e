// The template of the functions page: the name field and the function menu with their labels, five
// one-button toolbars, the learning-mode check box and the logo. The function editor strip is made at
// run time below them.
#pragma once

namespace Talvo {

inline constexpr int IDD_FUNCTIONS_PAGE = 105;
inline constexpr int IDC_FUNCTION_CURRENT_LABEL = 1044;
inline constexpr int IDC_FUNCTION_SAVE_BAR = 1045;
inline constexpr int IDC_FUNCTION_MENU = 1046;
inline constexpr int IDC_FUNCTION_NEW_BAR = 1047;
inline constexpr int IDC_FUNCTION_DELETE_BAR = 1048;
inline constexpr int IDC_FUNCTION_IMPORT_BAR = 1049;
inline constexpr int IDC_FUNCTION_EXISTING_LABEL = 1050;
inline constexpr int IDC_FUNCTION_NAME = 1051;
inline constexpr int IDC_FUNCTION_LEARNING_LABEL = 1052;
inline constexpr int IDC_FUNCTION_EXPORT_BAR = 1053;
inline constexpr int IDC_FUNCTION_LOGO = 1072;
inline constexpr int IDC_FUNCTION_LEARNING = 1111;

// Registers template IDD_FUNCTIONS_PAGE (again only when it is missing).
void RegisterFunctionsTabTemplate();

}  // namespace Talvo
