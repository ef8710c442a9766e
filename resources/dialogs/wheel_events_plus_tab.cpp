#include "resources/dialogs/wheel_events_plus_tab.h"

#include <windows.h>

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page;
  page.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
  page.cx = 316;
  page.cy = 183;
  page.pointsize = 8;
  page.typeface = L"MS Shell Dlg";
  return page;
}

} // namespace

void RegisterWheelEventsPlusTabTemplate() {
  if (FindDialogTemplate(IDD_WHEEL_EVENTS_PLUS) == nullptr) {
    RegisterDialogTemplate(IDD_WHEEL_EVENTS_PLUS, MakeTemplate());
  }
}

} // namespace Talvo
