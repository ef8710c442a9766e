// The host's debug log.
#pragma once

#include "host/strings.h"

// Appends a formatted line to the debug log ("%s" takes a wide string). Safe from any thread.
void DebugPrint(const MCHAR* format, ...);
