#include "win32_fixture.h"

using win32_test::Log;

using Buttons = Win32Test;

namespace {

HWND MakeButton(HWND parent, int id, DWORD style, int x = 10, int y = 10, int width = 80, int height = 24) {
  return CreateWindowExW(0, L"BUTTON", L"Press", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// The (control id, code) pairs of the WM_COMMAND messages a window received.
std::vector<std::pair<int, int>> Commands(HWND hwnd) {
  std::vector<std::pair<int, int>> out;
  for (const auto& seen : Log())
    if (seen.hwnd == hwnd && seen.message == WM_COMMAND) out.emplace_back(LOWORD(seen.wParam), HIWORD(seen.wParam));
  return out;
}

}  // namespace

TEST_F(Buttons, AnAutoCheckBoxTogglesBeforeItsParentHearsTheClick) {
  HWND top = TopLevel(0, 0, 300, 200);
  HWND box = MakeButton(top, 11, BS_AUTOCHECKBOX);
  std::vector<LRESULT> checkWhenNotified;
  Handle([&](HWND h, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (h == top && m == WM_COMMAND && HIWORD(w) == BN_CLICKED)
      checkWhenNotified.push_back(SendMessageW(box, BM_GETCHECK, 0, 0));
    return std::nullopt;
  });
  winsim::Click(20, 20);
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_EQ(checkWhenNotified, (std::vector<LRESULT>{BST_CHECKED, BST_UNCHECKED}));
  // Setting the check is silent; a plain check box leaves its check to the program.
  Log().clear();
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(Commands(top).empty());
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  HWND plain = MakeButton(top, 12, BS_CHECKBOX, 10, 50);
  winsim::Click(20, 60);
  EXPECT_EQ(Commands(top), (std::vector<std::pair<int, int>>{{12, BN_CLICKED}}));
  EXPECT_EQ(SendMessageW(plain, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // A push button has no check.
  HWND push = MakeButton(top, 13, BS_PUSHBUTTON, 10, 90);
  SendMessageW(push, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageW(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Buttons, APushButtonClicksOnReleaseInsideAndOnSpace) {
  HWND top = TopLevel(0, 0, 300, 200);
  HWND push = MakeButton(top, 21, BS_DEFPUSHBUTTON);
  winsim::MouseMove(20, 20);
  winsim::MouseDown();
  EXPECT_TRUE(Commands(top).empty());  // nothing on the press
  EXPECT_TRUE(SendMessageW(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_EQ(GetFocus(), push);
  winsim::MouseMove(200, 150);  // dragged off: released outside, no click
  EXPECT_FALSE(SendMessageW(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
  winsim::MouseUp();
  EXPECT_TRUE(Commands(top).empty());
  winsim::Click(20, 20);
  winsim::KeyPress(VK_SPACE);
  EXPECT_EQ(Commands(top), (std::vector<std::pair<int, int>>{{21, BN_CLICKED}, {21, BN_CLICKED}}));
  EXPECT_EQ(SendMessageW(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(SendMessageW(push, WM_GETFONT, 0, 0), 0);  // the default GUI font until one is set
  HGDIOBJ font = GetStockObject(SYSTEM_FONT);
  SendMessageW(push, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  EXPECT_EQ(SendMessageW(push, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
  SendMessageW(push, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_EQ(SendMessageW(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  // A disabled button takes no clicks: its parent gets the mouse.
  Log().clear();
  EnableWindow(push, FALSE);
  winsim::Click(20, 20);
  SendMessageW(push, BM_CLICK, 0, 0);
  EXPECT_TRUE(Commands(top).empty());
  EXPECT_EQ(win32_test::CountOf(top, WM_LBUTTONDOWN), 1);
}

TEST_F(Buttons, AnOwnerDrawnButtonIsDrawnByItsParent) {
  static HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HWND top = TopLevel(0, 0, 300, 200);
  std::vector<DRAWITEMSTRUCT> drawn;
  Handle([&](HWND h, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (h != top || m != WM_DRAWITEM) return std::nullopt;
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
    drawn.push_back(*item);
    FillRect(item->hDC, &item->rcItem, red);
    return TRUE;
  });
  HWND button = MakeButton(top, 41, BS_OWNERDRAW, 10, 10, 60, 30);
  winsim::PumpMessages();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().CtlType, UINT{ODT_BUTTON});
  EXPECT_EQ(drawn.back().CtlID, 41u);
  EXPECT_EQ(drawn.back().hwndItem, button);
  EXPECT_EQ(drawn.back().itemAction, UINT{ODA_DRAWENTIRE});
  EXPECT_EQ(drawn.back().rcItem.right, 60);
  EXPECT_EQ(drawn.back().rcItem.bottom, 30);
  EXPECT_FALSE(drawn.back().itemState & ODS_SELECTED);
  winsim::MouseMove(20, 20);
  winsim::MouseDown();
  EXPECT_TRUE(drawn.back().itemState & ODS_SELECTED);
  EXPECT_TRUE(drawn.back().itemState & ODS_FOCUS);
  winsim::MouseUp();
  EXPECT_EQ(winsim::CaptureWindow(top).Pixel(40, 25), RGB(255, 0, 0));
}
