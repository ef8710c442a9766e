// Dialogs from templates: layout in dialog units of the template's font, WM_INITDIALOG, custom control classes,
// pages inside other windows, the template registry and control values by id.
#include <cstdint>

#include "win32_fixture.h"

namespace {

constexpr const wchar_t* kGridClass = L"MFCGridCtrl";

DLGTEMPLATE RenameTemplate(WORD points) {
  DLGTEMPLATE t;
  t.style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  t.x = 10;
  t.y = 20;
  t.cx = 200;
  t.cy = 80;
  t.title = L"Rename";
  t.pointsize = points;
  t.typeface = L"MS Shell Dlg";
  t.items = {
      {WS_VISIBLE, 0, 7, 7, 100, 8, 1079, L"Static", L"The function with name:"},
      {WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 7, 20, 186, 14, 1077, L"Edit", L"Old name"},
      {WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 89, 59, 50, 14, IDOK, L"Button", L"OK"},
      {WS_VISIBLE | WS_TABSTOP, 0, 143, 59, 50, 14, IDCANCEL, L"Button", L"Cancel"},
  };
  return t;
}

// The base units a font gives, measured here independently of the dialog code.
SIZE ExpectedBaseUnits(int points) {
  HFONT font = CreateFontW(-MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                           L"MS Shell Dlg");
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, font);
  SIZE letters;
  GetTextExtentPoint32W(hdc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
  TEXTMETRICW metrics;
  GetTextMetricsW(hdc, &metrics);
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  DeleteObject(font);
  return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

RECT ChildRect(HWND dialog, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

struct InitSeen {
  HWND focusTarget = nullptr;
  LPARAM param = 0;
  int count = 0;
};
InitSeen initSeen;

INT_PTR CALLBACK RecordingDialogProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  initSeen.focusTarget = reinterpret_cast<HWND>(wParam);
  initSeen.param = lParam;
  ++initSeen.count;
  return TRUE;
}

class DialogLayoutTest : public Win32Test {
 protected:
  void SetUp() override {
    Win32Test::SetUp();
    initSeen = {};
    owner = TopLevel(100, 100, 600, 400, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  }
  HWND owner = nullptr;
};

TEST_F(DialogLayoutTest, ControlsAreLaidOutInDialogUnitsOfTheTemplateFont) {
  DLGTEMPLATE small = RenameTemplate(8);
  HWND dialog = CreateDialogIndirectParamW(nullptr, &small, owner, RecordingDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  SIZE units = ExpectedBaseUnits(8);
  RECT edit = ChildRect(dialog, 1077);
  EXPECT_EQ(edit.left, MulDiv(7, units.cx, 4));
  EXPECT_EQ(edit.top, MulDiv(20, units.cy, 8));
  EXPECT_EQ(edit.right - edit.left, MulDiv(186, units.cx, 4));
  EXPECT_EQ(edit.bottom - edit.top, MulDiv(14, units.cy, 8));
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, MulDiv(200, units.cx, 4));
  EXPECT_EQ(client.bottom, MulDiv(80, units.cy, 8));
  RECT mapped{4, 8, 8, 16};
  ASSERT_TRUE(MapDialogRect(dialog, &mapped));
  EXPECT_EQ(mapped.right, 2 * units.cx);
  EXPECT_EQ(mapped.bottom, 2 * units.cy);
  // The dialog is placed in dialog units from the owner's client area.
  POINT origin{0, 0};
  ClientToScreen(owner, &origin);
  RECT frame;
  GetWindowRect(dialog, &frame);
  EXPECT_EQ(frame.left, origin.x + MulDiv(10, units.cx, 4));
  // Every control got the template's font.
  auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  EXPECT_NE(font, nullptr);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, 1077, WM_GETFONT, 0, 0)), font);

  // A bigger font gives bigger units and so a bigger layout.
  DLGTEMPLATE large = RenameTemplate(12);
  HWND bigger = CreateDialogIndirectParamW(nullptr, &large, owner, RecordingDialogProc, 0);
  ASSERT_NE(bigger, nullptr);
  EXPECT_GT(ChildRect(bigger, 1077).right, edit.right);
  EXPECT_EQ(ChildRect(bigger, 1077).right - ChildRect(bigger, 1077).left,
            MulDiv(186, ExpectedBaseUnits(12).cx, 4));
  EXPECT_GT(ExpectedBaseUnits(12).cy, units.cy);
  EXPECT_FALSE(MapDialogRect(owner, &mapped));  // not a dialog
}

TEST_F(DialogLayoutTest, InitDialogGetsTheParameterAndFocusesTheFirstTabStop) {
  DLGTEMPLATE t = RenameTemplate(8);
  t.style |= WS_VISIBLE;
  HWND dialog = CreateDialogIndirectParamW(nullptr, &t, owner, RecordingDialogProc, 0x5150);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(initSeen.count, 1);
  EXPECT_EQ(initSeen.param, 0x5150);
  EXPECT_EQ(initSeen.focusTarget, GetDlgItem(dialog, 1077));  // the static text is no tab stop
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 1077));
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
  wchar_t caption[32];
  GetWindowTextW(dialog, caption, 32);
  EXPECT_STREQ(caption, L"Rename");
}

