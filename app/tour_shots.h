// Pictures of the tour: names, the host theme they are taken in, and saving a window or a screen area.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tour {

// The pictures of one theme: "<kind>-<name>-<theme>.png" in the folder.
struct Shots {
  std::filesystem::path folder;
  std::string theme;
  std::filesystem::path File(const std::string& kind, const std::string& name) const {
    return folder / (kind + "-" + name + "-" + theme + ".png");
  }
};

// Switches the host to the theme ("light" or "dark") and lets every window repaint.
void UseTheme(const std::string& theme);
// Prints the picture's name, or one line on stderr when it was not written; returns `written`.
bool Report(bool written, const std::filesystem::path& file);
bool SaveWindow(HWND window, const std::filesystem::path& file);
// The screen area that holds every given window (null ones skipped), widened by `margin`.
RECT AreaAround(const std::vector<HWND>& windows, int margin);
bool SaveArea(const RECT& area, const std::filesystem::path& file);
// Moves the mouse to the screen's far corner, so that no control stays highlighted in later pictures.
void MouseAway();

}  // namespace tour
