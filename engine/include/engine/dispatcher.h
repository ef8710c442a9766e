// The dispatcher: runs the case of the function assigned to a key for a tap count, a modifier byte and
// the selection context in the host, inside one undo step.
#pragma once

#include <windows.h>

#include <string>

#include "model/xml_function.h"

namespace Talvo {

// The selection context a function's cases are looked up in.
struct SelectionContext {
  std::wstring input;  // "Editable Poly", "Edit Poly", "Unwrap UVW", "No modifier", "3DSMax Classic", ...
  std::wstring mode;   // "vertex", "edge", ..., "objects" or "global"
  int selection = 0;   // selected-count class 0..3 used for the lookup
};

// Works out the selection context for a function from the host's selection. The overlay's resolver
// implements it; false when the context cannot be resolved.
class iContextResolver {
 public:
  virtual bool Resolve(const XmlFunction& function, SelectionContext& context) = 0;

 protected:
  ~iContextResolver() = default;
};

// The context when nothing in the host is looked at: no modifier, nothing selected, with the function
// kind's own input type and mode ("global" for the kinds whose cases ignore the level).
SelectionContext DefaultContext(const XmlFunction& function);

// The resolver the dispatcher asks; null restores the default context.
void SetContextResolver(iContextResolver* resolver);

// Synthetic key events sent on for "Original key behavior" carry these bits in their lParam (bits 25 to
// 28, which real key messages leave clear), so that the keyboard side lets them pass.
inline constexpr LPARAM kSyntheticKeyMarker = 0x1E000000;
inline bool IsSyntheticKey(LPARAM lParam) { return (lParam & kSyntheticKeyMarker) == kSyntheticKeyMarker; }

// Runs the case for a virtual key, tap count 1..4 and modifier byte: the resolved context's case, or the
// "Override Mode" case when `overrideRow` is set or the context has none. True when a case ran.
bool RunFunctionCase(UINT virtualKey, int taps, unsigned char modifiers, bool overrideRow);

// Runs one case of a function inside an undo hold labelled with the function's name.
bool RunCase(const XmlFunction& function, const CaseKeys& keys, UINT virtualKey);

}  // namespace Talvo
