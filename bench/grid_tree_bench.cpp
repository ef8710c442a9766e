// A tree grid the size of a large function editor page (100 rows of 12 text columns): painting it whole,
// and filling it from empty.
#include <benchmark/benchmark.h>

#include <windows.h>
#include <win32/simulation.h>

#include <afxwin.h>
#include <host/simulation.h>
#include <mfc/simulation.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "grid/tree_grid_ctrl.h"

namespace {

using namespace Talvo;

constexpr int kRows = 100;
constexpr int kColumns = 12;
constexpr int kChildrenPerCategory = 9;  // ten categories of nine cases each make the 100 rows

// A started host with a page window holding one tree grid.
class Page {
 public:
  Page() : root_(std::filesystem::temp_directory_path() / ("talvo-bench-grid-" + std::to_string(getpid()))) {
    winsim::Reset();
    mfcsim::Reset();
    std::filesystem::remove_all(root_);
    hostsim::Start(root_.wstring());
    // Made after the window system is reset, which forgets the grid's window class.
    grid_ = std::make_unique<CTreeGridCtrl>();
    page_.CreateEx(0, AfxRegisterWndClass(0), L"Page", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1000, 800,
                   nullptr, nullptr);
    HWND control = ::CreateWindowExW(0, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 980, 760, page_.m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(1001)), nullptr, nullptr);
    grid_->SubclassWindow(control);
    grid_->SetColumnCount(kColumns);
    for (int column = 0; column < kColumns; ++column) grid_->SetColumnWidth(column, column == 1 ? 160 : 70);
    winsim::PumpMessages();
  }
  ~Page() {
    grid_->DestroyWindow();
    grid_.reset();
    page_.DestroyWindow();
    mfcsim::Reset();
    hostsim::Shutdown();
    winsim::Reset();
    std::filesystem::remove_all(root_);
  }

  CTreeGridCtrl& Grid() { return *grid_; }

  // Ten expanded categories, each with its cases; every cell has a short text, every row 20 pixels.
  void Fill() {
    grid_->SetRedraw(FALSE);
    grid_->DeleteAllItems();
    CTreeNode* category = nullptr;
    for (int row = 0; row < kRows; ++row) {
      const bool opensCategory = row % (kChildrenPerCategory + 1) == 0;
      CTreeNode* node = opensCategory ? grid_->InsertItem(L"Category") : grid_->InsertItem(L"Case", category);
      if (opensCategory) category = node;
      const int nodeRow = grid_->GetNodeRow(node);
      node->m_nRowTag = nodeRow;
      grid_->SetRowHeight(nodeRow, 20);
      for (int column = 2; column < kColumns; ++column) grid_->SetItemText(nodeRow, column, L"Editable Poly");
    }
    grid_->SetRedraw(TRUE, TRUE);
  }

 private:
  std::filesystem::path root_;
  CWnd page_;
  std::unique_ptr<CTreeGridCtrl> grid_;
};

// The whole client area invalidated and painted, as after a scroll by a page or a refill.
void BM_PaintTreeGrid(benchmark::State& state) {
  Page page;
  page.Fill();
  winsim::PumpMessages();
  if (page.Grid().GetRowCount() != kRows || !::IsWindowVisible(page.Grid().m_hWnd)) {
    state.SkipWithError("the grid was not made");
    return;
  }
  for (auto _ : state) {
    page.Grid().Invalidate();
    page.Grid().UpdateWindow();
  }
}
BENCHMARK(BM_PaintTreeGrid)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Emptying the grid and inserting the 100 rows with their texts, drawing switched off meanwhile.
void BM_FillTreeGrid(benchmark::State& state) {
  Page page;
  if (page.Grid().m_hWnd == nullptr) {
    state.SkipWithError("the grid was not made");
    return;
  }
  for (auto _ : state) {
    page.Fill();
    benchmark::DoNotOptimize(page.Grid().GetRowCount());
  }
}
BENCHMARK(BM_FillTreeGrid)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
