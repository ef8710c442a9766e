#include "windows.h"

#include <filesystem>
#include <string>
#include <vector>

#include "host/core_interface.h"
#include "host/icons.h"
#include "host/script_editor.h"
#include "host/toolbar.h"
#include "host_fixture.h"
#include "platform/win32/bmp_file.h"
#include "win32/simulation.h"

namespace {

using HostWindowsTest = HostTest;

TEST_F(HostWindowsTest, TheMainWindowExistsAndDialogWindowsRegisterOnce) {
  Interface* core = GetCOREInterface();
  HWND main = core->GetMAXHWnd();
  ASSERT_TRUE(IsWindow(main));
  core->RegisterDlgWnd(main);
  core->RegisterDlgWnd(main);
  EXPECT_EQ(hostsim::RegisteredDialogWindows(), std::vector<HWND>{main});
  EXPECT_EQ(core->UnRegisterDlgWnd(main), 1);
  EXPECT_EQ(core->UnRegisterDlgWnd(main), 0);
  EXPECT_TRUE(hostsim::RegisteredDialogWindows().empty());
  LOGFONTW font{};
  ASSERT_NE(GetObjectW(core->GetAppHFont(), sizeof(font), &font), 0);
  EXPECT_EQ(font.lfHeight, core->GetAppLogFont().lfHeight);

  // Its background follows the theme.
  EXPECT_EQ(winsim::CaptureWindow(main).Pixel(900, 500), GetThemeColor(kLightTheme, kWindow));
  hostsim::SetTheme(kDarkTheme);
  EXPECT_EQ(winsim::CaptureWindow(main).Pixel(900, 500), GetThemeColor(kDarkTheme, kWindow));
}

using bmptest::WriteBmp;

// Records the commands its toolbar sends.
std::vector<WPARAM> commands;
LRESULT OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) commands.push_back(wParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeOwner() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = OwnerProc;
  wc.lpszClassName = L"ToolbarOwner";
  RegisterClassExW(&wc);
  return CreateWindowExW(0, L"ToolbarOwner", L"Owner", WS_POPUP | WS_VISIBLE, 100, 100, 300, 100, nullptr, nullptr,
                         nullptr, nullptr);
}

POINT ScreenPointOf(HWND hwnd, int x, int y) {
  POINT point{x, y};
  ClientToScreen(hwnd, &point);
  return point;
}

