// The host's MAXScript interpreter entry.
#pragma once

#include "host/strings.h"
#include "win32/types.h"

// Runs a script text and answers whether it ran without error. "max undo" and "max redo" step the
// host's undo stack; every other text is recorded and answered as the host was told (hostsim). Unless
// quietErrors is set, a failure prints an error line to the listener.
BOOL ExecuteMAXScriptScript(const MCHAR* text, bool quietErrors = false);
