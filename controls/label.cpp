#include "controls/label.h"

#include "controls/buffered_dc.h"
#include "controls/visual_manager.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(Label, CStatic)

BEGIN_MESSAGE_MAP(Label, CStatic)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_MESSAGE(WM_SETTEXT, &Label::OnSetText)
END_MESSAGE_MAP()

Label::Label() = default;
Label::~Label() = default;

void Label::PreSubclassWindow() {
  CStatic::PreSubclassWindow();
  text_ = GetWindowText();
}

// Text set through the window (creation, SetWindowText, a dialog) becomes the label's text.
LRESULT Label::OnSetText(WPARAM, LPARAM lParam) {
  const LRESULT result = Default();
  text_ = lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : L"";
  erased_ = false;
  Invalidate(FALSE);
  return result;
}

void Label::SetText(const std::wstring& text) {
  if (m_hWnd == nullptr) {
    text_ = text;
    erased_ = false;
    return;
  }
  SetWindowText(text);  // stores it through OnSetText and repaints
}

void Label::EraseText() {
  erased_ = true;
  if (m_hWnd != nullptr) Invalidate(FALSE);
}

BOOL Label::OnEraseBkgnd(CDC*) { return TRUE; }

void Label::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  if (dc.m_hDC == nullptr) return;
  dc.FillSolidRect(&client, HostColor(kBackground));
  if (erased_ || text_.empty()) return;
  HFONT font = HostFont();
  if (height > 0) {
    if (headerFontHeight_ != height) {
      headerFont_.DeleteObject();
      LOGFONTW logFont{};
      ::GetObjectW(HostFont(), sizeof logFont, &logFont);
      logFont.lfHeight = -height;
      logFont.lfWeight = FW_BOLD;
      headerFont_.CreateFontIndirect(&logFont);
      headerFontHeight_ = height;
    }
    font = static_cast<HFONT>(headerFont_.m_hObject);
  }
  ::SelectObject(dc.m_hDC, font);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(IsWindowEnabled() ? HostColor(kControlText) : HostDisabledTextColor());
  const DWORD style = GetStyle();
  UINT format = DT_NOPREFIX | DT_WORDBREAK;
  if ((style & SS_TYPEMASK) == SS_RIGHT) format |= DT_RIGHT;
  if ((style & SS_TYPEMASK) == SS_CENTER) format |= DT_CENTER;
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  CRect text = client;
  dc.DrawText(text_, &text, format);
}

}  // namespace Talvo
