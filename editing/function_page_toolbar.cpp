#include "editing/function_page_toolbar.h"

#include <host/toolbar.h>

namespace Talvo {

namespace {
constexpr int kImageSize = 20;
constexpr int kButtonSize = 22;
}  // namespace

void PageToolbars::Create(CWnd& page, const std::vector<PageToolbarButton>& buttons, HIMAGELIST images) {
  for (const PageToolbarButton& button : buttons) {
    HWND bar = ::GetDlgItem(page.GetSafeHwnd(), button.controlId);
    ICustToolbar* toolbar = GetICustToolbar(bar);
    if (toolbar == nullptr) continue;
    toolbar->SetImage(images);
    const int pressed = button.upImage + 1;
    toolbar->AddTool(ToolButtonItem(CTB_PUSHBUTTON, button.upImage, pressed, button.upImage, pressed, kImageSize,
                                    kImageSize, kButtonSize, kButtonSize, button.command));
    ReleaseICustToolbar(toolbar);
    bars_.push_back(bar);
  }
}

void PageToolbars::SetImages(HIMAGELIST images) {
  for (HWND bar : bars_) {
    if (!::IsWindow(bar)) continue;
    if (ICustToolbar* toolbar = GetICustToolbar(bar)) {
      toolbar->SetImage(images);
      ReleaseICustToolbar(toolbar);
    }
    ::InvalidateRect(bar, nullptr, TRUE);
  }
}

}  // namespace Talvo
