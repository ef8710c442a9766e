// What the user story's user does with the mouse and keyboard: clicks on windows, menu choices through
// the modal responder, picks in a drop-down, and the pictures of each step in every theme.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace Talvo {

class CellDropDown;

// Clicks the middle of a window (left or right button); false when it is not a visible window.
bool ClickWindow(HWND window, bool right = false);
// Clicks a point of a window's client area.
bool ClickClientPoint(HWND window, POINT point);
// Opens a menu by clicking a window (the click that opens it) and chooses `command` in it; false when the
// window is not there. A menu without that command is reported to the unexpected-modal handler.
bool ChooseFromMenu(HWND opener, UINT command, bool right = false);
// Picks the entry with that text in a drop-down, as a mouse choice in its list does; false without one.
bool PickInDropDown(CellDropDown* dropDown, const std::wstring& text);

// Saves a window (or, with `screenArea`, that part of the screen) as "story-<nn>-<step>-<theme>.png" for
// each theme, repainting in that theme first; the light theme is back afterwards. False (after a line on
// stderr) when a picture cannot be written.
bool SaveStoryPictures(HWND window, const RECT* screenArea, const std::filesystem::path& folder, int number,
                       const std::string& step, const std::vector<std::string>& themes);

}  // namespace Talvo
