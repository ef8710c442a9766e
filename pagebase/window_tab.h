// WindowTab: the base of the editor window's pages (profiles, functions, wheel events, key assignments).
// Each page is a modeless child dialog of the page strip; the base gives it the host's colours, the host's
// interface font at 16 pixels and a 20 x 20 image list filled from a host icon file that the page names.
// The image list follows the host's light or dark theme through the colour-change notification.
#pragma once

#include <afxdialogex.h>

#include <host/notify.h>

#include "pagebase/host_look.h"

#include <string>

namespace Talvo {

class WindowTab : public CDialogEx {
  DECLARE_DYNAMIC(WindowTab)
 public:
  static constexpr int kIconSize = 20;
  static constexpr int kFontHeight = 16;

  // The window is made later from `templateId`, with the page strip as parent.
  WindowTab(UINT templateId, CWnd* parent);
  ~WindowTab() override;

  BOOL OnInitDialog() override;

  // The host icon file whose icons fill the image list, and how many icons it holds.
  virtual std::wstring GetIconFileName() const = 0;
  virtual int GetIconCount() const = 0;

  HIMAGELIST GetImageList() const { return images_; }
  CFont& GetPageFont() { return font_; }

 protected:
  virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  virtual BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

 private:
  static void OnColorChange(void* param, NotifyInfo* info);
  void ReadHostLook();
  void CreateImageList();
  void DropImageList();

  CFont font_;
  HostLook look_;
  HIMAGELIST images_ = nullptr;
  bool registered_ = false;
};

}  // namespace Talvo
