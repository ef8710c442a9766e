// A control line of a dialog template, as a resource script writes it: class, id, style, position and
// size in dialog units, text. WS_CHILD is implied; WS_VISIBLE is the caller's choice, so that a template
// can carry hidden controls.
#pragma once

#include <windows.h>

namespace Talvo {

inline DLGITEMTEMPLATE DialogItem(const wchar_t* windowClass, WORD id, DWORD style, short x, short y, short cx,
                                  short cy, const wchar_t* title) {
  DLGITEMTEMPLATE item;
  item.windowClass = windowClass;
  item.id = id;
  item.style = WS_CHILD | style;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  item.title = title;
  return item;
}

// The frame of the program's small modal dialogs: a popup in the dialog font, centred over its owner.
inline DLGTEMPLATE ModalDialogFrame(short cx, short cy) {
  DLGTEMPLATE dialog;
  dialog.style = WS_POPUP | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
  dialog.cx = cx;
  dialog.cy = cy;
  dialog.pointsize = 8;
  dialog.typeface = L"MS Shell Dlg";
  return dialog;
}

// The frame of an editor page: a child control dialog in the dialog font, clipping its children unless
// `clipping` says otherwise.
inline DLGTEMPLATE ChildPageFrame(short cx, short cy, DWORD clipping = WS_CLIPCHILDREN) {
  DLGTEMPLATE page;
  page.style = WS_CHILD | DS_CONTROL | DS_SETFONT | clipping;
  page.cx = cx;
  page.cy = cy;
  page.pointsize = 8;
  page.typeface = L"MS Shell Dlg";
  return page;
}

}  // namespace Talvo
