// Dialogs: templates as data in dialog units, modeless and modal dialogs, the dialog procedure and the dialog
// manager (keyboard navigation through IsDialogMessage).
#pragma once

#include <string>
#include <vector>

#include "win32/types.h"

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// The standard dialog class.
#define WC_DIALOG L"#32770"

// Dialog styles.
#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_3DLOOK 0x04L
#define DS_FIXEDSYS 0x08L
#define DS_NOFAILCREATE 0x10L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// Dialog messages.
#define WM_NEXTDLGCTL 0x0028
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DM_REPOSITION (WM_USER + 2)
#define DC_HASDEFID 0x534B

// One control of a dialog template; position and size in dialog units.
struct DLGITEMTEMPLATE {
  DWORD style = 0;
  DWORD dwExtendedStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  WORD id = 0;
  std::wstring windowClass;  // any registered class: "BUTTON", "EDIT", "COMBOBOX", "MFCGridCtrl", ...
  std::wstring title;        // the control's text
};

// A dialog template as data: the dialog's style, caption, font and frame in dialog units, and its controls in
// creation (and tab) order. With DS_SETFONT the dialog uses `typeface` at `pointsize`; dialog units follow that
// font.
struct DLGTEMPLATE {
  DWORD style = 0;
  DWORD dwExtendedStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  std::wstring title;
  WORD pointsize = 0;
  std::wstring typeface;
  std::vector<DLGITEMTEMPLATE> items;
};
using LPCDLGTEMPLATEW = const DLGTEMPLATE*;
using LPCDLGTEMPLATE = LPCDLGTEMPLATEW;

// The module's dialog resources: templates registered under an id stand in for the resource section, so that
// CreateDialogParam and DialogBoxParam find them by MAKEINTRESOURCE(id). Registering an id again replaces it.
void RegisterDialogTemplate(int id, const DLGTEMPLATE& dialogTemplate);
// The registered template, or null.
const DLGTEMPLATE* FindDialogTemplate(int id);

// Creation. Modeless dialogs return their window; WS_CHILD templates make pages inside `parent`.
HWND CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND parent, DLGPROC proc,
                                LPARAM initParam);
HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM initParam);
// Modal dialogs run their own loop; the owner is disabled meanwhile. The modal responder supplies what the user
// does (winsim::AnswerModalDialog). Returns the EndDialog result, or -1 when the dialog can't be created.
INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND parent, DLGPROC proc,
                                LPARAM initParam);
INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM initParam);
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Dialog units.
LONG GetDialogBaseUnits();
BOOL MapDialogRect(HWND dialog, LPRECT rect);

// The dialog manager.
BOOL IsDialogMessageW(HWND dialog, LPMSG msg);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

// Control values.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);

#define CreateDialogIndirectParam CreateDialogIndirectParamW
#define CreateDialogParam CreateDialogParamW
#define DialogBoxIndirectParam DialogBoxIndirectParamW
#define DialogBoxParam DialogBoxParamW
#define DefDlgProc DefDlgProcW
#define IsDialogMessage IsDialogMessageW
#define CreateDialogIndirect(i, t, p, f) CreateDialogIndirectParamW(i, t, p, f, 0)
#define CreateDialog(i, t, p, f) CreateDialogParamW(i, t, p, f, 0)
#define DialogBoxIndirect(i, t, p, f) DialogBoxIndirectParamW(i, t, p, f, 0)
#define DialogBox(i, t, p, f) DialogBoxParamW(i, t, p, f, 0)
