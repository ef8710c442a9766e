// The drawing, measuring and copying every cell class shares.
#include "grid/grid_cell_base.h"

#include <algorithm>
#include <memory>
#include <string>

#include "controls/cell_editor_links.h"
#include "controls/readable_colour.h"
#include "controls/visual_manager.h"
#include "grid/grid_cell.h"
#include "grid/grid_ctrl.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(CGridCellBase, CObject)

namespace {

// The size of an image of the grid's list, or nothing when the list does not know it.
bool ImageSize(const CGridCtrl* grid, int image, CSize& size) {
  CImageList* list = grid != nullptr ? grid->GetImageList() : nullptr;
  if (list == nullptr || image < 0 || image >= list->GetImageCount()) return false;
  IMAGEINFO info{};
  if (!list->GetImageInfo(image, &info)) return false;
  size = CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
  return true;
}

// The width and height new cells take from a default cell.
CSize DefaultCellSize(const CGridCellBase* defaultCell) {
  const auto* cell = dynamic_cast<const CGridDefaultCell*>(defaultCell);
  return cell != nullptr ? CSize(cell->GetWidth(), cell->GetHeight()) : CSize(0, 0);
}

// One colour channel moved i / h of the way from start to end.
int Blend(int start, int end, int i, int h) { return start + i * (end - start) / h; }

}  // namespace

COLORREF CGridCellBase::ReadableTextColour(COLORREF text, COLORREF background) const {
  if (background == CLR_DEFAULT) return text;
  const LOGFONTW* font = GetFont();
  const bool bold = font != nullptr && font->lfWeight >= FW_BOLD;
  return ReadableOn(text, background, NeededContrast(font != nullptr ? font->lfHeight : 0, bold));
}

CGridCellBase* CGridCellBase::GetDefaultCell() const {
  CGridCtrl* grid = GetGrid();
  return grid != nullptr ? grid->GetDefaultCell(IsFixedRow(), IsFixedCol()) : nullptr;
}

CGridCellBase& CGridCellBase::operator=(const CGridCellBase& cell) {
  if (&cell == this) return *this;
  SetGrid(cell.GetGrid());
  SetText(cell.GetText());
  SetImage(cell.GetImage());
  SetData(cell.GetData());
  SetState(cell.GetState());
  SetFormat(cell.GetFormat());
  SetTextClr(cell.GetTextClr());
  SetBackClr(cell.GetBackClr());
  SetFont(cell.IsDefaultFont() ? nullptr : cell.GetFont());
  SetMargin(cell.GetMargin());
  CopyExtra(cell);
  return *this;
}

void CGridCellBase::CopyExtra(const CGridCellBase& /*cell*/) {}

BOOL CGridCellBase::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) {
  return DrawCell(pDC, nRow, nCol, rect, bEraseBkgnd, CellText::Drawn);
}

BOOL CGridCellBase::DrawCell(CDC* pDC, int /*nRow*/, int /*nCol*/, CRect rect, BOOL bEraseBkgnd, CellText text) {
  CGridCtrl* grid = GetGrid();
  CGridCellBase* defaultCell = GetDefaultCell();
  if (grid == nullptr || pDC == nullptr || rect.Width() <= 0 || rect.Height() <= 0 || defaultCell == nullptr) {
    return FALSE;
  }
  const int savedDC = pDC->SaveDC();
  pDC->SetBkMode(TRANSPARENT);

  const COLORREF textColour = GetTextClr() != CLR_DEFAULT ? GetTextClr() : defaultCell->GetTextClr();
  const bool ownBackground = GetBackClr() != CLR_DEFAULT;
  const COLORREF background = ownBackground ? GetBackClr() : defaultCell->GetBackClr();
  if ((ownBackground || bEraseBkgnd) && background != CLR_DEFAULT) {
    pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1), background);
  }
  if (textColour != CLR_DEFAULT) pDC->SetTextColor(ReadableTextColour(textColour, background));
  if (CFont* font = GetFontObject()) pDC->SelectObject(font);

  const int margin = static_cast<int>(GetMargin());
  rect.DeflateRect(margin, margin);
  rect.right += 1;
  rect.bottom += 1;

  CSize image;
  if (ImageSize(grid, GetImage(), image) && rect.left + image.cx <= rect.right && rect.top + image.cy <= rect.bottom) {
    grid->GetImageList()->Draw(pDC, GetImage(), rect.TopLeft(), ILD_NORMAL);
  }

  GetTextRect(&rect);
  rect.right += 1;
  rect.bottom += 1;
  if (text != CellText::None) {
    if (text == CellText::BesideButton) rect.left += 29;
    // A one-line text that does not fit its place ends in an ellipsis instead of being cut anywhere.
    UINT format = GetFormat() | DT_NOPREFIX;
    if ((format & DT_WORDBREAK) == 0 || (format & DT_SINGLELINE) != 0) format |= DT_END_ELLIPSIS;
    pDC->DrawText(GetText(), -1, &rect, format);
  }
  pDC->RestoreDC(savedDC);
  return TRUE;
}

