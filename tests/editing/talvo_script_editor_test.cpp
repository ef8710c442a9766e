#include "editing/talvo_script_editor.h"

#include "custom_script_fixture.h"
#include "editing/script_editor_launch.h"
#include "resources/dialogs/script_name_dlg.h"

namespace Talvo::testing {
namespace {

class TalvoScriptEditorTest : public CustomScriptTest {
 protected:
  // Closes the script window as the user does; the window goes and takes the editor with it.
  static void CloseScriptWindow(HWND window) {
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(window));
    winsim::PumpMessages();
  }

  // True when `upper` comes before `lower` among the top-level windows.
  static bool IsAbove(HWND upper, HWND lower) {
    for (HWND window = ::GetTopWindow(nullptr); window != nullptr; window = ::GetWindow(window, GW_HWNDNEXT)) {
      if (window == lower) return false;
      if (window == upper) return true;
    }
    return false;
  }

  // The editor window and the page heard that the script editor closed.
  void ExpectClosedNotices(LPARAM owner) {
    ASSERT_EQ(frame_->Of(ScriptsChangedMessage).size(), 1U);
    EXPECT_EQ(frame_->Of(ScriptsChangedMessage)[0].lParam, owner);
    EXPECT_EQ(frame_->Of(ShowEditorMessage).size(), 1U);
    EXPECT_TRUE(frame_->IsWindowEnabled());
  }
};

TEST_F(TalvoScriptEditorTest, EditingAScriptDisablesTheEditorAndClosingStoresTheText) {
  Choose(bevelId_);
  Press(kIconButtonScriptEdit);

  HWND window = ScriptWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(frame_->IsWindowEnabled());
  EXPECT_EQ(::GetWindow(window, GW_OWNER), frame_->m_hWnd);
  // Topmost, with the window's own extended style kept.
  EXPECT_EQ(::GetWindowLongPtrW(window, GWL_EXSTYLE), static_cast<LONG_PTR>(WS_EX_WINDOWEDGE | WS_EX_TOPMOST));
  EXPECT_EQ(::GetTopWindow(nullptr), window);
  EXPECT_EQ(ScriptWindowText(window), L"polyop.bevel $ 1");

  SetScriptWindowText(window, L"polyop.bevel $ 2");
  CloseScriptWindow(window);

  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(scripts().GetScript(bevelId_, name, body));
  EXPECT_EQ(body, L"polyop.bevel $ 2");
  ExpectClosedNotices(reinterpret_cast<LPARAM>(dropDown_.get()));
  ASSERT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);
  EXPECT_EQ(page_->Of(WM_APPLY_CELL)[0].lParam, reinterpret_cast<LPARAM>(dropDown_.get()));
}

TEST_F(TalvoScriptEditorTest, ANewScriptIsNamedWhenItCloses) {
  // "Not Selected" chosen: an empty new script.
  Press(kIconButtonScriptEdit);
  HWND window = ScriptWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ScriptWindowText(window), L"");
  SetScriptWindowText(window, L"print 1");

  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, IDC_SCRIPT_NAME), L"New");
    EXPECT_FALSE(::IsWindowEnabled(ScriptWindow()));
    // The script window has left the topmost band: the name dialog shows above it.
    EXPECT_FALSE(::GetWindowLongPtrW(ScriptWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsAbove(dialog, ScriptWindow()));
    SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, L"");
    ClickItem(dialog, IDOK);
  });
  CloseScriptWindow(window);

  // An empty name is accepted; the cell takes the new id.
  ASSERT_EQ(scripts().Count(), 2);
  const std::wstring id = scripts().GetScriptIdAt(1);
  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(scripts().GetScript(id, name, body));
  EXPECT_EQ(name, L"");
  EXPECT_EQ(body, L"print 1");
  EXPECT_EQ(cell_.scriptId, id);
  ExpectClosedNotices(reinterpret_cast<LPARAM>(dropDown_.get()));
  EXPECT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);
}

TEST_F(TalvoScriptEditorTest, CancellingTheNameStoresNothingButStillNotifies) {
  TalvoScriptEditor* editor = EditNewCustomScript(dropDown_.get(), L"print 2");
  ASSERT_NE(editor, nullptr);
  HWND window = editor->GetHWND();
  EXPECT_EQ(ScriptWindowText(window), L"print 2");
  EXPECT_EQ(editor->GetScriptId(), L"Not Selected");

  winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [](HWND dialog) { ClickItem(dialog, IDCANCEL); });
  CloseScriptWindow(window);

  EXPECT_EQ(scripts().Count(), 1);
  EXPECT_EQ(cell_.scriptId, L"Not Selected");
  ExpectClosedNotices(reinterpret_cast<LPARAM>(dropDown_.get()));
  EXPECT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);
}

TEST_F(TalvoScriptEditorTest, ADropDownGoneWhileEditingIsNotTouched) {
  TalvoScriptEditor* editor = EditCustomScript(dropDown_.get(), bevelId_);
  ASSERT_NE(editor, nullptr);
  HWND window = editor->GetHWND();
  DestroyDropDown();

  SetScriptWindowText(window, L"kept");
  CloseScriptWindow(window);

  std::wstring name;
  std::wstring body;
  ASSERT_TRUE(scripts().GetScript(bevelId_, name, body));
  EXPECT_EQ(body, L"kept");
  ExpectClosedNotices(0);
  EXPECT_TRUE(page_->Of(WM_APPLY_CELL).empty());
}

TEST_F(TalvoScriptEditorTest, WithoutTheScriptsDocumentNothingIsStored) {
  TalvoScriptEditor* editor = EditCustomScript(dropDown_.get(), bevelId_);
  ASSERT_NE(editor, nullptr);
  HWND window = editor->GetHWND();
  GetTalvo().Clear();

  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch(L"Can't find script XML. Changes ignored.", L"Warning!"));
  CloseScriptWindow(window);
  EXPECT_EQ(winsim::PendingModalAnswers(), 0U);
  EXPECT_EQ(winsim::ModalLog().back().flags & (MB_ICONWARNING | MB_TASKMODAL),
            static_cast<UINT>(MB_ICONWARNING | MB_TASKMODAL));
  ExpectClosedNotices(reinterpret_cast<LPARAM>(dropDown_.get()));
  EXPECT_EQ(page_->Of(WM_APPLY_CELL).size(), 1U);
}

}  // namespace
}  // namespace Talvo::testing
