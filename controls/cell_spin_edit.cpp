#include "controls/cell_spin_edit.h"

#include <host/colors.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <utility>

#include "controls/buffered_dc.h"
#include "controls/cell_spin_popup.h"
#include "controls/visual_manager.h"

namespace Talvo {

const UINT NEN_CHANGED = RegisterWindowMessageW(L"TalvoNumEditChanged");

namespace {

// How far the mouse must move on the spin before a press counts as a drag.
constexpr int kDragThreshold = 3;

// Registered on every use: the class library keeps one class per attribute set and registers it again
// after the window system was reset.
LPCWSTR WindowClass() { return AfxRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW)); }

// A filled triangle pointing up or down, centred in the rectangle.
void Arrow(CDC& dc, const CRect& box, bool up, COLORREF color) {
  int half = std::max(2, std::min(box.Width(), box.Height()) / 3);
  CPoint centre = box.CenterPoint();
  int tip = up ? centre.y - half / 2 : centre.y + half / 2;
  int base = up ? centre.y + half / 2 : centre.y - half / 2;
  POINT points[3] = {{centre.x - half, base}, {centre.x + half, base}, {centre.x, tip}};
  CBrush brush;
  brush.CreateSolidBrush(color);
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, color);
  CBrush* oldBrush = dc.SelectObject(&brush);
  CPen* oldPen = dc.SelectObject(&pen);
  dc.Polygon(points, 3);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

}  // namespace

IMPLEMENT_DYNAMIC(CellSpinEdit, CWnd)

BEGIN_MESSAGE_MAP(CellSpinEdit, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_CAPTURECHANGED()
  ON_WM_MOUSELEAVE()
  ON_WM_ENABLE()
  ON_MESSAGE(CellSpinPopup::kClosedMessage, &CellSpinEdit::OnPopupClosed)
END_MESSAGE_MAP()

CellSpinEdit::CellSpinEdit(CWnd* grid, const RECT& rect, int row, int column, int minimum, int maximum, int value,
                           iEditorCell* cell)
    : row_(row), column_(column), cell_(cell) {
  SetRange(minimum, maximum);
  value_ = std::clamp(value, minimum_, maximum_);
  floatValue_ = static_cast<float>(value_);
  CreateParts(grid, rect);
}

CellSpinEdit::CellSpinEdit(CWnd* grid, const RECT& rect, int row, int column, float minimum, float maximum,
                           float value, iEditorCell* cell, int decimals)
    : row_(row), column_(column), cell_(cell), floatMode_(true), decimals_(std::clamp(decimals, 0, 9)) {
  SetRange(minimum, maximum);
  floatValue_ = std::isnan(value) ? floatMinimum_ : std::clamp(value, floatMinimum_, floatMaximum_);
  value_ = static_cast<int>(std::clamp(floatValue_, -2.0e9F, 2.0e9F));
  CreateParts(grid, rect);
}

CellSpinEdit::~CellSpinEdit() {
  destroying_ = true;
  popup_.reset();
  DestroyWindow();
}

void CellSpinEdit::CreateParts(CWnd* grid, const RECT& rect) {
  if (grid == nullptr || grid->GetSafeHwnd() == nullptr) return;
  if (!Create(WindowClass(), L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, grid, 0)) return;
  text_.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 1, 1), this, 1);
  text_.SetFont(grid->GetFont(), FALSE);
  ArrangeParts(rect.right - rect.left, rect.bottom - rect.top);
  ShowValue();
}

void CellSpinEdit::SetRange(int minimum, int maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  minimum_ = minimum;
  maximum_ = maximum;
  if (!floatMode_) SetPos(value_);
}

void CellSpinEdit::SetRange(float minimum, float maximum) {
  if (std::isnan(minimum) || std::isnan(maximum)) return;
  if (minimum > maximum) std::swap(minimum, maximum);
  floatMinimum_ = minimum;
  floatMaximum_ = maximum;
  if (floatMode_) SetPos(floatValue_);
}

void CellSpinEdit::SetPos(int value) {
  value_ = std::clamp(value, minimum_, maximum_);
  if (!floatMode_) floatValue_ = static_cast<float>(value_);
  ShowValue();
}

