// The test and driver interface of the class library stand-in: module start and stop, and a pump
// that never blocks.
#pragma once

namespace mfcsim {

// What loading the module does for its application object: InitInstance, and ExitInstance when
// that fails. Returns InitInstance's result (true without an application object).
bool LoadModule();
// What unloading the module does: ExitInstance; returns its exit code (0 without an application).
int UnloadModule();

// Pumps the calling thread's queue as the application's Run loop does (PreTranslateMessage, then
// TranslateMessage and DispatchMessage), with the idle work whenever the queue runs dry, until
// nothing is left. Stops after `maxMessages` messages (idle = false) and at WM_QUIT, which it
// leaves in the queue (quit = true).
struct PumpResult {
  bool idle = true;
  bool quit = false;
  int dispatched = 0;
};
PumpResult PumpMessages(int maxMessages = 10000);

// Destroys every window still attached to a C++ object and frees the temporary wrappers,
// for tests that end with windows open.
void Reset();

}  // namespace mfcsim
