// Shared set-up of the tests of the editor cells, the icon-button cell and the grid's editor additions: the
// grid fixture with the documents loaded.
#pragma once

#include "controls/cell_icon_button.h"
#include "engine/editor_shared_state.h"
#include "grid_fixture.h"
#include "model/talvo.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {

class EditorGridTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
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

  // A grid of rows x columns whose columns are 100 pixels wide and rows 30 pixels high.
  CGridCtrl* MakeSizedGrid(int rows, int columns, const RECT& rect = {10, 10, 410, 310}) {
    return GridTest::MakeSizedGrid(rows, columns, 100, 30, rect);
  }

  // Makes the cell at (row, column) one of class Cell and returns it (never null: the test ends otherwise).
  template <typename Cell>
  static Cell* MakeCell(CGridCtrl& grid, int row, int column) {
    const Cell prototype;
    auto* cell = grid.SetCellType(row, column, prototype.GetRuntimeClass())
                     ? dynamic_cast<Cell*>(grid.GetCell(row, column))
                     : nullptr;
    if (cell == nullptr) throw std::runtime_error("no cell of the class");
    return cell;
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
