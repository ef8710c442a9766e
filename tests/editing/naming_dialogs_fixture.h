// Shared set-up of the naming dialog tests: a fresh window system, class library and host on a temporary
// root folder, the program's documents loaded into the root object, a test parent window as the
// dialogs' owner, and helpers that act on a running dialog as the user would.
#pragma once

#include <windows.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <afxwin.h>
#include <gtest/gtest.h>
#include <host/colors.h>
#include <host/directories.h>
#include <host/simulation.h>
#include <mfc/simulation.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "controls/visual_manager.h"
#include "model/talvo.h"

namespace Talvo::testing {

// Where screenshots go: $TALVO_TEST_OUTPUT (created when missing), else the temporary folder.
inline std::filesystem::path NamingTestOutput() {
  const char* folder = std::getenv("TALVO_TEST_OUTPUT");
  std::filesystem::path path = folder && *folder ? std::filesystem::path(folder) : std::filesystem::temp_directory_path();
  std::filesystem::create_directories(path);
  return path;
}

// The text of a dialog's control.
inline std::wstring ItemText(HWND dialog, int id) {
  wchar_t buffer[2048] = {};
  GetDlgItemTextW(dialog, id, buffer, 2048);
  return buffer;
}

// Clicks the middle of a dialog's control with the mouse.
inline void ClickItem(HWND dialog, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  winsim::Click((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// A control's rectangle in the dialog's client coordinates.
inline RECT ItemRect(HWND dialog, int id) {
  RECT rect{};
  HWND item = GetDlgItem(dialog, id);
  GetWindowRect(item, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// A rectangle of dialog units in the dialog's pixels.
inline RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy) {
  RECT rect{x, y, x + cx, y + cy};
  MapDialogRect(dialog, &rect);
  return rect;
}

class NamingDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    winsim::Reset();
    mfcsim::Reset();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::filesystem::temp_directory_path() /
            ("talvo-naming-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(root_);
    hostsim::Start(root_.wstring());
    hostsim::SetDirectory(APP_ICONS_DIR,
                          (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
                           "icons" / "")
                              .wstring());
    TalvoVisualManager::Install();
    ASSERT_TRUE(GetTalvo().Load(root_ / "data"));
    parent_ = std::make_unique<CWnd>();
    ASSERT_TRUE(parent_->CreateEx(0, AfxRegisterWndClass(0), L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                  800, 500, nullptr, nullptr));
  }

  void TearDown() override {
    if (parent_ && ::IsWindow(parent_->m_hWnd)) parent_->DestroyWindow();
    parent_.reset();
    GetTalvo().Clear();
    mfcsim::Reset();
    hostsim::Shutdown();
    winsim::Reset();
    std::filesystem::remove_all(root_);
  }

  // Switches the host theme and pumps, so that windows repaint as on the host's notification.
  void SetTheme(AppFrameColorTheme theme) {
    hostsim::SetTheme(theme);
    winsim::PumpMessages();
  }

  // Saves a running dialog as "<name>_light.png" or "<name>_dark.png".
  static void SaveScreenshot(HWND dialog, const std::string& name) {
    const bool dark = ColorMan()->GetAppFrameColorTheme() == kDarkTheme;
    const auto path = NamingTestOutput() / (name + (dark ? "_dark.png" : "_light.png"));
    EXPECT_TRUE(winsim::SaveWindowPng(dialog, path.string())) << path;
  }

  std::filesystem::path root_;
  std::unique_ptr<CWnd> parent_;
};

}  // namespace Talvo::testing
