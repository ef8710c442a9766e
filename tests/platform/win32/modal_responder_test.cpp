#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "modal_responder_internal.h"

using winsim::MenuItemRecord;
using winsim::ModalMatch;

namespace {

std::vector<MenuItemRecord> CaseMenu() {
  return {MenuItemRecord(L"&Copy\tCtrl+C", 3012), MenuItemRecord(L"Paste", 3013, false), MenuItemRecord::Separator(),
          MenuItemRecord::Submenu(L"Level", {MenuItemRecord(L"Vertex", 3100), MenuItemRecord(L"Edge", 3101)})};
}

}  // namespace

TEST(PopupMenus, AnsweredByCommandOrItemTextAndRecorded) {
  winsim::AnswerPopupMenu(3012);
  winsim::AnswerPopupMenuItem(L"Edge");
  winsim::AnswerPopupMenuItem(L"Copy");
  winsim::AnswerPopupMenu(0);
  EXPECT_EQ(win32_internal::AnswerPopupMenu(CaseMenu()), 3012u);
  EXPECT_EQ(win32_internal::AnswerPopupMenu(CaseMenu()), 3101u);
  EXPECT_EQ(win32_internal::AnswerPopupMenu(CaseMenu()), 3012u);  // mnemonic and shortcut ignored
  EXPECT_EQ(win32_internal::AnswerPopupMenu(CaseMenu()), 0u);     // dismissed
  EXPECT_EQ(winsim::ModalLog().front().result, 3012);
}

TEST(PopupMenus, ChoosingADisabledOrMissingItemFails) {
  winsim::AnswerPopupMenu(3013);
  UINT chosen = 1;
  EXPECT_NONFATAL_FAILURE(chosen = win32_internal::AnswerPopupMenu(CaseMenu()),
                          "command 3013, which is not an enabled item");
  EXPECT_EQ(chosen, 0u);
  EXPECT_NONFATAL_FAILURE(win32_internal::AnswerPopupMenu(CaseMenu()), "Unexpected popup menu [\"&Copy");
}

TEST(ModalDialogs, MatchedByCaptionStandingAndUnexpected) {
  int runs = 0;
  winsim::AnswerModalDialog(
      ModalMatch::Caption(L"Options"), [&](HWND) { ++runs; }, winsim::Repeat::Always);
  EXPECT_TRUE(win32_internal::AnswerModalDialog(130, L"Options", nullptr));
  EXPECT_TRUE(win32_internal::AnswerModalDialog(130, L"Options", nullptr));
  EXPECT_EQ(runs, 2);
  bool answered = true;
  EXPECT_NONFATAL_FAILURE(answered = win32_internal::AnswerModalDialog(140, L"About", nullptr),
                          "Unexpected dialog 140 with caption \"About\"");
  EXPECT_FALSE(answered);
}

TEST(UnexpectedModalHandler, CanBeSwappedAndRestored) {
  std::wstring reported;
  auto previous = winsim::SetUnexpectedModalHandler([&](const std::wstring& text) { reported = text; });
  EXPECT_EQ(MessageBoxW(nullptr, L"Hi", L"Cap", MB_OK), IDOK);
  EXPECT_EQ(reported, L"Unexpected message box \"Hi\" with caption \"Cap\" (type 0x0)");
  winsim::SetUnexpectedModalHandler(previous);
  EXPECT_NONFATAL_FAILURE(MessageBoxW(nullptr, L"Again", L"Cap", MB_OK), "Again");
}
