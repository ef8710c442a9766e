#include "logs.h"

namespace {
struct RunLogs {
  std::vector<hostsim::ActionRun> actions;
  std::vector<hostsim::MacroRun> macros;
  std::vector<hostsim::ScriptRun> scripts;
};

RunLogs& Logs() {
  static RunLogs logs;
  return logs;
}
}  // namespace

namespace host_internal {
void RecordAction(const hostsim::ActionRun& run) { Logs().actions.push_back(run); }
void RecordMacro(const hostsim::MacroRun& run) { Logs().macros.push_back(run); }
void RecordScript(const hostsim::ScriptRun& run) { Logs().scripts.push_back(run); }
void ClearRunLogs() { Logs() = RunLogs{}; }
}  // namespace host_internal

namespace hostsim {
std::vector<ActionRun> ActionLog() { return Logs().actions; }
std::vector<MacroRun> MacroLog() { return Logs().macros; }
std::vector<ScriptRun> MAXScriptLog() { return Logs().scripts; }
}  // namespace hostsim
