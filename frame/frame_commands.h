// FrameCommands: the command target that carries out the editor window's case, key and script commands.
// The editor window routes every command and update request to it first (from its OnCmdMsg); what it has
// no entry for goes on along the window's own route.
#pragma once

#include <afxwin.h>

#include "frame/case_command_view.h"
#include "frame/case_commands.h"
#include "frame/key_commands.h"
#include "frame/script_commands.h"

namespace Talvo {

class FrameCommands : public CCmdTarget {
 public:
  explicit FrameCommands(iCaseCommandView& view) : cases_(view), keys_(view), scripts_(view) {}

  CaseCommands& GetCaseCommands() { return cases_; }
  ScriptCommands& GetScriptCommands() { return scripts_; }

 protected:
  void OnAddModifierPage(UINT id);
  void OnUpdateAddModifierPage(CCmdUI* pCmdUI);
  void OnAddModifierCase(UINT id);
  void OnSetPageLevel(UINT id);
  void OnUpdateSetPageLevel(CCmdUI* pCmdUI);
  void OnAddSubObjectCase(UINT id);
  void OnAddSelectionCount(UINT id);
  void OnUpdateAddSelectionCount(CCmdUI* pCmdUI);
  void OnAddContextSelection(UINT id);
  void OnAddKeyModifierCase(UINT id);
  void OnUpdateAddKeyModifierCase(CCmdUI* pCmdUI);
  void OnAddTapCountCase(UINT id);
  void OnUpdateAddTapCountCase(CCmdUI* pCmdUI);
  void OnCopyCase() { cases_.OnCopyCase(); }
  void OnUpdateCopyCase(CCmdUI* pCmdUI) { pCmdUI->Enable(cases_.CanCopyCase()); }
  void OnPasteCase() { cases_.OnPasteCase(); }
  void OnUpdatePasteCase(CCmdUI* pCmdUI) { pCmdUI->Enable(cases_.CanPasteCase()); }

  void OnDeleteAssignment() { keys_.OnDeleteAssignment(); }
  void OnEditKeyFunction() { keys_.OnEditKeyFunction(); }
  void OnCreateKeyFunction() { keys_.OnCreateKeyFunction(); }
  void OnAssignLearningInterface() { keys_.OnAssignLearningInterface(); }
  void OnDeleteLearningInterface() { keys_.OnDeleteLearningInterface(); }

  void OnNewScript() { scripts_.OnNewScript(); }
  void OnOpenScript() { scripts_.OnOpenScript(); }
  void OnEditScript() { scripts_.OnEditScript(); }
  void OnRenameScript() { scripts_.OnRenameScript(); }
  void OnCopyScript() { scripts_.OnCopyScript(); }
  void OnPasteScript() { scripts_.OnPasteScript(); }
  void OnDeleteScript() { scripts_.OnDeleteScript(); }
  void OnUpdateScriptAlways(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  void OnUpdateSelectedScript(CCmdUI* pCmdUI) { pCmdUI->Enable(scripts_.HasSelectedScript()); }

  DECLARE_MESSAGE_MAP()

 private:
  CaseCommands cases_;
  KeyCommands keys_;
  ScriptCommands scripts_;
};

}  // namespace Talvo
