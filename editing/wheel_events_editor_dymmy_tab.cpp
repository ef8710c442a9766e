#include "editing/wheel_events_editor_dymmy_tab.h"

#include <host/colors.h>

#include "resources/dialogs/wheel_events_plus_tab.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(WheelEventsEditorDymmyTab, CDialogEx)

BOOL WheelEventsEditorDymmyTab::CreatePage(CWnd *parent) {
  RegisterWheelEventsPlusTabTemplate();
  if (!Create(IDD_WHEEL_EVENTS_PLUS, parent))
    return FALSE;
  FollowHostColors();
  return TRUE;
}

void WheelEventsEditorDymmyTab::FollowHostColors() {
  SetBackgroundColor(ColorMan()->GetColor(kBackground), m_hWnd != nullptr);
}

} // namespace Talvo
