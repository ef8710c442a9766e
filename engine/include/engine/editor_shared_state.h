// State the editor's pages and grids share on the user-interface thread: the case clipboard (the case
// last right-clicked or copied) and the record of the grid cell's "+" button menu. The global utility's
// start resets both.
#pragma once

#include <string>

namespace Talvo {

class CGridCtrl;

struct CaseClipboard {
  bool copied = false;
  // The target case: the clicked page's function, input (page name), mode, selection, press and
  // modifier byte, and the clicked grid cell.
  std::wstring functionId;
  std::wstring input;
  std::wstring mode;
  int selection = -1;
  int press = -1;
  unsigned char modifiers = 3;
  CGridCtrl* grid = nullptr;
  int row = -1;
  int column = -1;
  // The copied command.
  std::wstring group;
  std::wstring category;
  std::wstring action;
  int tableId = -1;
  int actionId = -1;
  std::wstring macroName;
  int macroId = -1;
  std::wstring macroFileName;
  std::wstring macroInternalCategory;
  std::wstring macroCategory;
  std::wstring scriptId;
};

struct CellMenuRecord {
  int selection = -1;
  unsigned char modifiers = 3;
  int press = -1;
  bool menuOpen = false;
};

CaseClipboard& GetCaseClipboard();
CellMenuRecord& GetCellMenuRecord();
void ResetEditorSharedState();

}  // namespace Talvo
