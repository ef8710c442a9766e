// An observed message box is shown as a window while its observer runs: caption, text and the buttons of
// its type, over its owner, painted; the responder still answers it, and only the next box is observed.
#include <windows.h>
#include <win32/message_box_observer.h>
#include <win32/modal_responder.h>

#include <string>
#include <vector>

#include "win32_fixture.h"

namespace {

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    texts.push_back(TextOf(child));
  return texts;
}

class MessageBoxObserverTest : public Win32Test {};

TEST_F(MessageBoxObserverTest, ShowsTheBoxOverItsOwnerUntilTheResponderAnswers) {
  HWND owner = TopLevel(100, 100, 600, 400, WS_POPUP | WS_VISIBLE);
  HWND seen = nullptr;
  std::vector<std::wstring> children;
  bool inside = false;
  bool painted = false;
  winsim::ObserveNextMessageBox([&](HWND box) {
    seen = box;
    EXPECT_TRUE(IsWindowVisible(box));
    EXPECT_EQ(TextOf(box), L"Quillon");
    children = ChildTexts(box);
    RECT boxRect{}, ownerRect{};
    GetWindowRect(box, &boxRect);
    GetWindowRect(owner, &ownerRect);
    inside = boxRect.left > ownerRect.left && boxRect.right < ownerRect.right && boxRect.top > ownerRect.top &&
             boxRect.bottom < ownerRect.bottom;
    // The box is painted in the system's face colour, not left as the owner's pixels.
    const winsim::Image image = winsim::CaptureWindow(box);
    painted = image.Pixel(image.width - 4, image.height - 4) == GetSysColor(COLOR_BTNFACE);
  });
  winsim::AnswerMessageBox(IDNO);
  EXPECT_EQ(MessageBoxW(owner, L"Delete source script?", L"Quillon", MB_YESNO | MB_ICONQUESTION), IDNO);
  ASSERT_NE(seen, nullptr);
  EXPECT_FALSE(IsWindow(seen));
  EXPECT_EQ(children, (std::vector<std::wstring>{L"Delete source script?", L"Yes", L"No"}));
  EXPECT_TRUE(inside);
  EXPECT_TRUE(painted);
}

TEST_F(MessageBoxObserverTest, ObservesOnlyTheNextBoxAndNothingAfterAReset) {
  int observed = 0;
  winsim::ObserveNextMessageBox([&](HWND) { ++observed; });
  winsim::AnswerMessageBox(IDOK, {}, winsim::Repeat::Always);
  MessageBoxW(nullptr, L"first", L"Error", MB_OK);
  MessageBoxW(nullptr, L"second", L"Error", MB_OK);
  EXPECT_EQ(observed, 1);

  winsim::ObserveNextMessageBox([&](HWND) { ++observed; });
  winsim::Reset();
  winsim::AnswerMessageBox(IDOK);
  MessageBoxW(nullptr, L"third", L"Error", MB_OK);
  EXPECT_EQ(observed, 1);
}

}  // namespace
