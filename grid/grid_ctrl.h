// CGridCtrl: the program's cell-grid window. A scrollable rectangle of rows and columns whose every cell is
// a cell object (CGridCellBase and its classes); the grid owns the cells, the row heights and column widths,
// four default cells that give new cells their look and size, the selection and the focus cell, and tells
// its parent about selections, clicks and edits through WM_NOTIFY (NM_GRIDVIEW). Pages bind it to a custom
// control of window class "MFCGridCtrl" in their dialog templates.
//
// The program uses no fixed rows or columns, keeps every cell in the grid, shows no title tips and neither
// drags nor accepts drops; the operations for those settings exist but stay idle.
#pragma once

#include <afxole.h>
#include <afxwin.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/cell_editor_links.h"
#include "grid/cell_id.h"
#include "grid/grid_cell.h"
#include "grid/grid_drop_target.h"

namespace Talvo {

class CellIconButton;
class Label;

// The window class of every grid.
inline constexpr wchar_t kGridWindowClass[] = L"MFCGridCtrl";

// Grid lines (SetGridLines).
enum GridLines : int { GVL_NONE = 0, GVL_HORZ = 1, GVL_VERT = 2, GVL_BOTH = 3 };
// Scroll-bar state bits.
inline constexpr DWORD kHorzScrollShown = 1;        // the horizontal bar is shown
inline constexpr DWORD kVertScrollShown = 2;        // the vertical bar is shown
inline constexpr DWORD kWholeColumnScrolling = 4;   // scroll by whole columns and repaint cells directly
// Auto-size style bits: which rows measuring looks at.
inline constexpr int GVS_HEADER = 1;  // the fixed rows
inline constexpr int GVS_DATA = 2;    // the other rows
inline constexpr int GVS_BOTH = 3;

// One row of cells (owned by the grid).
using GRID_ROW = std::vector<CGridCellBase*>;

// Orders two cells for the (idle) sorting slots.
using PFNLVCOMPARE = int (*)(LPARAM, LPARAM, LPARAM);

class CGridCtrl : public CWnd, public iCellEditorGrid {
  DECLARE_DYNCREATE(CGridCtrl)
 public:
  // Registers "MFCGridCtrl" when missing (throws CResourceException when that fails), initialises OLE for
  // the thread, and starts empty with the default look.
  CGridCtrl();
  // Deletes the corner widgets and every cell, destroys the window and releases the clipboard when it holds
  // the grid's data.
  ~CGridCtrl() override;

  // Registers the window class (once per program); FALSE when the system refuses.
  static BOOL RegisterWindowClass();
  // Creates the grid window as a child (for code that does not bind a dialog's custom control).
  using CWnd::Create;
  BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);

  // ---- Structure and cell storage --------------------------------------------------------------------

  int GetRowCount() const { return m_nRows; }
  int GetColumnCount() const { return m_nCols; }
  int GetFixedRowCount() const { return m_nFixedRows; }
  int GetFixedColumnCount() const { return m_nFixedCols; }
  // Grow or shrink the grid; new rows and columns take the default cells' sizes and new cells.
  BOOL SetRowCount(int nRows = 10);
  BOOL SetColumnCount(int nCols = 10);
  // Inserts a row before nRow (-1 appends); returns its index or -1. Clears the selection and the focus.
  int InsertRow(int nRow = -1);
  // Deletes a row and its cells. Clears the selection and the focus.
  BOOL DeleteRow(int nRow);
  // Deletes every cell (first their editor windows when asked), row and column.
  virtual BOOL DeleteAllItems(BOOL bDeleteEditors = FALSE);

  // Whether the coordinate lies inside the grid.
  BOOL IsValid(int nRow, int nCol) const;
  BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
  BOOL IsValid(const CCellRange& range) const;

