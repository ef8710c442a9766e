// What grid cells and the grid share with the pages: the cell state bits, the WM_NOTIFY codes and record
// the grid sends its parent, the grid's private message and the standard edit command ids it answers.
#pragma once

#include <windows.h>

namespace Talvo {

// Cell state bits (the state word of every cell).
inline constexpr DWORD GVIS_FOCUSED = 0x0001;      // the focus cell
inline constexpr DWORD GVIS_SELECTED = 0x0002;     // part of the selection
inline constexpr DWORD GVIS_DROPHILITED = 0x0004;  // under a drag that passes over the grid
inline constexpr DWORD GVIS_READONLY = 0x0008;     // refuses editing, cut and paste
inline constexpr DWORD GVIS_FIXED = 0x0010;        // in a fixed row or column
inline constexpr DWORD GVIS_FIXEDROW = 0x0020;     // in a fixed row
inline constexpr DWORD GVIS_FIXEDCOL = 0x0040;     // in a fixed column
inline constexpr DWORD GVIS_MODIFIED = 0x0080;     // its text changed since the page filled the grid
inline constexpr DWORD GVIS_MEASURING = 0x0100;    // set only while the grid measures the cell
inline constexpr DWORD GVIS_ROWHIDDEN = 0x0200;    // tree: the row is hidden for good (HideRow)
inline constexpr DWORD GVIS_EXPANDED = 0x0400;     // tree: the node's children are shown
inline constexpr DWORD GVIS_COLLAPSED = 0x0800;    // tree: the node's children are hidden

// Cell colours and formats that mean "take the default cell's".
inline constexpr DWORD kDefaultFormat = 0xFFFFFFFF;
inline constexpr UINT kDefaultMargin = 0xFFFFFFFF;

// The record of every WM_NOTIFY the grid sends (wParam the grid's control id, lParam this record).
struct NM_GRIDVIEW {
  NMHDR hdr;
  int iRow;
  int iColumn;
};

// The record of an in-place control's end-of-edit notification (GVN_ENDLABELEDIT from IDC_INPLACE_CONTROL):
// the cell, the text the edit ended with and the key that ended it (0 when none).
struct NM_GRIDENDEDIT {
  NMHDR hdr;
  int iRow;
  int iColumn;
  LPCWSTR pszText;
  UINT nEndKey;
};

// Notification codes of the grid (hdr.code). The values are those of the platform's list-view and common
// notifications, which the pages compare with.
inline constexpr int GVN_CLICK = -2;              // a left click was released on a cell
inline constexpr int GVN_DBLCLK = -3;             // a cell was double-clicked
inline constexpr int GVN_SELCHANGING = -100;      // the selection is about to change
inline constexpr int GVN_SELCHANGED = -101;       // the selection changed
inline constexpr int GVN_BEGINDRAG = -109;        // tree grid: a node was collapsed
inline constexpr int GVN_BEGINLABELEDIT = -175;   // an edit or text change starts; a negative reply vetoes
inline constexpr int GVN_ENDLABELEDIT = -176;     // a text changed; a negative reply undoes it
// Tree grid codes (sent with the row and the tree column).
inline constexpr int TGVN_COLLAPSED = -109;       // after a node was collapsed
inline constexpr int TGVN_COLLAPSING = -110;      // before collapsing; a negative reply cancels
inline constexpr int TGVN_EXPANDED = -111;        // after a node was expanded
inline constexpr int TGVN_EXPANDING = -112;       // before expanding; a negative reply cancels

// The control id of an in-place editing control of the grid (its end-of-edit notification comes with it).
inline constexpr UINT IDC_INPLACE_CONTROL = 8;

// Sent synchronously by a check cell to the options page that holds its grid when its check changed:
// wParam 0, lParam the cell.
inline constexpr UINT WM_GRID_CHECK_CHANGED = 0xC46;

// The auto-scroll timer of a selection dragged past the grid's edge.
inline constexpr UINT_PTR kAutoScrollTimerId = 0x201;
inline constexpr int kAutoScrollInterval = 150;

// The mouse modes of the grid (only 0, 4 and 10 to 12 are reached in this program: it has no fixed cells).
enum GridMouseMode : int {
  MOUSE_NOTHING = 0,
  MOUSE_SELECT_ALL = 1,
  MOUSE_SELECT_COL = 2,
  MOUSE_SELECT_ROW = 3,
  MOUSE_SELECT_CELLS = 4,
  MOUSE_SCROLLING_CELLS = 5,
  MOUSE_OVER_ROW_DIVIDE = 6,
  MOUSE_SIZING_ROW = 7,
  MOUSE_OVER_COL_DIVIDE = 8,
  MOUSE_SIZING_COL = 9,
  MOUSE_PREPARE_EDIT = 10,
  MOUSE_PREPARE_DRAG = 11,
  MOUSE_DRAGGING = 12,
};

}  // namespace Talvo

// The class library's standard edit commands, which the grid answers when they are routed to it.
#ifndef ID_EDIT_COPY
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_SELECT_ALL 0xE12A
#endif
// SPI_GETWHEELSCROLLLINES answers this when the wheel scrolls by pages.
#ifndef WHEEL_PAGESCROLL
#define WHEEL_PAGESCROLL 0xFFFFFFFFU
#endif
