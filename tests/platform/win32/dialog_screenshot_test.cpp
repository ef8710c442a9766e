// Screenshots of a dialog holding each kind of standard control, with its combo box's list open and with a popup
// menu open, for people to look at; the checks make sure the open list and menu are really on the screen in front
// of the dialog.

#include "win32_fixture.h"

namespace {

DLGTEMPLATE OptionsTemplate() {
  DLGTEMPLATE t;
  t.style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  t.x = 20;
  t.y = 20;
  t.cx = 230;
  t.cy = 150;
  t.title = L"Options";
  t.pointsize = 8;
  t.typeface = L"MS Shell Dlg";
  t.items = {
      {WS_VISIBLE | BS_GROUPBOX, 0, 7, 4, 216, 66, 1000, L"Button", L"Editing"},
      {WS_VISIBLE, 0, 14, 18, 60, 8, 1001, L"Static", L"Sub-object:"},
      {WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 80, 16, 100, 80, 1002, L"ComboBox", L""},
      {WS_VISIBLE, 0, 14, 36, 60, 8, 1003, L"Static", L"Name:"},
      {WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 80, 34, 100, 12, 1004, L"Edit", L"Collapse"},
      {WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 14, 52, 70, 10, 1005, L"Button", L"Snap to grid"},
      {WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 0, 7, 76, 120, 50, 1006, L"ListBox", L""},
      {WS_VISIBLE | SS_SUNKEN | SS_CENTER, 0, 150, 76, 60, 10, 1009, L"Static", L"Sunken"},
      {WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 118, 130, 50, 14, IDOK, L"Button", L"OK"},
      {WS_VISIBLE | WS_TABSTOP, 0, 173, 130, 50, 14, IDCANCEL, L"Button", L"Cancel"},
  };
  return t;
}

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class DialogScreenshotTest : public Win32Test {
 protected:
  void SetUp() override {
    Win32Test::SetUp();
    owner = TopLevel(0, 0, 800, 600, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    DLGTEMPLATE t = OptionsTemplate();
    dialog = CreateDialogIndirectParamW(nullptr, &t, owner, PlainProc, 0);
    ASSERT_NE(dialog, nullptr);
    for (const wchar_t* level : {L"Vertex", L"Edge", L"Border", L"Polygon", L"Element"})
      SendDlgItemMessageW(dialog, 1002, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(level));
    SendDlgItemMessageW(dialog, 1002, CB_SETCURSEL, 1, 0);
    for (const wchar_t* profile : {L"Default", L"Modeling", L"Animation"})
      SendDlgItemMessageW(dialog, 1006, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(profile));
    SendDlgItemMessageW(dialog, 1006, LB_SETCURSEL, 1, 0);
    CheckDlgButton(dialog, 1005, BST_CHECKED);
    wchar_t name[16];
    GetDlgItemTextW(dialog, 1004, name, 16);
    EXPECT_STREQ(name, L"Collapse");  // controls take their text from the template
  }
  // The screen around the dialog, grown to take in `extra` (an open list or menu).
  RECT AreaWith(const RECT& extra) const {
    RECT area;
    GetWindowRect(dialog, &area);
    UnionRect(&area, &area, &extra);
    InflateRect(&area, 4, 4);
    return area;
  }
  // How many pixels of the shot of `area` (screen coordinates) differ from `background` in the control's text
  // field: its client area without the edges, the focus rectangle and a combo box's button.
  static int CountTextPixels(const winsim::Image& shot, const RECT& area, HWND control, COLORREF background) {
    RECT field;
    GetClientRect(control, &field);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&field), 2);
    InflateRect(&field, -4, -4);
    field.right -= GetSystemMetrics(SM_CXVSCROLL);
    int count = 0;
    for (int y = field.top; y < field.bottom; ++y)
      for (int x = field.left; x < field.right; ++x) count += shot.Pixel(x - area.left, y - area.top) != background;
    return count;
  }
  // The focused combo box shows its selection on the highlight, the edit its text.
  static void ExpectTextShown(const winsim::Image& shot, const RECT& area, HWND combo, HWND edit) {
    RECT field;
    GetClientRect(combo, &field);
    MapWindowPoints(combo, nullptr, reinterpret_cast<POINT*>(&field), 2);
    EXPECT_EQ(shot.Pixel(field.right - GetSystemMetrics(SM_CXVSCROLL) - 8 - area.left, field.top + 5 - area.top),
              GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_GT(CountTextPixels(shot, area, combo, GetSysColor(COLOR_HIGHLIGHT)), 40);  // "Edge"
    EXPECT_GT(CountTextPixels(shot, area, edit, GetSysColor(COLOR_WINDOW)), 40);      // "Collapse"
  }
  HWND owner = nullptr;
  HWND dialog = nullptr;
};

// The focused combo box shows its selection in highlight text, the edit its text, as soon as the new dialog has
// painted: nothing else covers them.
TEST_F(DialogScreenshotTest, TheComboAndTheEditShowTheirTextOnceTheDialogHasPainted) {
  HWND combo = GetDlgItem(dialog, 1002), edit = GetDlgItem(dialog, 1004);
  ASSERT_EQ(GetFocus(), combo);  // the first control with a tab stop
  RECT area;
  GetWindowRect(dialog, &area);
  ExpectTextShown(winsim::CaptureScreenRect(area), area, combo, edit);
}

TEST_F(DialogScreenshotTest, ADialogWithItsComboListOpen) {
  HWND combo = GetDlgItem(dialog, 1002);
  SetFocus(combo);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);  // the highlight moves to the next item
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  RECT list;
  GetWindowRect(info.hwndList, &list);
  RECT area = AreaWith(list);
  ASSERT_TRUE(winsim::SaveScreenRectPng(area, (win32_test::OutputFolder() / "dialog_combo_open.png").string()));
  // The list lies over the dialog, highlighting the third item.
  winsim::Image shot = winsim::CaptureScreenRect(area);
  int itemHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(shot.Pixel(list.left - area.left + 3, list.top - area.top + 1 + 2 * itemHeight + 2),
            GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(shot.Pixel(list.left - area.left + 3, list.top - area.top + 1 + 4 * itemHeight + 2),
            GetSysColor(COLOR_WINDOW));
}

TEST_F(DialogScreenshotTest, ADialogWithAPopupMenuOpen) {
  HMENU menu = CreatePopupMenu();
  HMENU levels = CreatePopupMenu();
  AppendMenuW(levels, MF_STRING, 3100, L"Vertex");
  AppendMenuW(menu, MF_STRING, 3012, L"&Copy\tCtrl+C");
  AppendMenuW(menu, MF_STRING | MF_GRAYED, 3013, L"&Paste\tCtrl+V");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | MF_CHECKED, 3014, L"Snap to grid");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(levels), L"Level");
  RECT dialogRect;
  GetWindowRect(dialog, &dialogRect);
  // The menu opens below the group box over the list box, so that the shot shows the other controls uncovered.
  RECT groupBox;
  GetWindowRect(GetDlgItem(dialog, 1000), &groupBox);
  POINT at{dialogRect.left + 40, groupBox.bottom + 4};
  bool saved = false;
  winsim::ObserveNextPopupMenu([&](HWND window, HMENU) {
    RECT open;
    GetWindowRect(window, &open);
    RECT area = AreaWith(open);
    saved = winsim::SaveScreenRectPng(area, (win32_test::OutputFolder() / "dialog_popup_menu_open.png").string());
    winsim::Image shot = winsim::CaptureScreenRect(area);
    EXPECT_EQ(shot.Pixel(open.left - area.left + 3, open.top - area.top + 3), GetSysColor(COLOR_MENU));
    ExpectTextShown(shot, area, GetDlgItem(dialog, 1002), GetDlgItem(dialog, 1004));
    EXPECT_EQ(open.left, at.x);
    EXPECT_EQ(open.top, at.y);
  });
  winsim::AnswerPopupMenu(0);
  EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, at.x, at.y, dialog, nullptr), 0);
  EXPECT_TRUE(saved);
  DestroyMenu(menu);
}

}  // namespace
