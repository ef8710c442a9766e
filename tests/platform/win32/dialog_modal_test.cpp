// Modal dialogs played by the modal responder, and the dialog manager's keyboard handling.
#include <gtest/gtest-spi.h>

#include "win32_fixture.h"

namespace {

constexpr int kNameField = 1001;
constexpr int kSnapBox = 1002;
constexpr int kWantsTab = 1003;
constexpr int kLevels = 1004;
constexpr int kApply = 1500;  // the default button

// What the dialog procedure saw.
struct DialogLog {
  std::vector<int> commands;
  std::wstring nameOnOk;
  bool ownerEnabledAtInit = true;
};
DialogLog dialogLog;

INT_PTR CALLBACK NameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  int id = LOWORD(wParam);
  dialogLog.commands.push_back(id);
  if (id == IDOK) {
    wchar_t name[64];
    GetDlgItemTextW(dialog, kNameField, name, 64);
    dialogLog.nameOnOk = name;
    EndDialog(dialog, 1105);
  }
  if (id == IDCANCEL) EndDialog(dialog, IDCANCEL);
  return TRUE;
}

INT_PTR CALLBACK EndsAtOnceProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  dialogLog.ownerEnabledAtInit = IsWindowEnabled(GetWindow(dialog, GW_OWNER));
  EndDialog(dialog, 77);
  return TRUE;
}

// A control that keeps Tab for itself, as grids do.
LRESULT CALLBACK WantsTabProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE) return DLGC_WANTTAB;
  return win32_test::RecordingProc(hwnd, message, wParam, lParam);
}

DLGTEMPLATE NameTemplate() {
  DLGTEMPLATE t;
  t.style = DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  t.cx = 220;
  t.cy = 90;
  t.title = L"Script Name";
  t.pointsize = 8;
  t.typeface = L"MS Shell Dlg";
  t.items = {
      {WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 7, 7, 120, 14, kNameField, L"Edit", L""},
      {WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 25, 80, 10, kSnapBox, L"Button", L"Snap"},
      {WS_VISIBLE, 0, 7, 38, 80, 8, 1010, L"Static", L"Level:"},
      {WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 90, 36, 80, 60, kLevels, L"ComboBox", L""},
      {WS_VISIBLE | WS_TABSTOP, 0, 7, 52, 60, 14, kWantsTab, L"WantsTab", L""},
      {WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 50, 70, 50, 14, kApply, L"Button", L"Apply"},
      {WS_VISIBLE | WS_TABSTOP, 0, 105, 70, 50, 14, IDOK, L"Button", L"OK"},
      {WS_VISIBLE | WS_TABSTOP, 0, 160, 70, 50, 14, IDCANCEL, L"Button", L"Cancel"},
  };
  return t;
}

class DialogModalTest : public Win32Test {
 protected:
  void SetUp() override {
    Win32Test::SetUp();
    dialogLog = {};
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WantsTabProc;
    wc.lpszClassName = L"WantsTab";
    ASSERT_NE(RegisterClassExW(&wc), 0);
    owner = TopLevel(100, 100, 640, 480, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    RegisterDialogTemplate(136, NameTemplate());
  }
  INT_PTR RunNameDialog() { return DialogBoxParamW(nullptr, MAKEINTRESOURCE(136), owner, NameDialogProc, 0); }
  HWND owner = nullptr;
};

TEST_F(DialogModalTest, TheAnswerFillsTheDialogInsideItsLoopWithANestedMessageBox) {
  HWND seen = nullptr;
  winsim::AnswerModalDialog(136, [&](HWND dialog) {
    seen = dialog;
    EXPECT_FALSE(IsWindowEnabled(owner));  // the owner is disabled while the dialog runs
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    SetDlgItemTextW(dialog, kNameField, L"Collapse");
    EXPECT_EQ(MessageBoxW(dialog, L"Replace the existing script?", L"Script Name", MB_YESNO), IDYES);
    SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
  });
  winsim::AnswerMessageBox(IDYES, winsim::ModalMatch::TextContaining(L"Replace"));
  EXPECT_EQ(RunNameDialog(), 1105);
  EXPECT_EQ(dialogLog.nameOnOk, L"Collapse");
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_FALSE(IsWindow(seen));  // destroyed once its loop ended
  auto log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].kind, winsim::ModalKind::Dialog);
  EXPECT_EQ(log[0].templateId, 136);
  EXPECT_EQ(log[0].caption, L"Script Name");
  EXPECT_EQ(log[1].kind, winsim::ModalKind::MessageBox);
  EXPECT_EQ(log[1].result, IDYES);
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
}

TEST_F(DialogModalTest, AnUnexpectedDialogFailsTheTestAndIsCancelledWithoutHanging) {
  INT_PTR result = 0;
  EXPECT_NONFATAL_FAILURE(result = RunNameDialog(), "Unexpected dialog 136 with caption \"Script Name\"");
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dialogLog.commands, std::vector<int>{IDCANCEL});  // cancelled as the user would cancel it
  EXPECT_TRUE(IsWindowEnabled(owner));

  // An answer that leaves the dialog open is reported too, and the dialog is cancelled.
  winsim::AnswerModalDialog(winsim::ModalMatch::Caption(L"Script Name"), [](HWND) {});
  EXPECT_NONFATAL_FAILURE(result = RunNameDialog(), "did not end it");
  EXPECT_EQ(result, IDCANCEL);

  // A dialog that ends while it initialises never asks for an answer; it found its owner disabled already.
  EXPECT_EQ(DialogBoxIndirectParamW(nullptr, FindDialogTemplate(136), owner, EndsAtOnceProc, 0), 77);
  EXPECT_FALSE(dialogLog.ownerEnabledAtInit);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(DialogBoxIndirectParamW(nullptr, nullptr, owner, EndsAtOnceProc, 0), -1);
}

