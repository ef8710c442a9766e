// What the host was asked to run, kept for the test driver.
#pragma once

#include "host/simulation.h"

namespace host_internal {
void RecordAction(const hostsim::ActionRun& run);
void RecordMacro(const hostsim::MacroRun& run);
void RecordScript(const hostsim::ScriptRun& run);
void ClearRunLogs();
}  // namespace host_internal
