// What the overlay shows for one key and one modifier combination: the key, the selection context and
// the two rows of case entries.
#pragma once

#include <windows.h>

#include <string>

#include "overlay/overlay_rows.h"

namespace Talvo {

struct OverlayPreference {
  UINT key = 0xFFFFFFFF;        // virtual-key code of the shown key
  unsigned char modifiers = 3;  // the shown modifier byte
  std::wstring mode;
  std::wstring inputType;
  int count = 0;
  std::wstring keyName;
  OverlayRow rowA;  // cases of the resolved context, tap counts 1..4
  OverlayRow rowB;  // "Override Mode" cases, tap counts 1..4
};

// Resolves the context of the key's function in the current profile and appends both rows (the caller
// empties them first). The key, modifier byte and key name are stored whatever happens, the context
// fields as far as they were resolved. False when there is no function or no context; the rows are
// then left as they were.
bool ResolvePreference(UINT key, unsigned char modifiers, std::wstring keyName, OverlayPreference& preference);

}  // namespace Talvo
