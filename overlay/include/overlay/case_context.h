// The context a function's cases are looked up in: the host's selection adjusted by the function's kind
// (which kinds ignore the level, which use their own input type, which count the selection).
#pragma once

#include <string>

#include "model/xml_function.h"
#include "overlay/host_selection.h"

namespace Talvo {

struct CaseContext {
  std::wstring inputType;
  std::wstring mode;
  int count = 0;      // the host's selected count
  int selection = 0;  // the selected-count class 0..3 of the lookups
};

// Fills the context for a function; false when it stays unresolved (the input type, mode and count
// are filled all the same, the selection class is then 0).
bool ApplyFunctionKind(const XmlFunction& function, const HostSelection& host, CaseContext& context);

}  // namespace Talvo
