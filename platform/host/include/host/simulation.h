// The test and driver interface of the host stand-in: start the host on a root folder, switch the theme,
// build scenes, answer MAXScript, drive undo and read what the host was asked to do.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/actions.h"
#include "host/colors.h"
#include "host/macros.h"
#include "host/scene_builder.h"
#include "win32/types.h"

namespace hostsim {

// Starts the host on a root folder (created when missing): resets the host, registers the host's window
// classes and creates the main window. Directory ids map to folders below the root. Call it after
// winsim::Reset, which destroys windows and window classes.
void Start(const std::wstring& rootFolder);
// Puts everything back as after Start, keeping the root folder and the main window: undo stack,
// notifications, actions, menus, macros, MAXScript answers, logs, listener, scene, theme (light),
// accelerators (on), dialog windows and directory overrides.
void Reset();
// Ends the host: broadcasts the pre-shutdown and shutdown notifications, destroys the main window and
// resets. Safe to call twice.
void Shutdown();
const std::wstring& RootFolder();
// Maps a directory id to a folder of the caller's choice instead of the default below the root.
void SetDirectory(int which, const std::wstring& folder);

// The colour theme. Changing it broadcasts the colour-change notification.
void SetTheme(AppFrameColorTheme theme);

// MAXScript answers: a text set here answers as set; otherwise the handler decides when it answers;
// otherwise "max undo" and "max redo" step the undo stack; otherwise the default (true at start).
using MAXScriptHandler = std::function<std::optional<bool>(const std::wstring& text)>;
void SetMAXScriptResult(const std::wstring& text, bool success);
void SetMAXScriptDefault(bool success);
void SetMAXScriptHandler(MAXScriptHandler handler);

// What the host was asked to run, in order.
struct ActionRun {
  ActionTableId table;
  int command;
  bool found;  // the action existed
};
struct MacroRun {
  MacroID id;
  bool found;
};
struct ScriptRun {
  std::wstring text;
  bool quiet;
  bool success;
};
std::vector<ActionRun> ActionLog();
std::vector<MacroRun> MacroLog();
std::vector<ScriptRun> MAXScriptLog();
// The debug log and the listener's text.
std::wstring DebugLog();
void ClearDebugLog();
std::wstring ListenerText();

// The undo stack, as the host's undo and redo commands drive it.
bool Undo();
bool Redo();
std::vector<std::wstring> UndoLabels();  // newest first
std::vector<std::wstring> RedoLabels();  // next first

// Keyboard accelerators: how often they were switched on and off since the last reset.
struct AcceleratorCalls {
  int enables = 0;
  int disables = 0;
};
AcceleratorCalls GetAcceleratorCalls();

// How many procedures are registered for a notification code.
int NotificationCount(int code);

// Windows registered with the host as dialog windows, in registration order.
std::vector<HWND> RegisteredDialogWindows();

// Registers the host's own action tables and contexts ("Main UI", "Editable Polygon Object",
// "Unwrap UVW", "Macro Scripts") and a set of macro scripts.
void InstallStandardActions();
// Adds a macro script to the directory (and to the "Macro Scripts" table when installed).
struct MacroDefinition {
  std::wstring category;
  std::wstring name;
  std::wstring buttonText;
  std::wstring toolTip;
  std::wstring internalCategory;  // the category when empty
  std::wstring fileName;          // "<category>.mcr" in the user macros folder when empty
};
MacroID AddMacro(const MacroDefinition& definition);
// Removes a macro script from the directory and the "Macro Scripts" table; false when unknown.
bool RemoveMacro(MacroID id);

}  // namespace hostsim