TEST_F(HostWindowsTest, ToolbarButtonsSendTheirCommandToTheOwnerWhenClicked) {
  commands.clear();
  HWND owner = MakeOwner();
  HWND bar = CreateWindowExW(0, CUSTTOOLBARWINDOWCLASS, L"", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24, owner, nullptr,
                             nullptr, nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetICustToolbar(owner), nullptr);
  ICustToolbar* toolbar = GetICustToolbar(bar);
  ASSERT_NE(toolbar, nullptr);
  // Image 0 (up) is red, image 1 (pressed) blue.
  WriteBmp(std::filesystem::path(GetCOREInterface()->GetDir(39)) / "Icons" / "Buttons.bmp", 40, 20,
           [](int x, int) { return x < 20 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
  HIMAGELIST images = ImageList_Create(20, 20, ILC_COLOR24 | ILC_MASK, 10, 1);
  ASSERT_TRUE(LoadMAXFileIcon(L"Buttons", images, kBackground, FALSE));
  toolbar->SetImage(images);
  toolbar->AddTool(ToolButtonItem(CTB_PUSHBUTTON, 0, 1, 0, 1, 20, 20, 22, 22, 4502));
  toolbar->AddTool(ToolButtonItem(CTB_PUSHBUTTON, 2, 3, 2, 3, 20, 20, 22, 22, 4501));
  toolbar->AddTool(ToolButtonItem(CTB_PUSHBUTTON, 4, 5, 4, 5, 20, 20, 22, 22, 4504), 0);
  EXPECT_EQ(toolbar->GetNumItems(), 3);
  EXPECT_EQ(toolbar->GetItemID(0), 4504);

  const POINT second = ScreenPointOf(bar, 22 + 11, 12);
  winsim::Click(second.x, second.y);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(LOWORD(commands[0]), 4502);
  EXPECT_EQ(HIWORD(commands[0]), BN_CLICKED);

  // The button shows its pressed image while the mouse holds it.
  EXPECT_EQ(winsim::CaptureWindow(bar).Pixel(22 + 11, 12), RGB(255, 0, 0));
  winsim::MouseDown();
  EXPECT_EQ(winsim::CaptureWindow(bar).Pixel(22 + 11, 12), RGB(0, 0, 255));
  winsim::MouseUp();
  EXPECT_EQ(commands.size(), 2u);

  // Pressing one button and releasing over another is no click; a disabled button sends nothing.
  const POINT first = ScreenPointOf(bar, 11, 12);
  winsim::MouseMove(first.x, first.y);
  winsim::MouseDown();
  winsim::MouseMove(second.x, second.y);
  winsim::MouseUp();
  toolbar->Enable(4504, FALSE);
  winsim::Click(first.x, first.y);
  EXPECT_EQ(commands.size(), 2u);

  // Losing the capture mid-click (a menu or dialog takes it) releases the button without a command.
  winsim::MouseMove(second.x, second.y);
  winsim::MouseDown();
  SetCapture(owner);
  EXPECT_EQ(winsim::CaptureWindow(bar).Pixel(22 + 11, 12), RGB(255, 0, 0));
  ReleaseCapture();
  winsim::MouseUp();
  EXPECT_EQ(commands.size(), 2u);

  toolbar->DeleteTools(1);
  EXPECT_EQ(toolbar->GetNumItems(), 1);
  ReleaseICustToolbar(toolbar);
  DestroyWindow(owner);
  ImageList_Destroy(images);
}

class ClosingEditor : public ScriptEditor {
 public:
  ClosingEditor(bool* deleted, BOOL answer) : ScriptEditor(L"Script Quillon"), deleted_(deleted), answer_(answer) {}
  ~ClosingEditor() override { *deleted_ = true; }
  BOOL OnClose(HWND hwnd) override {
    seen_text = GetText();
    ++closes;
    return answer_ ? ScriptEditor::OnClose(hwnd) : FALSE;
  }
  MSTR seen_text;
  int closes = 0;
  bool* deleted_;
  BOOL answer_;
};

TEST_F(HostWindowsTest, ScriptEditorClosesOnlyWhenOnCloseAgreesAndIsThenDeleted) {
  bool deleted = false;
  auto* editor = new ClosingEditor(&deleted, FALSE);
  editor->SetText(L"print \"before\"");
  HWND window = editor->Open(GetCOREInterface()->GetMAXHWnd());
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(editor->Open(nullptr), window);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  EXPECT_STREQ(title, L"Script Quillon");
  EXPECT_EQ(editor->GetText(), MSTR(L"print \"before\""));
  editor->SetText(L"max undo");

  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(editor->closes, 1);
  EXPECT_EQ(editor->seen_text, MSTR(L"max undo"));

  editor->answer_ = TRUE;
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(deleted);
}

// A script of several lines comes back whole from the open editor, and after typing a new line.
TEST_F(HostWindowsTest, AScriptEditorKeepsEveryLineOfItsScript) {
  bool deleted = false;
  auto* editor = new ClosingEditor(&deleted, FALSE);
  const wchar_t* script = L"box name:\"a\"\r\n\r\n  sphere radius:10\r\nprint \"done\"";
  editor->SetText(script);
  HWND window = editor->Open(GetCOREInterface()->GetMAXHWnd());
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(editor->GetText().str(), script);
  HWND pane = GetWindow(window, GW_CHILD);
  EXPECT_EQ(SendMessageW(pane, EM_GETLINECOUNT, 0, 0), 4);
  SetFocus(pane);
  SendMessageW(pane, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  winsim::KeyDown(VK_CONTROL);
  winsim::KeyPress(VK_END);
  winsim::KeyUp(VK_CONTROL);
  winsim::TypeText(L"\r\nredo");
  EXPECT_EQ(editor->GetText().str(), std::wstring(script) + L"\r\nredo");
  editor->answer_ = TRUE;
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(deleted);
}

TEST_F(HostWindowsTest, AnOpenScriptEditorGoesWithItsOwnerOrWhenDeleted) {
  bool first_deleted = false;
  bool second_deleted = false;
  HWND owner = CreateWindowExW(0, L"HostMainWindow", L"Owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr,
                               nullptr, nullptr);
  auto* first = new ClosingEditor(&first_deleted, TRUE);
  HWND first_window = first->Open(owner);
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(first_window));
  EXPECT_TRUE(first_deleted) << "the host deletes the editor with its window";

  auto* second = new ClosingEditor(&second_deleted, TRUE);
  HWND second_window = second->Open(GetCOREInterface()->GetMAXHWnd());
  delete second;
  EXPECT_TRUE(second_deleted);
  EXPECT_FALSE(IsWindow(second_window));
}

TEST_F(HostWindowsTest, IconFilesFollowTheThemeIntoImageLists) {
  const std::filesystem::path icons(GetCOREInterface()->GetDir(39));
  WriteBmp(icons / "Icons" / "TalvoProfile.bmp", 40, 20, RGB(200, 200, 200));
  WriteBmp(icons / "IconsDark" / "TalvoProfile.bmp", 60, 20, RGB(50, 50, 50));
  WriteBmp(icons / "Icons" / "TalvoPlus14.bmp", 14, 14, RGB(0, 128, 0));

  HIMAGELIST list = ImageList_Create(20, 20, ILC_COLOR24 | ILC_MASK, 5, 1);
  EXPECT_TRUE(LoadMAXFileIcon(L"TalvoProfile", list, kBackground, FALSE));
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  EXPECT_EQ(ImageList_GetBkColor(list), ColorMan()->GetColor(kBackground));

  hostsim::SetTheme(kDarkTheme);
  ImageList_RemoveAll(list);
  EXPECT_TRUE(LoadMAXFileIcon(L"TalvoProfile", list, kBackground, FALSE));
  EXPECT_EQ(ImageList_GetImageCount(list), 3);
  // Without a dark variant the light icons are used.
  HIMAGELIST plus = ImageList_Create(14, 14, ILC_COLOR24 | ILC_MASK, 1, 1);
  EXPECT_TRUE(LoadMAXFileIcon(L"TalvoPlus14", plus, kBackground, FALSE));
  EXPECT_EQ(ImageList_GetImageCount(plus), 1);

  EXPECT_FALSE(LoadMAXFileIcon(L"Missing", list, kBackground, FALSE));
  EXPECT_FALSE(LoadMAXFileIcon(nullptr, list, kBackground, FALSE));
  EXPECT_FALSE(LoadMAXFileIcon(L"TalvoProfile", nullptr, kBackground, FALSE));
  ImageList_Destroy(list);
  ImageList_Destroy(plus);
}

}  // namespace