BOOL CGridCellBase::DrawGroupShading(CDC* pDC, int nRow, int nCol, CRect* prect) {
  CGridCtrl* grid = GetGrid();
  if (grid == nullptr || pDC == nullptr || prect == nullptr || prect->Width() <= 0 || prect->Height() <= 0 ||
      GetDefaultCell() == nullptr || nCol < 2 ||
      !IsWindowOfRuntimeClass(::GetParent(grid->GetSafeHwnd()), "FunctionEditorTab")) {
    return FALSE;
  }
  CRect& rect = *prect;
  pDC->SetBkMode(TRANSPARENT);
  CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
  CPen* oldPen = pDC->SelectObject(&pen);
  pDC->MoveTo(rect.right, rect.bottom);
  pDC->LineTo(rect.left - 1, rect.bottom);
  pDC->SelectObject(oldPen);

  // A row above a hidden one (a collapsed node) gets a band darkening towards its top.
  const bool nextRowHidden = nRow < grid->GetRowCount() - 1 && grid->GetRowHeight(nRow + 1) <= 0;
  const int bandHeight = rect.Height() / 5;
  if (nextRowHidden && bandHeight >= 1 && dynamic_cast<CGridCell*>(grid->GetCell(nRow, nCol)) != nullptr) {
    // A cell without a colour of its own shows its default cell's, or the host's background.
    COLORREF end = GetBackClr();
    if (end == CLR_DEFAULT) end = GetDefaultCell()->GetBackClr();
    if (end == CLR_DEFAULT) end = HostColor(kBackground);
    const int endRed = GetRValue(end), endGreen = GetGValue(end), endBlue = GetBValue(end);
    const int startRed = endRed * 3 / 4, startGreen = endGreen * 3 / 4, startBlue = endBlue * 3 / 4;
    for (int i = 0; i < bandHeight; ++i) {
      const COLORREF line = RGB(Blend(startRed, endRed, i, bandHeight), Blend(startGreen, endGreen, i, bandHeight),
                                Blend(startBlue, endBlue, i, bandHeight));
      pDC->FillSolidRect(rect.left, rect.top + i, rect.Width() + 1, 1, line);
    }
  }
  rect.DeflateRect(1, 1);
  return TRUE;
}

BOOL CGridCellBase::GetTextRect(LPRECT pRect) {
  CSize image;
  if (pRect != nullptr && ImageSize(GetGrid(), GetImage(), image)) {
    pRect->left += image.cx + 1 + static_cast<int>(GetMargin());
  }
  return TRUE;
}

CSize CGridCellBase::GetTextExtent(LPCWSTR str, CDC* pDC) {
  const CSize defaultSize = DefaultCellSize(GetDefaultCell());
  CGridCtrl* grid = GetGrid();
  std::unique_ptr<CClientDC> windowDC;
  if (pDC == nullptr) {
    if (str == nullptr || grid == nullptr || !::IsWindow(grid->GetSafeHwnd())) return defaultSize;
    windowDC = std::make_unique<CClientDC>(grid);
    pDC = windowDC.get();
  }
  if (str == nullptr) return defaultSize;

  CFont* oldFont = nullptr;
  if (CFont* font = GetFontObject()) oldFont = pDC->SelectObject(font);
  CSize size;
  const DWORD format = GetFormat();
  if ((format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0) {
    // Word-wrapped text: as wide as its widest line, as high as DrawText lays it out.
    const std::wstring text(str);
    int widest = 0;
    for (size_t start = 0; start <= text.size();) {
      size_t end = text.find(L'\n', start);
      if (end == std::wstring::npos) end = text.size();
      widest = std::max<int>(widest, pDC->GetTextExtent(text.substr(start, end - start)).cx);
      start = end + 1;
    }
    CRect rect(0, 0, widest + 1, 0);
    pDC->DrawText(text, &rect, format | DT_CALCRECT);
    size = rect.Size();
  } else {
    size = pDC->GetTextExtent(str);
  }
  if (oldFont != nullptr) pDC->SelectObject(oldFont);

  const int margin = static_cast<int>(GetMargin());
  size.cx += 2 * margin;
  size.cy += 2 * margin;
  const LOGFONTW* font = GetFont();
  if (font != nullptr && (font->lfEscapement == 900 || font->lfEscapement == -900)) {
    std::swap(size.cx, size.cy);
    size.cy += 4 * margin;
  }
  return size;
}

CSize CGridCellBase::GetCellExtent(CDC* pDC) {
  CSize size = GetTextExtent(GetText(), pDC);
  CSize image;
  if (ImageSize(GetGrid(), GetImage(), image)) {
    const int margin = static_cast<int>(GetMargin());
    if (size.cx > 2 * margin) image.cx += margin;
    image.cy += 2 * margin;
    size.cx += image.cx + 1;
    size.cy = std::max(size.cy, image.cy) + 1;
  }
  return size;
}

BOOL CGridCellBase::Edit(int /*nRow*/, int /*nCol*/, CRect /*rect*/, CPoint /*point*/, UINT /*nID*/, UINT /*nChar*/) {
  return FALSE;
}

BOOL CGridCellBase::ValidateEdit(LPCWSTR /*str*/) { return TRUE; }

void CGridCellBase::OnMouseOver(CPoint /*point*/) {}
void CGridCellBase::OnClick(CPoint /*pointCellRelative*/) {}
void CGridCellBase::OnClickDown(CPoint /*pointCellRelative*/) {}
void CGridCellBase::OnDblClick(CPoint /*pointCellRelative*/) {}

BOOL CGridCellBase::OnSetCursor() {
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  return TRUE;
}

}  // namespace Talvo
