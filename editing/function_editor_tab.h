// FunctionEditorTab: one page of the function editor. It edits one input of the current function (a
// modifier case such as "Editable Poly", or a mode page such as "SingleTap"): a header with the level
// picture, the level title, the back and forward buttons and the add-case button, above a tree grid of the
// input's cases at the current level: one block per selection count, one group per modifier combination and
// one row per tap count, whose drop-downs choose what the key does. Cases the function lacks are hidden.
#pragma once

#include <afxwin.h>

#include <list>
#include <map>
#include <vector>
#include <string>

#include "controls/icon_button.h"
#include "controls/label.h"
#include "controls/mode_context_menu.h"
#include "controls/picture_multi.h"
#include "editing/case_rows.h"
#include "model/host_lists.h"
#include "grid/function_editor_page.h"
#include "grid/grid_cell_editors.h"
#include "grid/tree_grid_ctrl.h"
#include "pagebase/host_look.h"

namespace Talvo {

class XmlFunction;

// The expand-default flag of the editor: set when a single-tap or multi-tap function is created or a
// modifier page is added; the next fill of a case grid clears it and opens the plain "Tap" group of
// selection count 0.
void SetExpandDefault(bool expand);
bool TakeExpandDefault();

class FunctionEditorTab : public CDialogEx, public iFunctionEditorPage, public iModeMenuPage {
  DECLARE_DYNAMIC(FunctionEditorTab)
 public:
  static constexpr int kTemplateId = 113;

  explicit FunctionEditorTab(const std::wstring& pageName = L"", CWnd* parent = nullptr);
  ~FunctionEditorTab() override;

  void SetPageName(const std::wstring& name) { pageName_ = name; }
  // Marks the page as an Unwrap UVW page: its levels have no border and element.
  void MarkUnwrapPage() { unwrap_ = true; }
  // Creates the page (template 113) as a child of the parent; initialisation fills the grid.
  BOOL CreatePage(CWnd* parent);
  BOOL OnInitDialog() override;

  // iFunctionEditorPage.
  std::wstring GetPageName() const override { return pageName_; }
  std::wstring GetMappedText() const override { return shownKeyword_; }
  // Case rows scrolled into view get their tree buttons.
  void OnRowsScrolled() override { TagRowButtons(); }
  // iModeMenuPage: what the add-case button's menu offers.
  ModeMenuRequest GetModeMenuRequest() const override;

  // Empties and fills the grid again, updates the header and lays the page out.
  void RefreshGrid();
  // Takes the host's colours and images of the current theme again and refreshes the grid.
  void FollowHostTheme();
  // Fills the grid for the current level (the classic grid on a "3DSMax Classic" page).
  void FillGrid();
  void FillCaseGrid();
  void FillClassicGrid();
  // Makes the level with that keyword current when it is known.
  void SelectLevel(const std::wstring& keyword);
  // Rebuilds the level ring from the modes the function declares for the page's input.
  void RebuildLevelList(const XmlFunction* function);
  // Header of the single-tap, multi-tap and context pages after a case command of the editor window.
  void UpdateLevelHeader();
  // Enables and shows the grid's corner button again.
  void RefreshCornerButton();
  void PreviousLevel();
  void NextLevel();
  // Places the grid and sets the column widths.
  void LayoutGrid();
  // WM_APPLY_CELL: stores the choice of a drop-down of the grid (lParam the drop-down editor).
  LRESULT ApplyCellChoice(WPARAM wParam, LPARAM lParam);

  int GetCurrentLevel() const { return level_; }
  ExpandedCase GetExpandedCase() const { return expanded_; }
  const std::list<std::wstring>& GetLevelRing() const { return ring_; }
  // The current ring entry's keyword; empty without one.
  std::wstring GetCurrentRingEntry() const;
  CTreeGridCtrl& GetGrid() { return grid_; }
  Label& GetTitle() { return title_; }
  PictureMulti& GetPicture() { return picture_; }
  IconButton& GetBackButton() { return back_; }
  IconButton& GetForwardButton() { return forward_; }
  IconButton& GetAddCaseButton() { return addCase_; }

