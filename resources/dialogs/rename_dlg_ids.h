// Control ids shared by the templates of the rename dialogs shown when an imported document's name is
// taken: the clash texts around the taken name, the field with the new name, OK and Cancel.
#pragma once

namespace Talvo {

inline constexpr int IDC_RENAME_CLASH_BEFORE = 1078;  // "The ... with name: "
inline constexpr int IDC_RENAME_CLASH_NAME = 1079;    // the taken name
inline constexpr int IDC_RENAME_CLASH_AFTER = 1005;   // "already exists. Plese rename the imported one"
inline constexpr int IDC_RENAME_NAME = 1077;          // the new name

}  // namespace Talvo
