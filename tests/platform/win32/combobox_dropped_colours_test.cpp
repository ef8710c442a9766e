// A combo box's dropped list shows in the colours its parent chooses for the combo box, as the closed field does.
#include "win32_fixture.h"

namespace {

constexpr COLORREF kFieldBack = RGB(40, 44, 48);
constexpr COLORREF kFieldText = RGB(220, 221, 222);

class ComboDroppedColoursTest : public Win32Test {};

TEST_F(ComboDroppedColoursTest, TheListAsksTheComboBoxParentInTheComboBoxName) {
  HWND parent = TopLevel(100, 100, 300, 200);
  HWND combo = CreateWindowExW(0, WC_COMBOBOX, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 150, 200,
                               parent, reinterpret_cast<HMENU>(41), nullptr, nullptr);
  for (const wchar_t* text : {L"Vertex", L"Edge"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  HBRUSH brush = CreateSolidBrush(kFieldBack);
  std::vector<HWND> asking;
  Handle([&](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
    if (hwnd != parent || message != WM_CTLCOLORLISTBOX) return std::nullopt;
    asking.push_back(reinterpret_cast<HWND>(lParam));
    SetTextColor(reinterpret_cast<HDC>(wParam), kFieldText);
    return reinterpret_cast<LRESULT>(brush);
  });
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  asking.clear();
  const winsim::Image list = winsim::CaptureWindow(info.hwndList);
  ASSERT_FALSE(asking.empty());
  EXPECT_EQ(asking.front(), combo);
  // Below the two items (the first may be highlighted): the parent's fill; the items in its text colour.
  EXPECT_EQ(list.Pixel(list.width / 2, list.height - 3), kFieldBack);
  int textPixels = 0;
  for (int y = 0; y < list.height; ++y)
    for (int x = 0; x < list.width; ++x) textPixels += list.Pixel(x, y) == kFieldText ? 1 : 0;
  EXPECT_GT(textPixels, 0);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  DeleteObject(brush);
}

}  // namespace
