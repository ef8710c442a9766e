// Shared set-up of the dialog and page tests of the editing layer: a data folder with the program's
// documents loaded into the root object, a test parent window as the owner, and helpers that act on a
// running dialog, the clipboard and the script window as the user would.
#pragma once

#include <windows.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "controls/visual_manager.h"
#include "model/talvo.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {

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

// Puts a text on the clipboard as another program would; without its terminating null when asked.
inline void PutOnClipboard(const std::wstring& text, bool terminated = true) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const size_t length = text.size() + (terminated ? 1 : 0);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, length * sizeof(wchar_t));
  std::copy(text.c_str(), text.c_str() + length, static_cast<wchar_t*>(GlobalLock(block)));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

// The clipboard's text, or nothing when it holds none or cannot be opened.
inline std::optional<std::wstring> ClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// The open script window, or null, and the text of its edit pane.
inline HWND ScriptWindow() { return ::FindWindowW(nullptr, L"Script Quillon"); }

inline std::wstring ScriptWindowText(HWND window) {
  wchar_t buffer[4096] = {};
  ::GetWindowTextW(::GetWindow(window, GW_CHILD), buffer, 4096);
  return buffer;
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

  std::unique_ptr<CWnd> parent_;
};

}  // namespace Talvo::testing
