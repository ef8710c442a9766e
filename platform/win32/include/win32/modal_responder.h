// The modal responder: how tests and the stand-in host answer every modal interaction.
//
// Message boxes, file dialogs, popup menus and modal dialogs never wait for a person. Each asks the responder for
// the answer a test (or the host's tour) gave beforehand:
//   winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"already exists"));
//   winsim::AnswerFileDialog(L"profile.xml", winsim::FileDialogKind::Save);
//   winsim::AnswerPopupMenu(3012);
//   winsim::AnswerModalDialog(136, [](HWND dlg) { SetDlgItemTextW(dlg, 1001, L"New"); EndDialog(dlg, IDOK); });
// Queued answers (Repeat::Once) are used once each, the first matching one first; standing answers
// (Repeat::Always) serve every matching modal after the queued ones. Every modal is logged. A modal that no answer
// matches is reported to the unexpected-modal handler with a description and takes its cancel answer; it never
// hangs. In the test executables the handler fails the running test.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "win32/types.h"

namespace winsim {

enum class Repeat { Once, Always };

// Matches a modal by its text and caption (a file dialog's title, a dialog's caption). Empty fields match anything;
// otherwise the whole text must be equal, or, with `substring`, contain the given text.
struct ModalMatch {
  ModalMatch() = default;
  ModalMatch(std::wstring text, std::wstring caption, bool substring = false)
      : text(std::move(text)), caption(std::move(caption)), substring(substring) {}
  static ModalMatch Text(std::wstring text) { return {std::move(text), {}}; }
  static ModalMatch TextContaining(std::wstring text) { return {std::move(text), {}, true}; }
  static ModalMatch Caption(std::wstring caption) { return {{}, std::move(caption)}; }
  static ModalMatch CaptionContaining(std::wstring caption) { return {{}, std::move(caption), true}; }

  std::wstring text;
  std::wstring caption;
  bool substring = false;
};

enum class ModalKind { MessageBox, OpenFileDialog, SaveFileDialog, PopupMenu, Dialog };
enum class FileDialogKind { Any, Open, Save };

// One item of a popup menu as it was offered.
struct MenuItemRecord {
  MenuItemRecord() = default;
  MenuItemRecord(std::wstring text, UINT id, bool enabled = true, bool checked = false)
      : text(std::move(text)), id(id), enabled(enabled), checked(checked) {}
  static MenuItemRecord Separator() {
    MenuItemRecord item;
    item.separator = true;
    return item;
  }
  static MenuItemRecord Submenu(std::wstring text, std::vector<MenuItemRecord> items) {
    MenuItemRecord item;
    item.text = std::move(text);
    item.submenu = std::move(items);
    return item;
  }

  std::wstring text;
  UINT id = 0;
  bool enabled = true;
  bool checked = false;
  bool separator = false;
  std::vector<MenuItemRecord> submenu;  // the items of a submenu item (the item itself has no command)
  bool IsSubmenu() const { return !submenu.empty(); }
};

// One modal that happened, with the answer it got.
struct ModalRecord {
  ModalKind kind = ModalKind::MessageBox;
  HWND window = nullptr;    // the owner window; for a dialog, the dialog itself
  std::wstring text;        // message box text; file dialog: the initial file name
  std::wstring caption;     // message box caption, file dialog title, dialog caption
  UINT flags = 0;           // MB_* of a message box, OFN_* of a file dialog, TPM_* of a menu when known
  int templateId = 0;       // dialog template id
  std::wstring initialDir;  // file dialog
  std::vector<std::pair<std::wstring, std::wstring>> filter;  // file dialog: (name, pattern) pairs
  std::wstring defaultExtension;                              // file dialog
  DWORD filterIndex = 0;                                      // file dialog: the filter chosen (1-based)
  std::vector<MenuItemRecord> items;                          // popup menu
  bool answered = false;  // an answer matched (false: the unexpected-modal handler was called)
  int result = 0;         // button id, menu command (0 none), file dialog: 1 chosen, 0 cancelled
  std::wstring path;      // file dialog: the chosen path
};

// Message boxes: the button to press. Pressing a button the box doesn't have is reported as unexpected.
void AnswerMessageBox(int button, const ModalMatch& match = {}, Repeat repeat = Repeat::Once);

// File dialogs: the path to choose (a name without a folder is taken in the dialog's initial folder), or cancel.
// `match.caption` matches the dialog's title.
void AnswerFileDialog(const std::wstring& path, FileDialogKind kind = FileDialogKind::Any, const ModalMatch& match = {},
                      Repeat repeat = Repeat::Once);
void CancelFileDialog(FileDialogKind kind = FileDialogKind::Any, const ModalMatch& match = {},
                      Repeat repeat = Repeat::Once);

// Popup menus: the command to choose (0 dismisses the menu), or the item with this text (submenus searched).
// Choosing a command the menu doesn't offer enabled is reported as unexpected.
void AnswerPopupMenu(UINT command, Repeat repeat = Repeat::Once);
void AnswerPopupMenuItem(const std::wstring& itemText, Repeat repeat = Repeat::Once);

// Modal dialogs, by template id or by caption: `fill` runs inside the dialog's modal loop with the dialog's window;
// it sets texts, presses buttons and ends the dialog. It may itself cause further modals (answered the same way).
using DialogAnswer = std::function<void(HWND dialog)>;
void AnswerModalDialog(int templateId, DialogAnswer fill, Repeat repeat = Repeat::Once);
void AnswerModalDialog(const ModalMatch& caption, DialogAnswer fill, Repeat repeat = Repeat::Once);

// The modals so far, oldest first.
std::vector<ModalRecord> ModalLog();
void ClearModalLog();
// Queued answers not used yet.
std::size_t PendingModalAnswers();

// Forgets every answer, the log and the message beeps; the unexpected-modal handler stays.
void ResetModalResponder();

// Called with a description of a modal that no answer matched, or that got an answer it can't take. Returns the
// previous handler; an empty handler restores the default, which prints to stderr.
using UnexpectedModalHandler = std::function<void(const std::wstring& description)>;
UnexpectedModalHandler SetUnexpectedModalHandler(UnexpectedModalHandler handler);

// MessageBeep's sounds, oldest first.
std::vector<UINT> MessageBeeps();

}  // namespace winsim
