// OptionsEditorTab: the "General" page of the options dialog. Its grid shows one row per on/off option of
// the options document's section "general" (the option's title and a check box; "learningoff" keeps an
// empty row) and a last row with the tap threshold in a spin editor. Every change goes straight into the
// options document. Enter and Escape pressed inside the page are swallowed, so they never close the dialog.
#pragma once

#include <afxwin.h>

#include "editor/options_grid_ctrl.h"
#include "editor/options_tab.h"
#include "pagebase/host_look.h"

namespace Talvo {

class OptionsEditorTab : public OptionsTab {
  DECLARE_DYNAMIC(OptionsEditorTab)
 public:
  // The height of every grid row and the width of the value column.
  static constexpr int kRowHeight = 40;
  static constexpr int kValueColumnWidth = 120;

  explicit OptionsEditorTab(CWnd* pParentWnd = nullptr);

  BOOL OnInitDialog() override;
  // Swallows the key-down of Enter and Escape before it is translated.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Rebuilds the grid from the options document and the tap window.
  virtual void FillGrid();
  // The tap threshold back to 300 ms, then a fresh grid.
  virtual void ResetAndFill();
  // The tap window and the options document's tap threshold become 300 ms.
  virtual void ResetTapThreshold();

  OptionsGridCtrl& GetGrid() { return grid_; }
  // The row of the tap threshold (the last one), -1 before the grid was filled.
  int GetThresholdRow() const { return filled_ ? grid_.GetRowCount() - 1 : -1; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // The grid fills the page less 5 pixels on every side; the title column takes what the value column leaves.
  void OnSize(UINT nType, int cx, int cy);
  BOOL OnEraseBkgnd(CDC* pDC);
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  // WM_GRID_CHECK_CHANGED: lParam the check cell whose state changed.
  LRESULT OnCellChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void ReadHostLook();
  void SizeColumns();
  // Creates the tap-threshold editor when the grid has none yet and its cell is in view.
  void EnsureThresholdEditor();

  OptionsGridCtrl grid_;
  CFont font_;
  HostLook look_;
  bool filled_ = false;
  bool filling_ = false;  // the fill sets the checks; those are no user changes
};

}  // namespace Talvo
