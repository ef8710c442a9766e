// Shared set-up of the functions page and wheel-events page tests: the function transfer fixture
// (documents on a fresh data folder, a fresh undo stack, unexpected modals fail), an editor window
// stand-in that counts what the pages tell it, one page on the test parent, and helpers that act on the
// page as the user would.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "function_transfer_fixture.h"

namespace Talvo::testing {

// The editor window as the documents and pages see it: counts the document-change messages a page sends
// (lParam the page; the documents' own carry the window).
struct CountingEditorWindow : CWnd {
  CountingEditorWindow() { CreateEx(0, AfxRegisterWndClass(0), L"Editor", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr); }
  ~CountingEditorWindow() override { DestroyWindow(); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    changesByPage += message == DocumentChangedMessage && lParam != reinterpret_cast<LPARAM>(m_hWnd) ? 1 : 0;
    return CWnd::WindowProc(message, wParam, lParam);
  }
  int changesByPage = 0;
};

template <typename Page>
class FunctionPageTest : public FunctionTransferTest {
 protected:
  void SetUp() override {
    FunctionTransferTest::SetUp();
    editor_ = std::make_unique<CountingEditorWindow>();
    SetEditorWindow(editor_->m_hWnd);
  }
  void TearDown() override {
    ClosePage();
    SetEditorWindow(nullptr);
    editor_.reset();
    FunctionTransferTest::TearDown();
  }
  Page& OpenPage() {
    page_ = std::make_unique<Page>(parent_.get());
    EXPECT_TRUE(page_->Create(Page::kTemplateId, parent_.get()));
    page_->SetWindowPos(nullptr, 0, 0, 780, 460, SWP_NOZORDER);
    page_->ShowWindow(SW_SHOW);
    winsim::PumpMessages();
    return *page_;
  }
  void ClosePage() {
    if (page_ && ::IsWindow(page_->m_hWnd)) page_->DestroyWindow();
    page_.reset();
  }
  void Click(int controlId) { ClickItem(page_->m_hWnd, controlId); winsim::PumpMessages(); }
  // Opens the page's menu button and picks item `item` (1-based).
  void ChooseMenuItem(int menuId, int item) { winsim::AnswerPopupMenu(item); Click(menuId); }
  // Replaces an edit's text by typing `text`, one character at a time.
  static void TypeInto(CWnd& edit, const std::wstring& text) {
    edit.SetWindowText(L"");
    edit.SetFocus();
    for (wchar_t c : text) edit.SendMessage(WM_CHAR, c, 0);
    winsim::PumpMessages();
  }
  // The menu names `names` one to one, and its caption and the name field show `current`.
  void ExpectMenu(const MenuButton& menu, const CWnd& nameField, const std::vector<std::wstring>& names,
                  const std::wstring& current) {
    std::vector<std::wstring> items;
    for (int i = 0; i < menu.GetItemCount(); ++i) items.push_back(menu.GetItemText(i));
    EXPECT_EQ(items, names);
    EXPECT_EQ(menu.GetWindowText(), current);
    EXPECT_EQ(nameField.GetWindowText(), current);
  }

  std::unique_ptr<CountingEditorWindow> editor_;
  std::unique_ptr<Page> page_;
};

}  // namespace Talvo::testing
