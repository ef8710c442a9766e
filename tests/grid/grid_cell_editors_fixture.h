// Shared set-up of the tests of the editor cells, the icon-button cell and the grid's editor additions: the
// grid fixture with the project's icons, the documents loaded, and stand-ins for the pages that own grids
// (by run-time class name; the function editor page also answers its name and level).
#pragma once

#include <host/directories.h>
#include <host/simulation.h>

#include <filesystem>
#include <memory>
#include <string>

#include "controls/cell_icon_button.h"
#include "engine/editor_shared_state.h"
#include "grid/function_editor_page.h"
#include "grid_fixture.h"
#include "model/talvo.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {

// The pages, by the run-time class names the grid looks for (grid_cell_editors_fixture.cpp).
namespace pages {

class FunctionEditorTab : public GridParent, public iFunctionEditorPage {
  DECLARE_DYNAMIC(FunctionEditorTab)
 public:
  std::wstring name = L"Editable Poly";
  std::wstring level = L"vertex";
  std::wstring GetPageName() const override { return name; }
  std::wstring GetMappedText() const override { return level; }
};

class OptionsEditorTab : public GridParent {
  DECLARE_DYNAMIC(OptionsEditorTab)
};

class WheelEventsEditorTab : public GridParent {
  DECLARE_DYNAMIC(WheelEventsEditorTab)
};

}  // namespace pages

using pages::FunctionEditorTab;
using pages::OptionsEditorTab;
using pages::WheelEventsEditorTab;

// resources/icons of this checkout, with the trailing separator the host gives its icon folder.
inline std::wstring ProjectIconFolder() {
  const auto root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
  return (root / "resources" / "icons" / "").wstring();
}

// A memory device context with a bitmap to draw cells into and read pixels back.
class CellCanvas {
 public:
  CellCanvas(int width, int height) {
    CClientDC screen(nullptr);
    dc.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, kPaper);
  }
  ~CellCanvas() { dc.SelectObject(old); }
  static constexpr COLORREF kPaper = RGB(255, 255, 255);
  CDC dc;
  CBitmap bitmap;
  CBitmap* old = nullptr;
};

class EditorGridTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    hostsim::SetDirectory(APP_ICONS_DIR, ProjectIconFolder());
    ASSERT_TRUE(GetTalvo().Load());
    RefreshScriptNames();
  }

  void TearDown() override {
    grids_.clear();
    SetCellButtonMenuHandler(nullptr);
    ResetEditorSharedState();
    GetTalvo().Clear();
    RefreshScriptNames();
    GridTest::TearDown();
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

  // A grid of rows x columns whose columns are 100 pixels wide and rows 30 pixels high.
  CGridCtrl* MakeSizedGrid(int rows, int columns, const RECT& rect = {10, 10, 410, 310}) {
    CGridCtrl* grid = MakeGrid(rect);
    if (grid == nullptr) return nullptr;
    Fill(*grid, rows, columns);
    for (int col = 0; col < columns; ++col) grid->SetColumnWidth(col, 100);
    for (int row = 0; row < rows; ++row) grid->SetRowHeight(row, 30);
    return grid;
  }

  // Makes the cell at (row, column) one of class Cell and returns it.
  template <typename Cell>
  static Cell* MakeCell(CGridCtrl& grid, int row, int column) {
    const Cell prototype;
    if (!grid.SetCellType(row, column, prototype.GetRuntimeClass())) return nullptr;
    return dynamic_cast<Cell*>(grid.GetCell(row, column));
  }

  // A window's rectangle in its parent's client coordinates.
  static CRect RectInParent(const CWnd& window) {
    CRect rect;
    window.GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, ::GetParent(window.m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  static bool IsShown(const CWnd& window) { return (window.GetStyle() & WS_VISIBLE) != 0; }
};

}  // namespace Talvo::testing
