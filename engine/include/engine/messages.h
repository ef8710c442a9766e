// The private messages of the plug-in core: thread messages from the keyboard side and the redraw
// thread to the user-interface thread, and window messages between the hook, the overlay and the editor.
#pragma once

#include <windows.h>

namespace Talvo {

// Window messages between the controls, the grid's pages, the page strip and the editor window. The
// document-change message (0xC3D) lives with the documents (model/editor_window.h).

// Sent to the grid's parent after the user chose another item of a drop-down editor, or by the custom-code
// buttons and the script editor window: wParam 0, lParam the sender.
inline constexpr UINT WM_APPLY_CELL = 0xC38;
// Sent to the grid's parent for every character typed into a text editor of column 10: lParam the editor.
inline constexpr UINT WM_CELL_EDIT_END = 0xC39;
// Sent to the page strip by a clicked key button: wParam the key number, lParam the key button.
inline constexpr UINT OpenAssignmentTabMessage = 0xC3A;
// Sent to the page by an icon button inside a grid cell's text editor; wParam its id, lParam the button.
inline constexpr UINT WM_CELL_EDIT_BUTTON = 0xC3B;
// Sent to the page strip by the function editor after a change of the current function.
inline constexpr UINT FunctionEditedMessage = 0xC3C;
// Posted to the editor window when a script editor closes: bring the editor window up again. wParam and
// lParam 0.
inline constexpr UINT ShowEditorMessage = 0xC56;
// Sent to the page by a custom-code button (modes 11 to 15) of a script drop-down; lParam the button.
inline constexpr UINT WM_CUSTOM_CODE_BUTTON = 0xC57;
// Makes a drop-down editor re-read the custom-script list through its cell.
inline constexpr UINT WM_SYNC_DROPDOWN = 0xC58;
// Sent to the editor window after the custom-script list changed: refresh the script lists of the function
// editors. wParam 0, lParam the drop-down the change came from (may be null).
inline constexpr UINT ScriptsChangedMessage = 0xC59;
// Sent to a wheel-events editor page when the user changed one of its spin editors: wParam the integer
// value, or in float mode the float's bits; lParam the spin editor.
inline constexpr UINT WM_WHEEL_VALUE_EDITED = 0xC5F;

// Sent to a function editor page by the editor window's case commands: show the level whose caption string
// id is lParam (146..150).
inline constexpr UINT WM_SELECT_LEVEL = 0xC60;
// Sent to a function editor page after a case was added: expand the case of selection count LOWORD(wParam)
// and modifier byte LOBYTE(lParam), and refill the grid.
inline constexpr UINT WM_SELECT_CASE_CELL = 0xC61;

// Sent to the editor window after an undo or redo of a data step; wParam = sub-page code << 16 | page index.
inline constexpr UINT TalvoDataChangedMessage = 0xC3E;
// Thread message: show the overlay for a key; wParam (key << 16) + a counter (key 0xFFFF: the shown key),
// lParam the modifier byte.
inline constexpr UINT ShowVisualInterfaceMessage = 0xC47;
// Thread message: the overlay's view changed; nothing to do.
inline constexpr UINT WM_VISUAL_INTERFACE_VIEW_CHANGED = 0xC48;
// Thread message from the redraw thread: re-place the cell editors of the visible grid.
inline constexpr UINT RedrawGridMessage = 0xC49;
// Posted by the overlay to its own window: destroy it.
inline constexpr UINT WM_HIDE_VISUAL_INTERFACE_DLG = 0xC4D;
// Posted by a runnable overlay button to its window: wParam (key << 16) + tap count, lParam the modifier
// byte plus 0x10000 for the "Override Mode" row.
inline constexpr UINT RunFromVisualInterfaceMessage = 0xC4E;
// Sent by the hook to the overlay when the key or the modifiers change (same wParam and lParam as 0xC47).
inline constexpr UINT WM_MOD_KEY_MSG = 0xC51;
// Thread message: a key was assigned; the overlay closes shortly after.
inline constexpr UINT KeyAssignedMessage = 0xC55;

// The overlay's close timer, armed by KeyAssignedMessage.
inline constexpr UINT_PTR ID_TIMER_VI_CLOSE = 3335;
inline constexpr UINT kVisualInterfaceCloseDelay = 50;

// The key field of ShowVisualInterfaceMessage that means "the key the overlay shows".
inline constexpr UINT kShownKey = 0xFFFF;

// Sent to the profiles page by its name field after every change of the text. wParam and lParam 0.
inline constexpr UINT ProfileNameEditedMessage = 0xC36;

// Sent by the editor window's menu to the profiles page (0xC40, 0xC42, 0xC44, 0xC4B) and the functions page
// (0xC41, 0xC43, 0xC45, 0xC4A): load, delete, clone or export the current document. wParam and lParam 0.
inline constexpr UINT LoadProfileMessage = 0xC40;
inline constexpr UINT LoadFunctionMessage = 0xC41;
inline constexpr UINT DeleteProfileMessage = 0xC42;
inline constexpr UINT DeleteFunctionMessage = 0xC43;
inline constexpr UINT CloneProfileMessage = 0xC44;
inline constexpr UINT CloneFunctionMessage = 0xC45;
inline constexpr UINT ExportFunctionMessage = 0xC4A;
inline constexpr UINT ExportProfileMessage = 0xC4B;

// Sent to the functions page by its name field after every change of the text. wParam and lParam 0.
inline constexpr UINT FunctionNameEditedMessage = 0xC37;

// The wheel-events page: its name field's change message (0xC5A) and its load, delete, clone and export
// entry points (0xC5B-0xC5E). wParam and lParam 0.
inline constexpr UINT WM_RENAME_WHEEL_EVENTS = 0xC5A;
inline constexpr UINT WM_LOAD_WHEEL_EVENTS = 0xC5B;
inline constexpr UINT WM_DELETE_WHEEL_EVENTS = 0xC5C;
inline constexpr UINT WM_CLONE_WHEEL_EVENTS = 0xC5D;
inline constexpr UINT WM_EXPORT_WHEEL_EVENTS = 0xC5E;

}  // namespace Talvo
