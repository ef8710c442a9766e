#include "win32_fixture.h"

#include <string>

namespace {

using TabControlTest = Win32Test;

constexpr int kTabsId = 40;

HWND CreateTabs(HWND parent) {
  InitCommonControls();
  return CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 120, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTabsId)), nullptr, nullptr);
}

LRESULT Insert(HWND tabs, int at, const wchar_t* text, LPARAM param = 0) {
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = const_cast<LPWSTR>(text);
  item.lParam = param;
  return SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
}

// The WM_NOTIFY codes the parent received (the records only live during the message), and a veto of
// TCN_SELCHANGING when asked.
struct NotifyRecorder {
  std::vector<UINT> codes;
  std::vector<UINT_PTR> ids;
  bool veto = false;
  void Install() {
    win32_test::CurrentHandler() = [this](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
      if (message != WM_NOTIFY) return std::nullopt;
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      codes.push_back(header->code);
      ids.push_back(header->idFrom);
      return header->code == TCN_SELCHANGING && veto ? TRUE : FALSE;
    };
  }
};

TEST_F(TabControlTest, ItemsAreInsertedReadAndDeleted) {
  HWND parent = CreateWindowExW(0, win32_test::kClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, 320, 160, nullptr, nullptr,
                                nullptr, nullptr);
  HWND tabs = CreateTabs(parent);
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(Insert(tabs, 0, L"Second", 2), 0);
  EXPECT_EQ(Insert(tabs, 0, L"First", 1), 0);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);  // the selected tab moved with its item

  wchar_t buffer[4];
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = buffer;
  item.cchTextMax = 4;
  ASSERT_TRUE(SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(std::wstring(buffer), L"Sec");  // truncated to the buffer
  EXPECT_EQ(item.lParam, 2);
  EXPECT_FALSE(SendMessageW(tabs, TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&item)));
  EXPECT_FALSE(SendMessageW(tabs, TCM_GETITEMW, 0, 0));

  EXPECT_TRUE(SendMessageW(tabs, TCM_DELETEITEM, 1, 0));
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), -1);  // the selected tab is gone
  EXPECT_FALSE(SendMessageW(tabs, TCM_DELETEITEM, 3, 0));
  EXPECT_EQ(SendMessageW(tabs, TCM_INSERTITEMW, 0, 0), -1);
}

TEST_F(TabControlTest, ClicksNotifyTheParentAndPaintTheSelectedTab) {
  HWND parent = CreateWindowExW(0, win32_test::kClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, 320, 160, nullptr, nullptr,
                                nullptr, nullptr);
  HWND tabs = CreateTabs(parent);
  Insert(tabs, 0, L"Profiles");
  Insert(tabs, 1, L"Functions");
  RECT second{};
  ASSERT_TRUE(SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));

  NotifyRecorder recorder;
  recorder.Install();
  recorder.veto = true;
  winsim::Click((second.left + second.right) / 2, (second.top + second.bottom) / 2);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);  // vetoed
  EXPECT_EQ(recorder.codes, std::vector<UINT>{TCN_SELCHANGING});

  recorder.veto = false;
  recorder.codes.clear();
  winsim::Click((second.left + second.right) / 2, (second.top + second.bottom) / 2);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(recorder.codes, (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));
  for (UINT_PTR id : recorder.ids) EXPECT_EQ(id, UINT_PTR{kTabsId});
  win32_test::CurrentHandler() = nullptr;

  // The selected tab is drawn in the window colour, the others in the face colour.
  const winsim::Image image = winsim::CaptureWindow(tabs);
  RECT first{};
  SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  EXPECT_EQ(image.Pixel(second.right - 3, second.bottom - 3), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(image.Pixel(first.left + 3, first.bottom - 3), GetSysColor(COLOR_3DFACE));

  TCHITTESTINFO hit{{first.left + 1, first.top + 1}, 0};
  EXPECT_EQ(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TCHT_ONITEM));
}

}  // namespace