void CellSpinEdit::SetPos(float value) {
  if (std::isnan(value)) return;
  floatValue_ = std::clamp(value, floatMinimum_, floatMaximum_);
  if (floatMode_) value_ = static_cast<int>(std::clamp(floatValue_, -2.0e9F, 2.0e9F));
  ShowValue();
}

void CellSpinEdit::SetIntegerMode() {
  if (!floatMode_) return;
  floatMode_ = false;
  decimals_ = 0;
  double truncated = std::trunc(static_cast<double>(floatValue_));
  value_ = static_cast<int>(std::clamp(truncated, static_cast<double>(minimum_), static_cast<double>(maximum_)));
  ShowValue();
}

void CellSpinEdit::SetFloatMode() {
  if (floatMode_) return;
  floatMode_ = true;
  decimals_ = kFloatDecimals;
  floatValue_ = std::clamp(static_cast<float>(value_), floatMinimum_, floatMaximum_);
  ShowValue();
}

void CellSpinEdit::ArrangeParts(int width, int height) {
  int part = GetSystemMetrics(SM_CXHSCROLL) * 2 / 3;
  int laidOut = IsWheelEventsGrid(::GetParent(m_hWnd)) ? width : width - 6;
  laidOut = std::max(laidOut, 0);
  height = std::max(height, 0);
  popupRect_.SetRect(std::max(laidOut - part, 0), 0, laidOut, height);
  spinRect_.SetRect(std::max(laidOut - 2 * part, 0), 0, popupRect_.left, height);
  textRect_.SetRect(0, 0, spinRect_.left, height);
  if (text_.GetSafeHwnd() != nullptr) {
    CRect inner = textRect_;
    inner.DeflateRect(2, 2);
    if (inner.right < inner.left) inner.right = inner.left;
    if (inner.bottom < inner.top) inner.bottom = inner.top;
    text_.MoveWindow(&inner, FALSE);
  }
  if (m_hWnd != nullptr) Invalidate();
}

std::wstring CellSpinEdit::FormatValue() const {
  if (!floatMode_) return std::to_wstring(value_);
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"%.*f", decimals_, static_cast<double>(floatValue_));
  return buffer;
}

void CellSpinEdit::ShowValue() {
  if (text_.GetSafeHwnd() != nullptr) text_.SetWindowText(FormatValue());
  if (m_hWnd != nullptr) Invalidate(FALSE);
}

double CellSpinEdit::StepSize() const { return floatMode_ ? std::pow(10.0, 1 - std::max(decimals_, 1)) : 1.0; }

void CellSpinEdit::SetUserValue(double value) {
  if (std::isnan(value)) return;
  if (floatMode_) {
    SetPos(static_cast<float>(std::clamp(value, -3.0e38, 3.0e38)));
  } else {
    SetPos(static_cast<int>(std::clamp(std::round(value), -2.0e9, 2.0e9)));
  }
}

void CellSpinEdit::FinishUserEdit(double before) {
  if (Value() == before) return;
  HWND self = m_hWnd;
  HWND grid = ::GetParent(self);
  if (grid == nullptr) return;
  ::SendMessageW(grid, NEN_CHANGED, MAKEWPARAM(row_, column_), reinterpret_cast<LPARAM>(this));
  // The grid may have rebuilt its cells, and this editor with them.
  if (!::IsWindow(self) || !IsWheelEventsGrid(grid)) return;
  WPARAM value = floatMode_ ? static_cast<WPARAM>(std::bit_cast<std::uint32_t>(floatValue_))
                            : static_cast<WPARAM>(static_cast<INT_PTR>(value_));
  ::SendMessageW(::GetParent(grid), WM_WHEEL_VALUE_EDITED, value, reinterpret_cast<LPARAM>(this));
}

void CellSpinEdit::CommitText() {
  if (destroying_ || text_.GetSafeHwnd() == nullptr) return;
  std::wstring text = text_.GetWindowText();
  std::replace(text.begin(), text.end(), L',', L'.');
  wchar_t* end = nullptr;
  double parsed = std::wcstod(text.c_str(), &end);
  double before = Value();
  if (end == text.c_str() || std::isnan(parsed)) {
    ShowValue();  // not a number: the old value comes back
    return;
  }
  SetUserValue(floatMode_ ? parsed : std::trunc(parsed));
  FinishUserEdit(before);
}

