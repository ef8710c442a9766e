// The editor window's File and Edit commands that belong to a page: each reaches the profiles or the
// functions page with its own message, the Delete and Clone commands after bringing that page up.
#include <map>
#include <vector>

#include "engine/messages.h"
#include "frame/menu.h"
#include "frame_fixture.h"
#include "model/vocabulary.h"

namespace Talvo::testing {
namespace {

struct ForwardCase {
  const char* name;
  UINT command;
  int page;
  bool activates;
  UINT message;
};

struct Received {
  int page;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The pages' own procedures, and what reached them of the forwarded messages (kept from the page).
std::map<HWND, std::pair<int, WNDPROC>> pages;
std::vector<Received> received;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto& [page, original] = pages.at(hwnd);
  if (message >= LoadProfileMessage && message <= ExportProfileMessage) {
    received.push_back({page, message, wParam, lParam});
    return 0;
  }
  return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

class ForwardedCommandTest : public FrameTest, public ::testing::WithParamInterface<ForwardCase> {
 protected:
  void TearDown() override {
    for (const auto& [hwnd, entry] : pages)
      if (::IsWindow(hwnd)) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry.second));
    pages.clear();
    received.clear();
    FrameTest::TearDown();
  }
};

TEST_P(ForwardedCommandTest, ReachesItsPageWithItsMessage) {
  const ForwardCase& row = GetParam();
  // The function commands are enabled only with a current function.
  ASSERT_NE(GetTalvo().CreateFunction(kKindSingleTap), nullptr);
  WindowTabs& tabs = OpenFrame().GetTabs();
  for (int page : {0, 1}) {
    HWND hwnd = tabs.GetPageAt(page)->m_hWnd;
    pages[hwnd] = {page, reinterpret_cast<WNDPROC>(
                             SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)))};
  }
  tabs.SetActiveTab(2);
  winsim::PumpMessages();

  (*GetFrame())->SendMessage(WM_COMMAND, row.command, 0);
  winsim::PumpMessages();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].page, row.page);
  EXPECT_EQ(received[0].message, row.message);
  EXPECT_EQ(received[0].wParam, 0u);
  EXPECT_EQ(received[0].lParam, 0);
  EXPECT_EQ(tabs.GetActiveTab(), row.activates ? row.page : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ForwardedCommandTest,
    ::testing::Values(ForwardCase{"ExportProfile", Menu::kExportProfile, 0, false, ExportProfileMessage},
                      ForwardCase{"ExportFunction", Menu::kExportFunction, 1, false, ExportFunctionMessage},
                      ForwardCase{"LoadProfile", Menu::kLoadProfile, 0, false, LoadProfileMessage},
                      ForwardCase{"LoadFunction", Menu::kLoadFunction, 1, false, LoadFunctionMessage},
                      ForwardCase{"DeleteProfile", Menu::kDeleteProfile, 0, true, DeleteProfileMessage},
                      ForwardCase{"DeleteFunction", Menu::kDeleteFunction, 1, true, DeleteFunctionMessage},
                      ForwardCase{"CloneProfile", Menu::kCloneProfile, 0, true, CloneProfileMessage},
                      ForwardCase{"CloneFunction", Menu::kCloneFunction, 1, true, CloneFunctionMessage}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace Talvo::testing
