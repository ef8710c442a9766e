// The grid's case-row menu and the cell button's node menu.
#include "grid/grid_menus.h"

namespace Talvo {

void InstallGridNodeMenu() {}  // pending

}  // namespace Talvo
