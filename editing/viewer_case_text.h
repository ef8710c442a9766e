// The texts of a function viewer's grid: block headers, the (label, value) pairs of the modifier groups
// and the value of one case as the viewer shows it.
#pragma once

#include <string>

#include "model/xml_function.h"

namespace Talvo {

// What a value cell shows, and the kind of command behind it.
enum ViewerValueKind : int {
  kViewerValueNone = 0,
  kViewerValueTableAction = 1,
  kViewerValueCustomScript = 2,
  kViewerValueOriginalKey = 3,
  kViewerValueMacroScript = 4,
};

struct ViewerValue {
  std::wstring text;
  int kind = kViewerValueNone;
};

// The value of a case: nothing for a missing case or an empty group; the custom script's name for
// "Custom Code"; "Original key behavior"; else the stored action-table command or macro script, shown as
// "«missing»" when the host no longer has it.
ViewerValue ViewerCaseValue(const XmlFunction& function, const CaseKeys& keys);

// Kinds whose cases do not depend on the selection (one block, no selection buttons).
bool IsNotContextSensitiveKind(int kind);
// Kinds that are not context-sensitive and know only the level "global".
bool IsGlobalOnlyKind(int kind);

// The header of a selection-count block: "Global [Not context sensitive]" when not context-sensitive,
// else "If <count> <word> selected" and, for count 3, "If more than 2 <plural> selected"; a "No modifier"
// page counts objects.
std::wstring BlockHeaderText(int selection, int levelCode, bool noModifierPage, bool notContextSensitive);

// The modifier byte of pair 0..3 of group 0 (none, Shift, Ctrl, Alt) or group 1 (Shift + Ctrl, Shift + Alt,
// Ctrl + Alt, Shift + Ctrl + Alt).
unsigned char PairModifierByte(int group, int pair);
// The label of a pair: its keys' prefix followed by the row word ("Tap" for tap count 0, the title row;
// "Single Tap" to "Quadra Tap" for 1 to 4).
std::wstring PairLabel(int group, int pair, int tapCount);

}  // namespace Talvo
