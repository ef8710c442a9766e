// Modal dialogs answered by the responder: the test's answer runs inside the dialog's modal loop.
#include <windows.h>

#include "modal_responder_internal.h"

namespace win32_internal {

bool AnswerModalDialog(int templateId, const std::wstring& caption, HWND dialog) {
  winsim::ModalRecord record;
  record.kind = winsim::ModalKind::Dialog;
  record.window = dialog;
  record.templateId = templateId;
  record.caption = caption;
  ModalId id = LogModal(record);
  auto answer = TakeModalAnswer({winsim::ModalKind::Dialog, {}, caption, templateId});
  if (!answer) {
    ReportUnexpectedModal(L"Unexpected " + DescribeModal(record));
    CompleteModal(id, false, 0);
    return false;
  }
  CompleteModal(id, true, 0);
  if (answer->fill) answer->fill(dialog);
  return true;
}

}  // namespace win32_internal
