// What the in-place cell editors need of the grid above them. The grid, its cells and its pages live in
// higher layers; they implement these small interfaces (or carry these run-time class names), so that
// the editors can call up into them without knowing their classes.
#pragma once

#include <afxwin.h>

namespace Talvo {

// A grid cell that owns an editor window. The pages read the editor's cell back and cast it to the
// cell class they filled the grid with.
class iEditorCell {
 public:
  virtual ~iEditorCell() = default;
};

// A drop-down cell: re-reads the program's script list into its editor.
class iDropDownCell : public iEditorCell {
 public:
  virtual void SyncEditor() = 0;
};

// The grid as its editors call it: the context menu of the case under a point (grid client coordinates).
class iCellEditorGrid {
 public:
  virtual void ShowContextMenu(UINT nFlags, CPoint point) = 0;

 protected:
  ~iCellEditorGrid() = default;
};

// Whether the window's permanent object is of the named run-time class or derives from it.
bool IsWindowOfRuntimeClass(HWND window, const char* className);
// Whether the page that holds this grid is a wheel-events editor page.
bool IsWheelEventsGrid(HWND grid);

// Switches the host's keyboard accelerators off while an editor has the focus, so that typing is not taken
// for shortcuts, and back on when the focus leaves, when they had been on.
class FocusAccelerators {
 public:
  FocusAccelerators() = default;
  FocusAccelerators(const FocusAccelerators&) = delete;
  FocusAccelerators& operator=(const FocusAccelerators&) = delete;
  ~FocusAccelerators() { FocusLost(); }

  void FocusGained();
  void FocusLost();

 private:
  bool holding_ = false;
  bool wereOn_ = false;
};

}  // namespace Talvo
