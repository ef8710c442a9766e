// Modal dialogs: the owner is disabled, the modal responder plays the user inside the dialog's loop, and the loop
// runs the queue until the dialog ends. A dialog that nobody ends is cancelled rather than left waiting.
#include <algorithm>
#include <utility>
#include <vector>

#include "dialog_internal.h"
#include "modal_responder_internal.h"
#include "win32/simulation.h"

namespace win32_internal {

namespace {

// Open modal dialogs, innermost last, and the one hook that serves the innermost.
std::vector<HWND>& ModalStack() {
  static thread_local std::vector<HWND> stack;
  return stack;
}
thread_local HHOOK keysHook = nullptr;

// While a modal dialog runs, keys that the dialog manager handles are taken out of the queue for it, as the
// dialog's own loop does with IsDialogMessage. Other get-message hooks see the message first. A message that is
// only peeked at stays in the queue and is handled when it is taken.
LRESULT CALLBACK DialogKeysHook(int code, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg && !ModalStack().empty()) {
    HWND dialog = ModalStack().back();
    if (IsWindow(dialog) && (msg->hwnd == dialog || IsChild(dialog, msg->hwnd)) && HandleDialogKey(dialog, *msg))
      msg->message = WM_NULL;
  }
  return result;
}

std::wstring CaptionOf(HWND dialog) {
  std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(dialog)) + 1, L'\0');
  caption.resize(static_cast<size_t>(GetWindowTextW(dialog, caption.data(), static_cast<int>(caption.size()))));
  return caption;
}

// Cancel as the user would: IDCANCEL to the dialog, then EndDialog if the dialog still hasn't ended.
void Cancel(HWND dialog) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  DialogState* state = DialogStateOf(dialog);
  if (state && !state->ended) EndDialog(dialog, IDCANCEL);
}

bool Ended(HWND dialog) {
  DialogState* state = DialogStateOf(dialog);
  return !state || state->ended;
}

// Plays the dialog through the responder and runs the queue until it has ended.
void RunModalLoop(HWND dialog) {
  DialogState* state = DialogStateOf(dialog);
  int templateId = state->templateId;
  if (!state->ended) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
  }
  if (Ended(dialog)) return;
  std::wstring caption = CaptionOf(dialog);
  bool answered = AnswerModalDialog(templateId, caption, dialog);
  if (!Ended(dialog)) winsim::PumpMessages();
  if (Ended(dialog)) return;
  if (answered)
    ReportUnexpectedModal(L"The answer to dialog " + std::to_wstring(templateId) + L" with caption \"" + caption +
                          L"\" did not end it; it is cancelled");
  Cancel(dialog);
}

}  // namespace

}  // namespace win32_internal

using namespace win32_internal;

INT_PTR DialogBoxIndirectParamW(HINSTANCE, LPCDLGTEMPLATEW dialogTemplate, HWND parent, DLGPROC proc,
                                LPARAM initParam) {
  if (!dialogTemplate || (parent && !IsWindow(parent))) {
    SetLastError(dialogTemplate ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
    return -1;
  }
  int templateId = RegisteredIdOf(dialogTemplate);
  DLGTEMPLATE popup = *dialogTemplate;
  popup.style &= ~static_cast<DWORD>(WS_CHILD);  // a modal dialog is always a top-level window
  HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  // The owner is disabled before the dialog is made: WM_INITDIALOG already sees it disabled.
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  HWND dialog = CreateDialogFromTemplate(popup, owner, proc, initParam, templateId, true);
  if (!dialog) {
    if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, TRUE);
    return -1;
  }
  if (ModalStack().empty()) keysHook = SetWindowsHookExW(WH_GETMESSAGE, DialogKeysHook, nullptr, GetCurrentThreadId());
  ModalStack().push_back(dialog);
  RunModalLoop(dialog);
  ModalStack().erase(std::find(ModalStack().begin(), ModalStack().end(), dialog));
  if (ModalStack().empty()) UnhookWindowsHookEx(std::exchange(keysHook, nullptr));
  DialogState* state = DialogStateOf(dialog);
  INT_PTR result = state ? state->result : IDCANCEL;
  // The owner is enabled before the dialog goes, so that it is the window that gets activated next.
  if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, TRUE);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return result;
}

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM initParam) {
  const DLGTEMPLATE* found = TemplateNamed(templateName);
  if (!found) return -1;
  return DialogBoxIndirectParamW(instance, found, parent, proc, initParam);
}
