// Shared fixture of the window stand-in's tests: a reset before and after each test, and a window class whose
// procedure records every message and lets a test answer the ones it cares about.
#pragma once

#include <windows.h>
#include <win32/simulation.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace win32_test {

struct Seen {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

inline std::vector<Seen>& Log() {
  static std::vector<Seen> log;
  return log;
}

inline Handler& CurrentHandler() {
  static Handler handler;
  return handler;
}

inline LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Log().push_back({hwnd, message, wParam, lParam});
  if (CurrentHandler())
    if (std::optional<LRESULT> answer = CurrentHandler()(hwnd, message, wParam, lParam)) return *answer;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

inline constexpr const wchar_t* kClass = L"RecordingWindow";

inline void RegisterRecordingClass(UINT style = CS_DBLCLKS, HBRUSH background = nullptr, int windowExtra = 0) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = RecordingProc;
  wc.cbWndExtra = windowExtra;
  wc.hbrBackground = background;
  wc.lpszClassName = kClass;
  ASSERT_NE(RegisterClassExW(&wc), 0);
}

// The messages of one window (or of all windows when hwnd is null) among `wanted`, in order.
inline std::vector<UINT> MessagesOf(HWND hwnd, std::initializer_list<UINT> wanted) {
  std::vector<UINT> out;
  for (const Seen& seen : Log())
    if ((!hwnd || seen.hwnd == hwnd) && std::find(wanted.begin(), wanted.end(), seen.message) != wanted.end())
      out.push_back(seen.message);
  return out;
}

// Where tests save pictures: $TALVO_TEST_OUTPUT, else a folder under the temporary one.
inline std::filesystem::path OutputFolder() {
  const char* folder = std::getenv("TALVO_TEST_OUTPUT");
  std::filesystem::path path = folder ? folder : std::filesystem::temp_directory_path() / "talvo-test-output";
  std::filesystem::create_directories(path);
  return path;
}

inline int CountOf(HWND hwnd, UINT message) {
  return static_cast<int>(std::count_if(Log().begin(), Log().end(), [&](const Seen& s) {
    return (!hwnd || s.hwnd == hwnd) && s.message == message;
  }));
}

}  // namespace win32_test

// Resets the stand-in before and after each test and provides the recording class.
class Win32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    winsim::Reset();
    win32_test::Log().clear();
    win32_test::CurrentHandler() = nullptr;
    win32_test::RegisterRecordingClass();
  }
  void TearDown() override {
    win32_test::CurrentHandler() = nullptr;  // it may refer to the test's locals
    winsim::Reset();
    win32_test::Log().clear();
  }

  void Handle(win32_test::Handler handler) { win32_test::CurrentHandler() = std::move(handler); }

  static HWND TopLevel(int x, int y, int width, int height, DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, win32_test::kClass, L"top", style, x, y, width, height, nullptr, nullptr, nullptr,
                           nullptr);
  }

  static HWND Child(HWND parent, int id, int x, int y, int width, int height, DWORD style = WS_VISIBLE) {
    return CreateWindowExW(0, win32_test::kClass, L"child", WS_CHILD | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
};
