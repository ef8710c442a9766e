// Shared set-up of the dialog and page tests of the editing layer: a data folder with the program's
// documents loaded into the root object, a test parent window as the owner, and helpers that act on a
// running dialog as the user would.
#pragma once

#include <windows.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <afxwin.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/visual_manager.h"
#include "model/talvo.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {

inline std::filesystem::path NamingTestOutput() { return TestOutputFolder(); }

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
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// A rectangle of dialog units in the dialog's pixels.
inline RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy) {
  RECT rect{x, y, x + cx, y + cy};
  MapDialogRect(dialog, &rect);
  return rect;
}

class NamingDialogTest : public DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
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
    DataFolderTest::TearDown();
  }

  // Saves a window as "<name>_light.png" or "<name>_dark.png" and checks it wears the theme's background.
  static void SaveScreenshot(HWND window, const std::string& name) { SaveThemedPicture(window, name); }

  std::unique_ptr<CWnd> parent_;
};

}  // namespace Talvo::testing
