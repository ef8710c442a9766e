// The tour's look at the function editor: a function of each kind with real cases, shown in the editor
// window's functions page as the user has it, saved in each theme.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Makes one function of each kind 1100..1108 with cases (one undo step, undone at the end), opens the
// editor window on each function's page that holds the cases with its plain tap group expanded, and saves
// "function-editor-<kind>-<theme>.png". False (after one line on stderr) when a picture cannot be written.
bool ShowFunctionEditors(const std::filesystem::path& folder, const std::vector<std::string>& themes);
