// The in-place numeric editor of a grid cell: a text part, a spin part (click to step, drag up or down to
// change the value continuously) and a popup button that opens a slider over the whole range. It works
// on integers or on floats with a fixed number of decimals, and tells its grid (and a wheel-events page
// above the grid) about every change the user makes; values and ranges the program sets are not reported.
#pragma once

#include <afxwin.h>

#include <memory>
#include <string>

#include "engine/messages.h"
#include "controls/cell_editor_links.h"
#include "controls/hover_tracker.h"

namespace Talvo {

// Registered message sent to the grid when the user changed the value: wParam MAKEWPARAM(row, column),
// lParam the CellSpinEdit.
extern const UINT NEN_CHANGED;

class CellSpinPopup;

class CellSpinEdit final : public CWnd {
  DECLARE_DYNAMIC(CellSpinEdit)
 public:
  static constexpr int kFloatDecimals = 3;

  // Integer mode.
  CellSpinEdit(CWnd* grid, const RECT& rect, int row, int column, int minimum, int maximum, int value,
               iEditorCell* cell);
  // Float mode with `decimals` decimals shown.
  CellSpinEdit(CWnd* grid, const RECT& rect, int row, int column, float minimum, float maximum, float value,
               iEditorCell* cell, int decimals = kFloatDecimals);
  ~CellSpinEdit() override;

  // Ranges and values set by the program: the value is clamped into the range and shown, nothing is
  // reported. A range given upside down is turned round.
  void SetRange(int minimum, int maximum);
  void SetRange(float minimum, float maximum);
  void SetPos(int value);
  void SetPos(float value);  // NaN is ignored
  // Switches the mode, carrying the value over (truncated into integers) and clamped into that mode's range.
  void SetIntegerMode();
  void SetFloatMode();

  // Lays out the parts from the right: the popup button, then the spin (each two thirds of a horizontal
  // scroll bar's width), the text in the rest. Under a wheel-events page the parts use the whole width,
  // elsewhere they leave 6 pixels free at the right.
  void ArrangeParts(int width, int height);

  int GetIntValue() const { return value_; }
  float GetFloatValue() const { return floatValue_; }
  bool IsFloatMode() const { return floatMode_; }
  int GetDecimals() const { return decimals_; }
  int GetRow() const { return row_; }
  int GetColumn() const { return column_; }
  // The grid moves the cell to another place when it renumbers its rows.
  void SetCellPlace(int row, int column) {
    row_ = row;
    column_ = column;
  }
  iEditorCell* GetCell() const { return cell_; }
  // The value as shown in the text part.
  std::wstring FormatValue() const;
  CRect GetTextRect() const { return textRect_; }
  CRect GetSpinRect() const { return spinRect_; }
  CRect GetPopupButtonRect() const { return popupRect_; }
  CEdit& GetTextPart() { return text_; }
  bool IsPopupOpen() const { return popup_ != nullptr; }

  // The value as a double in the current mode, and the range around it.
  double Value() const { return floatMode_ ? floatValue_ : value_; }
  double Minimum() const { return floatMode_ ? floatMinimum_ : minimum_; }
  double Maximum() const { return floatMode_ ? floatMaximum_ : maximum_; }
  // Sets the value on the user's behalf (clamped, shown, not yet reported).
  void SetUserValue(double value);
  // Ends a user edit that started at `before`: reports the change when the value moved.
  void FinishUserEdit(double before);

 protected:
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnCaptureChanged(CWnd* pWnd);
  void OnMouseLeave();
  void OnEnable(BOOL bEnable);
  LRESULT OnPopupClosed(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // The text part: commits on Enter and when it loses the focus, steps with the arrow keys.
  class TextPart : public CEdit {
   public:
    explicit TextPart(CellSpinEdit& owner) : owner_(owner) {}

   protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

   private:
    CellSpinEdit& owner_;
    FocusAccelerators accelerators_;
  };
  enum class Part { None, Text, SpinUp, SpinDown, Popup };

  void CreateParts(CWnd* grid, const RECT& rect);
  void ShowValue();
  void CommitText();
  void Step(int direction);
  double StepSize() const;
  Part PartAt(CPoint point) const;
  void SetHot(Part part);
  void OpenPopup();
  void DrawSpin(CDC& dc) const;
  void DrawPopupButton(CDC& dc) const;

  int row_;
  int column_;
  iEditorCell* cell_;
  int minimum_ = 0;
  int maximum_ = 0;
  int value_ = 0;
  float floatMinimum_ = 0.0F;
  float floatMaximum_ = 0.0F;
  float floatValue_ = 0.0F;
  bool floatMode_ = false;
  int decimals_ = 0;

  TextPart text_{*this};
  CRect textRect_;
  CRect spinRect_;
  CRect popupRect_;
  Part hot_ = Part::None;
  HoverTracker hover_;
  Part pressed_ = Part::None;
  bool dragging_ = false;
  bool dragMoved_ = false;
  int dragStartY_ = 0;
  double dragStartValue_ = 0.0;
  std::unique_ptr<CellSpinPopup> popup_;
  double valueAtPopup_ = 0.0;
  bool destroying_ = false;  // the focus leaving a dying editor is no edit
};

}  // namespace Talvo
