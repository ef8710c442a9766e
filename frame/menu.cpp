#include "frame/menu.h"

#include "model/string_table.h"

namespace Talvo {

namespace {

void AppendCommand(CMenu& menu, UINT id) { menu.AppendMenu(MF_STRING, id, GetString(static_cast<int>(id))); }

void AppendSubmenu(CMenu& menu, CMenu& submenu, int titleId) {
  menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.GetSafeHmenu()), GetString(titleId));
}

}  // namespace

Menu::~Menu() {
  // Submenus first, so that each handle is destroyed exactly once by the object that holds it.
  for (CMenu* menu : {&unsavedProfiles_, &unsavedFunctions_, &file_, &edit_, &options_, &help_}) menu->DestroyMenu();
  DestroyMenu();
}

void Menu::Create() {
  CreateMenu();
  file_.CreatePopupMenu();
  edit_.CreatePopupMenu();
  options_.CreatePopupMenu();
  help_.CreatePopupMenu();
  unsavedProfiles_.CreatePopupMenu();
  unsavedFunctions_.CreatePopupMenu();

  // The unsaved-document lists start with a placeholder that the first rebuild removes.
  AppendCommand(unsavedProfiles_, kNoneItem);
  AppendCommand(unsavedFunctions_, kNoneItem);

  AppendCommand(file_, kSaveProfile);
  AppendSubmenu(file_, unsavedProfiles_, kUnsavedProfilesTitle);
  file_.AppendMenu(MF_SEPARATOR);
  AppendCommand(file_, kSaveFunction);
  AppendSubmenu(file_, unsavedFunctions_, kUnsavedFunctionsTitle);
  file_.AppendMenu(MF_SEPARATOR);
  AppendCommand(file_, kExportProfile);
  AppendCommand(file_, kExportFunction);
  file_.AppendMenu(MF_SEPARATOR);
  AppendCommand(file_, kLoadProfile);
  AppendCommand(file_, kLoadFunction);

  AppendCommand(edit_, kUndo);
  AppendCommand(edit_, kRedo);
  edit_.AppendMenu(MF_SEPARATOR);
  AppendCommand(edit_, kDeleteProfile);
  AppendCommand(edit_, kDeleteFunction);
  edit_.AppendMenu(MF_SEPARATOR);
  AppendCommand(edit_, kCloneProfile);
  AppendCommand(edit_, kCloneFunction);

  AppendCommand(options_, kOptions);
  AppendCommand(options_, kFixMacroIds);

  AppendCommand(help_, kAbout);
  AppendCommand(help_, kHelp);

  AppendSubmenu(*this, file_, kFileTitle);
  AppendSubmenu(*this, edit_, kEditTitle);
  AppendSubmenu(*this, options_, kOptionsTitle);
  AppendSubmenu(*this, help_, kHelpTitle);
}

}  // namespace Talvo
