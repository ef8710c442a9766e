#include "controls/cell_drop_down.h"

#include <host/colors.h>

#include <algorithm>

#include "controls/buffered_dc.h"
#include "controls/visual_manager.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(CMyComboBox, CComboBox)

void CMyComboBox::SetItems(const std::vector<std::wstring>& items) {
  ResetContent();
  for (const std::wstring& item : items) AddString(item.c_str());
  FitDroppedWidth();
}

int CMyComboBox::FillScriptList() {
  ResetContent();
  int added = 0;
  for (const std::wstring& name : ScriptNames()) {
    if (AddString(name.c_str()) >= 0) ++added;
  }
  FitDroppedWidth();
  return added;
}

void CMyComboBox::FitDroppedWidth() {
  if (GetSafeHwnd() == nullptr) return;
  constexpr int kTextMargins = 8;  // the list's inset before the text and some air after it
  // Measured in the font the open list draws with.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  auto font = info.hwndList != nullptr || ::GetComboBoxInfo(m_hWnd, &info)
                  ? reinterpret_cast<HFONT>(::SendMessageW(info.hwndList, WM_GETFONT, 0, 0))
                  : nullptr;
  if (font == nullptr) font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ oldFont = ::SelectObject(dc, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  int widest = 0;
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    std::wstring text;
    GetLBText(i, text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max<int>(widest, size.cx);
  }
  ::SelectObject(dc, oldFont);
  ::ReleaseDC(m_hWnd, dc);
  // Room for the scroll bar the list shows when it has more items than it opens with.
  const auto opensWith = static_cast<int>(SendMessage(CB_GETMINVISIBLE, 0, 0));
  const int scrollBar = count > opensWith ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
  SendMessage(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest + kTextMargins + scrollBar), 0);
}

BOOL CMyComboBox::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  if (cy > 4) SetItemHeight(-1, static_cast<UINT>(cy - 4));
  return CComboBox::SetWindowPos(pWndInsertAfter, x, y, cx, cy, nFlags);
}

IMPLEMENT_DYNAMIC(CellDropDown, CMyComboBox)

BEGIN_MESSAGE_MAP(CellDropDown, CMyComboBox)
  ON_CONTROL_REFLECT(CBN_SELCHANGE, &CellDropDown::OnSelChange)
  ON_MESSAGE(WM_SYNC_DROPDOWN, &CellDropDown::OnSyncDropDown)
  ON_WM_RBUTTONUP()
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CellDropDown::CellDropDown(CWnd* grid, iDropDownCell* cell, const RECT& rect, DWORD listStyle, UINT id, int row,
                           int column, COLORREF textColor, COLORREF backgroundColor,
                           const std::vector<std::wstring>& options, const std::wstring& currentText,
                           bool scriptList)
    : grid_(grid),
      cell_(cell),
      row_(row),
      column_(column),
      textColor_(textColor),
      backgroundColor_(backgroundColor),
      scriptList_(scriptList) {
  backgroundBrush_.CreateSolidBrush(backgroundColor);
  if (grid == nullptr || grid->GetSafeHwnd() == nullptr) return;
  if (!Create(WS_CHILD | WS_VISIBLE | listStyle, rect, grid, id)) return;
  SetFont(grid->GetFont(), FALSE);
  if (scriptList) return;  // the cell fills the script names and selects its script
  SetItems(options);
  SetCurSel(FindStringExact(-1, currentText.c_str()));
}

std::wstring CellDropDown::GetSelectedText() const {
  std::wstring text;
  int selection = GetCurSel();
  if (selection >= 0) GetLBText(selection, text);
  return text;
}

// Only the user's choices arrive here: the combo box does not report selections the program makes.
void CellDropDown::OnSelChange() {
  if (grid_ == nullptr) return;
  HWND page = ::GetParent(grid_->GetSafeHwnd());
  if (page != nullptr) ::SendMessageW(page, WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(this));
}

LRESULT CellDropDown::OnSyncDropDown(WPARAM, LPARAM) {
  if (cell_ != nullptr) cell_->SyncEditor();
  return 0;
}

// A right click on the editor opens the grid's menu of the case under it.
void CellDropDown::OnRButtonUp(UINT, CPoint point) {
  auto* grid = dynamic_cast<iCellEditorGrid*>(grid_);
  if (grid == nullptr) return;
  MapWindowPoints(grid_, &point, 1);
  grid->ShowContextMenu(0, point);
}

HBRUSH CellDropDown::CtlColor(CDC* pDC, UINT) {
  pDC->SetTextColor(textColor_);
  pDC->SetBkColor(backgroundColor_);
  return static_cast<HBRUSH>(backgroundBrush_.GetSafeHandle());
}

BOOL CellDropDown::OnEraseBkgnd(CDC*) { return TRUE; }

// The closed editor in the cell's colours with a flat arrow button in the host's colours; the focus shows
// as an accent frame. The open list is the combo box's own.
void CellDropDown::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  const bool enabled = IsWindowEnabled() != FALSE;
  const bool focused = ::GetFocus() == m_hWnd;
  dc.FillSolidRect(&client, enabled ? backgroundColor_ : HostColor(kBackground));
  CRect button(client.right - GetSystemMetrics(SM_CXVSCROLL), client.top, client.right, client.bottom);
  dc.FillSolidRect(&button, GetDroppedState() ? HostPressedColor() : HostColor(kBackground));
  const COLORREF ink = enabled ? HostColor(kControlText) : HostDisabledTextColor();
  const CPoint centre = button.CenterPoint();
  POINT arrow[3] = {{centre.x - 4, centre.y - 2}, {centre.x + 4, centre.y - 2}, {centre.x, centre.y + 2}};
  CBrush arrowBrush;
  arrowBrush.CreateSolidBrush(ink);
  CPen arrowPen;
  arrowPen.CreatePen(PS_SOLID, 1, ink);
  CBrush* oldBrush = dc.SelectObject(&arrowBrush);
  CPen* oldPen = dc.SelectObject(&arrowPen);
  dc.Polygon(arrow, 3);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
  CRect field(client.left + 4, client.top, button.left - 2, client.bottom);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(enabled ? textColor_ : HostDisabledTextColor());
  const CFont* font = GetFont();
  HGDIOBJ oldFont = ::SelectObject(dc.GetSafeHdc(), font != nullptr ? static_cast<HFONT>(*font) : HostFont());
  dc.DrawText(GetSelectedText(), &field, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  ::SelectObject(dc.GetSafeHdc(), oldFont);
  const COLORREF frame = focused ? HostColor(kAccent) : HostColor(kAppWorkspace);
  dc.Draw3dRect(&client, frame, frame);
}

void CellDropDown::OnSetFocus(CWnd*) {
  accelerators_.FocusGained();
  Default();
}

void CellDropDown::OnKillFocus(CWnd*) {
  Default();
  accelerators_.FocusLost();
}

}  // namespace Talvo