  // The cell object, null outside the grid.
  CGridCellBase* GetCell(int nRow, int nCol) const;
  // Stores a cell pointer (not freed, not copied) and tells it its coordinates; FALSE outside the grid.
  BOOL SetCell(int nRow, int nCol, CGridCellBase* pCell);
  // The default cell of an area (all grids here use the normal one: no fixed cells).
  CGridCellBase* GetDefaultCell(BOOL bFixedRow, BOOL bFixedCol) const;
  // Replaces a cell by one of another cell class, copying what cell assignment copies; FALSE outside the grid
  // or for a class that is not a cell class.
  BOOL SetCellType(int nRow, int nCol, CRuntimeClass* pRuntimeClass);
  // The class CreateCell makes (a cell class; others make CreateCell fail).
  BOOL SetDefaultCellType(CRuntimeClass* pRuntimeClass);
  CRuntimeClass* GetDefaultCellType() const { return m_pRtcDefault; }
  // The row's cell array (tree nodes keep it), null outside the grid.
  GRID_ROW* GetRowArray(int nRow) const;
  // The row index of a cell array, -1 when it is not one of this grid's rows.
  int FindRowArray(const GRID_ROW* pRow) const;

  // Cell contents.
  BOOL SetItemText(int nRow, int nCol, LPCWSTR str);
  // Sets a text that only labels its row: the cell refuses editing, cut and paste from then on.
  BOOL SetLabelText(int nRow, int nCol, LPCWSTR str);
  std::wstring GetItemText(int nRow, int nCol) const;
  BOOL SetItemState(int nRow, int nCol, UINT state);
  UINT GetItemState(int nRow, int nCol) const;
  BOOL SetItemData(int nRow, int nCol, LPARAM lParam);
  LPARAM GetItemData(int nRow, int nCol) const;
  BOOL SetItemImage(int nRow, int nCol, int iImage);
  int GetItemImage(int nRow, int nCol) const;
  BOOL SetItemFormat(int nRow, int nCol, UINT nFormat);
  UINT GetItemFormat(int nRow, int nCol) const;
  BOOL SetItemBkColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
  COLORREF GetItemBkColour(int nRow, int nCol) const;
  BOOL SetItemFgColour(int nRow, int nCol, COLORREF cr = CLR_DEFAULT);
  COLORREF GetItemFgColour(int nRow, int nCol) const;
  BOOL SetItemFont(int nRow, int nCol, const LOGFONTW* plf);
  const LOGFONTW* GetItemFont(int nRow, int nCol) const;
  // Marks the cell modified (when both are >= 0) and the grid.
  void SetModified(int nRow = -1, int nCol = -1);
  BOOL GetModified() const { return m_bModified; }
  // Whether the grid is editable and the cell not read-only (a missing cell counts as editable).
  BOOL IsCellEditable(int nRow, int nCol) const;
  BOOL IsCellEditable(const CCellID& cell) const { return IsCellEditable(cell.row, cell.col); }
  // Whether the cell carries the selected bit (FALSE while selection is disabled).
  BOOL IsCellSelected(int nRow, int nCol) const;
  BOOL IsCellSelected(const CCellID& cell) const { return IsCellSelected(cell.row, cell.col); }
  BOOL IsCellFixed(int nRow, int nCol) const { return nRow < m_nFixedRows || nCol < m_nFixedCols; }

  // Sizes in pixels; -1 (or FALSE) outside the grid. Hidden rows and columns have size 0.
  int GetRowHeight(int nRow) const;
  int GetColumnWidth(int nCol) const;
  BOOL SetRowHeight(int nRow, int height);
  BOOL SetColumnWidth(int nCol, int width);
  int GetVirtualHeight() const;
  int GetVirtualWidth() const;
  int GetFixedRowHeight() const;
  int GetFixedColumnWidth() const;

