// The overlay on the main road: from the keyboard side's ShowVisualInterfaceMessage to the overlay
// painted on screen, and the overlay following a change of the held modifier keys. The show is also
// measured against a baseline timed in the same iterations: a bare window tree of the overlay's shape
// (the same windows, places, styles and captions, each painting a fill and its caption) made, shown and
// painted; "ratio" is the overlay's time over the bare tree's.
#include <benchmark/benchmark.h>

#include <windows.h>
#include <win32/simulation.h>

#include <host/simulation.h>
#include <max.h>
#include <mfc/simulation.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/key_hooks.h"
#include "engine/messages.h"
#include "engine/visual_interface_link.h"
#include "model/talvo.h"
#include "model/text.h"
#include "model/vocabulary.h"
#include "overlay/overlay_setup.h"

namespace {

using namespace Talvo;

// A started host with the documents loaded and a learning-mode key 'Q' whose function has cases in
// both rows of the overlay.
class Host {
 public:
  Host() : root_(std::filesystem::temp_directory_path() / ("talvo-bench-overlay-" + std::to_string(getpid()))) {
    winsim::Reset();
    std::filesystem::remove_all(root_);
    hostsim::Start(root_.wstring());
    // The installed icons, so that the function buttons paint their tap pictures as on the host.
    hostsim::SetDirectory(APP_ICONS_DIR, Utf8ToWide(TALVO_SOURCE_ICONS));
    GetTalvo().Load();
    InstallKeyHooks();
    InstallVisualInterface();
    XmlKeyboard* layout = GetTalvo().GetCurrentKeyboard();
    XmlFunction* function = GetTalvo().CreateFunction(kKindSingleTap);
    GetTalvo().GetCurrentProfile()->Assign(layout->GetKeyOfVirt('Q'), 'Q', function->GetId(), false, true);
    for (unsigned char modifiers : {3, 11, 27}) {
      for (int press = 1; press <= 4; ++press) {
        for (const wchar_t* input : {kInputSingleTap, kInputOverrideMode}) {
          const CaseKeys keys{input, kModeGlobal, 0, press, modifiers};
          function->AddAction(keys);
          function->SetCaseGroup(keys, kGroupOriginalKey);
        }
      }
    }
  }
  ~Host() {
    DestroyVisualInterface();
    RemoveVisualInterface();
    RemoveKeyHooks();
    mfcsim::Reset();
    GetTalvo().Clear();
    hostsim::Shutdown();
    winsim::Reset();
    std::filesystem::remove_all(root_);
  }

 private:
  std::filesystem::path root_;
};

void PostShow(UINT key, unsigned char modifiers) {
  static WPARAM counter = 0;
  PostThreadMessageW(GetCurrentThreadId(), ShowVisualInterfaceMessage,
                     (static_cast<WPARAM>(key) << 16) + (++counter & 0xFFFF), modifiers);
}

// The pump delivers the message to the get-message hook, which makes the overlay; the pump then paints
// it and its boxes before it runs dry.
void BM_ShowOverlayUntilPainted(benchmark::State& state) {
  Host host;
  for (auto _ : state) {
    PostShow('Q', 3);
    winsim::PumpMessages();
    benchmark::DoNotOptimize(viFormDlg);
    state.PauseTiming();
    DestroyVisualInterface();
    winsim::PumpMessages();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ShowOverlayUntilPainted)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A window of the overlay's tree: where it sits (its parent's client coordinates; the screen for the top
// window), its styles and caption, and its children.
struct WindowShape {
  RECT rect{};
  DWORD style = 0;
  DWORD exStyle = 0;
  std::wstring text;
  std::vector<WindowShape> children;
};

WindowShape ShapeOf(HWND window) {
  WindowShape shape;
  GetWindowRect(window, &shape.rect);
  if (HWND parent = GetParent(window); parent != nullptr && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&shape.rect), 2);
  }
  shape.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  shape.exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  shape.text = text;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    shape.children.push_back(ShapeOf(child));
  }
  return shape;
}

// Each bare window fills its client area and draws its caption in the middle.
LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  EndPaint(window, &paint);
  return 0;
}

HWND MakeBare(const WindowShape& shape, HWND parent) {
  const RECT& r = shape.rect;
  const DWORD style = parent ? shape.style : shape.style & ~static_cast<DWORD>(WS_VISIBLE);
  HWND window = CreateWindowExW(shape.exStyle, L"TalvoBareOverlay", shape.text.c_str(), style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, parent, nullptr, nullptr, nullptr);
  for (const WindowShape& child : shape.children) MakeBare(child, window);
  return window;
}

// The bare tree made, its top window keyed like the overlay's, shown and painted.
void ShowBareTree(const WindowShape& shape) {
  HWND top = MakeBare(shape, nullptr);
  SetLayeredWindowAttributes(top, RGB(255, 0, 255), 0, LWA_COLORKEY);
  ShowWindow(top, SW_SHOW);
  UpdateWindow(top);
  winsim::PumpMessages();
}

int CountWindows(const WindowShape& shape) {
  int count = 1;
  for (const WindowShape& child : shape.children) count += CountWindows(child);
  return count;
}

template <typename Work>
double SecondsOf(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ShowOverlayVsBareTree(benchmark::State& state) {
  Host host;
  PostShow('Q', 3);
  winsim::PumpMessages();
  const WindowShape shape = ShapeOf(viFormDlg->GetFormWindow());
  DestroyVisualInterface();
  winsim::PumpMessages();
  WNDCLASSW wc{};
  wc.lpfnWndProc = BareWindowProc;
  wc.lpszClassName = L"TalvoBareOverlay";
  RegisterClassW(&wc);
  double overlay = 0;
  double bare = 0;
  for (auto _ : state) {
    const double seconds = SecondsOf([] {
      PostShow('Q', 3);
      winsim::PumpMessages();
    });
    DestroyVisualInterface();
    winsim::PumpMessages();
    bare += SecondsOf([&shape] { ShowBareTree(shape); });
    DestroyWindow(FindWindowW(L"TalvoBareOverlay", nullptr));
    winsim::PumpMessages();
    overlay += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["ratio"] = bare > 0 ? overlay / bare : 0;
  state.counters["windows"] = CountWindows(shape);
}
BENCHMARK(BM_ShowOverlayVsBareTree)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Ctrl, then Ctrl and Alt, and back: the rows resolved again, the boxes refreshed, placed and painted.
void BM_ModifierChange(benchmark::State& state) {
  Host host;
  PostShow('Q', 11);
  winsim::PumpMessages();
  HWND form = viFormDlg ? viFormDlg->GetFormWindow() : nullptr;
  unsigned char modifiers = 11;
  for (auto _ : state) {
    modifiers = modifiers == 11 ? 27 : 11;
    SendMessageW(form, WM_MOD_KEY_MSG, static_cast<WPARAM>(kShownKey) << 16, modifiers);
    winsim::PumpMessages();
  }
}
BENCHMARK(BM_ModifierChange)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
