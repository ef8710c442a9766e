// The editor window's key commands: the items of a keyboard key's menu (edit or create the key's function,
// delete its assignment, give it or take away the learning interface). They act on the key button whose
// menu was opened last and on the current profile; without either they do nothing.
#pragma once

#include "frame/case_command_view.h"

namespace Talvo {

class KeyButton;
class XmlProfile;

class KeyCommands {
 public:
  explicit KeyCommands(iCaseCommandView& view) : view_(view) {}

  void OnDeleteAssignment();
  void OnEditKeyFunction();
  void OnCreateKeyFunction();
  void OnAssignLearningInterface();
  void OnDeleteLearningInterface();

 private:
  // Takes the learning interface off a button's key in the profile and off the button.
  static void RemoveLearningInterface(XmlProfile& profile, KeyButton& button);

  iCaseCommandView& view_;
};

}  // namespace Talvo
