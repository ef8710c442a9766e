// The host's core interface: the main window, directories, dialog-window registration, time, the
// selection and the action manager.
#pragma once

#include "host/actions.h"
#include "host/class_id.h"
#include "host/interval.h"
#include "host/menus.h"
#include "host/strings.h"
#include "win32/gdi.h"

class INode;
class BaseObject;
class FPInterface;

class Interface {
 public:
  Interface() = default;
  Interface(const Interface&) = delete;
  Interface& operator=(const Interface&) = delete;
  virtual ~Interface() = default;

  // The host's main window (created when the host starts).
  virtual HWND GetMAXHWnd();
  // The folder of a directory id, created on demand under the host's root folder; empty text for an
  // unknown id or before the host started. The icon folder (39) ends in a separator.
  virtual const MCHAR* GetDir(int which);
  // Dialog windows the host routes keyboard messages to while they are up.
  virtual void RegisterDlgWnd(HWND hwnd);
  // 1 when the window was registered.
  virtual int UnRegisterDlgWnd(HWND hwnd);
  virtual TimeValue GetTime();
  virtual int GetSelNodeCount();
  // Selected nodes by index; null out of range.
  virtual INode* GetSelNode(int index);
  // The object or modifier open in the modify panel, or null.
  virtual BaseObject* GetCurEditObject();
  // The application font and the user-interface font.
  virtual HFONT GetAppHFont();
  virtual const LOGFONTW& GetAppLogFont();
  virtual const LOGFONTW& GetUILogFont();
  virtual IActionManager* GetActionManager();
  virtual IMenuManager* GetMenuManager();
};

Interface* GetCOREInterface();
// A published function interface by id, or null.
FPInterface* GetCOREInterface(Interface_ID id);
