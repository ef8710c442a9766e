// What the grid reads of the function editor page that holds it: the page's input name and the keyword of
// the level the page shows. The page lives in a higher layer and implements this interface; the grid finds
// it on its parent window.
#pragma once

#include <afxwin.h>

#include <string>

namespace Talvo {

class iFunctionEditorPage {
 public:
  // The page's input: a modifier case ("Editable Poly", "No modifier", "Override Mode") or a mode page.
  virtual std::wstring GetPageName() const = 0;
  // The keyword of the level the page shows now ("global", "vertex", "edge", ...).
  virtual std::wstring GetMappedText() const = 0;
  // After a vertical scroll of the grid: rows that came into view get what the page adds to shown rows.
  virtual void OnRowsScrolled() = 0;

 protected:
  ~iFunctionEditorPage() = default;
};

// Whether the grid's parent is a function editor page (by its run-time class "FunctionEditorTab").
bool IsFunctionEditorGrid(HWND grid);
// The page interface of the grid's function editor page; null when the parent is no such page or does not
// carry the interface.
iFunctionEditorPage* FunctionEditorPageOf(HWND grid);

}  // namespace Talvo
