// The responder's side that the modal functions of the stand-in call: find the answer for a modal, log it, report
// what nobody expected. Menus and dialogs use AnswerPopupMenu and AnswerModalDialog.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win32/modal_responder.h"

namespace win32_internal {

using winsim::MenuItemRecord;

// What a modal shows, for matching it against the answers.
struct ModalQuery {
  winsim::ModalKind kind = winsim::ModalKind::MessageBox;
  std::wstring text;
  std::wstring caption;
  int templateId = 0;
};

// An answer as a test gave it; which fields count depends on the kind.
struct ModalAnswer {
  int button = 0;             // message box
  bool cancel = false;        // file dialog
  std::wstring path;          // file dialog
  UINT command = 0;           // popup menu
  std::wstring itemText;      // popup menu, instead of the command when not empty
  winsim::DialogAnswer fill;  // dialog
};

// The first queued answer that matches (taken out of the queue), else the first standing one.
std::optional<ModalAnswer> TakeModalAnswer(const ModalQuery& query);

// The log: a modal is logged when it starts (so nested modals follow it) and completed when it ends.
using ModalId = std::uint64_t;
ModalId LogModal(const winsim::ModalRecord& record);
void CompleteModal(ModalId id, bool answered, int result, const std::wstring& path = {});

// Calls the unexpected-modal handler (outside the responder's lock).
void ReportUnexpectedModal(const std::wstring& description);
// A readable one-line description of a modal, for reports.
std::wstring DescribeModal(const winsim::ModalRecord& record);
std::wstring DescribeMenuItems(const std::vector<MenuItemRecord>& items);
std::string Utf8Text(const std::wstring& text);

void LogMessageBeep(UINT type);

// A popup menu offering `items` (TPM_* `flags`): the command chosen, or 0 when the menu is dismissed.
UINT AnswerPopupMenu(const std::vector<MenuItemRecord>& items, UINT flags = 0);
// A modal dialog, inside its modal loop: runs the test's answer with the dialog's window. False when no answer
// matched (then the caller ends the dialog as cancelled).
bool AnswerModalDialog(int templateId, const std::wstring& caption, HWND dialog);

}  // namespace win32_internal
