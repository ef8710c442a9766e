// The editor window's case commands: the items of the function editor's pop-up menus ("+" tab menu, mode
// button menu, level menu, a grid cell's "+" menu and a case row's right-click menu). Each changes the
// current function and then tells the current function editor page what to show; their enable rules
// answer the menus' update requests. Without a current function, editor page, input or level a command
// does nothing.
#pragma once

#include <string>

#include "frame/case_command_view.h"

namespace Talvo {

class XmlFunction;

class CaseCommands {
 public:
  explicit CaseCommands(iCaseCommandView& view) : view_(view) {}

  // "+" tab menu: a new modifier page with the default case, one undo step.
  void AddModifierPage(const std::wstring& input);
  // Mode button menu: the single-tap or multi-tap page becomes a modifier page.
  void AddModifierCase(const std::wstring& input);
  // Level menu of a page whose function does not use the "global" level: adds and shows a level.
  void SetPageLevel(const std::wstring& level, int levelTextId);
  // Level menu of a page that is still global: its "global" level becomes `level`.
  void AddSubObjectCase(const std::wstring& level);
  // A grid cell's "+" menu.
  void AddSelectionCount(int selection);
  void AddContextSelection(int selection);
  void AddKeyModifierCase(int selection, unsigned char modifiers);
  void AddTapCountCase(int selection, unsigned char modifiers, int press);
  // A case row's right-click menu.
  void OnCopyCase();
  void OnPasteCase();

  // Enable rules of the menu items.
  bool CanAddModifierPage(const std::wstring& input) const;
  bool CanSetPageLevel(const std::wstring& level) const;
  bool CanAddSelectionCount(int selection) const;
  bool CanAddKeyModifierCase(unsigned char modifiers) const;
  bool CanAddTapCountCase(int press) const;
  bool CanCopyCase() const;
  bool CanPasteCase() const;

 private:
  // The current function when there is a current editor page with an input and a level, else null.
  XmlFunction* PageFunction() const;

  iCaseCommandView& view_;
};

// The string id of the tab title of a modifier page ("Objects Mode" for "No modifier"), 0 for another input.
int ModifierPageTitleId(const std::wstring& input);

}  // namespace Talvo
