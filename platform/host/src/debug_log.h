// The debug log's text, kept for the test driver.
#pragma once

#include <string>

namespace host_internal {
std::wstring DebugLogText();
void ClearDebugLog();
}  // namespace host_internal
