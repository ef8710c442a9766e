// The command ids of the grid's menus, as the editor window receives them.
#pragma once

#include <windows.h>

namespace Talvo::testing {

inline constexpr UINT kCopyCaseCommand = 3012;
inline constexpr UINT kPasteCaseCommand = 3013;
inline constexpr UINT kNewScriptCommand = 3030;
inline constexpr UINT kOpenScriptCommand = 3031;
inline constexpr UINT kEditScriptCommand = 3032;
inline constexpr UINT kRenameScriptCommand = 3033;
inline constexpr UINT kCopyScriptCommand = 3034;
inline constexpr UINT kPasteScriptCommand = 3035;
inline constexpr UINT kDeleteScriptCommand = 3036;
// "Add 0 selected" .. "Add More than 2 selected", for a level and for a global context.
inline constexpr UINT kFirstSelectionCommand = 3120;
inline constexpr UINT kFirstContextSelectionCommand = 3130;
// "Tap" .. "Shift + Ctrl + Alt + Tap", and "Single Tap" .. "Quadra Tap".
inline constexpr UINT kFirstKeyModifierCommand = 282;
inline constexpr UINT kFirstTapCountCommand = 290;

}  // namespace Talvo::testing
