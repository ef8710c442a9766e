// Painting a 1400 × 800 window through GDI: 5,000 filled rectangles and 2,000 short text runs.
#include <benchmark/benchmark.h>
#include <windows.h>

namespace {

constexpr int kWidth = 1400;
constexpr int kHeight = 800;

class PaintTarget {
 public:
  PaintTarget() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"TalvoPaintBench";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, L"TalvoPaintBench", L"", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr, nullptr,
                            nullptr);
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Segoe UI");
  }
  ~PaintTarget() {
    DeleteObject(font_);
    DestroyWindow(hwnd_);
  }
  PaintTarget(const PaintTarget&) = delete;
  PaintTarget& operator=(const PaintTarget&) = delete;

  HWND hwnd() const { return hwnd_; }
  HFONT font() const { return font_; }

 private:
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
};

void PaintWindow(benchmark::State& state) {
  PaintTarget target;
  HBRUSH brushes[4] = {CreateSolidBrush(RGB(240, 240, 240)), CreateSolidBrush(RGB(200, 220, 255)),
                       CreateSolidBrush(RGB(255, 230, 200)), CreateSolidBrush(RGB(220, 255, 220))};
  for (auto _ : state) {
    HDC hdc = GetDC(target.hwnd());
    HGDIOBJ oldFont = SelectObject(hdc, target.font());
    SetBkMode(hdc, TRANSPARENT);
    for (int i = 0; i < 5000; ++i) {
      const int x = (i * 37) % (kWidth - 40);
      const int y = (i * 53) % (kHeight - 20);
      RECT rect{x, y, x + 40, y + 20};
      FillRect(hdc, &rect, brushes[i % 4]);
    }
    for (int i = 0; i < 2000; ++i) {
      RECT rect{(i * 71) % (kWidth - 100), (i * 29) % (kHeight - 20), 0, 0};
      rect.right = rect.left + 100;
      rect.bottom = rect.top + 20;
      DrawTextW(hdc, L"Editable Poly", -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    SelectObject(hdc, oldFont);
    ReleaseDC(target.hwnd(), hdc);
  }
  for (HBRUSH brush : brushes) DeleteObject(brush);
}
// Five repetitions; Google Benchmark reports their median among the aggregates.
BENCHMARK(PaintWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
