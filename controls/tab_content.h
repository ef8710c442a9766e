// TabContent: the owner-painted static base of views drawn inside a page (the keyboard view). It
// paints through a BufferedDC; a derived view draws its content in DrawContent.
#pragma once

#include <afxwin.h>

namespace Talvo {

class TabContent : public CStatic {
  DECLARE_DYNAMIC(TabContent)
 public:
  TabContent();
  ~TabContent() override;

 protected:
  // The default content: the host's window colour inside a one-pixel frame in the line colour.
  virtual void DrawContent(CDC& dc, const CRect& client);
  void PreSubclassWindow() override;
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()
};

}  // namespace Talvo
