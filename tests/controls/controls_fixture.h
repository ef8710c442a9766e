// Shared set-up of the control toolkit tests: a host on its own data folder with the program's visual
// manager installed, and helpers for parent windows, the messages controls send them and menus.
#pragma once

#include <windows.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <afxwin.h>
#include <host/colors.h>

#include "controls/visual_manager.h"
#include "support/data_folder_fixture.h"

#include <memory>
#include <vector>

namespace Talvo::testing {

// The screen point at the centre of a window.
inline POINT CentreOf(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The commands of the last popup menu shown, 0 for each separator.
inline std::vector<UINT> OfferedCommands() {
  std::vector<UINT> ids;
  const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
  if (log.empty() || log.back().kind != winsim::ModalKind::PopupMenu) return ids;
  for (const winsim::MenuItemRecord& item : log.back().items) ids.push_back(item.separator ? 0 : item.id);
  return ids;
}

// A message that reached the test parent window.
struct ParentMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The messages the test parent received that a control sends to its owner: WM_COMMAND, WM_NOTIFY and
// everything from WM_USER up.
inline std::vector<ParentMessage>& ParentMessages() {
  static std::vector<ParentMessage> messages;
  return messages;
}

// How many of the recorded parent messages have this number.
inline int CountParentMessages(UINT message) {
  int count = 0;
  for (const ParentMessage& record : ParentMessages()) count += record.message == message ? 1 : 0;
  return count;
}

// The test parent: a class-library window (so that owner drawing and notifications are reflected to
// the controls as in a dialog) that records what its controls send it and fills its background with
// the host's panel colour.
class TestParent : public CWnd {
 public:
  TestParent(int width, int height, int x, int y) {
    CreateEx(0, AfxRegisterWndClass(0), L"Parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height,
             nullptr, nullptr);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND || message == WM_NOTIFY || (message >= WM_USER && message < 0xC000)) {
      ParentMessages().push_back({message, wParam, lParam});
    }
    if (message == WM_ERASEBKGND) {
      RECT client{};
      ::GetClientRect(m_hWnd, &client);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, ColorMan()->GetBrush(kBackground));
      return 1;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class ControlsTest : public DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    ParentMessages().clear();
    TalvoVisualManager::Install();
  }

  void TearDown() override {
    parents_.clear();
    DataFolderTest::TearDown();
  }

  // A visible top-level test parent for the controls under test, owned by the fixture.
  CWnd* CreateParent(int width = 400, int height = 300, int x = 100, int y = 100) {
    parents_.push_back(std::make_unique<TestParent>(width, height, x, y));
    return parents_.back().get();
  }

  std::vector<std::unique_ptr<TestParent>> parents_;
};

}  // namespace Talvo::testing
