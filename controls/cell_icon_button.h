// CellIconButton: the small image button of a grid cell (the "+" or dot left of a case row's text, and
// the grid's corner "+"). A click opens the menu of cases that can be added below its row; the grid
// layer supplies that menu through SetCellButtonMenuHandler.
#pragma once

#include <functional>
#include <string>

#include "controls/icon_button.h"

namespace Talvo {

class CellIconButton;

// Builds and tracks the cell button's menu at a screen point (the grid's node menu, with the editor
// window as command owner).
using CellButtonMenuHandler = std::function<void(CellIconButton& button, CPoint screenPoint)>;
// Installs the handler; an empty one removes it. Returns the previous one.
CellButtonMenuHandler SetCellButtonMenuHandler(CellButtonMenuHandler handler);

class CellIconButton : public IconButton {
  DECLARE_DYNAMIC(CellIconButton)
 public:
  // The button is painted on the grid's window colour unless SetBackgroundColor gives another.
  // Creates the button window as a child of the grid (WS_CHILD | WS_VISIBLE added to the style), then
  // sets its text.
  CellIconButton(CWnd* grid, const RECT& rect, DWORD style, UINT id, int row, int column, const std::wstring& text);
  ~CellIconButton() override;

  std::wstring text;
  // The case the menu's commands are about, set by the page that fills the grid.
  int selectionCount = -1;
  int modifierByte = 3;
  int tapCount = -1;

 protected:
  COLORREF BackgroundColor() const override;
  void OnLButtonUp(UINT nFlags, CPoint point);

  DECLARE_MESSAGE_MAP()
};

}  // namespace Talvo
