// Creating dialogs from templates: the frame and every control laid out in dialog units of the template's font,
// WM_SETFONT to each, then WM_INITDIALOG.
#include <algorithm>
#include <memory>

#include "dialog_internal.h"

namespace win32_internal {

namespace {

void RegisterDialogClass() {
  WNDCLASSEXW existing{};
  if (GetClassInfoExW(nullptr, WC_DIALOG, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_SAVEBITS;
  wc.lpfnWndProc = DefDlgProcW;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.lpszClassName = WC_DIALOG;
  RegisterClassExW(&wc);
}

HFONT TemplateFont(const DLGTEMPLATE& dialogTemplate) {
  if (!(dialogTemplate.style & DS_SETFONT) || dialogTemplate.typeface.empty()) return nullptr;
  int height = -MulDiv(dialogTemplate.pointsize ? dialogTemplate.pointsize : 8, 96, 72);
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                     dialogTemplate.typeface.c_str());
}

RECT DialogUnitsToPixels(SIZE units, short x, short y, short cx, short cy) {
  int left = MulDiv(x, units.cx, 4), top = MulDiv(y, units.cy, 8);
  return {left, top, left + MulDiv(cx, units.cx, 4), top + MulDiv(cy, units.cy, 8)};
}

// The window rectangle of the dialog: children in their parent's client area; popups relative to the owner's
// client area, or centred over it (DS_CENTER), kept on the screen.
RECT DialogWindowRect(const DLGTEMPLATE& dialogTemplate, DWORD style, DWORD exStyle, HWND parent, SIZE units) {
  RECT rect = DialogUnitsToPixels(units, dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy);
  if (style & WS_CHILD) return rect;
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  OffsetRect(&rect, -rect.left, -rect.top);
  POINT origin{0, 0};
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (parent) {
    ClientToScreen(parent, &origin);
    GetWindowRect(parent, &area);
  }
  if (style & DS_CENTER) {
    origin = {(area.left + area.right - rect.right) / 2, (area.top + area.bottom - rect.bottom) / 2};
  } else if (!(style & DS_ABSALIGN)) {
    origin.x += MulDiv(dialogTemplate.x, units.cx, 4);
    origin.y += MulDiv(dialogTemplate.y, units.cy, 8);
  }
  origin.x = std::max<LONG>(0, std::min<LONG>(origin.x, GetSystemMetrics(SM_CXSCREEN) - rect.right));
  origin.y = std::max<LONG>(0, std::min<LONG>(origin.y, GetSystemMetrics(SM_CYSCREEN) - rect.bottom));
  OffsetRect(&rect, origin.x, origin.y);
  return rect;
}

bool CreateControls(HWND dialog, const DLGTEMPLATE& dialogTemplate, const DialogState& state) {
  for (const DLGITEMTEMPLATE& item : dialogTemplate.items) {
    RECT rect = DialogUnitsToPixels(state.baseUnits, item.x, item.y, item.cx, item.cy);
    HWND control = CreateWindowExW(item.dwExtendedStyle | WS_EX_NOPARENTNOTIFY, item.windowClass.c_str(),
                                   item.title.c_str(), item.style | WS_CHILD, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), nullptr, nullptr);
    if (!control) {
      if (dialogTemplate.style & DS_NOFAILCREATE) continue;
      return false;
    }
    if (state.font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  }
  return true;
}

}  // namespace

HWND CreateDialogFromTemplate(const DLGTEMPLATE& dialogTemplate, HWND parent, DLGPROC proc, LPARAM initParam,
                              int templateId, bool modal) {
  RegisterDialogClass();
  DWORD style = dialogTemplate.style;
  DWORD exStyle = dialogTemplate.dwExtendedStyle | ((style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
  // A DS_CONTROL page is a control of the dialog it sits in: its controls join that dialog's tab order.
  if (style & DS_CONTROL) exStyle |= WS_EX_CONTROLPARENT;
  if ((style & WS_CHILD) && !IsWindow(parent)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  // Popups are owned by the top-level window of the parent they were given.
  HWND owner = (style & WS_CHILD) ? parent : (parent ? GetAncestor(parent, GA_ROOT) : nullptr);
  auto state = std::make_unique<DialogState>();
  state->font = TemplateFont(dialogTemplate);
  state->ownsFont = state->font != nullptr;
  state->baseUnits = BaseUnitsOf(state->font);
  state->templateId = templateId;
  state->modal = modal;
  RECT rect = DialogWindowRect(dialogTemplate, style, exStyle, owner, state->baseUnits);
  HWND dialog = CreateWindowExW(exStyle, WC_DIALOG, dialogTemplate.title.c_str(), style & ~WS_VISIBLE, rect.left,
                                rect.top, rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, nullptr,
                                nullptr);
  if (!dialog) {
    if (state->ownsFont) DeleteObject(state->font);
    return nullptr;
  }
  HFONT font = state->font;
  SetWindowLongPtrW(dialog, kDialogStateIndex, reinterpret_cast<LONG_PTR>(state.release()));
  SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  if (font) SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (!CreateControls(dialog, dialogTemplate, *DialogStateOf(dialog))) {
    DestroyWindow(dialog);
    return nullptr;
  }
  HWND first = FirstTabStop(dialog);
  // WM_INITDIALOG's TRUE asks for the focus on the first tab stop; FALSE means the procedure set it.
  if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam) && IsWindow(dialog) && first &&
      IsWindow(first))
    SetFocus(first);
  if (!IsWindow(dialog)) return nullptr;
  if (!modal && (style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOWNORMAL);
  return dialog;
}

}  // namespace win32_internal

using namespace win32_internal;

HWND CreateDialogIndirectParamW(HINSTANCE, LPCDLGTEMPLATEW dialogTemplate, HWND parent, DLGPROC proc,
                                LPARAM initParam) {
  if (!dialogTemplate) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateDialogFromTemplate(*dialogTemplate, parent, proc, initParam, RegisteredIdOf(dialogTemplate), false);
}

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM initParam) {
  const DLGTEMPLATE* found = TemplateNamed(templateName);
  if (!found) return nullptr;
  return CreateDialogIndirectParamW(instance, found, parent, proc, initParam);
}
