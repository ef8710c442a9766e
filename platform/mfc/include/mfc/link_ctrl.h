// CMFCLinkCtrl: a button drawn as an underlined link; a click opens its address with the shell's
// "open" verb (ShellExecuteW). Without an address the caption is opened. The prefix (such as
// "http://") goes before the address.
#pragma once

#include <string>

#include "mfc/mfc_button.h"

class CMFCLinkCtrl : public CMFCButton {
  DECLARE_DYNCREATE(CMFCLinkCtrl)
 public:
  CMFCLinkCtrl();
  ~CMFCLinkCtrl() override;

  void SetURL(LPCWSTR lpszURL) { m_strURL = lpszURL != nullptr ? lpszURL : L""; }
  void SetURLPrefix(LPCWSTR lpszPrefix) { m_strPrefix = lpszPrefix != nullptr ? lpszPrefix : L""; }
  void SetTooltip(LPCWSTR lpszToolTip) { m_strToolTip = lpszToolTip != nullptr ? lpszToolTip : L""; }
  const std::wstring& GetTooltip() const { return m_strToolTip; }
  // What a click opens: the prefix followed by the address (or by the caption without one).
  std::wstring GetTarget() const;

 protected:
  // The parent's background (its WM_CTLCOLORBTN brush), not a button face.
  void OnFillBackground(CDC* pDC, const CRect& rect, UINT uiState) override;
  void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;
  // Opens the target; the parent still hears the click.
  BOOL OnClicked();

  std::wstring m_strURL;
  std::wstring m_strPrefix;
  std::wstring m_strToolTip;

  DECLARE_MESSAGE_MAP()
};
