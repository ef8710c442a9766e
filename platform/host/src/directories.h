// Directory ids mapped to folders under the host's root folder.
#pragma once

#include <string>

namespace host_internal {
void SetRootFolder(const std::wstring& root);
const std::wstring& RootFolder();
// The folder of an id (created on demand), or empty text for an unknown id or without a root.
const std::wstring& DirectoryOf(int which);
void OverrideDirectory(int which, const std::wstring& folder);
}  // namespace host_internal
