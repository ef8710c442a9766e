// The folders the stand-in host program works in: made when missing and proved writable before anything
// else runs, so that a folder the program cannot use is named as such in the first message.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Makes `folder` (and its parents) when missing and writes and removes a probe file in it. Nothing when the
// folder can be used; otherwise one line naming it by `role` ("data folder", "screenshot folder") and why.
std::optional<std::string> PrepareWritableFolder(const std::filesystem::path& folder, const std::string& role);
