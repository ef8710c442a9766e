// Menu: the editor window's menu bar menu with File, Edit, Options and Help, and the two File submenus
// that list the profiles and functions with unsaved changes. Every item's command id is the string id of
// its text.
#pragma once

#include <afxwin.h>

namespace Talvo {

class Menu : public CMenu {
 public:
  // Command ids (each the string id of the item's text) and the titles of the menus.
  static constexpr UINT kFileTitle = 107;
  static constexpr UINT kSaveProfile = 108;
  static constexpr UINT kUnsavedProfilesTitle = 109;
  static constexpr UINT kSaveFunction = 110;
  static constexpr UINT kUnsavedFunctionsTitle = 111;
  static constexpr UINT kExportProfile = 112;
  static constexpr UINT kExportFunction = 113;
  static constexpr UINT kLoadProfile = 114;
  static constexpr UINT kLoadFunction = 115;
  static constexpr UINT kUndo = 116;
  static constexpr UINT kRedo = 117;
  static constexpr UINT kDeleteProfile = 118;
  static constexpr UINT kDeleteFunction = 119;
  static constexpr UINT kCloneProfile = 120;
  static constexpr UINT kCloneFunction = 121;
  static constexpr UINT kOptions = 122;  // also the Options menu's title
  static constexpr UINT kAbout = 123;
  static constexpr UINT kHelp = 125;     // also the Help menu's title
  static constexpr UINT kEditTitle = 126;
  static constexpr UINT kNoneItem = 127;
  static constexpr UINT kFixMacroIds = 235;
  static constexpr UINT kOptionsTitle = kOptions;
  static constexpr UINT kHelpTitle = kHelp;

  Menu() = default;
  ~Menu() override;

  // Builds the bar menu, its four pop-ups and the two unsaved-document submenus.
  void Create();

  CMenu& GetFileMenu() { return file_; }
  CMenu& GetUnsavedProfilesMenu() { return unsavedProfiles_; }
  CMenu& GetUnsavedFunctionsMenu() { return unsavedFunctions_; }

 private:
  CMenu file_;
  CMenu edit_;
  CMenu options_;
  CMenu help_;
  CMenu unsavedProfiles_;
  CMenu unsavedFunctions_;
};

}  // namespace Talvo
