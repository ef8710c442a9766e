// CGridCell: the standard cell, which holds every look value itself or takes it from its default cell;
// CGridDefaultCell: one of the four cells per grid (normal, fixed row, fixed column, both) that give new
// cells their look and size.
#pragma once

#include <memory>

#include "grid/grid_cell_base.h"
#include "grid/owned_text.h"

namespace Talvo {

class CGridCell : public CGridCellBase {
  DECLARE_DYNCREATE(CGridCell)
 public:
  CGridCell();
  ~CGridCell() override;  // frees the font copy and deletes the editor window the cell owns

  // Cell assignment copies through the virtual setters, whatever the static types (see CGridCellBase).
  using CGridCellBase::operator=;
  CGridCell& operator=(const CGridCell& cell) {
    CGridCellBase::operator=(cell);
    return *this;
  }

  void SetText(LPCWSTR szText) override;
  void SetImage(int nImage) override { m_nImage = nImage; }
  void SetData(LPARAM lParam) override { m_lParam = lParam; }
  void SetFormat(DWORD nFormat) override { m_nFormat = nFormat; }
  void SetTextClr(COLORREF clr) override { m_crFgClr = clr; }
  void SetBackClr(COLORREF clr) override { m_crBkClr = clr; }
  void SetFont(const LOGFONTW* plf) override;
  void SetMargin(UINT nMargin) override { m_nMargin = nMargin; }
  void SetGrid(CGridCtrl* pGrid) override { m_pGrid = pGrid; }
  void SetCoords(int nRow, int nCol) override;

  LPCWSTR GetText() const override { return m_strText.Get(); }
  int GetImage() const override { return m_nImage; }
  LPARAM GetData() const override { return m_lParam; }
  DWORD GetFormat() const override;
  COLORREF GetTextClr() const override { return m_crFgClr; }
  COLORREF GetBackClr() const override { return m_crBkClr; }
  const LOGFONTW* GetFont() const override;
  // With an own font, the cell's font object re-made from that font (valid until the next call); without,
  // the default cell's font object.
  CFont* GetFontObject() const override;
  CGridCtrl* GetGrid() const override { return m_pGrid; }
  CWnd* GetEditWnd() const override { return m_pEditWnd; }
  UINT GetMargin() const override;

  BOOL IsDefaultFont() const override { return m_pOwnFont == nullptr; }
  BOOL IsEditing() const override { return m_bEditing; }
  void Reset() override;

  // The row and column the grid last gave the cell (-1 when not placed).
  int GetRow() const { return m_nRow; }
  int GetColumn() const { return m_nCol; }
  // The editor window's owner is the cell: the grid deletes every editor before it clears (DeleteAllItems).
  void DeleteEditWnd();

 protected:
  // Makes the window the cell's editor; the cell owns it from then on (a previous one is deleted).
  void SetEditWnd(CWnd* pWnd);

  // An own font with the font object made from it on demand (GetFontObject): rare, so both share one
  // allocation and a cell without one keeps a single null pointer.
  struct OwnFont {
    LOGFONTW logFont;
    CFont object;
  };

  OwnedText m_strText;                    // the text the cell shows
  LPARAM m_lParam = 0;                    // the page's own value
  int m_nImage = -1;                      // image in the grid's image list, -1 none
  DWORD m_nFormat = kDefaultFormat;       // DrawText flags
  COLORREF m_crFgClr = CLR_DEFAULT;       // text colour
  COLORREF m_crBkClr = CLR_DEFAULT;       // background colour
  std::unique_ptr<OwnFont> m_pOwnFont;    // own font, null for the default cell's
  UINT m_nMargin = kDefaultMargin;        // space around the text in pixels
  BOOL m_bEditing = FALSE;                // never set: cells edit through their own editor windows
  CGridCtrl* m_pGrid = nullptr;           // the owning grid
  CWnd* m_pEditWnd = nullptr;             // the persistent editor window (owned)
  int m_nRow = -1;                        // where the grid placed the cell
  int m_nCol = -1;
};

class CGridDefaultCell : public CGridCell {
  DECLARE_DYNCREATE(CGridDefaultCell)
 public:
  // Left, vertically centred single-line text with an ellipsis, 30 x 22 pixels, the system's message font.
  CGridDefaultCell();
  ~CGridDefaultCell() override;

  // Look values the grid hands on; data, state and coordinates belong to real cells only.
  void SetData(LPARAM /*lParam*/) override {}
  void SetState(DWORD /*nState*/) override {}
  void SetCoords(int /*nRow*/, int /*nCol*/) override {}
  // Re-makes the font object and measures it: margin = a space's width, width = " XXXXXXXXXXXX ", height =
  // that text's height x 3 / 2. A null font is ignored.
  void SetFont(const LOGFONTW* plf) override;
  // A default cell is never edited.
  DWORD GetState() const override { return m_nState | GVIS_READONLY; }
  const LOGFONTW* GetFont() const override { return m_pOwnFont ? &m_pOwnFont->logFont : nullptr; }
  CFont* GetFontObject() const override;

  // Size and style the grid gives new rows and columns (style is stored for the owner).
  virtual DWORD GetStyle() const { return m_dwStyle; }
  virtual void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
  virtual int GetWidth() const { return m_Size.cx; }
  virtual int GetHeight() const { return m_Size.cy; }
  virtual void SetWidth(int nWidth) { m_Size.cx = nWidth; }
  virtual void SetHeight(int nHeight) { m_Size.cy = nHeight; }

 protected:
  CSize m_Size;            // the size of new columns (width) and rows (height)
  mutable CFont m_Font;    // the font object made from the font (handed out for drawing)
  DWORD m_dwStyle = 0;     // stored for the owner
};

}  // namespace Talvo
