#include "mfc/simulation.h"

#include <utility>

#include "mfc/app.h"
#include "win32/simulation.h"

namespace mfcsim {

namespace {

// An application whose OnIdle always wants more still gets its queue looked at.
constexpr LONG kMaxIdleSteps = 16;

// The window stand-in's pump, which the driver's injected input runs, pre-translates through the application
// (or, without one, through the windows' own PreTranslateMessage) while the module is loaded.
bool PreTranslateThroughApp(MSG& msg) {
  if (msg.message == WM_KICKIDLE) return false;
  if (CWinApp* app = AfxGetApp()) {
    app->m_msgCur = msg;
    return app->PreTranslateMessage(&msg) != FALSE;
  }
  CWinThread fallback;
  return fallback.PreTranslateMessage(&msg) != FALSE;
}

struct InstalledFilter {
  bool installed = false;
  winsim::PreDispatchFilter previous;
};
thread_local InstalledFilter installedFilter;

void InstallPreTranslateFilter() {
  if (installedFilter.installed) return;
  installedFilter.previous = winsim::SetPreDispatchFilter(PreTranslateThroughApp);
  installedFilter.installed = true;
}

void RemovePreTranslateFilter() {
  if (!installedFilter.installed) return;
  winsim::SetPreDispatchFilter(std::move(installedFilter.previous));
  installedFilter = InstalledFilter{};
}

}  // namespace

bool LoadModule() {
  InstallPreTranslateFilter();
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return true;
  if (app->InitInstance()) return true;
  app->ExitInstance();
  RemovePreTranslateFilter();
  return false;
}

int UnloadModule() {
  CWinApp* app = AfxGetApp();
  int exitCode = app != nullptr ? app->ExitInstance() : 0;
  RemovePreTranslateFilter();
  return exitCode;
}

PumpResult PumpMessages(int maxMessages) {
  PumpResult result;
  CWinThread fallback;  // pre-translation and idle work when no application object exists
  CWinThread* thread = AfxGetApp() != nullptr ? static_cast<CWinThread*>(AfxGetApp()) : &fallback;
  for (;;) {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (msg.message == WM_QUIT) {
        result.quit = true;
        return result;
      }
      if (result.dispatched >= maxMessages) {
        result.idle = false;
        return result;
      }
      if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) break;
      thread->DispatchPumpedMessage(&msg);
      ++result.dispatched;
    }
    // The idle steps may post more work; the pump is done when they leave the queue empty.
    LONG idleCount = 0;
    while (thread->OnIdle(idleCount) && idleCount < kMaxIdleSteps) ++idleCount;
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      AfxUnlockTempMaps();
      return result;
    }
  }
}

void Reset() {
  winsim::Reset();
  AfxUnlockTempMaps();
}

}  // namespace mfcsim
