// Identity of a wheel-events set that joins the folder from outside (an imported file or a clone): it
// must neither share an id with a set of the folder nor write over another set's file.
#pragma once

namespace Talvo {

class XmlWheelEvents;
class XmlWheelEventsDir;

// Gives `set` a new id and names its document after that id when its id is not a valid document id or
// is carried by another set of the folder, or when its document name is empty or already names another
// set or a file of the folder (compared without letter case). True when the identity changed.
bool GiveFreshWheelEventsIdentity(const XmlWheelEventsDir& folder, XmlWheelEvents& set);

}  // namespace Talvo
