// FunctionViewerTab: one read-only page of a key-assignment page's function viewer. It shows one input of
// the shown function (a modifier case such as "Editable Poly", or a mode page such as "SingleTap") as a
// grid of blocks, one per selection count, two counts at a time: each block holds a header row and two
// modifier groups whose (label, value) column pairs say what each tap count does. The level buttons step
// through the levels the function declares for the input; the selection buttons step through the counts.
#pragma once

#include <afxdialogex.h>

#include <list>
#include <string>

#include "controls/icon_button.h"
#include "controls/label.h"
#include "controls/picture_multi.h"
#include "grid/tree_grid_ctrl.h"
#include "pagebase/host_look.h"

namespace Talvo {

class XmlFunction;

class FunctionViewerTab : public CDialogEx {
  DECLARE_DYNAMIC(FunctionViewerTab)
 public:
  static constexpr int kRowsPerBlock = 11;
  static constexpr int kColumns = 8;
  static constexpr int kValueColumnWidth = 140;

  // The page shows input `pageName`; its window is made later from the page template.
  explicit FunctionViewerTab(const std::wstring& pageName, CWnd* pParentWnd = nullptr);

  BOOL OnInitDialog() override;

  // The function the page shows (see FindShownFunction), with the key-assignment page two levels up.
  XmlFunction* GetShownFunction() const;

  // Empties the level ring and builds it again from the modes the shown function declares for the input;
  // the current entry follows the level code when it can, else the level falls back to the first entry.
  void BuildTree();
  // Fills the grid from the shown function (the classic grid on a "3DSMax Classic" page).
  void FillCaseGrid();
  void FillClassicGrid();
  // Shows the level caption and icon, refills the grid when asked to and sizes the value columns.
  void Relayout();

  // Steps of the buttons.
  virtual void PreviousLevel();
  virtual void NextLevel();
  virtual void FewerSelected();
  virtual void MoreSelected();

  // Takes the host's colours, fonts and images of the current theme again and refills the grid.
  void FollowHostTheme();

  // Asks for a refill at the next layout (the shown function was edited).
  void MarkForRefill() { refill_ = true; }
  bool NeedsRefill() const { return refill_; }

  const std::wstring& GetPageName() const { return pageName_; }
  int GetLevelCode() const { return levelCode_; }
  int GetSelectionIndex() const { return selectionIndex_; }
  int GetRowCount() const { return rowCount_; }
  const std::list<std::wstring>& GetLevelRing() const { return ring_; }
  // The name of the current ring entry; empty without one.
  std::wstring GetCurrentRingEntry() const;
  // The keyword of the level the grid reads cases with.
  const std::wstring& GetShownKeyword() const { return shownKeyword_; }
  CTreeGridCtrl& GetGrid() { return grid_; }
  PictureMulti& GetLevelIcon() { return icon_; }
  Label& GetModeLabel() { return mode_; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnSize(UINT nType, int cx, int cy);
  void OnPreviousLevel() { PreviousLevel(); }
  void OnNextLevel() { NextLevel(); }
  void OnFewerSelected() { FewerSelected(); }
  void OnMoreSelected() { MoreSelected(); }
  DECLARE_MESSAGE_MAP()

 private:
  void ReadHostLook();
  void LoadLevelIcons();
  void LoadButtonImages();
  // The level header (buttons, icon, caption) and the selection buttons shown or hidden.
  void ShowLevelHeader(bool show);
  void ShowSelectionButtons(bool show);
  // Grid look shared by both fills: default cells, lines, colours.
  void SetUpGrid(int rows);
  // Writes one block's rows from `firstRow` for one selection count.
  void FillBlock(const XmlFunction* function, int firstRow, int selection, const std::wstring& keyword,
                 bool notContextSensitive);
  // Writes the label cells of a group's title or press row and, for a press row, the value cells.
  void FillPairRow(const XmlFunction* function, int row, int group, int tapCount, int selection,
                   const std::wstring& keyword);
  void SetValueCell(int row, int column, const std::wstring& text, int kind);
  void FitGrid();
  // Stretches the columns over the grid and places the cell editors over their cells again.
  void FitColumnsAndEditors();
  void StepLevel(bool forward);
  void StepSelection(int delta);

  CTreeGridCtrl grid_;
  IconButton previous_;
  IconButton next_;
  IconButton fewer_;
  IconButton more_;
  Label mode_;
  PictureMulti icon_;

  std::wstring pageName_;
  int levelCode_ = 0;
  std::wstring shownKeyword_;
  std::list<std::wstring> ring_;
  std::list<std::wstring>::iterator current_;
  int selectionIndex_ = 0;
  int rowCount_ = 2 * kRowsPerBlock;
  bool refill_ = false;
  bool reduced_ = false;
  int fontHeight_ = 28;

  HostLook look_;
  CFont font_;
  CImageList images_;  // the images cells of the classic grid may show
  LOGFONTW largeFont_{};

};

}  // namespace Talvo
