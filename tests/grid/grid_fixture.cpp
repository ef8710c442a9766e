#include "grid_fixture.h"

namespace Talvo::testing {

IMPLEMENT_DYNAMIC(FunctionEditorTab, CWnd)
IMPLEMENT_DYNAMIC(OptionsEditorTab, CWnd)
IMPLEMENT_DYNAMIC(WheelEventsEditorTab, CWnd)

}  // namespace Talvo::testing
