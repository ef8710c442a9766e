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
// `imported` has the imported set's display name. True when the name is free in
// the end; false when the user kept the clashing name (Cancel) or the dialog
// could not run.
bool RenameWhileNameTaken(CWnd *parent, XmlWheelEvents &imported,
                          const XmlWheelEventsDir &folder);

} // namespace Talvo
