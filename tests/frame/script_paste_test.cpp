// The cell menu's Paste: a confirmed paste adds the script, chooses it in the cell and has the page apply
// the cell; a cancelled one changes nothing and only tells the editor window to refresh its script lists.
#include <map>

#include "commands_fixture.h"
#include "resources/dialogs/script_name_dlg.h"

namespace Talvo::testing {
namespace {

constexpr UINT kPaste = 3035;

// Counts the messages a window receives, by message, before its own procedure handles them.
class MessageTap {
 public:
  explicit MessageTap(HWND window) : window_(window) {
    Taps()[window] = this;
    previous_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~MessageTap() {
    if (::IsWindow(window_)) ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    Taps().erase(window_);
  }
  MessageTap(const MessageTap&) = delete;
  MessageTap& operator=(const MessageTap&) = delete;
  int Count(UINT message) const { return counts_.count(message) != 0 ? counts_.at(message) : 0; }

 private:
  static std::map<HWND, MessageTap*>& Taps() {
    static std::map<HWND, MessageTap*> taps;
    return taps;
  }
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageTap* tap = Taps().at(window);
    ++tap->counts_[message];
    return ::CallWindowProcW(tap->previous_, window, message, wParam, lParam);
  }

  HWND window_;
  WNDPROC previous_ = nullptr;
  std::map<UINT, int> counts_;
};

class ScriptPasteTest : public CommandsTest {
 protected:
  void Paste(int button) {
    PutOnClipboard(L"polyop.chamfer $ 2");
    winsim::AnswerModalDialog(IDD_SCRIPT_NAME, [button](HWND dialog) {
      SetDlgItemTextW(dialog, IDC_SCRIPT_NAME, L"Chamfer");
      ClickItem(dialog, button);
    });
    Run(kPaste);
  }
};

TEST_F(ScriptPasteTest, ACancelledPasteOnlyRefreshesTheScriptLists) {
  Choose(bevelId_);
  const MessageTap editor(frame_->m_hWnd);
  const MessageTap page(page_.m_hWnd);
  Paste(IDCANCEL);
  EXPECT_EQ(editor.Count(ScriptsChangedMessage), 1);
  EXPECT_EQ(page.Count(WM_APPLY_CELL), 0);
  EXPECT_EQ(scripts().Count(), 1);
  EXPECT_EQ(DropDownCell()->scriptId, bevelId_);
  EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(ScriptPasteTest, AConfirmedPasteChoosesTheScriptAndAppliesTheCell) {
  Choose(bevelId_);
  const MessageTap editor(frame_->m_hWnd);
  const MessageTap page(page_.m_hWnd);
  Paste(IDOK);
  ASSERT_EQ(scripts().Count(), 2);
  EXPECT_EQ(DropDownCell()->scriptId, scripts().GetScriptIdAt(1));
  EXPECT_EQ(editor.Count(ScriptsChangedMessage), 1);
  EXPECT_EQ(page.Count(WM_APPLY_CELL), 1);
}

}  // namespace
}  // namespace Talvo::testing
