// CGridCellBase: the interface of every grid cell. A cell keeps its own text, image, colours, font,
// format and state, draws and measures itself; the grid stores cell pointers, gives each cell its
// coordinates and itself as owner, and forwards mouse events. Cells are run-time classes that the grid
// creates by class (CGridCtrl::CreateCell, CGridCtrl::SetCellType).
#pragma once

#include <afxwin.h>

#include "grid/cell_state.h"

namespace Talvo {

class CGridCtrl;
class CGridDefaultCell;

class CGridCellBase : public CObject {
  DECLARE_DYNAMIC(CGridCellBase)
 public:
  CGridCellBase() = default;
  ~CGridCellBase() override = default;

  // Setters of the cell's data (the default cell ignores data, state and coordinates).
  virtual void SetText(LPCWSTR szText) = 0;                 // the shown text; null empties it
  virtual void SetImage(int nImage) = 0;                    // index into the grid's image list, -1 none
  virtual void SetData(LPARAM lParam) = 0;                  // free for the page that fills the grid
  virtual void SetState(DWORD nState) { m_nState = nState; } // the GVIS_ bits
  virtual void SetFormat(DWORD nFormat) = 0;                // DrawText flags, kDefaultFormat: the default cell's
  virtual void SetTextClr(COLORREF clr) = 0;                // CLR_DEFAULT: the default cell's
  virtual void SetBackClr(COLORREF clr) = 0;                // CLR_DEFAULT: the default cell's
  virtual void SetFont(const LOGFONTW* plf) = 0;            // copied; null: the default cell's
  virtual void SetMargin(UINT nMargin) = 0;                 // kDefaultMargin: the default cell's
  virtual void SetGrid(CGridCtrl* pGrid) = 0;               // the owning grid (not owned)
  virtual void SetCoords(int nRow, int nCol) = 0;           // where the grid placed the cell

  // Getters.
  virtual LPCWSTR GetText() const = 0;                      // never null
  virtual LPCWSTR GetTipText() const { return GetText(); }  // the text a title tip would show
  virtual int GetImage() const = 0;
  virtual LPARAM GetData() const = 0;
  virtual DWORD GetState() const { return m_nState; }
  virtual DWORD GetFormat() const = 0;                      // resolved through the default cell
  virtual COLORREF GetTextClr() const = 0;                  // the own value, CLR_DEFAULT included
  virtual COLORREF GetBackClr() const = 0;                  // the own value, CLR_DEFAULT included
  virtual const LOGFONTW* GetFont() const = 0;              // the own font, else the default cell's
  virtual CFont* GetFontObject() const = 0;                 // a font object for drawing and measuring
  virtual CGridCtrl* GetGrid() const = 0;
  virtual CWnd* GetEditWnd() const = 0;                     // the persistent editor of an editor cell
  virtual UINT GetMargin() const = 0;                       // resolved through the default cell
  // The grid's default cell that matches this cell's fixed-row and fixed-column bits; null without a grid.
  virtual CGridCellBase* GetDefaultCell() const;

  // Questions about the state.
  virtual BOOL IsDefaultFont() const = 0;
  virtual BOOL IsEditing() const = 0;
  virtual BOOL IsFocused() const { return (m_nState & GVIS_FOCUSED) != 0; }
  virtual BOOL IsFixed() const { return (m_nState & GVIS_FIXED) != 0; }
  virtual BOOL IsFixedCol() const { return (m_nState & GVIS_FIXEDCOL) != 0; }
  virtual BOOL IsFixedRow() const { return (m_nState & GVIS_FIXEDROW) != 0; }
  virtual BOOL IsSelected() const { return (m_nState & GVIS_SELECTED) != 0; }
  virtual BOOL IsReadOnly() const { return (m_nState & GVIS_READONLY) != 0; }
  virtual BOOL IsModified() const { return (m_nState & GVIS_MODIFIED) != 0; }
  virtual BOOL IsDropHighlighted() const { return (m_nState & GVIS_DROPHILITED) != 0; }

  // Copies another cell through the virtual setters (format and margin resolved), then CopyExtra.
  virtual CGridCellBase& operator=(const CGridCellBase& cell);
  // What a derived class copies beyond the common data (tree cells: their tree data).
  virtual void CopyExtra(const CGridCellBase& cell);
  // Back to the state of a new cell.
  virtual void Reset() { m_nState = 0; }

  // Drawing: the darker band of a function-editor row above a hidden row, then the cell itself.
  virtual BOOL DrawGroupShading(CDC* pDC, int nRow, int nCol, CRect* prect);
  virtual BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE);
  // Where the text goes inside a cell rectangle (right of the image).
  virtual BOOL GetTextRect(LPRECT pRect);
  virtual BOOL GetTipTextRect(LPRECT pRect) { return GetTextRect(pRect); }
  // Measuring: a text in the cell's font with its margins, and the whole cell (text and image).
  virtual CSize GetTextExtent(LPCWSTR str, CDC* pDC = nullptr);
  virtual CSize GetCellExtent(CDC* pDC);

  // Editing: cells keep persistent editor windows instead, so the in-place hooks do nothing here.
  virtual BOOL Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar);
  virtual BOOL ValidateEdit(LPCWSTR str);
  virtual void EndEdit() {}
  virtual void OnEndEdit() {}

  // Mouse hooks with points relative to the cell's top-left corner; cells that react override them.
  virtual void OnMouseOver(CPoint point);
  virtual void OnClick(CPoint pointCellRelative);
  virtual void OnClickDown(CPoint pointCellRelative);
  virtual void OnDblClick(CPoint pointCellRelative);
  // The cursor over the cell: the arrow.
  virtual BOOL OnSetCursor();

 protected:
  // What the shared drawing does with the text: draw it, leave it to an editor window, or draw it beside the
  // cell's 20-pixel button.
  enum class CellText { Drawn, None, BesideButton };
  // The drawing every cell class shares (Draw of the base), with the text as the class wants it.
  BOOL DrawCell(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd, CellText text);
  // The cell's text colour, or the nearest one that reads on the background (4.5:1, 3:1 in a large font).
  COLORREF ReadableTextColour(COLORREF text, COLORREF background) const;

  DWORD m_nState = 0;  // the GVIS_ bits
};

}  // namespace Talvo
