// HostLook: the host colours a page paints with (background, text, lines) and the background brush and line
// pen made from them. Pages read it when they are made and again when the host's theme changes.
#pragma once

#include <afxwin.h>

namespace Talvo {

class HostLook {
 public:
  // Reads the host's colours and remakes the brush and the pen from them.
  void Read();

  COLORREF Background() const { return background_; }
  COLORREF Text() const { return text_; }
  COLORREF Line() const { return line_; }
  CBrush& BackgroundBrush() { return brush_; }
  CPen& LinePen() { return pen_; }

  // A page's answer to WM_CTLCOLOR*: the background brush for the page itself, host-coloured text on a
  // transparent background for its static controls, nullptr for other kinds (the page's base answers those).
  HBRUSH CtlColor(CDC* dc, UINT kind);
  // Fills the client area of `page` with the background.
  void Erase(CWnd& page, CDC* dc);

 private:
  COLORREF background_ = 0;
  COLORREF text_ = 0;
  COLORREF line_ = 0;
  CBrush brush_;
  CPen pen_;
};

// The host's interface font, drawn cleartype.
LOGFONTW HostUILogFont();
// Makes `font` the host's interface font at `height` pixels (the host's own height when 0).
void CreateHostUIFont(CFont& font, LONG height = 0);

}  // namespace Talvo
