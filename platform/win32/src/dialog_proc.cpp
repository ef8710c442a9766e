// DefDlgProc: calls the dialog procedure and gives dialogs their default behaviour (focus kept on a control,
// the default button, Close as Cancel, the dialog's background and font).
#include "dialog_internal.h"

namespace win32_internal {

namespace {

// Messages whose dialog-procedure answer is the result itself rather than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return true;
    default:
      return false;
  }
}

// The default button: DM_SETDEFID's, else a child that says it is the default push button.
LRESULT DefaultId(HWND dialog, const DialogState& state) {
  if (state.defaultId) return MAKELRESULT(state.defaultId, DC_HASDEFID);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
      return MAKELRESULT(GetDlgCtrlID(child), DC_HASDEFID);
  return 0;
}

// Push buttons show which one is the default: the new default gets BS_DEFPUSHBUTTON, any other loses it.
void MarkDefaultButton(HWND dialog, int id) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    LRESULT code = SendMessageW(child, WM_GETDLGCODE, 0, 0);
    bool isDefault = GetDlgCtrlID(child) == id;
    if (!(code & (isDefault ? DLGC_UNDEFPUSHBUTTON : DLGC_DEFPUSHBUTTON))) continue;
    WORD style = LOWORD(GetWindowLongW(child, GWL_STYLE));
    WORD type = static_cast<WORD>(isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    SendMessageW(child, BM_SETSTYLE, (style & ~static_cast<WORD>(BS_TYPEMASK)) | type, TRUE);
  }
}

void FocusControl(HWND control) {
  if (!control) return;
  SetFocus(control);
  // An edit field that gets the focus by keyboard has its whole text selected (EM_SETSEL 0, −1).
  if (IsWindow(control) && (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
    SendMessageW(control, EM_SETSEL, 0, -1);
}

LRESULT NextControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
  if (target && IsChild(dialog, target)) FocusControl(target);
  return 0;
}

LRESULT EraseBackground(HWND dialog, HDC hdc) {
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(dialog)));
  RECT client{};
  GetClientRect(dialog, &client);
  FillRect(hdc, &client, brush ? brush : GetSysColorBrush(COLOR_3DFACE));
  return 1;
}

LRESULT DefaultHandling(HWND dialog, DialogState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE: {
      HWND cancel = GetDlgItem(dialog, IDCANCEL);
      if (cancel && !IsWindowEnabled(cancel)) return 0;
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
      return 0;
    }
    case WM_NEXTDLGCTL:
      return NextControl(dialog, wParam, lParam);
    case DM_GETDEFID:
      return DefaultId(dialog, state);
    case DM_SETDEFID:
      state.defaultId = static_cast<WORD>(wParam);
      MarkDefaultButton(dialog, state.defaultId);
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(dialog, focus)) state.savedFocus = focus;
      } else {
        FocusControl(IsWindow(state.savedFocus) && IsChild(dialog, state.savedFocus) ? state.savedFocus
                                                                                    : FirstTabStop(dialog));
      }
      return 0;
    case WM_SETFOCUS: {
      HWND target = IsWindow(state.savedFocus) && IsChild(dialog, state.savedFocus) ? state.savedFocus
                                                                                     : FirstTabStop(dialog);
      if (target) SetFocus(target);
      return 0;
    }
    case WM_ERASEBKGND:
      return EraseBackground(dialog, reinterpret_cast<HDC>(wParam));
    case WM_SETFONT:
      state.font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    default:
      return DefWindowProcW(dialog, message, wParam, lParam);
  }
}

}  // namespace

}  // namespace win32_internal

using namespace win32_internal;

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(dialog)) return 0;
  if (auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC))) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
    INT_PTR handled = proc(dialog, message, wParam, lParam);
    if (handled) return AnswersDirectly(message) ? handled : (IsWindow(dialog) ? GetWindowLongPtrW(dialog, DWLP_MSGRESULT) : 0);
    if (!IsWindow(dialog)) return 0;
  }
  DialogState* state = DialogStateOf(dialog);
  if (message == WM_NCDESTROY && state) {
    SetWindowLongPtrW(dialog, kDialogStateIndex, 0);
    if (state->ownsFont) DeleteObject(state->font);
    delete state;
    return DefWindowProcW(dialog, message, wParam, lParam);
  }
  if (!state) return DefWindowProcW(dialog, message, wParam, lParam);
  return DefaultHandling(dialog, *state, message, wParam, lParam);
}

// Marks the dialog as ended with `result` and hides it; a modal loop then ends and destroys it.
BOOL EndDialog(HWND dialog, INT_PTR result) {
  DialogState* state = DialogStateOf(dialog);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  state->ended = true;
  state->result = result;
  if (state->modal) ShowWindow(dialog, SW_HIDE);
  return TRUE;
}
