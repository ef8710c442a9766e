// The tree grid as the editor pages use it (a tree column and eleven text columns, categories of nine cases):
// painting, expanding and collapsing, filling and refilling. Each benchmark times its work and a baseline in
// the same iterations and reports the ratio between them ("ratio"); the iteration time is the work's.
#include <benchmark/benchmark.h>

#include <windows.h>
#include <win32/simulation.h>

#include <afxwin.h>
#include <host/simulation.h>
#include <mfc/simulation.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/tree_grid_ctrl.h"

namespace {

using namespace Talvo;

constexpr int kColumns = 12;
constexpr int kChildrenPerCategory = 9;

// The window system and a started host, for the pages of one benchmark.
class Host {
 public:
  Host() : root_(std::filesystem::temp_directory_path() / ("talvo-bench-grid-" + std::to_string(getpid()))) {
    winsim::Reset();
    mfcsim::Reset();
    std::filesystem::remove_all(root_);
    hostsim::Start(root_.wstring());
  }
  ~Host() {
    mfcsim::Reset();
    hostsim::Shutdown();
    winsim::Reset();
    std::filesystem::remove_all(root_);
  }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

 private:
  std::filesystem::path root_;
};

// A page window holding one grid of the given class, bound to a custom control as the pages bind theirs.
template <class GridClass>
class GridPage {
 public:
  GridPage() : grid_(std::make_unique<GridClass>()) {
    page_.CreateEx(0, AfxRegisterWndClass(0), L"Page", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1000, 800,
                   nullptr, nullptr);
    HWND control = ::CreateWindowExW(0, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 980, 760, page_.m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(1001)), nullptr, nullptr);
    grid_->SubclassWindow(control);
    winsim::PumpMessages();
  }
  ~GridPage() {
    grid_->DestroyWindow();
    grid_.reset();
    page_.DestroyWindow();
  }
  GridPage(const GridPage&) = delete;
  GridPage& operator=(const GridPage&) = delete;

  GridClass& Grid() { return *grid_; }
  bool Made() const { return grid_->m_hWnd != nullptr; }

  // Switches drawing off and empties the grid, as a page's refill begins.
  void Empty() {
    grid_->SetRedraw(FALSE);
    grid_->DeleteAllItems(TRUE);
  }

  // Sizes the emptied grid's columns as the pages do.
  void MakeColumns() {
    grid_->SetColumnCount(kColumns);
    for (int column = 0; column < kColumns; ++column) grid_->SetColumnWidth(column, column == 1 ? 160 : 70);
  }

 private:
  CWnd page_;
  std::unique_ptr<GridClass> grid_;
};

// A plain grid filled as the viewer and options pages fill theirs: the row count set at once, then the texts.
class PlainPage : public GridPage<CGridCtrl> {
 public:
  void Fill(int rows) {
    Empty();
    MakeColumns();
    Grid().SetRowCount(rows);
    for (int row = 0; row < rows; ++row) {
      for (int column = 1; column < kColumns; ++column) Grid().SetItemText(row, column, L"Editable Poly");
    }
  }
};

// A page window holding one tree grid, filled the way the pages fill theirs.
class Page : public GridPage<CTreeGridCtrl> {
 public:
  // Empties the grid and inserts the rows (categories of nine cases, every cell a short text, rows 20 pixels
  // high) with drawing off; a page's refill then switches drawing on (the paint follows later).
  void Fill(int rows, bool switchDrawingOn) {
    Empty();
    MakeColumns();
    CTreeNode* category = nullptr;
    for (int row = 0; row < rows; ++row) {
      const bool opensCategory = row % (kChildrenPerCategory + 1) == 0;
      CTreeNode* node = opensCategory ? Grid().InsertItem(L"Category") : Grid().InsertItem(L"Case", category);
      if (opensCategory) category = node;
      const int nodeRow = Grid().GetNodeRow(node);
      node->m_nRowTag = nodeRow;
      Grid().SetRowHeight(nodeRow, 20);
      for (int column = 2; column < kColumns; ++column) Grid().SetItemText(nodeRow, column, L"Editable Poly");
    }
    if (!switchDrawingOn) return;
    Grid().SetRedraw(TRUE, TRUE);
  }

