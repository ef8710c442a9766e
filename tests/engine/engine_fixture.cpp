#include "engine_fixture.h"

#include "engine/editor_shared_state.h"

namespace Talvo::testing {

namespace {

constexpr wchar_t kOverlayClass[] = L"FakeVisualInterface";

}  // namespace

OverlayLog& Overlays() {
  static OverlayLog log;
  return log;
}

FakeOverlay* CurrentOverlay() { return static_cast<FakeOverlay*>(viFormDlg); }

FakeOverlay::FakeOverlay(UINT key, unsigned char modifiers) : key_(key) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &FakeOverlay::Proc;
  windowClass.lpszClassName = kOverlayClass;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kOverlayClass, L"Overlay", WS_POPUP | WS_VISIBLE, 700, 400, 519, 270,
                            nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  button_ =
      CreateWindowExW(0, L"BUTTON", L"Tap", WS_CHILD | WS_VISIBLE, 0, 0, 180, 34, window_, nullptr, nullptr, nullptr);
  SetActiveWindow(window_);
  DisableAccelerators();  // as the overlay does for its whole life
  ++Overlays().created;
  Overlays().shown.emplace_back(key, modifiers);
}

LRESULT CALLBACK FakeOverlay::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FakeOverlay*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_MOD_KEY_MSG:
      Overlays().modKeys.emplace_back(wParam, lParam);
      return 0;
    case WM_TIMER:
      if (wParam == ID_TIMER_VI_CLOSE) DestroyWindow(hwnd);
      return 0;
    case WM_NCDESTROY:
      // However the window goes, viFormDlg must not keep pointing at the deleted form.
      if (viFormDlg == self) viFormDlg = nullptr;
      ++Overlays().destroyed;
      EnableAccelerators();
      delete self;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void EngineTest::SetUp() {
  DataFolderTest::SetUp();
  ASSERT_TRUE(GetTalvo().Load());
  Overlays() = OverlayLog{};
  SetVisualInterfaceFactory(
      [](UINT key, unsigned char modifiers, const std::wstring&) { return new FakeOverlay(key, modifiers); });
}

void EngineTest::TearDown() {
  RemoveKeyHooks();
  DestroyVisualInterface();
  StopRedrawThread();
  SetVisualInterfaceFactory(nullptr);
  SetContextResolver(nullptr);
  SetGridRedrawHandler(nullptr);
  SetEditorWindow(nullptr);
  TapWindow = kDefaultTapWindow;
  ResetEditorSharedState();
  GetTalvo().Clear();
  DataFolderTest::TearDown();
}

void EngineTest::PostAndPump(UINT message, WPARAM wParam, LPARAM lParam) {
  PostThreadMessageW(GetCurrentThreadId(), message, wParam, lParam);
  winsim::PumpMessages();
}

void EngineTest::PressForOverlay(UINT virtualKey, unsigned char modifiers) {
  static WPARAM counter = 0;
  PostAndPump(ShowVisualInterfaceMessage, (static_cast<WPARAM>(virtualKey) << 16) + (++counter & 0xFFFF), modifiers);
}

XmlFunction* EngineTest::AssignNewFunction(UINT virtualKey, bool learning, int kind) {
  XmlFunction* function = GetTalvo().CreateFunction(kind);
  Profile().Assign(KeyOf(virtualKey), static_cast<int>(virtualKey), function->GetId(), false, learning);
  return function;
}

}  // namespace Talvo::testing