  // Plain settings of the pages.
  void SetEditable(BOOL bEditable = TRUE) { m_bEditable = bEditable; }
  BOOL IsEditable() const { return m_bEditable; }
  void EnableSelection(BOOL bEnable = TRUE);
  BOOL IsSelectable() const { return m_bEnableSelection; }
  void SetHandleTabKey(BOOL bHandleTab = TRUE) { m_bHandleTabKey = bHandleTab; }
  BOOL GetHandleTabKey() const { return m_bHandleTabKey; }
  void SetDoubleBuffering(BOOL bBuffer = TRUE) { m_bDoubleBuffer = bBuffer; }
  BOOL GetDoubleBuffering() const { return m_bDoubleBuffer; }
  void EnableTitleTips(BOOL bEnable = TRUE) { m_bTitleTips = bEnable; }
  BOOL GetTitleTips() const { return m_bTitleTips; }
  void EnableDragAndDrop(BOOL bAllow = TRUE) { m_bAllowDragAndDrop = bAllow; }
  void SetGridLines(int nWhichLines = GVL_BOTH) { m_nGridLines = nWhichLines; }
  int GetGridLines() const { return m_nGridLines; }
  void SetGridBkColor(COLORREF clr) { m_crGridBkColour = clr; }
  COLORREF GetGridBkColor() const { return m_crGridBkColour; }
  void SetGridLineColor(COLORREF clr) { m_crGridLineColour = clr; }
  COLORREF GetGridLineColor() const { return m_crGridLineColour; }
  void SetImageList(CImageList* pList) { m_pImageList = pList; }
  CImageList* GetImageList() const { return m_pImageList; }
  void SetAutoSizeStyle(int nStyle = GVS_BOTH) { m_nAutoSizeColumnStyle = nStyle; }
  int GetAutoSizeStyle() const { return m_nAutoSizeColumnStyle; }
  // While drawing is off nothing is painted and invalidations are skipped.
  void SetRedraw(BOOL bAllowDraw, BOOL bResetScrollBars = FALSE);
  BOOL IsDrawingAllowed() const { return m_bAllowDraw; }
  // Invalidates the whole window when drawing is allowed.
  void Refresh();
  // Whether the grid is being destroyed (cells ask before they touch windows).
  BOOL IsDestroying() const { return m_bDestroying; }

  // Plain fields the pages set directly.
  DWORD m_nBarState = 0;     // kHorzScrollShown | kVertScrollShown | kWholeColumnScrolling
  BYTE m_bUpdating = 0;      // while set, ResetScrollBars does nothing (pages fill in between)

  // ---- Drawing and scrolling -------------------------------------------------------------------------

