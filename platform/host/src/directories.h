// Directory ids mapped to folders under the host's root folder.
#pragma once

#include <filesystem>
#include <string>

namespace host_internal {
void SetRootFolder(const std::wstring& root);
const std::wstring& RootFolder();
// The folder of an id (created on demand), or empty text for an unknown id or without a root.
const std::wstring& DirectoryOf(int which);
void OverrideDirectory(int which, const std::wstring& folder);
// The file-system path of a wide folder or file name: UTF-8 bytes, never the C locale's conversion.
std::filesystem::path NativeHostPath(const std::wstring& path);
}  // namespace host_internal
