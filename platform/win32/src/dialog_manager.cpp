// The dialog manager: IsDialogMessage and the keyboard navigation it gives every dialog: Tab and Shift+Tab
// through the WS_TABSTOP controls, arrows within a group, Enter for the default button, Escape for Cancel.
// Controls keep keys for themselves through WM_GETDLGCODE.
#include <vector>

#include "dialog_internal.h"

namespace win32_internal {

namespace {

// A control the keyboard can reach: visible and enabled by its own style (the dialog itself may still be hidden,
// as it is during WM_INITDIALOG).
bool Reachable(HWND control) {
  LONG style = GetWindowLongW(control, GWL_STYLE);
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The dialog's controls in tab order: its children in order, descending into WS_EX_CONTROLPARENT children.
void CollectControls(HWND parent, std::vector<HWND>& out, int depth) {
  if (depth > 16) return;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
      if (Reachable(child)) CollectControls(child, out, depth + 1);
    } else {
      out.push_back(child);
    }
  }
}

bool IsTabStop(HWND control) { return (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) && Reachable(control); }

// The control the dialog's Enter key presses: a focused push button, else the default button, else IDOK.
int EnterId(HWND dialog, HWND focus, LRESULT focusCode) {
  if (focus && (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) return GetDlgCtrlID(focus);
  LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
  return HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
}

void PressButton(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (control && !IsWindowEnabled(control)) {
    MessageBeep(0);
    return;
  }
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

}  // namespace

HWND FirstTabStop(HWND dialog) {
  std::vector<HWND> controls;
  CollectControls(dialog, controls, 0);
  for (HWND control : controls)
    if (IsTabStop(control)) return control;
  return nullptr;
}

bool HandleDialogKey(HWND dialog, const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  HWND focus = msg.hwnd;
  LRESULT code = SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & DLGC_WANTMESSAGE) return false;
  switch (msg.wParam) {
    case VK_TAB:
      if (code & DLGC_WANTTAB) return false;
      SendMessageW(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, FALSE);
      return true;
    case VK_RETURN:
      PressButton(dialog, EnterId(dialog, focus == dialog ? nullptr : focus, code));
      return true;
    case VK_ESCAPE:
      PressButton(dialog, IDCANCEL);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (code & DLGC_WANTARROWS) return false;
      HWND next = GetNextDlgGroupItem(dialog, focus, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
      if (next && next != focus) SetFocus(next);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace win32_internal

using namespace win32_internal;

BOOL IsDialogMessageW(HWND dialog, LPMSG msg) {
  if (!msg || !IsWindow(dialog)) return FALSE;
  if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
  if (HandleDialogKey(dialog, *msg)) return TRUE;
  TranslateMessage(msg);
  DispatchMessageW(msg);
  return TRUE;
}

// The next (or previous) tab stop after `control`, wrapping around; the first one for a null control.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  if (!IsWindow(dialog)) return nullptr;
  std::vector<HWND> controls;
  CollectControls(dialog, controls, 0);
  int count = static_cast<int>(controls.size());
  int at = -1;
  for (int i = 0; i < count; ++i)
    if (controls[static_cast<size_t>(i)] == control) at = i;
  if (at < 0) at = previous ? 0 : count - 1;
  for (int step = 1; step <= count; ++step) {
    HWND candidate = controls[static_cast<size_t>((at + (previous ? count - step : step)) % count)];
    if (IsTabStop(candidate)) return candidate;
  }
  return nullptr;
}

// The next (or previous) reachable control of the group `control` belongs to; a group starts at a WS_GROUP control
// and runs to the next one.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  if (!IsWindow(dialog) || !IsChild(dialog, control)) return nullptr;
  std::vector<HWND> controls;
  CollectControls(dialog, controls, 0);
  size_t at = 0;
  while (at < controls.size() && controls[at] != control) ++at;
  if (at == controls.size()) return nullptr;
  auto starts = [&](size_t i) { return (GetWindowLongW(controls[i], GWL_STYLE) & WS_GROUP) != 0; };
  size_t first = at;
  while (first > 0 && !starts(first)) --first;
  size_t last = at;
  while (last + 1 < controls.size() && !starts(last + 1)) ++last;
  size_t size = last - first + 1;
  for (size_t step = 1; step < size; ++step) {
    size_t offset = ((at - first) + (previous ? size - step : step)) % size;
    if (Reachable(controls[first + offset])) return controls[first + offset];
  }
  return control;
}