void CellSpinEdit::Step(int direction) {
  double before = Value();
  SetUserValue(before + direction * StepSize());
  FinishUserEdit(before);
}

CellSpinEdit::Part CellSpinEdit::PartAt(CPoint point) const {
  if (popupRect_.PtInRect(point)) return Part::Popup;
  if (spinRect_.PtInRect(point)) return point.y < spinRect_.CenterPoint().y ? Part::SpinUp : Part::SpinDown;
  if (textRect_.PtInRect(point)) return Part::Text;
  return Part::None;
}

void CellSpinEdit::SetHot(Part part) {
  if (part == hot_) return;
  hot_ = part;
  Invalidate(FALSE);
}

// While a drag holds the capture the mouse stays with the editor; the leave comes once it is released elsewhere.
void CellSpinEdit::OnMouseLeave() {
  hover_.Leave(m_hWnd);
  SetHot(Part::None);
}

void CellSpinEdit::OnLButtonDown(UINT, CPoint point) {
  Part part = PartAt(point);
  if (part == Part::Popup) {
    OpenPopup();
    return;
  }
  if (part != Part::SpinUp && part != Part::SpinDown) return;
  pressed_ = part;
  dragging_ = true;
  dragMoved_ = false;
  dragStartY_ = point.y;
  dragStartValue_ = Value();
  SetCapture();
  Invalidate(FALSE);
}

// Quick clicks on the spin are steps each, not a double click.
void CellSpinEdit::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void CellSpinEdit::OnMouseMove(UINT, CPoint point) {
  if (!dragging_) {
    hover_.Enter(m_hWnd);
    SetHot(PartAt(point));
    return;
  }
  int distance = dragStartY_ - point.y;
  if (std::abs(distance) >= kDragThreshold) dragMoved_ = true;
  if (dragMoved_) SetUserValue(dragStartValue_ + distance * StepSize());
}

void CellSpinEdit::OnLButtonUp(UINT, CPoint) {
  if (!dragging_) return;
  dragging_ = false;
  Part pressed = std::exchange(pressed_, Part::None);
  if (GetCapture() == this) ReleaseCapture();
  Invalidate(FALSE);
  if (!dragMoved_) {
    Step(pressed == Part::SpinUp ? 1 : -1);
    return;
  }
  FinishUserEdit(dragStartValue_);
}

// Capture taken away in the middle of a drag (another window, a menu) ends the drag where it is.
void CellSpinEdit::OnCaptureChanged(CWnd*) {
  if (!dragging_) return;
  dragging_ = false;
  pressed_ = Part::None;
  Invalidate(FALSE);
  if (dragMoved_) FinishUserEdit(dragStartValue_);
}

void CellSpinEdit::OnEnable(BOOL bEnable) {
  if (text_.GetSafeHwnd() != nullptr) text_.EnableWindow(bEnable);
  Invalidate(FALSE);
}

void CellSpinEdit::OpenPopup() {
  if (popup_ != nullptr || Minimum() >= Maximum()) return;
  valueAtPopup_ = Value();
  popup_ = std::make_unique<CellSpinPopup>(*this);
  pressed_ = Part::Popup;
  if (!popup_->Open()) {
    popup_.reset();
    pressed_ = Part::None;
  }
  Invalidate(FALSE);
}

LRESULT CellSpinEdit::OnPopupClosed(WPARAM keep, LPARAM) {
  if (popup_ == nullptr) return 0;
  popup_.reset();
  pressed_ = Part::None;
  Invalidate(FALSE);
  if (!keep) SetUserValue(valueAtPopup_);
  FinishUserEdit(valueAtPopup_);
  return 0;
}

BOOL CellSpinEdit::OnEraseBkgnd(CDC*) { return TRUE; }

void CellSpinEdit::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  IColorManager* colors = ColorMan();
  COLORREF window = colors->GetColor(kWindow);
  COLORREF line = colors->GetColor(kAppWorkspace);
  dc.FillSolidRect(&client, window);
  CRect frame = textRect_;
  frame.right = popupRect_.right;
  CBrush lineBrush;
  lineBrush.CreateSolidBrush(line);
  if (!frame.IsRectEmpty()) dc.FrameRect(&frame, &lineBrush);
  DrawSpin(dc);
  DrawPopupButton(dc);
}

