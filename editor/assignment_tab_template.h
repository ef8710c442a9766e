// The template of a key-assignment page: the key button, the functions menu with its label, three
// one-button toolbars and the learning-mode check box with its label. The function viewer strip is made at
// run time below them.
#pragma once

namespace Talvo {

inline constexpr int IDD_ASSIGNMENT_PAGE = 120;
inline constexpr int IDC_ASSIGNMENT_KEY = 1027;
inline constexpr int IDC_ASSIGNMENT_MENU = 1046;
inline constexpr int IDC_ASSIGNMENT_NEW_BAR = 1047;
inline constexpr int IDC_ASSIGNMENT_DELETE_BAR = 1048;
inline constexpr int IDC_ASSIGNMENT_IMPORT_BAR = 1049;
inline constexpr int IDC_ASSIGNMENT_FUNCTIONS_LABEL = 1050;
inline constexpr int IDC_ASSIGNMENT_LEARNING_LABEL = 1051;
inline constexpr int IDC_ASSIGNMENT_LEARNING = 1057;
inline constexpr int IDC_ASSIGNMENT_PICTURE = 1072;  // in the template, unused by the page

// Registers template IDD_ASSIGNMENT_PAGE (again only when it is missing).
void RegisterAssignmentTabTemplate();

}  // namespace Talvo
