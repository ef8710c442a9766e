#include "editing/function_editor_dymmy_tab.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(FunctionEditorDymmyTab, PlusPage)

}  // namespace Talvo
