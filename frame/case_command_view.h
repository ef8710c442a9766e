// What the editor window's case and key commands need of the pages: the current function editor page
// (its input and level and the changes it shows), the page strip and the functions page. The editor window
// binds it to its real pages (FramePagesView); the commands themselves only change documents and call this.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace Talvo {

class CGridCtrl;

class iCaseCommandView {
 public:
  // The current function editor page: the functions page is active and its editor strip shows one of its
  // case pages. False when there is none.
  virtual bool HasEditorPage() const = 0;
  // The page's input (its name) and the keyword of the level it shows; empty without a page.
  virtual std::wstring GetPageInput() const = 0;
  virtual std::wstring GetPageLevel() const = 0;
  // The sub-page code of the functions page's active editor page (136, 137, 138, 232 or 65535).
  virtual std::uint16_t GetActiveSubPageCode() const = 0;

  // Adds an editor page for `input` with a tab titled `label`, activates the editor strip's last tab and
  // expands the new page's case of selection count 0 with modifier byte 3.
  virtual void AddEditorPage(const std::wstring& input, const std::wstring& label) = 0;
  // The current page becomes the page of `input` with a tab titled `label`: its corner button and level
  // header are refreshed and the strip's mode button goes. An "Unwrap UVW" page offers no border and
  // element levels from then on.
  virtual void RenameEditorPage(const std::wstring& input, const std::wstring& label) = 0;
  // The current page shows `level`: its expanded case takes modifier byte 3 when `resetExpanded` is set,
  // its level list is rebuilt when `rebuildLevels` is set, its corner button, level header and grid are
  // refreshed.
  virtual void ShowPageLevel(const std::wstring& level, bool resetExpanded, bool rebuildLevels) = 0;
  // Rebuilds the current page's grid from the function.
  virtual void RefreshPageGrid() = 0;
  virtual void SendToPage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Whether a grid is one of the function editor's live grids (a pointer kept in the case clipboard may
  // outlive its grid; it is compared, never followed).
  virtual bool IsLiveGrid(const CGridCtrl* grid) const = 0;
  // Brings a grid's case row into line with its case after a paste, when the grid is one of the function
  // editor's live grids (a grid that is gone is never touched).
  virtual void ShowPastedCase(const CGridCtrl* grid, int row) = 0;

  // The page strip.
  virtual void ActivatePage(int index) = 0;
  virtual void RebuildAssignmentTabs() = 0;
  // Closes the key's assignment page when it has one, showing the profiles page instead.
  virtual void CloseAssignmentPage(int key) = 0;

  // The functions page: re-reads everything, or runs its new-function command.
  virtual void RefreshFunctionsPage() = 0;
  virtual void NewFunction() = 0;

 protected:
  ~iCaseCommandView() = default;
};

}  // namespace Talvo
