// Shared set-up of the plug-in core tests: the documents loaded from a fresh data folder, a fake overlay
// window that records what the hook asks of it, and helpers that assign functions to keys.
#pragma once

#include <max.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/dispatcher.h"
#include "engine/key_hooks.h"
#include "engine/messages.h"
#include "engine/redraw_thread.h"
#include "engine/visual_interface_link.h"
#include "model/editor_window.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {

// What happened to fake overlays, kept outside them because they delete themselves.
struct OverlayLog {
  int created = 0;
  int destroyed = 0;
  std::vector<std::pair<WPARAM, LPARAM>> modKeys;     // WM_MOD_KEY_MSG received
  std::vector<std::pair<UINT, unsigned char>> shown;  // (key, modifier byte) of each creation
};
OverlayLog& Overlays();

// A top-level window with one child button, standing in for the overlay: it records WM_MOD_KEY_MSG,
// closes on ID_TIMER_VI_CLOSE as the overlay does, and deletes itself (leaving viFormDlg clear) when its
// window is gone.
class FakeOverlay final : public iVisualInterface {
 public:
  FakeOverlay(UINT key, unsigned char modifiers);
  HWND GetFormWindow() const override { return window_; }
  UINT GetShownKey() const override { return key_; }
  bool DestroyForm() override { return DestroyWindow(window_) != FALSE; }
  HWND Button() const { return button_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  HWND button_ = nullptr;
  UINT key_;
};

FakeOverlay* CurrentOverlay();

class EngineTest : public DataFolderTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Posts a thread message to this (the user-interface) thread and pumps.
  void PostAndPump(UINT message, WPARAM wParam, LPARAM lParam);
  // What the keyboard side posts to show the overlay for a key.
  void PressForOverlay(UINT virtualKey, unsigned char modifiers = 3);

  XmlProfile& Profile() { return *GetTalvo().GetCurrentProfile(); }
  XmlKeyboard& Layout() { return *GetTalvo().GetCurrentKeyboard(); }
  int KeyOf(UINT virtualKey) { return Layout().GetKeyOfVirt(static_cast<int>(virtualKey)); }
  // A new single-tap function assigned to a key (virtual-key code) of the current profile.
  XmlFunction* AssignNewFunction(UINT virtualKey, bool learning = false, int kind = kKindSingleTap);
};

}  // namespace Talvo::testing
