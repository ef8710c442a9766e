#include "frame/module_app.h"

#include <host/notify.h>

#include "controls/visual_manager.h"
#include "engine/key_hooks.h"
#include "frame/grid_redraw.h"
#include "model/talvo.h"
#include "overlay/overlay_setup.h"

namespace Talvo {

namespace {

void OnShutdown(void* /*param*/, NotifyInfo* /*info*/) { GetTalvo().OnHostShutdown(); }

}  // namespace

TalvoApp::TalvoApp() : CWinApp(L"Quillon") {}

BOOL TalvoApp::InitInstance() {
  if (!GetTalvo().Load()) return FALSE;
  RefreshScriptNames();
  TalvoVisualManager::Install();
  InstallVisualInterface();
  SetGridRedrawHandler(&RedrawActiveGrid);
  RegisterNotification(&OnShutdown, this, NOTIFY_SYSTEM_SHUTDOWN);
  return TRUE;
}

int TalvoApp::ExitInstance() {
  UnRegisterNotification(&OnShutdown, this);
  SetGridRedrawHandler(nullptr);
  RemoveVisualInterface();
  return CWinApp::ExitInstance();
}

// The module's one application object.
TalvoApp theApp;

}  // namespace Talvo
