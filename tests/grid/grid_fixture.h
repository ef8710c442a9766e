// Shared set-up of the grid tests: the data-folder fixture (fresh stand-ins, a host on its own temporary
// root folder, the project's icons), a parent window that records what its grid sends it, stand-ins for the
// pages that own grids (by run-time class name), a canvas to draw cells on, and a grid bound to a child
// window of class "MFCGridCtrl" as a page's dialog template makes it.
#pragma once

#include <afxwin.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "grid/function_editor_page.h"
#include "grid/grid_ctrl.h"
#include "support/data_folder_fixture.h"

namespace Talvo::testing {

// A message the grid's parent received.
struct ReceivedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  int notifyCode = 0;  // for WM_NOTIFY: the record's code, row and column
  int row = -1;
  int column = -1;
};

// The page stand-in: records WM_NOTIFY, WM_COMMAND and private messages.
class GridParent : public CWnd {
 public:
  std::vector<ReceivedMessage> received;

  bool Make(int width, int height) {
    return CreateEx(0, AfxRegisterWndClass(0), L"Page", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, width,
                    height, nullptr, nullptr) != FALSE;
  }
  int Count(UINT message) const {
    int count = 0;
    for (const ReceivedMessage& record : received) count += record.message == message ? 1 : 0;
    return count;
  }
  // The codes of the notifications received, in order.
  std::vector<int> NotifyCodes() const {
    std::vector<int> codes;
    for (const ReceivedMessage& record : received) {
      if (record.message == WM_NOTIFY) codes.push_back(record.notifyCode);
    }
    return codes;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      const auto* record = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
      received.push_back({message, wParam, lParam, static_cast<int>(record->hdr.code), record->iRow, record->iColumn});
      return 0;
    }
    if (message == WM_COMMAND || (message >= WM_USER && message < 0xC000))
      received.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

// The pages, by the run-time class names the grid looks for (grid_fixture.cpp); the function editor page
// also answers its input name and level.
class FunctionEditorTab : public GridParent, public iFunctionEditorPage {
  DECLARE_DYNAMIC(FunctionEditorTab)
 public:
  std::wstring name = L"Editable Poly";
  std::wstring level = L"vertex";
  std::wstring GetPageName() const override { return name; }
  std::wstring GetMappedText() const override { return level; }
  void OnRowsScrolled() override {}
};

class OptionsEditorTab : public GridParent {
  DECLARE_DYNAMIC(OptionsEditorTab)
};

class WheelEventsEditorTab : public GridParent {
  DECLARE_DYNAMIC(WheelEventsEditorTab)
};

// A memory device context with a bitmap, filled with a paper colour, to draw cells into and read pixels back.
class CellCanvas {
 public:
  CellCanvas(int width, int height, COLORREF paperColour = RGB(255, 255, 255)) : paper(paperColour) {
    CClientDC screen(nullptr);
    dc.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, paper);
  }
  ~CellCanvas() { dc.SelectObject(old); }
  const COLORREF paper;
  CDC dc;
  CBitmap bitmap;
  CBitmap* old = nullptr;
};

class GridTest : public DataFolderTest {
 protected:
  static constexpr UINT kGridId = 1001;

  void SetUp() override {
    DataFolderTest::SetUp();
    parent_ = std::make_unique<GridParent>();
    ASSERT_TRUE(parent_->Make(600, 400));
  }

  void TearDown() override {
    grids_.clear();
    parent_.reset();
    DataFolderTest::TearDown();
  }

  // A grid of class G bound to a child window of class "MFCGridCtrl" (a page's custom control); a grid that
  // cannot be made ends the test with an exception, so the grids the helpers return are never null.
  template <typename G = CGridCtrl>
  G* MakeGrid(const RECT& rect = {10, 10, 410, 310}) {
    auto grid = std::make_unique<G>();
    HWND control = ::CreateWindowExW(0, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect.left, rect.top,
                                     rect.right - rect.left, rect.bottom - rect.top, parent_->m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kGridId)), nullptr, nullptr);
    if (control == nullptr || !grid->SubclassWindow(control)) throw std::runtime_error("no grid window");
    G* result = grid.get();
    grids_.push_back(std::move(grid));
    return result;
  }

  // Replaces the grids' parent by a page of class Page (600 x 400); returns it.
  template <typename Page>
  Page* UsePage() {
    grids_.clear();
    auto page = std::make_unique<Page>();
    Page* result = page.get();
    parent_ = std::move(page);
    EXPECT_TRUE(parent_->Make(600, 400));
    return result;
  }

  // A grid of class G with rows x columns cells, each width x height pixels.
  template <typename G = CGridCtrl>
  G* MakeSizedGrid(int rows, int columns, int width, int height, const RECT& rect = {10, 10, 410, 310}) {
    G* grid = MakeGrid<G>(rect);
    Fill(*grid, rows, columns);
    for (int col = 0; col < columns; ++col) grid->SetColumnWidth(col, width);
    for (int row = 0; row < rows; ++row) grid->SetRowHeight(row, height);
    return grid;
  }

  // The pixels of a window's client area, as on the screen.
  static winsim::Image ClientPicture(const CWnd& window) {
    CRect client;
    window.GetClientRect(&client);
    window.ClientToScreen(&client);
    return winsim::CaptureScreenRect(client);
  }

  // Gives the grid rows and columns.
  static void Fill(CGridCtrl& grid, int rows, int columns) {
    grid.SetColumnCount(columns);
    grid.SetRowCount(rows);
  }

  std::unique_ptr<GridParent> parent_;
  std::vector<std::unique_ptr<CGridCtrl>> grids_;
};

}  // namespace Talvo::testing
