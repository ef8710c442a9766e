#include "editing/function_page_logo.h"

#include <string>

#include "controls/visual_manager.h"

namespace Talvo {

namespace {
constexpr UINT kActiveImages = 2 | 8;  // the "_a_i." and "_a_a." images
}  // namespace

void LoadPageLogo(Picture& logo) {
  if (logo.GetSafeHwnd() == nullptr) return;
  logo.LoadImages(ThemedIconFolder(), L"TalvoLogo", L"bmp", kActiveImages);
  logo.active = true;
  logo.hidden = false;
  logo.Invalidate();
}

void PlacePageLogo(CWnd& page, Picture& logo) {
  if (logo.GetSafeHwnd() == nullptr) return;
  CRect client;
  page.GetClientRect(&client);
  CRect own;
  logo.GetClientRect(&own);
  const int x = client.left + client.Width() + 1 - 9 * (own.Width() + 1) / 8;
  logo.SetWindowPos(nullptr, x, 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace Talvo
