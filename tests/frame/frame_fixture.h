// Shared set-up of the editor window tests: the naming-dialog environment (window system, class library,
// host, loaded documents) with the host's standard actions, and helpers that open, find and close the one
// editor window as the user would.
#pragma once

#include <host/accelerators.h>
#include <host/actions.h>
#include <host/simulation.h>

#include "editing/naming_dialogs_fixture.h"
#include "frame/frame.h"
#include "model/talvo.h"

namespace Talvo::testing {

class FrameTest : public NamingDialogTest {
 protected:
  void SetUp() override {
    NamingDialogTest::SetUp();
    hostsim::InstallStandardActions();
  }

  void TearDown() override {
    CloseFrame();
    NamingDialogTest::TearDown();
  }

  // Opens the editor window (or brings it up) and lets it settle.
  Frame& OpenFrame() {
    EXPECT_EQ(ShowFrame(GetFrame()), 1);
    winsim::PumpMessages();
    return **GetFrame();
  }

  // Closes the editor window as its close box does.
  static void CloseFrame() {
    if (*GetFrame() == nullptr) return;
    ::SendMessageW((*GetFrame())->m_hWnd, WM_CLOSE, 0, 0);
    winsim::PumpMessages();
  }

  static RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
  }
};

}  // namespace Talvo::testing
