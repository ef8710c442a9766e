// The screenshots the stand-in host program saves at start-up: the 1920 × 1040 host window as a PNG file
// and the part of the screen that holds the overlay. Each iteration also saves the same two pictures the
// former way, which is the baseline: the whole screen composed and then cut, and cairo's PNG writer at its
// default compression. The iteration time is the current way's; "ratio" is current / former.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <windows.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

#include "win32/simulation.h"

namespace {

constexpr int kHostWidth = 1920;
constexpr int kHostHeight = 1040;
constexpr RECT kOverlay{700, 380, 1100, 660};

// A host-sized window covered with panels and labels, and a colour-keyed overlay above it.
class StartupScreen {
 public:
  StartupScreen() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"TalvoStartupBench";
    RegisterClassW(&wc);
    host_ = CreateWindowExW(0, L"TalvoStartupBench", L"Host", WS_POPUP | WS_VISIBLE, 0, 0, kHostWidth, kHostHeight,
                            nullptr, nullptr, nullptr, nullptr);
    overlay_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST, L"TalvoStartupBench", L"", WS_POPUP | WS_VISIBLE,
                               kOverlay.left, kOverlay.top, kOverlay.right - kOverlay.left,
                               kOverlay.bottom - kOverlay.top, nullptr, nullptr, nullptr, nullptr);
    SetLayeredWindowAttributes(overlay_, RGB(255, 0, 255), 0, LWA_COLORKEY);
    winsim::PumpMessages();
    Draw(host_, kHostWidth, kHostHeight, 400);
    Draw(overlay_, kOverlay.right - kOverlay.left, kOverlay.bottom - kOverlay.top, 12);
  }
  ~StartupScreen() {
    DestroyWindow(overlay_);
    DestroyWindow(host_);
  }
  StartupScreen(const StartupScreen&) = delete;
  StartupScreen& operator=(const StartupScreen&) = delete;

  HWND host() const { return host_; }

 private:
  static void Draw(HWND window, int width, int height, int panels) {
    HDC dc = GetDC(window);
    HBRUSH back = CreateSolidBrush(RGB(68, 68, 68));
    HBRUSH panel = CreateSolidBrush(RGB(86, 86, 86));
    RECT all{0, 0, width, height};
    FillRect(dc, &all, back);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(220, 220, 220));
    for (int i = 0; i < panels; ++i) {
      RECT box{(i * 97) % (width - 90), (i * 41) % (height - 24), 0, 0};
      box.right = box.left + 90;
      box.bottom = box.top + 22;
      FillRect(dc, &box, panel);
      DrawTextW(dc, L"Editable Poly", -1, &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    DeleteObject(panel);
    DeleteObject(back);
    ReleaseDC(window, dc);
  }

  HWND host_ = nullptr;
  HWND overlay_ = nullptr;
};

double SecondsOf(void (*work)(HWND, const std::filesystem::path&), HWND host, const std::filesystem::path& folder) {
  const auto start = std::chrono::steady_clock::now();
  work(host, folder);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void SaveCurrentWay(HWND host, const std::filesystem::path& folder) {
  winsim::SaveWindowPng(host, (folder / "host.png").string());
  winsim::SaveScreenRectPng(kOverlay, (folder / "overlay.png").string());
}

// An RGBA image written by cairo (which premultiplies; the pictures here are opaque or fully transparent).
void CairoPng(const winsim::Image& image, const std::filesystem::path& file) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4];
      const std::uint32_t pixel = (std::uint32_t{p[3]} << 24) | (p[0] << 16) | (p[1] << 8) | p[2];
      std::memcpy(data + y * stride + 4 * x, &pixel, sizeof pixel);
    }
  cairo_surface_mark_dirty(surface);
  cairo_surface_write_to_png(surface, file.string().c_str());
  cairo_surface_destroy(surface);
}

void SaveFormerWay(HWND host, const std::filesystem::path& folder) {
  CairoPng(winsim::CaptureWindow(host), folder / "host-former.png");
  const winsim::Image screen = winsim::CaptureScreen();
  winsim::Image overlay;
  overlay.width = kOverlay.right - kOverlay.left;
  overlay.height = kOverlay.bottom - kOverlay.top;
  for (int y = kOverlay.top; y < kOverlay.bottom; ++y) {
    const auto row = screen.rgba.begin() + (static_cast<std::ptrdiff_t>(y) * screen.width + kOverlay.left) * 4;
    overlay.rgba.insert(overlay.rgba.end(), row, row + overlay.width * 4);
  }
  CairoPng(overlay, folder / "overlay-former.png");
}

void StartupScreenshots(benchmark::State& state) {
  StartupScreen screen;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "talvo-startup-bench";
  std::filesystem::create_directories(folder);
  double current = 0;
  double former = 0;
  for (auto _ : state) {
    const double seconds = SecondsOf(SaveCurrentWay, screen.host(), folder);
    former += SecondsOf(SaveFormerWay, screen.host(), folder);
    current += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["ratio"] = former > 0 ? current / former : 0;
  state.counters["host_png_kib"] = static_cast<double>(std::filesystem::file_size(folder / "host.png")) / 1024;
  state.counters["former_png_kib"] = static_cast<double>(std::filesystem::file_size(folder / "host-former.png")) / 1024;
  std::filesystem::remove_all(folder);
}
// Five repetitions; Google Benchmark reports their median among the aggregates.
BENCHMARK(StartupScreenshots)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
