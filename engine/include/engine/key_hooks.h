// The keyboard side of the plug-in on the host's user-interface thread: the get-message hook that
// shows, updates and dismisses the overlay, runs cases chosen on it and relays redraw requests.
#pragma once

#include <windows.h>

namespace Talvo {

// The tap window in milliseconds (the options document's tap threshold; 300 initially).
extern int TapWindow;
inline constexpr int kDefaultTapWindow = 300;

// Installs the get-message hook on the host's user-interface thread (the thread of the host's main
// window, or the calling thread before the host has one). Installing twice leaves one hook. Throws when
// the system refuses.
void InstallKeyHooks();
// Removes the hook; nothing when it is not installed.
void RemoveKeyHooks();
bool KeyHooksInstalled();

// The get-message hook procedure.
LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam);

// Whether a key press (virtual-key code) shows the overlay: the current profile and layout know the key,
// and the key is in learning mode, carries the learning interface, or its function asks for the overlay
// (forcevi). Except for the learning interface, the assigned function must exist.
bool KeyShowsVisualInterface(UINT virtualKey);

// What the hook does on RedrawGridMessage while the editor window exists: the editor re-places the cell
// editors of its visible grid. Null for nothing.
using GridRedrawHandler = void (*)();
void SetGridRedrawHandler(GridRedrawHandler handler);

}  // namespace Talvo
