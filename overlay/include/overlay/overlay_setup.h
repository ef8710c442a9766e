// Connects the overlay to the plug-in core: the get-message hook then makes a VisualInterfaceForm when
// a key asks for the overlay, and the dispatcher resolves the selection context as the overlay does.
#pragma once

namespace Talvo {

void InstallVisualInterface();
// Disconnects both again (the dispatcher goes back to its default context).
void RemoveVisualInterface();

}  // namespace Talvo
