// Shared set-up of the options dialog tests: the control toolkit's fixture with the documents loaded from a
// fresh data folder, the tap window at its default, and a helper that runs the dialog modally with a test body
// inside its modal loop.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "controls/controls_fixture.h"
#include "editor_test_helpers.h"
#include "pagebase/no_verbosity.h"
#include "editor/options_dlg.h"
#include "editor/options_editor_tab.h"
#include "engine/key_hooks.h"
#include "model/talvo.h"
#include "resources/dialogs/options_dlg.h"

namespace Talvo::testing {

class OptionsDialogTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(GetTalvo().Load());
    TapWindow = kDefaultTapWindow;
    NoVerbosity = false;
    parent_ = CreateParent(800, 600, 20, 20);
  }
  void TearDown() override {
    RemoveKeyHooks();
    GetTalvo().Clear();
    TapWindow = kDefaultTapWindow;
    NoVerbosity = false;
    ControlsTest::TearDown();
  }

  XmlOptions& Options() { return *GetTalvo().GetOptions(); }

  // Runs the options dialog; `body` runs inside its modal loop. The dialog is then closed (as with the caption's
  // close box) unless the body ended it. Returns DoModal's result.
  INT_PTR RunDialog(const std::function<void(OptionsDlg&, HWND)>& body) {
    OptionsDlg dialog(parent_);
    winsim::AnswerModalDialog(IDD_OPTIONS, [&](HWND window) {
      body(dialog, window);
      if (::IsWindow(window)) ::EndDialog(window, IDCANCEL);
    });
    return dialog.DoModal();
  }

  // The page and its grid of a running dialog.
  static OptionsEditorTab& Page(OptionsDlg& dialog) { return *dialog.GetEditorTab(); }
  static OptionsGridCtrl& Grid(OptionsDlg& dialog) { return Page(dialog).GetGrid(); }

  // A file in the test's root folder with this text.
  std::filesystem::path WriteFile(const std::string& name, const std::string& text) {
    WriteBytes(root_ / name, text);
    return root_ / name;
  }

  CWnd* parent_ = nullptr;
};

}  // namespace Talvo::testing
