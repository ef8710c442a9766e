// The editor window's script commands: the right-click menu of a case's script drop-down (New, Open, Edit,
// Rename, Copy, Paste, Delete). They act on the drop-down of the cell the case clipboard names and on the
// custom-scripts document; a cell that is gone, or has no drop-down, makes them do nothing.
#pragma once

#include <string>

#include "frame/case_command_view.h"

namespace Talvo {

class CellDropDown;

class ScriptCommands {
 public:
  explicit ScriptCommands(iCaseCommandView& view) : view_(view) {}

  void OnNewScript();
  void OnOpenScript();
  void OnEditScript();
  void OnRenameScript();
  void OnCopyScript();
  void OnPasteScript();
  void OnDeleteScript();

  // Edit, Rename, Copy and Delete need a chosen script.
  bool HasSelectedScript() const;

 private:
  // The script drop-down of the clicked cell, or null.
  CellDropDown* TargetDropDown() const;

  iCaseCommandView& view_;
};

}  // namespace Talvo