TEST_F(DialogLayoutTest, ControlsOfRegisteredClassesAndPagesInsideWindows) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = win32_test::RecordingProc;
  wc.lpszClassName = kGridClass;
  ASSERT_NE(RegisterClassExW(&wc), 0);
  DLGTEMPLATE page;
  page.style = DS_SETFONT | DS_CONTROL | WS_CHILD | WS_VISIBLE;
  page.x = 4;
  page.y = 8;
  page.cx = 150;
  page.cy = 100;
  page.pointsize = 8;
  page.typeface = L"MS Shell Dlg";
  page.items = {{WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 150, 100, 1200, kGridClass, L""}};
  HWND dialog = CreateDialogIndirectParamW(nullptr, &page, owner, RecordingDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetParent(dialog), owner);
  SIZE units = ExpectedBaseUnits(8);
  RECT rect;
  GetWindowRect(dialog, &rect);
  POINT origin{0, 0};
  ClientToScreen(owner, &origin);
  EXPECT_EQ(rect.left - origin.x, MulDiv(4, units.cx, 4));
  EXPECT_EQ(rect.top - origin.y, MulDiv(8, units.cy, 8));
  HWND grid = GetDlgItem(dialog, 1200);
  ASSERT_NE(grid, nullptr);
  wchar_t className[32];
  GetClassNameW(grid, className, 32);
  EXPECT_STREQ(className, kGridClass);
  EXPECT_EQ(win32_test::CountOf(grid, WM_SETFONT), 1);

  // Inside a dialog, a page's controls are reached by Tab from the dialog's own.
  DLGTEMPLATE outer = RenameTemplate(8);
  HWND host = CreateDialogIndirectParamW(nullptr, &outer, owner, RecordingDialogProc, 0);
  ASSERT_NE(host, nullptr);
  HWND inner = CreateDialogIndirectParamW(nullptr, &page, host, RecordingDialogProc, 0);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(GetNextDlgTabItem(host, GetDlgItem(host, IDCANCEL), FALSE), GetDlgItem(inner, 1200));
  EXPECT_EQ(GetNextDlgTabItem(host, GetDlgItem(inner, 1200), FALSE), GetDlgItem(host, 1077));

  // An unknown class fails the whole dialog.
  page.items.push_back({WS_VISIBLE, 0, 0, 0, 10, 10, 1201, L"NoSuchClass", L""});
  EXPECT_EQ(CreateDialogIndirectParamW(nullptr, &page, owner, RecordingDialogProc, 0), nullptr);
  EXPECT_EQ(CreateDialogIndirectParamW(nullptr, &page, reinterpret_cast<HWND>(0x4242), RecordingDialogProc, 0),
            nullptr);  // a page needs a real parent
}

TEST_F(DialogLayoutTest, TemplatesAreFoundByTheirRegisteredId) {
  RegisterDialogTemplate(9128, RenameTemplate(8));
  ASSERT_NE(FindDialogTemplate(9128), nullptr);
  EXPECT_EQ(FindDialogTemplate(9129), nullptr);
  HWND dialog = CreateDialogParamW(nullptr, MAKEINTRESOURCE(9128), owner, RecordingDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(GetDlgItem(dialog, 1077), nullptr);
  EXPECT_EQ(CreateDialogParamW(nullptr, MAKEINTRESOURCE(9129), owner, RecordingDialogProc, 0), nullptr);
  EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCE(9129), owner, RecordingDialogProc, 0), -1);
}

TEST_F(DialogLayoutTest, ControlValuesByIdAsNumbersAndChecks) {
  DLGTEMPLATE t = RenameTemplate(8);
  t.items.push_back({WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 40, 80, 10, 1300, L"Button", L"Snap"});
  HWND dialog = CreateDialogIndirectParamW(nullptr, &t, owner, RecordingDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  BOOL ok = FALSE;
  SetDlgItemTextW(dialog, 1077, L"  42 ");
  EXPECT_EQ(GetDlgItemInt(dialog, 1077, &ok, FALSE), 42u);
  EXPECT_TRUE(ok);
  SetDlgItemTextW(dialog, 1077, L"-7");
  EXPECT_EQ(static_cast<int>(GetDlgItemInt(dialog, 1077, &ok, TRUE)), -7);
  EXPECT_TRUE(ok);
  EXPECT_EQ(GetDlgItemInt(dialog, 1077, &ok, FALSE), 0u);  // no sign without isSigned
  EXPECT_FALSE(ok);
  for (const wchar_t* bad : {L"12a", L"", L"-", L"99999999999"}) {
    SetDlgItemTextW(dialog, 1077, bad);
    GetDlgItemInt(dialog, 1077, &ok, TRUE);
    EXPECT_FALSE(ok) << "text " << static_cast<const void*>(bad);
  }
  EXPECT_TRUE(SetDlgItemInt(dialog, 1077, static_cast<UINT>(-15), TRUE));
  wchar_t text[16];
  GetDlgItemTextW(dialog, 1077, text, 16);
  EXPECT_STREQ(text, L"-15");
  GetDlgItemInt(dialog, 4444, &ok, TRUE);
  EXPECT_FALSE(ok);

  EXPECT_EQ(IsDlgButtonChecked(dialog, 1300), static_cast<UINT>(BST_UNCHECKED));
  EXPECT_TRUE(CheckDlgButton(dialog, 1300, BST_CHECKED));
  EXPECT_EQ(IsDlgButtonChecked(dialog, 1300), static_cast<UINT>(BST_CHECKED));
  EXPECT_FALSE(CheckDlgButton(dialog, 4444, BST_CHECKED));
}

}  // namespace
