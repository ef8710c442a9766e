#include "engine/module.h"

#include <afxwin.h>

#include "engine/class_descs.h"
#include "model/talvo.h"

namespace Talvo {

namespace {

// The module's application object: starting the module loads every document (writing the default
// documents on the first start) and listens for the host's shutdown, when unsaved work is offered
// for saving.
class TalvoApp : public CWinApp {
 public:
  TalvoApp() : CWinApp(L"Quillon") {}

  BOOL InitInstance() override {
    if (!GetTalvo().Load()) return FALSE;
    RegisterNotification(&TalvoApp::OnShutdown, this, NOTIFY_SYSTEM_SHUTDOWN);
    return TRUE;
  }

  int ExitInstance() override {
    UnRegisterNotification(&TalvoApp::OnShutdown, this);
    return CWinApp::ExitInstance();
  }

 private:
  static void OnShutdown(void* /*param*/, NotifyInfo* /*info*/) { GetTalvo().OnHostShutdown(); }
};

TalvoApp theApp;

}  // namespace

}  // namespace Talvo

const MCHAR* LibDescription() { return _M("Quillon keyboard productivity plug-in"); }

int LibNumberClasses() { return 3; }

ClassDesc* LibClassDesc(int index) {
  switch (index) {
    case 0:
      return Talvo::GetUtilityDesc();
    case 1:
      return Talvo::GetGUtilityDesc();
    case 2:
      return Talvo::GetVisualInterfaceDesc();
    default:
      return nullptr;
  }
}

ULONG LibVersion() { return kTalvoLibVersion; }
