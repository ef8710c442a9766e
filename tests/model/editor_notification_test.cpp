// Document changes reach the registered editor window as DocumentChangedMessage.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "model/editor_window.h"
#include "model/resources.h"
#include "model/xml_profile.h"
#include "model/xml_wheel_events.h"

namespace Talvo {
namespace {

std::vector<LPARAM> g_received;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == DocumentChangedMessage) {
    EXPECT_EQ(wParam, 0u);
    g_received.push_back(lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class EditorNotificationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.lpszClassName = L"TalvoModelTestEditor";
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, L"TalvoModelTestEditor", L"Editor", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    g_received.clear();
  }
  void TearDown() override {
    SetEditorWindow(nullptr);
    DestroyWindow(window_);
    UnregisterClassW(L"TalvoModelTestEditor", nullptr);
  }
  HWND window_ = nullptr;
};

TEST_F(EditorNotificationTest, ChangesAreSentOnlyWhileALiveWindowIsRegistered) {
  XmlProfile profile;
  profile.Parse(*FindResource("documents/profiles/DefaultProfile.xml"));
  profile.Assign(1, 112, L"", false, false);  // no window registered yet
  EXPECT_TRUE(g_received.empty());

  SetEditorWindow(window_);
  profile.SetName(L"Work");
  profile.RemoveAssignment(1);
  ASSERT_EQ(g_received.size(), 2u);
  EXPECT_EQ(g_received[0], reinterpret_cast<LPARAM>(window_));

  // Edits of wheel-event sets that go to the tree directly notify as well.
  XmlWheelEvents events;
  events.Parse(*FindResource("documents/wheelevents/DefaultWheelEvents.xml"));
  const ActionRecord& create = events.GetEventsMap()
                                   .at("Geometry")
                                   .subcategories.at("Standard Primitives")
                                   .objects.at("box")
                                   .actions.at("Create");
  events.SetUnits("ctrl", create, false);
  events.SwapModifiers(create, "ctrl", "alt");
  EXPECT_EQ(g_received.size(), 6u);  // three limits, the swap

  DestroyWindow(window_);
  g_received.clear();
  profile.SetName(L"Again");
  EXPECT_TRUE(g_received.empty());
}

}  // namespace
}  // namespace Talvo
