// Names the user gives to documents (profiles, functions, wheel-event sets). Documents are stored under
// file names of their own, but two documents of one kind must still be told apart by name, and a name may
// end up as a file name when the document is exported or moved to Windows, whose file system compares
// names without regard to letter case.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace Talvo {

// Whether two names are the same when letter case is ignored (Latin, Greek and Cyrillic letters).
bool SameNameIgnoringCase(std::wstring_view a, std::wstring_view b);

// Whether a text can be a document or file name: a plain name without separators, reserved characters or
// control characters that is no device name on Windows.
bool IsSafeDocumentName(const std::wstring& name);

// Why `name` may not name a document of the kind `noun` ("profile", "function"): empty when it may, else
// the reason to show. `takenByAnother` tells whether another document of the kind carries the name
// (letter case ignored).
std::wstring RefusalOfDocumentName(const std::wstring& noun, const std::wstring& name,
                                   const std::function<bool(const std::wstring&)>& takenByAnother);

}  // namespace Talvo
