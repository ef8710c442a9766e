// WheelEventsEditorTab: one page of the wheel-events editor. It shows one category of the current
// wheel-events set, one subcategory at a time (the back and forward buttons step round them), in a tree
// grid: object classes, their actions, and per attribute and modifier key the key, the unit type and the
// lower limit, upper limit and increment in spin editors. Every edit goes straight into the set's events
// map and, through XmlWheelEvents, into its XML tree (which marks the set unsaved and notifies).
// The tab strip that holds the pages sets the page name (the category), creates the page with CreatePage
// and calls FillGrid or Refresh when the set changed underneath.
#pragma once

#include <afxwin.h>

#include <list>
#include <map>
#include <string>
#include <vector>

#include "controls/icon_button.h"
#include "controls/label.h"
#include "controls/picture_multi.h"
#include "grid/grid_cell_editors.h"
#include "grid/tree_grid_ctrl.h"
#include "model/xml_wheel_events.h"
#include "pagebase/host_look.h"

namespace Talvo {

class WheelEventsEditorTab : public CDialogEx {
  DECLARE_DYNAMIC(WheelEventsEditorTab)
 public:
  // Grid columns the page fills.
  static constexpr int kTitleColumn = 2;
  static constexpr int kModifierColumn = 4;
  static constexpr int kUnitColumn = 6;
  static constexpr int kLowerColumn = 8;
  static constexpr int kUpperColumn = 10;
  static constexpr int kIncrementColumn = 12;
  static constexpr int kColumnCount = 13;
  // What a cell's tag says it edits.
  static constexpr int kModifierTag = 5;
  static constexpr int kUnitTag = 6;
  static constexpr int kLowerLimitTag = 7;
  static constexpr int kUpperLimitTag = 8;
  static constexpr int kIncrementTag = 9;

  WheelEventsEditorTab();

  void SetPageName(const std::wstring& name) { pageName_ = name; }
  const std::wstring& GetPageName() const { return pageName_; }
  // Creates the page (template 138) as a child of the parent; initialisation fills the grid.
  BOOL CreatePage(CWnd* parent);

  BOOL OnInitDialog() override;
  // Rebuilds the grid for the current subcategory.
  virtual void FillGrid();
  // Takes the host's colours and images of the current theme again and refills the grid.
  void FollowHostTheme();
  // Empties the grid, fills it again and lays the page out (also after the set changed underneath).
  void Refresh();
  // Orders the subcategory names into the ring (only when it is still empty).
  virtual void BuildObjectRing(const std::vector<std::wstring>& names);
  virtual void PreviousObject();
  virtual void NextObject();
  virtual void Relayout();
  // WM_APPLY_CELL: lParam the drop-down editor whose selection changed. The modifier key or unit type of
  // the sender's row goes into the set.
  virtual LRESULT ApplyCell(WPARAM wParam, LPARAM lParam);

  // The shown subcategory (empty without one) and the ring.
  std::wstring GetCurrentSubcategory() const;
  const std::list<std::wstring>& GetRing() const { return ring_; }

  CTreeGridCtrl& GetGrid() { return grid_; }
  Label& GetTitle() { return title_; }
  PictureMulti& GetPicture() { return picture_; }
  COLORREF GetBackgroundColor() const { return look_.Background(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSize(UINT nType, int cx, int cy);
  BOOL OnEraseBkgnd(CDC* pDC);
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnBack() { PreviousObject(); }
  void OnForward() { NextObject(); }
  // WM_WHEEL_VALUE_EDITED: lParam the spin editor whose value the user changed.
  LRESULT OnValueEdited(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  struct RowLook {
    COLORREF background;
    COLORREF text;
    LOGFONTW font;
  };

  XmlWheelEvents* Document() const;
  // The category record of the page, when the current set has one with entries.
  CategoryRecord* Category() const;
  void ReadHostLook();
  void LoadImages();
  void ComputeRowLooks();
  void ShowHeader();
  int InsertTreeRow(const std::wstring& title, CTreeNode* parent, const RowLook& look, CTreeNode** node);
  void FillAttributeRow(int row, ActionRecord& action, const std::string& modifier, ValueRecord& value);
  void StyleRow(int row, const RowLook& look, COLORREF background);
  // Tells a spin cell without an editor which editor to make when the grid first shows it: the mode of its
  // row's unit, the page's range and the stored value.
  void PrepareSpinEditor(GridCellSpinEdit& cell);
  void StepTo(std::list<std::wstring>::iterator entry);
  // The drop-down cell whose editor is the sender (looked up among the grid's own cells), and its row.
  GridCellDropDown* FindDropDownCell(LPARAM sender, int* row) const;
  GridCellSpinEdit* FindSpinCell(LPARAM sender) const;
  void ApplyModifier(GridCellDropDown& cell, const std::string& oldKey, const std::string& newKey);
  void ApplyUnit(GridCellDropDown& cell, int row, const std::string& newText);
  // Points the row's cells at the record under `key` and shows that key.
  void RetargetRow(int row, ActionRecord& action, const std::string& key);

  std::map<std::wstring, int> iconIndices_;
  std::wstring pageName_;
  std::list<std::wstring> ring_;
  std::list<std::wstring>::iterator current_ = ring_.end();

  CFont headerFont_;
  HostLook look_;
  std::wstring iconFolder_;
  RowLook subcategoryLook_{};
  RowLook objectLook_{};
  RowLook actionLook_{};
  RowLook attributeLook_{};

  CTreeGridCtrl grid_;
  CImageList images_;
  IconButton back_;
  IconButton forward_;
  PictureMulti picture_;
  Label title_;
};

}  // namespace Talvo
