// The editor window's part of the stand-in host's tour.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Opens one key's assignment page in the current profile, opens the editor window and saves, for each theme,
// "editor-<page>-<theme>.png" for every page of its strip and "editor-menu-<menu>-<theme>.png" with each
// menu of its menu bar open; then closes the editor. False (after one line on stderr) when the editor
// cannot be opened or a picture cannot be written.
bool TourEditor(const std::filesystem::path& folder, const std::vector<std::string>& themes);