void CellSpinEdit::DrawSpin(CDC& dc) const {
  if (spinRect_.IsRectEmpty()) return;
  IColorManager* colors = ColorMan();
  bool enabled = IsWindowEnabled() != FALSE;
  COLORREF face = colors->GetColor(kBackground);
  COLORREF text = colors->GetColor(kControlText);
  COLORREF ink = enabled ? text : HostDisabledTextColor();
  CRect up(spinRect_.left, spinRect_.top, spinRect_.right, spinRect_.CenterPoint().y);
  CRect down(spinRect_.left, up.bottom, spinRect_.right, spinRect_.bottom);
  for (auto [box, part] : {std::pair{up, Part::SpinUp}, std::pair{down, Part::SpinDown}}) {
    COLORREF fill = face;
    if (enabled && pressed_ == part) fill = HostPressedColor();
    else if (enabled && hot_ == part) fill = HostHotColor();
    dc.FillSolidRect(&box, fill);
    Arrow(dc, box, part == Part::SpinUp, ink);
  }
  CBrush lineBrush;
  lineBrush.CreateSolidBrush(colors->GetColor(kAppWorkspace));
  CRect frame = spinRect_;
  dc.FrameRect(&frame, &lineBrush);
}

void CellSpinEdit::DrawPopupButton(CDC& dc) const {
  if (popupRect_.IsRectEmpty()) return;
  IColorManager* colors = ColorMan();
  bool enabled = IsWindowEnabled() != FALSE;
  COLORREF face = colors->GetColor(kBackground);
  COLORREF fill = face;
  if (enabled && (pressed_ == Part::Popup || popup_ != nullptr)) fill = HostPressedColor();
  else if (enabled && hot_ == Part::Popup) fill = HostHotColor();
  CRect box = popupRect_;
  dc.FillSolidRect(&box, fill);
  // A slider knob on a short track stands for "pick from the range".
  COLORREF text = colors->GetColor(kControlText);
  COLORREF ink = enabled ? text : HostDisabledTextColor();
  CPoint centre = box.CenterPoint();
  int reach = std::max(2, box.Width() / 2 - 3);
  dc.FillSolidRect(centre.x - reach, centre.y, 2 * reach + 1, 1, ink);
  dc.FillSolidRect(centre.x - 2, centre.y - 4, 5, 9, enabled ? colors->GetColor(kAccent) : ink);
  CBrush lineBrush;
  lineBrush.CreateSolidBrush(colors->GetColor(kAppWorkspace));
  dc.FrameRect(&box, &lineBrush);
}

BEGIN_MESSAGE_MAP(CellSpinEdit::TextPart, CEdit)
  ON_WM_KEYDOWN()
  ON_WM_CHAR()
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CellSpinEdit::TextPart::OnKeyDown(UINT nChar, UINT, UINT) {
  switch (nChar) {
    case VK_RETURN:
      owner_.CommitText();
      return;
    case VK_ESCAPE:
      owner_.ShowValue();
      return;
    case VK_UP:
    case VK_DOWN:
      owner_.CommitText();
      owner_.Step(nChar == VK_UP ? 1 : -1);
      return;
    default:
      Default();
  }
}

// Enter and Escape are handled as keys; their characters would only beep.
void CellSpinEdit::TextPart::OnChar(UINT nChar, UINT, UINT) {
  if (nChar == L'\r' || nChar == 0x1B) return;
  Default();
}

HBRUSH CellSpinEdit::TextPart::CtlColor(CDC* pDC, UINT) {
  pDC->SetTextColor(HostColor(kControlText));
  pDC->SetBkColor(HostColor(kWindow));
  return ColorMan()->GetBrush(kWindow);
}

void CellSpinEdit::TextPart::OnSetFocus(CWnd*) {
  accelerators_.FocusGained();
  Default();
}

void CellSpinEdit::TextPart::OnKillFocus(CWnd*) {
  Default();
  accelerators_.FocusLost();
  owner_.CommitText();
}

}  // namespace Talvo
