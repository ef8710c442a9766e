// Shared set-up of the custom-script tests: the naming-dialog environment plus a stand-in editor window
// (registered as the program's editor window) that holds a page, whose grid holds a script drop-down with its
// cell. The page is a real function editor page, so the custom-code buttons reach the page's own handler;
// the editor window and the page record the messages they get.
#pragma once

#include <host/script_editor.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/cell_drop_down.h"
#include "controls/icon_button.h"
#include "editing/custom_code_buttons.h"
#include "editing/function_editor_tab.h"
#include "engine/messages.h"
#include "grid/grid_cell_editors.h"
#include "model/editor_window.h"
#include "model/xml_custom_scripts.h"
#include "naming_dialogs_fixture.h"

namespace Talvo::testing {

struct RecordedMessage {
  UINT message;
  LPARAM lParam;
};

// A window that records the messages of interest before it handles them.
template <typename Base>
class Recording : public Base {
 public:
  std::vector<RecordedMessage> messages;
  // Runs after a recorded message is noted, as the real receiver would act on it.
  std::function<void(UINT message)> onRecorded;

  std::vector<RecordedMessage> Of(UINT message) const {
    std::vector<RecordedMessage> found;
    for (const RecordedMessage& m : messages)
      if (m.message == message) found.push_back(m);
    return found;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APPLY_CELL || message == ScriptsChangedMessage || message == ShowEditorMessage) {
      messages.push_back({message, lParam});
      if (onRecorded) onRecorded(message);
    }
    return Base::WindowProc(message, wParam, lParam);
  }
};

// The editor window stands in as a plain window; the page is a real function editor page.
using RecordingWnd = Recording<CWnd>;
using RecordingEditorPage = Recording<FunctionEditorTab>;

class CustomScriptTest : public NamingDialogTest {
 protected:
  void SetUp() override {
    NamingDialogTest::SetUp();
    if (HasFatalFailure()) return;
    frame_ = std::make_unique<RecordingWnd>();
    ASSERT_TRUE(frame_->CreateEx(0, AfxRegisterWndClass(0), L"Quillon Editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                                 900, 600, nullptr, nullptr));
    SetEditorWindow(frame_->m_hWnd);
    page_ = std::make_unique<RecordingEditorPage>();
    ASSERT_TRUE(page_->CreatePage(frame_.get()));
    page_->MoveWindow(CRect(0, 30, 880, 560));
    page_->ShowWindow(SW_SHOW);
    grid_ = std::make_unique<CWnd>();
    ASSERT_TRUE(grid_->Create(AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 860, 500), page_.get(), 2));

    scripts().AddScript(L"Bevel", L"polyop.bevel $ 1", bevelId_);
    RefreshScriptNames();
    MakeDropDown();
  }

  void TearDown() override {
    DestroyDropDown();
    SetEditorWindow(nullptr);
    for (auto* window : {static_cast<CWnd*>(grid_.get()), static_cast<CWnd*>(page_.get()),
                         static_cast<CWnd*>(frame_.get())})
      if (window && ::IsWindow(window->m_hWnd)) window->DestroyWindow();
    grid_.reset();
    page_.reset();
    frame_.reset();
    winsim::ResetClipboard();
    NamingDialogTest::TearDown();
  }

  static XmlCustomScripts& scripts() { return *GetTalvo().GetCustomScripts(); }

  void MakeDropDown() {
    dropDown_ = std::make_unique<CellDropDown>(grid_.get(), &cell_, CRect(100, 10, 400, 200), CBS_DROPDOWNLIST, 3, 1, 10,
                                               RGB(0, 0, 0), RGB(255, 255, 255), std::vector<std::wstring>{}, L"",
                                               true);
    dropDown_->FillScriptList();
    dropDown_->SetCurSel(0);
  }

  void DestroyDropDown() {
    if (dropDown_ && ::IsWindow(dropDown_->m_hWnd)) dropDown_->DestroyWindow();
    dropDown_.reset();
  }

  void Choose(const std::wstring& scriptId) { dropDown_->SetCurSel(IndexOfScript(scriptId)); }

  // Clicks a custom-code button of the drop-down as the button does: the page hears of it.
  void Press(int mode) {
    IconButton button(grid_.get(), 1, 10, dropDown_.get());
    button.mode = mode;
    page_->SendMessage(WM_CUSTOM_CODE_BUTTON, 0, reinterpret_cast<LPARAM>(&button));
  }

  static void SetScriptWindowText(HWND window, const wchar_t* text) {
    ::SetWindowTextW(::GetWindow(window, GW_CHILD), text);
  }

  std::unique_ptr<RecordingWnd> frame_;
  std::unique_ptr<RecordingEditorPage> page_;
  std::unique_ptr<CWnd> grid_;
  GridCellDropDown cell_;
  std::unique_ptr<CellDropDown> dropDown_;
  std::wstring bevelId_;
};

}  // namespace Talvo::testing
