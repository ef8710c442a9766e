// The steps of the stand-in host's tour of the loaded plug-in.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Prints the module's classes and every loaded document.
void PrintLoaded();
// Makes a learning-mode key in one undo step, posts what the keyboard hook posts for it with Ctrl held,
// saves the overlay that appears in each theme ("overlay-<theme>.png"), and undoes the step. False
// (after one line on stderr) when the overlay did not appear or a picture cannot be written.
bool PressLearningKey(const std::filesystem::path& folder, const std::vector<std::string>& themes);
// Saves every visible top-level window in each theme; false (after one line on stderr) when a file
// cannot be written.
bool SaveScreenshots(const std::filesystem::path& folder, const std::vector<std::string>& themes);
