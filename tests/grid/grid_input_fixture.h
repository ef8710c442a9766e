// Shared set-up of the selection, mouse and keyboard tests: a grid that records the edit operations the
// input reaches (instead of running them), laid out in cells of a known size, with helpers that click and
// type at cells as the user would.
#pragma once

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "grid_fixture.h"

namespace Talvo::testing {

// What the input asked of the grid's edit operations.
struct EditCall {
  std::string operation;  // "edit", "copy", "cut", "paste", "selectAll", "delete", "endEditing"
  int row = -1;
  int column = -1;
  CPoint point{-1, -1};
  UINT character = 0;
};

class RecordingGrid : public CGridCtrl {
 public:
  std::vector<EditCall> calls;

  int Count(const std::string& operation) const {
    int count = 0;
    for (const EditCall& call : calls) count += call.operation == operation ? 1 : 0;
    return count;
  }
  std::vector<std::string> Operations() const {
    std::vector<std::string> operations;
    for (const EditCall& call : calls) operations.push_back(call.operation);
    return operations;
  }
  void OnEditCell(int nRow, int nCol, CPoint point, UINT nChar) override {
    calls.push_back({"edit", nRow, nCol, point, nChar});
  }
  void OnEditCopy() override { calls.push_back({"copy"}); }
  void OnEditCut() override { calls.push_back({"cut"}); }
  void OnEditPaste() override { calls.push_back({"paste"}); }
  void OnEditSelectAll() override { calls.push_back({"selectAll"}); }
  void CutSelectedText() override { calls.push_back({"delete"}); }
  void EndEditing() override { calls.push_back({"endEditing"}); }
};

using Cells = std::vector<std::pair<int, int>>;
using Notes = std::vector<std::tuple<int, int, int>>;

class GridInputTest : public GridTest {
 protected:
  static constexpr int kColumnWidth = 80;
  static constexpr int kRowHeight = 20;

  // A recording grid of rows x columns cells, each kColumnWidth x kRowHeight, with the keyboard focus.
  RecordingGrid* MakeInputGrid(int rows, int columns, const RECT& rect = {10, 10, 410, 310}) {
    RecordingGrid* grid = MakeSizedGrid<RecordingGrid>(rows, columns, kColumnWidth, kRowHeight, rect);
    grid->SetFocus();
    winsim::PumpMessages();
    parent_->received.clear();
    grid->calls.clear();
    return grid;
  }

  // The screen point a given offset into a cell (the grid not scrolled).
  static POINT CellPoint(const CGridCtrl& grid, int row, int col, int dx = 40, int dy = 10) {
    POINT point{col * kColumnWidth + dx, row * kRowHeight + dy};
    grid.ClientToScreen(&point);
    return point;
  }
  static void ClickCell(const CGridCtrl& grid, int row, int col) {
    const POINT point = CellPoint(grid, row, col);
    winsim::Click(point.x, point.y);
  }
  // A click with a modifier key (VK_SHIFT, VK_CONTROL) held.
  static void ClickCellWith(int modifier, const CGridCtrl& grid, int row, int col) {
    winsim::KeyDown(modifier);
    ClickCell(grid, row, col);
    winsim::KeyUp(modifier);
  }
  static void PressWith(int modifier, int key) {
    winsim::KeyDown(modifier);
    winsim::KeyPress(key);
    winsim::KeyUp(modifier);
  }

  // The selected cells, row by row.
  static Cells Selected(const CGridCtrl& grid) {
    Cells cells;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
      for (int col = 0; col < grid.GetColumnCount(); ++col) {
        if (grid.IsCellSelected(row, col)) cells.emplace_back(row, col);
      }
    }
    return cells;
  }
  // The notification codes (and their rows and columns) the parent received, in order.
  Notes Notifications() const {
    Notes codes;
    for (const ReceivedMessage& message : parent_->received) {
      if (message.message == WM_NOTIFY) codes.emplace_back(message.notifyCode, message.row, message.column);
    }
    return codes;
  }
};

}  // namespace Talvo::testing
