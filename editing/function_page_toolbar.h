// The one-button toolbars of the functions and wheel-events pages: each host toolbar control of the page's
// template gets one 22 x 22 push button that shows two 20 x 20 images of the page's image list (up and
// pressed) and sends its command to the page. The page hands the list over again when the host theme
// replaced it.
#pragma once

#include <afxwin.h>

#include <vector>

namespace Talvo {

struct PageToolbarButton {
  int controlId;  // the toolbar control of the template
  int command;    // what the button sends
  int upImage;    // the pressed image follows it
};

class PageToolbars {
 public:
  // Puts one button on each toolbar control of `page`, drawing from `images`.
  void Create(CWnd& page, const std::vector<PageToolbarButton>& buttons, HIMAGELIST images);
  // Points every toolbar at a new image list and repaints it.
  void SetImages(HIMAGELIST images);

 private:
  std::vector<HWND> bars_;
};

}  // namespace Talvo
