// The host's custom toolbars: a window class whose windows show push buttons from an image list and
// send WM_COMMAND (the button's id, BN_CLICKED; lParam the toolbar) to their parent when clicked.
#pragma once

#include <vector>

#include "host/strings.h"
#include "win32/types.h"

#define CUSTTOOLBARWINDOWCLASS L"CustToolbar"

enum CustButType { CTB_PUSHBUTTON, CTB_CHECKBUTTON };
enum { CTB_HORIZ = 0, CTB_VERT = 1 };

// One button: image indices for up and pressed, enabled and disabled, the image size and the button size.
class ToolButtonItem {
 public:
  ToolButtonItem(CustButType type, int iOutEn, int iInEn, int iOutDis, int iInDis, int iw, int ih, int wd, int ht,
                 int id, DWORD helpId = 0, const MCHAR* label = nullptr, int orient = CTB_HORIZ)
      : type(type),
        iOutEn(iOutEn),
        iInEn(iInEn),
        iOutDis(iOutDis),
        iInDis(iInDis),
        iw(iw),
        ih(ih),
        w(wd),
        h(ht),
        id(id),
        helpID(helpId),
        label(label),
        orient(orient) {}

  CustButType type;
  int iOutEn, iInEn, iOutDis, iInDis;
  int iw, ih;
  int w, h;
  int id;
  DWORD helpID;
  MSTR label;
  int orient;
};

// The program's handle on one toolbar window; get it with GetICustToolbar and give it back with
// ReleaseICustToolbar. The buttons belong to the window.
class ICustToolbar {
 public:
  explicit ICustToolbar(HWND hwnd) : hwnd_(hwnd) {}
  // The image list the buttons draw from (not owned).
  void SetImage(HIMAGELIST list);
  // Adds a button at pos (appended when pos is out of range).
  void AddTool(const ToolButtonItem& item, int pos = -1);
  // Removes num buttons from start (all that follow for -1).
  void DeleteTools(int start, int num = -1);
  int GetNumItems() const;
  // The command id of a button by index, or -1.
  int GetItemID(int index) const;
  // Enables or disables the button with a command id; disabled buttons show their disabled images
  // and send nothing.
  void Enable(int id, BOOL enable);

 private:
  HWND hwnd_;
};

// A handle on a toolbar window, or null when the window is not a custom toolbar.
ICustToolbar* GetICustToolbar(HWND hwnd);
void ReleaseICustToolbar(ICustToolbar* toolbar);