  // Repaints one cell: invalidated, or with whole-column scrolling drawn at once on pDC (a window DC when
  // null) with its grid lines.
  BOOL RedrawCell(int nRow, int nCol, CDC* pDC = nullptr);
  BOOL RedrawCell(const CCellID& cell, CDC* pDC = nullptr) { return RedrawCell(cell.row, cell.col, pDC); }
  // Invalidates the cell's rectangle (one pixel wider and higher); FALSE when it is not visible.
  BOOL InvalidateCellRect(int nRow, int nCol);
  BOOL InvalidateCellRect(const CCellID& cell) { return InvalidateCellRect(cell.row, cell.col); }
  // The top-left client point of a cell; FALSE outside the grid or scrolled away above or left.
  BOOL GetCellOrigin(int nRow, int nCol, LPPOINT p) const;
  BOOL GetCellOrigin(const CCellID& cell, LPPOINT p) const { return GetCellOrigin(cell.row, cell.col, p); }
  // The cell's rectangle in client coordinates (right and bottom inclusive).
  BOOL GetCellRect(int nRow, int nCol, LPRECT pRect) const;
  BOOL GetCellRect(const CCellID& cell, LPRECT pRect) const { return GetCellRect(cell.row, cell.col, pRect); }
  // Whether any part of the cell lies in the client area.
  BOOL IsCellVisible(int nRow, int nCol) const;
  BOOL IsCellVisible(const CCellID& cell) const { return IsCellVisible(cell.row, cell.col); }
  // The first visible scrollable cell (a cache reset by every scroll, size and count change).
  CCellID GetTopleftNonFixedCell(BOOL bForceRecalculation = FALSE) const;
  // The visible cells; the rectangle (when asked) spans them, limited to the client area.
  CCellRange GetVisibleNonFixedCellRange(LPRECT pRect = nullptr) const;
  // Recomputes the scroll ranges and which bars are shown.
  void ResetScrollBars();
  // Scroll positions and limits.
  int GetScrollPos32(int nBar, BOOL bGetTrackPos = FALSE) const;
  BOOL SetScrollPos32(int nBar, int nPos, BOOL bRedraw = TRUE);
  int GetVertScrollLimit() const { return m_nVScrollMax; }
  int GetHorzScrollLimit() const { return m_nHScrollMax; }
  // How far the first scrolled column is shifted left (<= 0).
  int GetHorzOffset() const { return m_nHorzOffset; }
  // Scrolls until the cell lies inside the client area.
  void EnsureVisible(int nRow, int nCol);
  void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
  // Sizing to the contents; hidden (size 0) rows and columns stay hidden.
  BOOL AutoSizeColumn(int nCol, int nAutoSizeStyle = 0, BOOL bResetScroll = TRUE);
  BOOL AutoSizeRow(int nRow, BOOL bResetScroll = TRUE);
  void AutoSizeColumns(int nAutoSizeStyle = 0);
  void AutoSizeRows();
  void AutoSize(int nAutoSizeStyle = 0);
  // Gives every odd column max((client width + 1 - even columns) / 4, 140).
  void FitColumnsToWindow();
  // The lines one wheel notch scrolls (WHEEL_PAGESCROLL: a page), read when the grid is built.
  UINT GetWheelScrollLines() const { return m_nRowsPerWheelNotch; }

  // ---- Selection, focus, mouse and keyboard ----------------------------------------------------------

