// What the OLE files share.
#pragma once

namespace mfc_internal {

// Releases the clipboard's data source and forgets OLE initialisation.
void ResetOleData();

}  // namespace mfc_internal