// A rename dialog fills its name field when it is shown and follows the field through EN_CHANGE; both must have
// happened before the answer plays the user.
INT_PTR CALLBACK ShowsNameProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_SHOWWINDOW && wParam) SetDlgItemTextW(dialog, kNameField, L"Box 01");
  if (message == WM_COMMAND && LOWORD(wParam) == kNameField && HIWORD(wParam) == EN_CHANGE) {
    wchar_t name[64];
    GetDlgItemTextW(dialog, kNameField, name, 64);
    dialogLog.nameOnOk = name;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    EndDialog(dialog, LOWORD(wParam));
  return message == WM_COMMAND;
}

TEST_F(DialogModalTest, TheDialogIsShownBeforeTheAnswerRunsAndHearsItsFieldsChange) {
  winsim::AnswerModalDialog(136, [](HWND dialog) {
    EXPECT_EQ(dialogLog.nameOnOk, L"Box 01");
    SetFocus(GetDlgItem(dialog, kNameField));
    SendDlgItemMessageW(dialog, kNameField, EM_SETSEL, 0, -1);
    winsim::TypeText(L"Bevel");
    SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
  });
  EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCE(136), owner, ShowsNameProc, 0), IDOK);
  EXPECT_EQ(dialogLog.nameOnOk, L"Bevel");
}

TEST_F(DialogModalTest, TabMovesThroughTabStopsAndEnterAndEscapePressButtons) {
  winsim::AnswerModalDialog(136, [&](HWND dialog) {
    HWND name = GetDlgItem(dialog, kNameField);
    EXPECT_EQ(GetFocus(), name);
    winsim::KeyPress(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kSnapBox));
    winsim::KeyPress(VK_TAB);  // the static text is skipped
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kLevels));
    winsim::KeyDown(VK_SHIFT);
    winsim::KeyPress(VK_TAB);
    winsim::KeyUp(VK_SHIFT);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kSnapBox));

    // A control that wants Tab keeps it.
    HWND wantsTab = GetDlgItem(dialog, kWantsTab);
    SetFocus(wantsTab);
    winsim::KeyPress(VK_TAB);
    EXPECT_EQ(GetFocus(), wantsTab);
    EXPECT_EQ(win32_test::CountOf(wantsTab, WM_KEYDOWN), 1);

    // Enter presses the default button; while a combo's list is open, Enter closes the list instead.
    HWND levels = GetDlgItem(dialog, kLevels);
    SendMessageW(levels, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Vertex"));
    SetFocus(levels);
    winsim::KeyPress(VK_F4);
    EXPECT_TRUE(SendMessageW(levels, CB_GETDROPPEDSTATE, 0, 0));
    winsim::KeyPress(VK_RETURN);
    EXPECT_FALSE(SendMessageW(levels, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(dialogLog.commands.empty());
    winsim::KeyPress(VK_RETURN);
    EXPECT_EQ(dialogLog.commands, std::vector<int>{kApply});

    // Tab past the last control wraps to the first.
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    winsim::KeyPress(VK_TAB);
    EXPECT_EQ(GetFocus(), name);
    winsim::KeyPress(VK_ESCAPE);
  });
  EXPECT_EQ(RunNameDialog(), IDCANCEL);
  EXPECT_EQ(dialogLog.commands, (std::vector<int>{kApply, IDCANCEL}));
}

TEST_F(DialogModalTest, APeekedKeyIsLeftAloneAndHandledOnceWhenTaken) {
  winsim::AnswerModalDialog(136, [&](HWND dialog) {
    PostMessageW(GetDlgItem(dialog, kNameField), WM_KEYDOWN, VK_ESCAPE, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));  // an idle loop looks ahead
    EXPECT_EQ(msg.message, UINT{WM_KEYDOWN});
    EXPECT_TRUE(dialogLog.commands.empty());
    winsim::PumpMessages();
  });
  EXPECT_EQ(RunNameDialog(), IDCANCEL);
  EXPECT_EQ(dialogLog.commands, std::vector<int>{IDCANCEL});
}

TEST_F(DialogModalTest, IsDialogMessageServesModelessDialogs) {
  DLGTEMPLATE t = NameTemplate();
  t.style |= WS_VISIBLE;
  HWND dialog = CreateDialogIndirectParamW(nullptr, &t, owner, NameDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  HWND name = GetDlgItem(dialog, kNameField);
  ASSERT_EQ(GetFocus(), name);
  MSG tab{name, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_TRUE(IsDialogMessageW(dialog, &tab));
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kSnapBox));
  MSG escape{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
  EXPECT_TRUE(IsDialogMessageW(dialog, &escape));
  EXPECT_EQ(dialogLog.commands, std::vector<int>{IDCANCEL});
  MSG elsewhere{owner, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_FALSE(IsDialogMessageW(dialog, &elsewhere));
  EXPECT_FALSE(IsDialogMessageW(reinterpret_cast<HWND>(0x1234), &tab));

  // WM_NEXTDLGCTL moves the focus by direction or to a given control.
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDOK)), TRUE);
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
  SendMessageW(dialog, WM_NEXTDLGCTL, 1, FALSE);
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kApply));
  EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, FALSE), name);
  // Enter presses the default button; closing a dialog is pressing Cancel.
  MSG enter{name, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
  EXPECT_TRUE(IsDialogMessageW(dialog, &enter));
  SendMessageW(dialog, WM_CLOSE, 0, 0);
  EXPECT_EQ(dialogLog.commands, (std::vector<int>{IDCANCEL, kApply, IDCANCEL}));
}

}  // namespace
