// The standard cell and the default cells that give the grid's cells their look and size.
#include "grid/grid_cell.h"

#include <iterator>

#include "grid/grid_ctrl.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(CGridCell, CGridCellBase)
IMPLEMENT_DYNCREATE(CGridDefaultCell, CGridCell)

namespace {

// The look of a default cell when no other is given.
constexpr DWORD kDefaultCellFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

}  // namespace

CGridCell::CGridCell() { CGridCell::Reset(); }

CGridCell::~CGridCell() { DeleteEditWnd(); }

void CGridCell::Reset() {
  CGridCellBase::Reset();
  m_strText.Clear();
  m_nImage = -1;
  m_nFormat = kDefaultFormat;
  m_lParam = 0;
  m_pGrid = nullptr;
  m_bEditing = FALSE;
  DeleteEditWnd();
  m_crFgClr = CLR_DEFAULT;
  m_crBkClr = CLR_DEFAULT;
  m_nMargin = kDefaultMargin;
  m_nRow = -1;
  m_nCol = -1;
  m_pOwnFont.reset();
}

void CGridCell::SetText(LPCWSTR szText) { m_strText.Assign(szText); }

void CGridCell::SetFont(const LOGFONTW* plf) {
  if (plf == nullptr) {
    m_pOwnFont.reset();
    return;
  }
  if (!m_pOwnFont) m_pOwnFont = std::make_unique<OwnFont>();
  m_pOwnFont->logFont = *plf;
}

void CGridCell::SetCoords(int nRow, int nCol) {
  m_nRow = nRow;
  m_nCol = nCol;
}

DWORD CGridCell::GetFormat() const {
  if (m_nFormat != kDefaultFormat) return m_nFormat;
  const CGridCellBase* defaultCell = GetDefaultCell();
  return defaultCell != nullptr && defaultCell != this ? defaultCell->GetFormat() : kDefaultCellFormat;
}

const LOGFONTW* CGridCell::GetFont() const {
  if (m_pOwnFont) return &m_pOwnFont->logFont;
  const CGridCellBase* defaultCell = GetDefaultCell();
  return defaultCell != nullptr && defaultCell != this ? defaultCell->GetFont() : nullptr;
}

CFont* CGridCell::GetFontObject() const {
  if (m_pOwnFont) {
    CFont& object = m_pOwnFont->object;
    object.DeleteObject();
    return object.CreateFontIndirect(&m_pOwnFont->logFont) ? &object : nullptr;
  }
  const CGridCellBase* defaultCell = GetDefaultCell();
  return defaultCell != nullptr && defaultCell != this ? defaultCell->GetFontObject() : nullptr;
}

UINT CGridCell::GetMargin() const {
  if (m_nMargin != kDefaultMargin) return m_nMargin;
  const CGridCellBase* defaultCell = GetDefaultCell();
  return defaultCell != nullptr && defaultCell != this ? defaultCell->GetMargin() : 0;
}

void CGridCell::DeleteEditWnd() {
  delete m_pEditWnd;
  m_pEditWnd = nullptr;
}

void CGridCell::SetEditWnd(CWnd* pWnd) {
  if (pWnd == m_pEditWnd) return;
  DeleteEditWnd();
  m_pEditWnd = pWnd;
}

CGridDefaultCell::CGridDefaultCell() : m_Size(30, 22) {
  m_nFormat = kDefaultCellFormat;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    CGridDefaultCell::SetFont(&metrics.lfMessageFont);
  }
}

CGridDefaultCell::~CGridDefaultCell() = default;

void CGridDefaultCell::SetFont(const LOGFONTW* plf) {
  if (plf == nullptr) return;
  m_Font.DeleteObject();
  m_Font.CreateFontIndirect(plf);
  CGridCell::SetFont(plf);

  // The margin and the size of new cells follow the font.
  HDC screen = ::GetDC(nullptr);
  if (screen == nullptr) {
    m_nMargin = 3;
    m_Size = CSize(40, 16);
    return;
  }
  HGDIOBJ oldFont = ::SelectObject(screen, m_Font.GetSafeHandle());
  SIZE space{};
  ::GetTextExtentPoint32W(screen, L" ", 1, &space);
  SIZE sample{};
  const wchar_t kSample[] = L" XXXXXXXXXXXX ";
  ::GetTextExtentPoint32W(screen, kSample, static_cast<int>(std::size(kSample)) - 1, &sample);
  ::SelectObject(screen, oldFont);
  ::ReleaseDC(nullptr, screen);
  m_nMargin = static_cast<UINT>(space.cx);
  m_Size = CSize(sample.cx, sample.cy * 3 / 2);
}

CFont* CGridDefaultCell::GetFontObject() const { return m_Font.GetSafeHandle() != nullptr ? &m_Font : nullptr; }

}  // namespace Talvo
