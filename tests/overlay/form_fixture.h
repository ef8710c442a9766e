// Set-up of the overlay window tests: the get-message hook installed with the real overlay behind it,
// and a learning-mode key 'Q' whose single-tap function has cases in both rows.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

#include "controls/key_button.h"
#include "controls/key_button_vi.h"
#include "engine/key_hooks.h"
#include "engine/messages.h"
#include "engine/visual_interface_link.h"
#include "overlay/overlay_setup.h"
#include "overlay/visual_interface_form.h"
#include "overlay_fixture.h"

namespace Talvo::testing {

class FormTest : public OverlayTest {
 protected:
  void SetUp() override {
    OverlayTest::SetUp();
    InstallKeyHooks();
    InstallVisualInterface();
    function_ = AssignNewFunction('Q', kKindSingleTap);
    AddActionCase(*function_, {kInputSingleTap, kModeGlobal, 0, 1, 3}, L"Weld");
    AddOriginalKeyCase(*function_, {kInputSingleTap, kModeGlobal, 0, 2, 3});
    AddActionCase(*function_, {kInputSingleTap, kModeGlobal, 0, 3, 3}, L"Gone", kMissingCommand);
    AddActionCase(*function_, {kInputOverrideMode, kModeGlobal, 0, 1, 3}, L"Chamfer");
    AddActionCase(*function_, {kInputSingleTap, kModeGlobal, 0, 1, 11}, L"Weld with Ctrl");
    hostsim::ClearDebugLog();
  }

  void TearDown() override {
    DestroyVisualInterface();
    winsim::PumpMessages();
    RemoveVisualInterface();
    RemoveKeyHooks();
    OverlayTest::TearDown();
  }

  // What the keyboard side posts while a key is held (kShownKey: the overlay's key).
  void Press(UINT key, unsigned char modifiers = 3) {
    static WPARAM counter = 0;
    PostThreadMessageW(GetCurrentThreadId(), ShowVisualInterfaceMessage,
                       (static_cast<WPARAM>(key) << 16) + (++counter & 0xFFFF), modifiers);
    winsim::PumpMessages();
  }

  static VisualInterfaceForm* Form() { return static_cast<VisualInterfaceForm*>(viFormDlg); }

  // How often a line occurs in the host's debug log.
  static int Traces(const std::wstring& text) {
    const std::wstring log = hostsim::DebugLog();
    int count = 0;
    for (size_t at = log.find(text); at != std::wstring::npos; at = log.find(text, at + text.size())) ++count;
    return count;
  }

  // A child's rectangle in the form's client coordinates.
  static RECT ClientRectOf(CWnd* child) {
    RECT rect{};
    child->GetWindowRect(&rect);
    Form()->ScreenToClient(&rect);
    return rect;
  }

  static std::wstring Caption(CWnd* window) { return window ? window->GetWindowText() : L"<none>"; }

  // The captions of the eight function buttons, row A then row B.
  static std::vector<std::wstring> FunctionCaptions(VisualInterfaceForm* form) {
    std::vector<std::wstring> captions;
    for (int i = 0; i < 8; ++i) captions.push_back(Caption(form->FunctionButton(i)));
    return captions;
  }

  static POINT CentreOf(CWnd* window) {
    RECT rect{};
    window->GetWindowRect(&rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

  XmlFunction* function_ = nullptr;
};

}  // namespace Talvo::testing
