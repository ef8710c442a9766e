// Wide-character formatting with the host platform's printf conventions.
#pragma once

#include <cstdarg>
#include <string>

namespace host_internal {

// Formats like the platform's wide printf, where "%s" and "%c" take wide arguments and "%S" and "%C"
// narrow ones, and "%I64d" is a 64-bit integer. The C library's wide printf reads these differently,
// so the format is translated before it is used.
std::wstring FormatV(const wchar_t* format, va_list args);

}  // namespace host_internal
