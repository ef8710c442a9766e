#include "engine/gutility.h"

#include <exception>

#include "engine/editor_shared_state.h"
#include "engine/key_hooks.h"
#include "engine/redraw_thread.h"
#include "engine/visual_interface_link.h"
#include "model/talvo.h"
#include "model/text.h"

namespace Talvo {

DWORD GUtility::Start() {
  RegisterNotification(&GUtility::OnNotify, this, NOTIFY_SYSTEM_PRE_SHUTDOWN);
  ResetEditorSharedState();
  const XmlOptions* options = GetTalvo().GetOptions();
  TapWindow = options ? options->GetTapThreshold() : kDefaultTapWindow;
  EnableRedrawThread();
  if (!options || !options->IsDeactivated()) {
    try {
      InstallKeyHooks();
    } catch (const std::exception& error) {
      DebugPrint(_M("GUP Start: %s\n"), Utf8ToWide(error.what()).c_str());
    }
  }
  return GUPRESULT_KEEP;
}

void GUtility::Stop() {
  UnRegisterNotification(&GUtility::OnNotify, this);
  RemoveKeyHooks();
  DestroyVisualInterface();
  StopRedrawThread();
}

// Before the host closes its windows the overlay goes and keys are no longer taken.
void GUtility::OnNotify(void* /*param*/, NotifyInfo* info) {
  if (info && info->intcode == NOTIFY_SYSTEM_PRE_SHUTDOWN) {
    DestroyVisualInterface();
    RemoveKeyHooks();
  }
}

}  // namespace Talvo
