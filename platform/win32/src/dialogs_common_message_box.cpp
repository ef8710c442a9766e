// MessageBoxW and MessageBeep: the answer comes from the modal responder.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "message_box_window.h"
#include "modal_responder_internal.h"

namespace {

// The buttons of each MB_ type, and the answer Escape (or closing the box) gives.
struct ButtonSet {
  std::vector<int> buttons;
  int cancel;
};

const ButtonSet* ButtonsOf(UINT type) {
  static const ButtonSet kSets[] = {
      {{IDOK}, IDOK},
      {{IDOK, IDCANCEL}, IDCANCEL},
      {{IDABORT, IDRETRY, IDIGNORE}, IDABORT},
      {{IDYES, IDNO, IDCANCEL}, IDCANCEL},
      {{IDYES, IDNO}, IDNO},
      {{IDRETRY, IDCANCEL}, IDCANCEL},
      {{IDCANCEL, IDTRYAGAIN, IDCONTINUE}, IDCANCEL},
  };
  UINT index = type & MB_TYPEMASK;
  return index < std::size(kSets) ? &kSets[index] : nullptr;
}

}  // namespace

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
  const ButtonSet* set = ButtonsOf(uType);
  if (!set) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  winsim::ModalRecord record;
  record.kind = winsim::ModalKind::MessageBox;
  record.window = hWnd;
  record.text = lpText ? lpText : L"";
  record.caption = lpCaption ? lpCaption : L"Error";
  record.flags = uType;
  auto id = win32_internal::LogModal(record);
  win32_internal::ShowObservedMessageBox(hWnd, record.text, record.caption, uType);
  auto answer = win32_internal::TakeModalAnswer({record.kind, record.text, record.caption});
  if (!answer) {
    win32_internal::ReportUnexpectedModal(L"Unexpected " + win32_internal::DescribeModal(record));
    win32_internal::CompleteModal(id, false, set->cancel);
    return set->cancel;
  }
  if (std::find(set->buttons.begin(), set->buttons.end(), answer->button) == set->buttons.end()) {
    win32_internal::ReportUnexpectedModal(L"The answer pressed button " + std::to_wstring(answer->button) +
                                          L", which the " + win32_internal::DescribeModal(record) + L" does not have");
    win32_internal::CompleteModal(id, false, set->cancel);
    return set->cancel;
  }
  win32_internal::CompleteModal(id, true, answer->button);
  return answer->button;
}

BOOL MessageBeep(UINT uType) {
  win32_internal::LogMessageBeep(uType);
  return TRUE;
}
