// SendMessage round trips per second: the cost of one synchronous call through the window stand-in.
#include <benchmark/benchmark.h>
#include <windows.h>
#include <win32/simulation.h>

namespace {

LRESULT Echo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) return static_cast<LRESULT>(wParam + 1);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Echo;
  wc.lpszClassName = L"BenchEcho";
  RegisterClassW(&wc);
  return CreateWindowExW(0, L"BenchEcho", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

void SendMessageRoundTrip(benchmark::State& state) {
  winsim::Reset();
  HWND hwnd = MakeWindow();
  WPARAM value = 0;
  for (auto _ : state) {
    value = static_cast<WPARAM>(SendMessageW(hwnd, WM_USER, value, 0));
    benchmark::DoNotOptimize(value);
  }
  state.SetItemsProcessed(state.iterations());
  winsim::Reset();
}
BENCHMARK(SendMessageRoundTrip);

void PostAndPump(benchmark::State& state) {
  winsim::Reset();
  HWND hwnd = MakeWindow();
  for (auto _ : state) {
    PostMessageW(hwnd, WM_USER, 0, 0);
    winsim::PumpMessages();
  }
  state.SetItemsProcessed(state.iterations());
  winsim::Reset();
}
BENCHMARK(PostAndPump);

}  // namespace
