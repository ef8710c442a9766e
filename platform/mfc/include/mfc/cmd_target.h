// CCmdTarget: the base of every class with a message map; it routes commands through its map chain.
#pragma once

#include "mfc/message_map.h"
#include "mfc/object.h"

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  CCmdTarget() = default;

  // Routes a command, an update request (CN_UPDATE_COMMAND_UI, pExtra = CCmdUI*), a control
  // notification (nCode = its code) or a WM_NOTIFY (nCode = MAKELONG(code, WM_NOTIFY),
  // pExtra = AFX_NOTIFY*) to the first matching handler of this object's map chain.
  // With pHandlerInfo set it only reports the handler it would call. Derived classes extend the
  // route (frames ask their active view first and the application last).
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  // The first entry of the map chain for that message, code and id; null when none.
  static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);
  // The first entry of the map chain for a window or thread message: an ON_REGISTERED_ entry whose
  // variable holds the number, or a plain entry (ON_WM_*, ON_MESSAGE, ON_THREAD_MESSAGE) for it.
  static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};
