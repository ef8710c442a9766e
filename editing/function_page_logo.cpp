#include "editing/function_page_logo.h"

#include <host/colors.h>
#include <host/core_interface.h>
#include <host/directories.h>

#include <string>

namespace Talvo {

namespace {
constexpr UINT kActiveImages = 2 | 8;  // the "_a_i." and "_a_a." images
}  // namespace

void LoadPageLogo(Picture& logo) {
  if (logo.GetSafeHwnd() == nullptr) return;
  const MCHAR* icons = GetCOREInterface()->GetDir(APP_ICONS_DIR);
  const bool light = ColorMan()->GetAppFrameColorTheme() != kDarkTheme;
  const std::wstring folder = std::wstring(icons != nullptr ? icons : L"") + (light ? L"Icons/" : L"IconsDark/");
  logo.LoadImages(folder, L"TalvoLogo", L"bmp", kActiveImages);
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
