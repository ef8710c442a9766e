// The tour of every window the editor opens besides its pages: dialogs, message boxes, popup menus, open
// lists, and pages in states the plain page tour does not reach. It works on data of its own, made in one
// undo step that is undone at the end, so the data folder stays as it was.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tour_shots.h"

namespace Talvo {
class Frame;
class FunctionEditorTab;
class CTreeGridCtrl;
}  // namespace Talvo

namespace tour {

// What the tour made and where the editor is.
struct TourData {
  Talvo::Frame* frame = nullptr;
  std::wstring functionId;      // a context-sensitive function with Editable Poly and Unwrap UVW cases
  std::wstring classicId;       // a function of the classic kind
  std::wstring scriptId;        // a custom script its cases use
  int functionKey = -1;         // the key that carries the context-sensitive function, its page open
  int functionLetter = 0;       // that key's virtual key
  int learningKey = -1;         // the key that carries the learning interface
  int overlayLetter = 0;        // the virtual key of the overlay's function for several modifiers
  std::filesystem::path files;  // a folder for the files the tour writes and reads
};

// Brings the editor window to the front, as the user's click on it does (a closed dialog gives the
// activation back to the window that had it before).
void FrontEditor(const TourData& data);
// Shows the function on the functions page with the editor page of `input` in front; that page or null.
Talvo::FunctionEditorTab* ShowFunctionPage(Talvo::Frame& frame, const std::wstring& functionId,
                                           const std::wstring& input);
// Opens the slider of the first visible spin editor of the grid and saves "menu-spin-popup".
bool ShootSpinPopup(const Shots& shots, Talvo::CTreeGridCtrl& grid);

// Each saves its pictures of one theme; false (after one line on stderr) when a window did not open or a
// picture could not be written.
bool ShootDialogs(const TourData& data, const Shots& shots);
bool ShootMenus(const TourData& data, const Shots& shots);
bool ShootPages(const TourData& data, const Shots& shots);

// The whole tour, in each theme; `dataFolder` holds its exchanged files.
bool TourWindows(const std::filesystem::path& folder, const std::filesystem::path& dataFolder,
                 const std::vector<std::string>& themes);

}  // namespace tour
