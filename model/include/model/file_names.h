// File and folder names between the program's UTF-16 texts and the file system, whose names are UTF-8
// bytes. Every path the program makes from a text, or a text from a path, goes through these helpers:
// the standard library's own wide conversions depend on the C locale and throw on any non-ASCII name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace Talvo {

// The path of a program text.
std::filesystem::path PathFromWide(std::wstring_view text);
// The program text of a path; nothing when its bytes are not valid UTF-8.
std::optional<std::wstring> WideFromPath(const std::filesystem::path& path);
// The text of a path for messages: bytes that are not valid UTF-8 show as U+FFFD.
std::wstring PathForDisplay(const std::filesystem::path& path);

// Windows reserves these names in every folder, with any extension and in any letter case: CON, PRN,
// AUX, NUL, COM1-COM9, LPT1-LPT9. The data folders travel to Windows, so no document may be named so.
bool IsReservedDeviceName(std::wstring_view name);

}  // namespace Talvo
