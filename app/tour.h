// The steps of the stand-in host's tour of the loaded plug-in.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Prints the module's classes and every loaded document.
void PrintLoaded();
// Makes a learning-mode key in one undo step, posts what the keyboard hook posts for it, reports what
// the plug-in did, and undoes the step.
void PressLearningKey();
// Saves every visible top-level window in each theme; false (after one line on stderr) when a file
// cannot be written.
bool SaveScreenshots(const std::filesystem::path& folder, const std::vector<std::string>& themes);
