// Renaming an imported wheel-events set whose display name another set of the
// folder already carries: the rename dialog opens for each clash, and after
// every confirmed rename the folder is searched again from its first set,
// because the user may have typed a name that is taken too.
#pragma once

class CWnd;

namespace Talvo {

class XmlWheelEvents;
class XmlWheelEventsDir;

// Runs the rename dialog (owned by `parent`) while a set of `folder` other than
// `imported` has the imported set's display name; a cancelled dialog keeps the
// name as it is.
void RenameWhileNameTaken(CWnd *parent, XmlWheelEvents &imported,
                          const XmlWheelEventsDir &folder);

} // namespace Talvo
