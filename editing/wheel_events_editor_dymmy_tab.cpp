#include "editing/wheel_events_editor_dymmy_tab.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(WheelEventsEditorDymmyTab, PlusPage)

}  // namespace Talvo
