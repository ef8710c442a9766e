#include "editor/profile_tab_template.h"

#include <windows.h>
#include <host/toolbar.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGITEMTEMPLATE Bar(WORD id, short x, short y, DWORD visible = WS_VISIBLE) {
  return DialogItem(CUSTTOOLBARWINDOWCLASS, id, visible, x, y, 15, 15, L"");
}

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page = ChildPageFrame(700, 400);
  page.items = {
      DialogItem(WC_STATICW, IDC_PROFILE_CURRENT_LABEL, WS_VISIBLE, 17, 11, 80, 8, L"Current Profile"),
      DialogItem(WC_EDITW, IDC_PROFILE_NAME, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 17, 24, 93, 12, L""),
      Bar(IDC_PROFILE_SAVE_BAR, 127, 24),
      Bar(IDC_PROFILE_EXPORT_BAR, 148, 24),
      Bar(IDC_PROFILE_ZIP_BAR, 168, 24),
      DialogItem(WC_STATICW, IDC_PROFILE_EXISTING_LABEL, WS_VISIBLE, 17, 43, 80, 8, L"Existing Profiles"),
      DialogItem(WC_BUTTONW, IDC_PROFILE_MENU, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 15, 56, 97, 14, L""),
      Bar(IDC_PROFILE_NEW_BAR, 128, 57),
      Bar(IDC_PROFILE_DELETE_BAR, 148, 57),
      Bar(IDC_PROFILE_IMPORT_BAR, 168, 57),
      Bar(IDC_PROFILE_SPARE_BAR, 188, 57, 0),
      DialogItem(WC_STATICW, IDC_PROFILE_KEYBOARD, WS_VISIBLE | SS_ETCHEDFRAME, 10, 86, 680, 230, L""),
      DialogItem(WC_STATICW, IDC_PROFILE_QUICK_LABEL, WS_VISIBLE, 14, 330, 100, 8, L"Quick Profile Selection"),
      DialogItem(WC_STATICW, IDC_PROFILE_LOGO, WS_VISIBLE, 665, 7, 15, 13, L""),
  };
  for (short slot = 0; slot < 6; ++slot) {
    const short x = static_cast<short>(20 + slot * 110);
    page.items.push_back(DialogItem(WC_BUTTONW, static_cast<WORD>(IDC_PROFILE_QUICK_MENU_FIRST + slot),
                                    WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, 370, 87, 14, L""));
    page.items.push_back(DialogItem(WC_BUTTONW, static_cast<WORD>(IDC_PROFILE_QUICK_CHECK_FIRST + slot),
                                    WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, static_cast<short>(x + 90), 371, 12, 12,
                                    L""));
    page.items.push_back(DialogItem(WC_STATICW, static_cast<WORD>(IDC_PROFILE_QUICK_MARKER_FIRST + slot), WS_VISIBLE,
                                    static_cast<short>(x + 36), 352, 16, 15, L""));
  }
  return page;
}

}  // namespace

void RegisterProfileTabTemplate() {
  if (FindDialogTemplate(IDD_PROFILES_PAGE) == nullptr) RegisterDialogTemplate(IDD_PROFILES_PAGE, MakeTemplate());
}

}  // namespace Talvo
