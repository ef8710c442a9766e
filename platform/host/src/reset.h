// Resets of the host's parts, called when the host starts and between tests.
#pragma once

namespace host_internal {
void ResetAccelerators();
void ResetNotifications();
void ResetMAXScript();
void ResetDirectories();
void ResetDialogWindows();
void ResetStandardActions();
void ResetMenus();
}  // namespace host_internal