 protected:
  // Page-private: make and place the tree buttons of rows that have come into view.
  static constexpr UINT kShowRowButtonsMessage = WM_APP + 0x113;

  void DoDataExchange(CDataExchange* pDX) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnSize(UINT nType, int cx, int cy);
  void OnBack() { PreviousLevel(); }
  void OnForward() { NextLevel(); }
  LRESULT OnCellEditEnd(WPARAM wParam, LPARAM lParam);
  LRESULT OnCellEditButton(WPARAM wParam, LPARAM lParam);
  LRESULT OnCustomCodeButton(WPARAM wParam, LPARAM lParam);
  LRESULT OnSelectLevel(WPARAM wParam, LPARAM lParam);
  LRESULT OnSelectCell(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  struct RowLooks {
    COLORREF lighter = 0;
    COLORREF darker = 0;
    COLORREF countRow = 0;
    COLORREF groupRow = 0;
    LOGFONTW countFont{};
    LOGFONTW groupFont{};
  };

  void ReadHostLook();
  void LoadImages();
  void ResetLevelFromPage(const XmlFunction* function);
  // The fill's steps.
  void SetUpGrid(int cellWidth);
  void ComputeRowLooks(bool countRowFromAbs);
  void ApplyHeader(const CaseGridPlan& plan);
  void ShowHeaderControls(bool back, bool forward, bool addCase, bool picture, bool title);
  void PlaceTitle(int x, int y);
  void ShowLevelPicture(int index);
  void InsertRows(const CaseGridPlan& plan, bool classic);
  void StyleRow(int row, COLORREF background, COLORREF text, const LOGFONTW* font);
  void MakeButtonCell(int row, const CaseRow& caseRow, bool root);
  void FillTapRow(int row, const CaseKeys& keys, bool classic);
  void EndFill();
  // Gives the tree buttons that exist the case of their row (their menus read it).
  void TagRowButtons();
  // Steps the ring to an entry and refills.
  void StepTo(std::list<std::wstring>::iterator entry);
  // The drop-down cell of this grid whose editor is `sender`; null for any other window.
  GridCellDropDown* FindDropDownCell(LPARAM sender) const;
  // Sets a dependent drop-down's options, text and state, and its editor's when it has one.
  void ResetDropDown(GridCellDropDown* cell, const std::vector<std::wstring>& options, const std::wstring& text,
                     bool enabled);
  // The parts of ApplyCellChoice by the cell's role; each returns whether it stored a change.
  bool ApplyGroup(XmlFunction& function, GridCellDropDown& cell, int index, const std::wstring& chosen);
  bool ApplyCategory(XmlFunction& function, GridCellDropDown& cell, int index, const std::wstring& chosen);
  bool ApplyAction(XmlFunction& function, GridCellDropDown& cell, int index);
  bool ApplyScript(XmlFunction& function, GridCellDropDown& cell, int index);

  std::wstring pageName_;
  int level_ = 0;
  std::wstring shownKeyword_;
  HostLook look_;
  RowLooks looks_;
  // The host commands behind the options of each Action cell (option k >= 1 is command k - 1).
  std::map<const GridCellDropDown*, std::vector<CommandRecord>> actionRecords_;
  std::wstring iconFolder_;

  CTreeGridCtrl grid_;
  CImageList images_;
  IconButton back_;
  IconButton forward_;
  IconButton addCase_;
  PictureMulti picture_;
  Label title_;

  // The title's font height (the host's application font, ClearType).
  static constexpr int kTitleHeight = 28;
  bool unwrap_ = false;
  std::list<std::wstring> ring_;
  std::list<std::wstring>::iterator current_ = ring_.end();
  ExpandedCase expanded_;
};

}  // namespace Talvo