  // The whole client area invalidated and painted, as after a scroll by a page.
  void Paint() {
    Grid().Invalidate();
    Grid().UpdateWindow();
  }
};

double SecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs work and baseline in every iteration; reports the work's time and work / baseline as "ratio".
void MeasureAgainst(benchmark::State& state, const std::function<void()>& work, const std::function<void()>& baseline) {
  double workSeconds = 0;
  double baselineSeconds = 0;
  for (auto _ : state) {
    baselineSeconds += SecondsOf(baseline);
    const double seconds = SecondsOf(work);
    workSeconds += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["ratio"] = baselineSeconds > 0 ? workSeconds / baselineSeconds : 0;
}

// Painting a 10,000-row tree grid against painting a 100-row one.
void BM_TreePaint10000Vs100(benchmark::State& state) {
  Host host;
  Page small;
  Page large;
  if (!small.Made() || !large.Made()) return state.SkipWithError("the grids were not made");
  small.Fill(100, true);
  large.Fill(10000, true);
  small.Grid().UpdateWindow();
  large.Grid().UpdateWindow();
  MeasureAgainst(state, [&] { large.Paint(); }, [&] { small.Paint(); });
}
BENCHMARK(BM_TreePaint10000Vs100)->UseManualTime()->Unit(benchmark::kMillisecond);

// Collapsing and expanding the first category of a 10,000-row tree, each with its paint (the time is per
// pair); the baseline is the same in a 100-row tree. "vs_repaints" compares the pair with two plain repaints
// of the same grid (what the toggles cost beyond their paints), "ms_each" is one toggle with its paint.
void BM_TreeToggle10000(benchmark::State& state) {
  Host host;
  Page small;
  Page large;
  if (!small.Made() || !large.Made()) return state.SkipWithError("the grids were not made");
  small.Fill(100, true);
  large.Fill(10000, true);
  small.Grid().UpdateWindow();
  large.Grid().UpdateWindow();
  const auto toggle = [](Page& page) {
    CTreeNode* first = page.Grid().GetRowNode(0);
    page.Grid().Collapse(first);
    page.Grid().UpdateWindow();
    page.Grid().Expand(first);
    page.Grid().UpdateWindow();
  };
  double largeSeconds = 0;
  double smallSeconds = 0;
  double repaintSeconds = 0;
  for (auto _ : state) {
    smallSeconds += SecondsOf([&] { toggle(small); });
    repaintSeconds += SecondsOf([&] {
      large.Paint();
      large.Paint();
    });
    const double seconds = SecondsOf([&] { toggle(large); });
    largeSeconds += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["ratio"] = smallSeconds > 0 ? largeSeconds / smallSeconds : 0;
  state.counters["vs_repaints"] = repaintSeconds > 0 ? largeSeconds / repaintSeconds : 0;
  const auto toggles = static_cast<double>(2 * state.iterations());
  state.counters["ms_each"] = toggles > 0 ? largeSeconds * 1000 / toggles : 0;
}
BENCHMARK(BM_TreeToggle10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Sets "ratio": filling a page with 100,000 rows over filling another with 10,000, each emptied first
// (emptying is not timed); the iteration time is the large fill's.
template <typename PageType, typename FillRows>
void MeasureFillRatio(benchmark::State& state, FillRows fillRows) {
  PageType small;
  PageType large;
  if (!small.Made() || !large.Made()) return state.SkipWithError("the grids were not made");
  const auto fill = [&](PageType& page, int rows) {
    page.Empty();
    return SecondsOf([&] { fillRows(page, rows); });
  };
  double largeSeconds = 0;
  double smallSeconds = 0;
  for (auto _ : state) {
    smallSeconds += fill(small, 10000);
    const double seconds = fill(large, 100000);
    largeSeconds += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["ratio"] = smallSeconds > 0 ? largeSeconds / smallSeconds : 0;
}

// Filling 100,000 rows against filling 10,000 (drawing off, as the pages fill; emptying is not timed).
void BM_TreeFill100000Vs10000(benchmark::State& state) {
  Host host;
  MeasureFillRatio<Page>(state, [](Page& page, int rows) { page.Fill(rows, false); });
}
BENCHMARK(BM_TreeFill100000Vs10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Refilling a 1,000-row page as the pages do (drawing off, empty, fill, drawing on) against the same fill
// with drawing left off.
void BM_TreeRefill1000VsFillDrawingOff(benchmark::State& state) {
  Host host;
  Page page;
  if (!page.Made()) return state.SkipWithError("the grid was not made");
  MeasureAgainst(state, [&] { page.Fill(1000, true); }, [&] { page.Fill(1000, false); });
}
BENCHMARK(BM_TreeRefill1000VsFillDrawingOff)->UseManualTime()->Unit(benchmark::kMillisecond);

// Filling a plain grid with 100,000 rows against filling it with 10,000 (drawing off; emptying is not timed).
void BM_PlainFill100000Vs10000(benchmark::State& state) {
  Host host;
  MeasureFillRatio<PlainPage>(state, [](PlainPage& page, int rows) { page.Fill(rows); });
}
BENCHMARK(BM_PlainFill100000Vs10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The seconds the allocator alone takes to free rows of objects shaped like a grid's (a cell object of the
// plain cell's size holding a short text, twelve to a row array), allocated in the order a fill makes them.
double RawRowsFreed(int rows) {
  struct Object {
    virtual ~Object() = default;
    std::wstring text;
    char rest[80] = {};
  };
  std::vector<std::unique_ptr<std::vector<Object*>>> data;
  for (int row = 0; row < rows; ++row) {
    data.push_back(std::make_unique<std::vector<Object*>>(kColumns, nullptr));
    for (Object*& object : *data.back()) {
      object = new Object;
      object->text = L"Editable Poly";
    }
  }
  return SecondsOf([&] {
    for (const auto& row : data) {
      for (Object*& object : *row) delete std::exchange(object, nullptr);
    }
    data.clear();
  });
}

// Emptying a filled grid (DeleteAllItems with its editors, drawing off) of 10,000 rows against one of 1,000;
// the fills are not timed. "raw_ratio" is the same comparison for the allocator alone freeing objects of the
// same shape (what the memory system makes of ten times the rows).
template <class FilledPage>
void MeasureClear10000Vs1000(benchmark::State& state, const std::function<void(FilledPage&, int)>& fill) {
  Host host;
  FilledPage small;
  FilledPage large;
  if (!small.Made() || !large.Made()) return state.SkipWithError("the grids were not made");
  const auto clear = [&](FilledPage& page, int rows) {
    fill(page, rows);
    return SecondsOf([&] { page.Empty(); });
  };
  double largeSeconds = 0;
  double smallSeconds = 0;
  double rawLarge = 0;
  double rawSmall = 0;
  for (auto _ : state) {
    smallSeconds += clear(small, 1000);
    const double seconds = clear(large, 10000);
    largeSeconds += seconds;
    state.SetIterationTime(seconds);
    rawSmall += RawRowsFreed(1000);
    rawLarge += RawRowsFreed(10000);
  }
  state.counters["ratio"] = smallSeconds > 0 ? largeSeconds / smallSeconds : 0;
  state.counters["raw_ratio"] = rawSmall > 0 ? rawLarge / rawSmall : 0;
}

void BM_PlainClear10000Vs1000(benchmark::State& state) {
  MeasureClear10000Vs1000<PlainPage>(state, [](PlainPage& page, int rows) { page.Fill(rows); });
}
BENCHMARK(BM_PlainClear10000Vs1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_TreeClear10000Vs1000(benchmark::State& state) {
  MeasureClear10000Vs1000<Page>(state, [](Page& page, int rows) { page.Fill(rows, false); });
}
BENCHMARK(BM_TreeClear10000Vs1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
