// One string drawn again and again with DrawTextW, as a label repaints its caption. The baseline, timed in
// the same iterations, is raw pango: a layout of the same string made once in the same font, shown again
// on a cairo surface of the same size. The iteration time is DrawTextW's; "ratio" is DrawTextW / pango.
#include <benchmark/benchmark.h>
#include <pango/pangocairo.h>
#include <windows.h>

#include <chrono>

#include "win32/simulation.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 100;
constexpr int kDrawsPerIteration = 1000;
constexpr const wchar_t* kText = L"Editable Poly";
constexpr const char* kUtf8Text = "Editable Poly";
constexpr int kFontPixels = 12;

// A window DC with a 12-pixel font selected, as a control's paint has it.
class WindowText {
 public:
  WindowText() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"TalvoTextAgainBench";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, L"TalvoTextAgainBench", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr,
                            nullptr, nullptr, nullptr);
    winsim::PumpMessages();
    font_ = CreateFontW(-kFontPixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Segoe UI");
    dc_ = GetDC(hwnd_);
    oldFont_ = SelectObject(dc_, font_);
    SetBkMode(dc_, TRANSPARENT);
  }
  ~WindowText() {
    SelectObject(dc_, oldFont_);
    ReleaseDC(hwnd_, dc_);
    DeleteObject(font_);
    DestroyWindow(hwnd_);
  }
  WindowText(const WindowText&) = delete;
  WindowText& operator=(const WindowText&) = delete;

  void Draw() {
    RECT rect{10, 10, 210, 40};
    DrawTextW(dc_, kText, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }

 private:
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
};

// The same string laid out once by pango in the same face and size, shown on an image surface.
class PangoText {
 public:
  PangoText() : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight)), cr_(cairo_create(surface_)) {
    // The stand-in's glyph rendering: hinted metrics, unhinted outlines, grey antialiasing.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    layout_ = pango_cairo_create_layout(cr_);
    PangoFontDescription* description = pango_font_description_from_string("DejaVu Sans");
    pango_font_description_set_absolute_size(description, kFontPixels * PANGO_SCALE);
    pango_layout_set_font_description(layout_, description);
    pango_font_description_free(description);
    pango_layout_set_text(layout_, kUtf8Text, -1);
    cairo_set_source_rgb(cr_, 0, 0, 0);
  }
  ~PangoText() {
    g_object_unref(layout_);
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  PangoText(const PangoText&) = delete;
  PangoText& operator=(const PangoText&) = delete;

  void Draw() {
    cairo_move_to(cr_, 10, 17);
    pango_cairo_show_layout(cr_, layout_);
  }

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
  PangoLayout* layout_ = nullptr;
};

template <typename Text>
double SecondsDrawing(Text& text) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kDrawsPerIteration; ++i) text.Draw();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_DrawTextAgain(benchmark::State& state) {
  WindowText window;
  PangoText pango;
  window.Draw();  // the first draw lays the string out; every later one draws it again
  pango.Draw();
  double drawText = 0;
  double raw = 0;
  for (auto _ : state) {
    const double seconds = SecondsDrawing(window);
    raw += SecondsDrawing(pango);
    drawText += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["ratio"] = raw > 0 ? drawText / raw : 0;
}
// Five repetitions; Google Benchmark reports their median among the aggregates.
BENCHMARK(BM_DrawTextAgain)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
