// CMFCLinkCtrl: an underlined caption in the link colour that opens its address when clicked.
#include "mfc/link_ctrl.h"

#include "mfc/visual_manager.h"

IMPLEMENT_DYNCREATE(CMFCLinkCtrl, CMFCButton)

BEGIN_MESSAGE_MAP(CMFCLinkCtrl, CMFCButton)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, &CMFCLinkCtrl::OnClicked)
END_MESSAGE_MAP()

CMFCLinkCtrl::CMFCLinkCtrl() = default;
CMFCLinkCtrl::~CMFCLinkCtrl() = default;

std::wstring CMFCLinkCtrl::GetTarget() const {
  return m_strPrefix + (m_strURL.empty() ? GetWindowText() : m_strURL);
}

BOOL CMFCLinkCtrl::OnClicked() {
  const std::wstring target = GetTarget();
  if (!target.empty()) ::ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return FALSE;
}

void CMFCLinkCtrl::OnFillBackground(CDC* pDC, const CRect& rect, UINT) {
  HWND parent = ::GetParent(m_hWnd);
  auto brush = reinterpret_cast<HBRUSH>(
      parent != nullptr ? ::SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(pDC->m_hDC),
                                         reinterpret_cast<LPARAM>(m_hWnd))
                        : 0);
  ::FillRect(pDC->m_hDC, &rect, brush != nullptr ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
}

void CMFCLinkCtrl::OnDraw(CDC* pDC, const CRect& rect, UINT) {
  LOGFONTW logFont{};
  CMFCVisualManager::GetInstance()->GetMenuFont()->GetLogFont(&logFont);
  logFont.lfUnderline = TRUE;
  CFont underlined;
  underlined.CreateFontIndirect(&logFont);
  CFont* old = pDC->SelectObject(&underlined);
  pDC->SetTextColor(CMFCVisualManager::GetInstance()->GetLinkTextColor(this));
  CRect text = rect;
  pDC->DrawText(GetWindowText(), &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  pDC->SelectObject(old);
}