  // Moves the focus cell ((-1, -1) removes it); returns the previous one.
  CCellID SetFocusCell(CCellID cell);
  CCellID SetFocusCell(int nRow, int nCol) { return SetFocusCell(CCellID(nRow, nCol)); }
  CCellID GetFocusCell() const { return m_idCurrentCell; }
  // Selects (or deselects) a range, keeping the cells of a running Ctrl-click selection.
  void SetSelectedRange(const CCellRange& range, BOOL bForceRepaint = FALSE, BOOL bSelectCells = TRUE);
  void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL bForceRepaint = FALSE,
                        BOOL bSelectCells = TRUE);
  // Selects every scrollable cell.
  void SelectAllCells();
  // Selects from the selection start to the cell.
  void SelectCells(CCellID currentCell, BOOL bForceRedraw = FALSE, BOOL bSelectCells = TRUE);
  // Extends the selection by the mouse mode to the cell.
  void OnSelecting(const CCellID& currentCell);
  // Deselects everything and removes the focus cell.
  void ResetSelectedRange();
  // The bounding range of the selected cells.
  CCellRange GetSelectedCellRange() const;
  int GetSelectedCount() const { return static_cast<int>(m_SelectedCellMap.size()); }
  // The map key of a cell in the selection maps: column in the high 16 bits, row in the low.
  static DWORD SelectionKey(int nRow, int nCol);
  // The cell under a client point, (-1, -1) outside the cells.
  CCellID GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck = TRUE) const;
  int GetMouseMode() const { return m_MouseMode; }
  CCellID GetClickDownCell() const { return m_LeftClickDownCell; }
  CCellID GetSelectionStartCell() const { return m_SelectionStartCell; }

  // ---- Editing and notifications ---------------------------------------------------------------------

  // Sends WM_NOTIFY (NM_GRIDVIEW) to the owner, else the parent; returns its answer (0 without a receiver).
  LRESULT SendMessageToParent(int nRow, int nCol, int nMessage) const;
  // The validated text change of cut, delete and paste: the parent may veto before and undo after.
  void SetItemTextValidated(int nRow, int nCol, LPCWSTR str);

  // ---- The program's additions: persistent editors, corner widgets, case-row menu --------------------

  // Re-places every persistent editor and button on its cell, then the corner widgets.
  void PlaceCellEditors();
  // Shows each text cell's full text in its editor, shortened with "..." to fit.
  void FitEditCellTexts();
  // Refills the script lists of the script drop-downs and reselects each cell's script.
  void SyncDropDownEditors();
  // Shows (creating when missing) or hides the corner "+" button and its label.
  void CreateCornerButton(BOOL bShow);
  CellIconButton* GetCornerButton() const { return m_pCornerButton.get(); }
  Label* GetCornerLabel() const { return m_pCornerLabel.get(); }
  // Records the case under the point for the editor window's case commands and opens the grid's menu (only
  // on a function editor page). Also called by a drop-down editor's right click.
  void ShowContextMenu(UINT nFlags, CPoint point) override;

  // ---- Virtual operations, in slot order -------------------------------------------------------------

  // A cell's own focused and selected state (no cell spans several).
  virtual BOOL IsCellFocusedInMerge(int nRow, int nCol) const;
  virtual BOOL IsCellSelectedInMerge(int nRow, int nCol) const;
  // Clipboard: empties the selected cells (Delete), builds the selection's text, pastes text at a cell.
  virtual void CutSelectedText();
  virtual COleDataSource* CopyTextFromGrid();
  virtual BOOL PasteTextToGrid(CCellID cell, COleDataObject* pDataObject, BOOL bSelectPastedCells = TRUE);
  // Drag and drop: dragging out is off and drops are refused.
  virtual void OnBeginDrag();
  virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual void OnDragLeave();
  virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
  // The standard edit commands.
  virtual void OnEditCut();
  virtual void OnEditCopy();
  virtual void OnEditPaste();
  virtual void OnEditSelectAll();
  // Title tips, sorting and printing: no grid of the program uses them; the slots stay for derived grids.
  virtual void ShowTitleTip(CGridCellBase* pCell, int nRow, int nColumn, CRect rectCell, CRect rectTitle,
                            int xoffset = 0, int yoffset = 0);
  virtual BOOL SortItems(PFNLVCOMPARE pfnCompare, int nCol, BOOL bAscending, LPARAM data = 0);
  virtual BOOL SortItems(int nCol, BOOL bAscending, LPARAM data = 0);
  virtual BOOL SortTextItems(int nCol, BOOL bAscending, LPARAM data = 0);
  virtual void OnBeginPrinting(CDC* pDC, void* pInfo);
  virtual void OnPrint(CDC* pDC, void* pInfo);
  virtual void OnEndPrinting(CDC* pDC, void* pInfo);
  virtual void PrintColumnHeadings(CDC* pDC, void* pInfo);
  virtual void PrintRowCells(CDC* pDC, void* pInfo);
  virtual void PrintHeader(CDC* pDC, void* pInfo);
  virtual void PrintFooter(CDC* pDC, void* pInfo);
  virtual void PrintRowButtons(CDC* pDC, void* pInfo);
  virtual CImageList* CreateDragImage(CPoint* pHotSpot);
  virtual void OnFixedColumnClick(CCellID& cell);
  virtual void OnFixedRowClick(CCellID& cell);
  // Editing: starts an edit (asking the parent first), ends the in-place edit, validates, ends any edit.
  virtual void OnEditCell(int nRow, int nCol, CPoint point, UINT nChar);
  virtual void OnEndEditCell(int nRow, int nCol, LPCWSTR str);
  virtual BOOL ValidateEdit(int nRow, int nCol, LPCWSTR str);
  virtual void EndEditing();
  // Painting of the client area (through a memory DC when double buffering).
  virtual void OnDraw(CDC* pDC);
  // Whether painting may skip rows and columns outside the clip box.
  virtual BOOL CanClipRows() const;
  // The last column the text of a cell may take: the cell's own, or further right over blank cells of its
  // background in the same row (never into the tree column).
  int TextSpanEnd(int nRow, int nCol, int treeColumn) const;
  // Cells are made and destroyed here.
  virtual CGridCellBase* CreateCell(int nRow, int nCol);
  virtual void DestroyCell(int nRow, int nCol);
  virtual void ShiftRowOrder(int nRow, int nNewPos);
  // Called by DeleteRow before the row's cells go (a tree grid lets go of the row's node here).
  virtual void OnDeletingRow(int nRow);

 protected:
  // Switches title tips off, adds the client edge and redraws the new frame.
  void PreSubclassWindow() override;

  // Message handlers: painting, sizing and scrolling.
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnSize(UINT nType, int cx, int cy);
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  // The codes both bars handle alike: a page back or forward by nPage pixels (repainting the scrollable part
  // when the position moved) and the two ends (repainting everything); other codes do nothing.
  void ScrollByPageOrToEnd(int nBar, UINT nSBCode, int nPage, int nLimit, const CRect& scrollable);
  BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
  void OnSysColorChange();
  // Mouse and keyboard.
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnTimer(UINT_PTR nIDEvent);
  void OnCaptureChanged(CWnd* pWnd);
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  UINT OnGetDlgCode();
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
  void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  // The end of an in-place edit (code -176 from control IDC_INPLACE_CONTROL).
  void OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult);
  // User-interface state of the edit commands.
  void OnUpdateEditCopy(CCmdUI* pCmdUI);
  void OnUpdateEditCut(CCmdUI* pCmdUI);
  void OnUpdateEditPaste(CCmdUI* pCmdUI);
  void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
  // The right click that opens the case-row menu.
  void OnRButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

  // Helpers of the storage.
  // Reads the four system colours the default look follows.
  void ReadSystemColours();
  // Sets up the four default cells with the grid as owner and the system colours.
  void SetupDefaultCells();
  // Makes and stores a cell for every column of the row.
  void FillRowWithNewCells(int nRow);
  // Deletes every cell of the row through DestroyCell.
  void DestroyRowCells(int nRow);
  // Gives every cell from the row down its coordinates again (after rows were inserted or deleted above).
  void RenumberRowsFrom(int nRow);
  // Emptying a large grid waits on memory for each cell's text (a separate heap block); asking for the texts
  // of a row a little ahead of the one being deleted lets those waits overlap.
  static constexpr size_t kTextsAhead = 1;
  void PrefetchTexts(size_t nRow) const;
  // The rows measuring looks at for an auto-size style.
  void AutoSizeRowRange(int nAutoSizeStyle, int& nStartRow, int& nEndRow) const;
  // The wheel scroll lines the system reports (3 when it reports none).
  static UINT ReadWheelScrollLines();
  // The keyboard's three jobs. RunEditShortcut runs the Ctrl shortcuts and Shift+Insert (TRUE: the key is
  // used up). FindKeyTarget works out the cell a navigation key goes to, scrolling for the page and end keys
  // (false for keys it does not handle). MoveFocusToKeyTarget selects that cell, moves the focus there and
  // scrolls it into view.
  struct KeyTarget {
    CCellID cell;
    bool wrapped = false;  // Tab went on to the next or previous row
    bool scrolledHorizontally = false;
    bool scrolledVertically = false;
  };
  bool RunEditShortcut(UINT nChar, bool ctrl, bool shift);
  bool FindKeyTarget(UINT nChar, bool ctrl, bool shift, KeyTarget& target);
  void MoveFocusToKeyTarget(UINT nChar, bool shift, KeyTarget& target);
  // The next visible row or column from a start in a direction (-1 when none).
  int NextVisibleRow(int nRow, int nStep) const;
  int NextVisibleColumn(int nCol, int nStep) const;

  // Colours.
  COLORREF m_crGridBkColour;                       // painted where no cell is
  COLORREF m_crGridLineColour = RGB(192, 192, 192);  // grid lines
  COLORREF m_crWindowText = 0;                     // cached COLOR_WINDOWTEXT
  COLORREF m_crWindowColour = 0;                   // cached COLOR_WINDOW
  COLORREF m_cr3DFace = 0;                         // cached COLOR_3DFACE
  COLORREF m_crShadow = 0;                         // cached COLOR_3DSHADOW
  // Settings.
  int m_nGridLines = GVL_BOTH;                     // which grid lines are drawn
  BOOL m_bEditable = TRUE;                         // editing, cut, paste and validated changes allowed
  BOOL m_bModified = FALSE;                        // rows, columns or texts changed
  BOOL m_bAllowDragAndDrop = FALSE;                // dragging cell contents (off)
  BOOL m_bAllowDraw = TRUE;                        // painting and invalidation allowed
  BOOL m_bEnableSelection = TRUE;                  // cells can be selected
  BOOL m_bHandleTabKey = TRUE;                     // Tab moves between cells
  BOOL m_bDoubleBuffer = TRUE;                     // paint through an off-screen bitmap
  BOOL m_bTitleTips = TRUE;                        // off once a window is subclassed
  int m_nAutoSizeColumnStyle = GVS_BOTH;           // which rows auto-sizing measures
  // Structure.
  int m_nRows = 0;
  int m_nFixedRows = 0;
  int m_nCols = 0;
  int m_nFixedCols = 0;
  std::vector<UINT> m_arRowHeights;                // one height per row
  std::vector<UINT> m_arColWidths;                 // one width per column
  int m_nVScrollMax = 0;                           // scroll range maxima
  int m_nHScrollMax = 0;
  int m_nHorzOffset = 0;                           // shift of the first scrolled column (<= 0)
  CRuntimeClass* m_pRtcDefault;                    // the class CreateCell makes
  CGridDefaultCell m_cellDefault;                  // look and size of ordinary cells
  CGridDefaultCell m_cellFixedColDef;              // of fixed-column cells
  CGridDefaultCell m_cellFixedRowDef;              // of fixed-row cells
  CGridDefaultCell m_cellFixedRowColDef;           // of cells both fixed row and column
  CImageList* m_pImageList = nullptr;              // the images cells draw (the page's)
  std::vector<std::unique_ptr<GRID_ROW>> m_RowData;  // the rows of cell pointers; cells owned
  // Mouse state.
  int m_MouseMode = MOUSE_NOTHING;                 // what a press and drag are doing
  BOOL m_bLMouseButtonDown = FALSE;                // the left button went down in the grid
  CPoint m_LeftClickDownPoint;                     // where it went down
  CPoint m_LastMousePoint;                         // where the mouse was last seen
  CCellID m_LeftClickDownCell;                     // the cell it went down on
  CCellID m_SelectionStartCell;                    // the fixed end of a Shift or drag selection
  CCellID m_idCurrentCell;                         // the focus cell
  mutable CCellID m_idTopLeftCell;                 // cache of the first visible scrollable cell
  UINT_PTR m_nTimerID = 0;                         // the running auto-scroll timer, 0 when none
  int m_nTimerInterval = kAutoScrollInterval;      // its period in milliseconds
  UINT m_nRowsPerWheelNotch;                       // wheel scroll lines
  // Selection.
  std::map<DWORD, CCellID> m_SelectedCellMap;      // the selected cells by SelectionKey
  std::map<DWORD, CCellID> m_PrevSelectedCellMap;  // the selection when a Ctrl-click began
  // Drag and drop, destruction.
  CGridDropTarget m_DropTarget;                    // refuses every drop
  BYTE m_bDestroying = 0;                          // set by the destructor
  BOOL m_bOleInitialized = FALSE;                  // this grid holds one OLE initialisation of the thread
  // Corner widgets of an empty function-editor grid (created on demand).
  std::unique_ptr<CellIconButton> m_pCornerButton;
  std::unique_ptr<Label> m_pCornerLabel;
};

}  // namespace Talvo
