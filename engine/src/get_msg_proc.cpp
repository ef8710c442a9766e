// The get-message hook: it sees every message the user-interface thread takes from its queue and acts
// on the plug-in's own: thread messages from the keyboard side and the redraw thread, and the overlay's
// messages when they are addressed to the current overlay.
#include <max.h>

#include <exception>

#include "engine/dispatcher.h"
#include "engine/key_hooks.h"
#include "engine/messages.h"
#include "engine/visual_interface_link.h"
#include "model/editor_window.h"
#include "model/talvo.h"
#include "model/text.h"

namespace Talvo {

namespace {

GridRedrawHandler gridRedrawHandler = nullptr;

// The layout's key number of a key that the current profile and layout know, with its function.
struct AssignedKey {
  XmlProfile* profile = nullptr;
  XmlKeyboard* layout = nullptr;
  int key = -1;
};

AssignedKey FindKey(UINT virtualKey) {
  Talvo& root = GetTalvo();
  AssignedKey found{root.GetCurrentProfile(), root.GetCurrentKeyboard(), -1};
  if (found.profile && found.layout) found.key = found.layout->GetKeyOfVirt(static_cast<int>(virtualKey));
  return found;
}

bool IsOverlayWindow(HWND hwnd) {
  if (!viFormDlg || !hwnd) return false;
  HWND form = viFormDlg->GetFormWindow();
  // The overlay's buttons post to their own windows.
  return form && (hwnd == form || IsChild(form, hwnd));
}

void OnShowVisualInterface(WPARAM wParam, LPARAM lParam) {
  UINT virtualKey = HIWORD(wParam);
  if (virtualKey == kShownKey) {
    if (!viFormDlg) return;
    virtualKey = viFormDlg->GetShownKey();
  }
  if (!KeyShowsVisualInterface(virtualKey)) return;
  if (viFormDlg) {
    SendMessageW(viFormDlg->GetFormWindow(), WM_MOD_KEY_MSG, wParam, lParam);
    return;
  }
  const VisualInterfaceFactory& factory = GetVisualInterfaceFactory();
  if (!factory) return;
  const AssignedKey found = FindKey(virtualKey);
  viFormDlg = factory(virtualKey, static_cast<unsigned char>(lParam & 0xFF), found.layout->GetKeyText(found.key));
}

void OnRunFromVisualInterface(WPARAM wParam, LPARAM lParam) {
  // The overlay goes at once rather than through its hide message, so that the host has its
  // accelerators and activation back when the case runs (an original key must reach the host).
  DestroyVisualInterface();
  RunFunctionCase(HIWORD(wParam), LOWORD(wParam), static_cast<unsigned char>(lParam & 0xFF), HIWORD(lParam) == 1);
}

void OnThreadMessage(const MSG& msg) {
  switch (msg.message) {
    case ShowVisualInterfaceMessage:
      OnShowVisualInterface(msg.wParam, msg.lParam);
      break;
    case KeyAssignedMessage:
      if (viFormDlg) SetTimer(viFormDlg->GetFormWindow(), ID_TIMER_VI_CLOSE, kVisualInterfaceCloseDelay, nullptr);
      break;
    case RedrawGridMessage:
      if (EditorWindow() && gridRedrawHandler) gridRedrawHandler();
      break;
    default:  // WM_VISUAL_INTERFACE_VIEW_CHANGED and everything else: nothing
      break;
  }
}

void OnWindowMessage(const MSG& msg) {
  if (!IsOverlayWindow(msg.hwnd)) return;
  if (msg.message == WM_HIDE_VISUAL_INTERFACE_DLG) {
    DestroyVisualInterface();
  } else if (msg.message == RunFromVisualInterfaceMessage) {
    OnRunFromVisualInterface(msg.wParam, msg.lParam);
  }
}

}  // namespace

bool KeyShowsVisualInterface(UINT virtualKey) {
  const AssignedKey found = FindKey(virtualKey);
  if (found.key < 0) return false;
  if (found.profile->HasVisualAssignment(found.key)) return true;
  const XmlFunction* function = GetTalvo().FindFunctionById(found.profile->GetFunctionIdOfKey(found.key));
  if (!function) return false;
  return found.profile->GetLearningFlag(found.key) || function->GetForceVI();
}

void SetGridRedrawHandler(GridRedrawHandler handler) { gridRedrawHandler = handler; }

LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg) {
    // Nothing may leave a hook procedure by an exception: it would unwind through the host's message loop.
    try {
      if (msg->hwnd == nullptr) {
        OnThreadMessage(*msg);
      } else if (msg->message == WM_HIDE_VISUAL_INTERFACE_DLG || msg->message == RunFromVisualInterfaceMessage) {
        OnWindowMessage(*msg);
      }
    } catch (const std::exception& error) {
      DebugPrint(_M("GetMsgProc: %s\n"), Utf8ToWide(error.what()).c_str());
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace Talvo
