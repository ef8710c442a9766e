// What the host's selection says about the context of a key press: which editable object or modifier
// is worked on, at which sub-object level, and how many items are selected.
#pragma once

#include <string>

namespace Talvo {

// String-table ids of the modifier names; 0 means the context could not be determined.
inline constexpr int kModifierCodeUnresolved = 0;
inline constexpr int kModifierCodeEditablePoly = 136;
inline constexpr int kModifierCodeEditPoly = 137;
inline constexpr int kModifierCodeUnwrapUVW = 138;
inline constexpr int kModifierCodeNone = 232;

struct HostSelection {
  int modifierCode = kModifierCodeUnresolved;
  std::wstring inputType;  // the case input type of the modifier code ("No modifier" for 232), or empty
  std::wstring mode;       // the level keyword ("vertex" ... "objects"), or empty when the level is unknown
  int count = 0;           // selected sub-objects, or selected nodes at object level
  bool levelResolved = false;
};

// Reads the current edit object and the selected nodes of the host. Only reads.
HostSelection ReadHostSelection();

}  // namespace Talvo
