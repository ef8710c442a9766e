// Message maps: the tables that connect window messages, commands and notifications to member
// functions, and the ON_* entry macros that fill them.
//
// A class declares DECLARE_MESSAGE_MAP() and defines its table between BEGIN_MESSAGE_MAP(Class, Base)
// and END_MESSAGE_MAP(). A message that the class's table does not name is looked up in the base
// class's table, and so on up to CCmdTarget. Each entry carries a small thunk, written by its macro,
// that unpacks wParam/lParam into the handler's parameters (the class library's handler signatures:
// `int OnCreate(LPCREATESTRUCT)`, `void OnSize(UINT, int, int)`, ...) and calls the handler on the
// object. Handlers named by ON_WM_* macros are found by their fixed names; the others take a
// member-function pointer (`ON_COMMAND(ID_FILE_SAVE, &Frame::OnFileSave)`).
//
// Kinds of entries (nMessage, nCode, nID..nLastID):
//   window message      (WM_x, 0, 0..0)                      ON_WM_*, ON_MESSAGE
//   registered message  (0xC000, 0, 0..0) + message variable  ON_REGISTERED_MESSAGE
//   command             (WM_COMMAND, CN_COMMAND, id..id)      ON_COMMAND, ON_COMMAND_RANGE
//   update handler      (WM_COMMAND, CN_UPDATE_COMMAND_UI, ..) ON_UPDATE_COMMAND_UI(_RANGE)
//   control notification(WM_COMMAND, code, id..id)           ON_CONTROL, ON_BN_CLICKED, ON_EN_CHANGE, ...
//   WM_NOTIFY           (WM_NOTIFY, code, id..id)            ON_NOTIFY
//   reflected           (WM_REFLECT_BASE + msg, code, 0..0)   ON_CONTROL_REFLECT, ON_WM_CTLCOLOR_REFLECT
// Codes are kept to their low 16 bits, as WM_COMMAND packs them.
#pragma once

#include <windows.h>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CScrollBar;

// Private messages of the class library.
#define WM_CTLCOLOR 0x0019            // stands for every WM_CTLCOLORxxx in a message map
#define WM_SIZEPARENT 0x0361          // lParam: AFX_SIZEPARENTPARAMS*; control bars take their space
#define WM_IDLEUPDATECMDUI 0x0363     // wParam: disable items without handler; sent at idle time
#define WM_INITIALUPDATE 0x0364
#define WM_KICKIDLE 0x036A           // posted to make the pump run its idle work
#define WM_ACTIVATETOPLEVEL 0x036E    // wParam: WA_ state; sent to a top-level window when activation changes
#define WM_REFLECT_BASE 0xBC00        // + a message: that message reflected back to the control that sent it

// Command codes that OnCmdMsg receives besides control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// The first id of the commands the system reserves (system menu); update handlers don't disable them.
#define AFX_IDS_FIRST_SYSTEM_ID 0xF000

// Everything a thunk needs to call one handler, and what it gives back.
struct AFX_MSGCALL {
  UINT message = 0;       // window message (for WM_CTLCOLOR entries, the WM_CTLCOLORxxx received)
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  UINT nID = 0;           // command or control id
  void* pExtra = nullptr; // CCmdUI* for update handlers, AFX_NOTIFY* for WM_NOTIFY entries
  LRESULT lResult = 0;    // the message's result
};

// Calls the handler; returns whether the message counts as handled (the _EX handlers decide it).
using AFX_PMSG_THUNK = BOOL (*)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;                     // 0 ends the table
  UINT nCode;                        // control notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI
  UINT nID;                          // first control or command id
  UINT nLastID;                      // last id of a range
  const UINT* pnRegisteredMessage;   // ON_REGISTERED_MESSAGE: the variable holding the message number
  AFX_PMSG_THUNK pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for CCmdTarget's own (empty) map
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// What OnCmdMsg reports when it is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  const AFX_MSGMAP_ENTRY* pEntry;
};

// The extra data of WM_NOTIFY entries.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// The extra data of a reflected WM_CTLCOLORxxx.
struct AFX_CTLCOLOR {
  HWND hWnd;
  HDC hDC;
  UINT nCtlType;
};

#define DECLARE_MESSAGE_MAP()                          \
 protected:                                            \
  static const AFX_MSGMAP* GetThisMessageMap();        \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                    \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                               \
    using ThisClass = theClass;                                                   \
    using TheBaseClass = baseClass;                                               \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                           \
  {0, 0, 0, 0, nullptr, nullptr}                                                    \
  }                                                                                 \
  ;                                                                                 \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                               \
  }

// The thunk of one entry: `pThis_` is the object as the map's class, `call_` the message.
#define AFX_MSG_THUNK(...)                                                              \
  [](CCmdTarget* pTarget_, [[maybe_unused]] AFX_MSGCALL& call_) -> BOOL {               \
    [[maybe_unused]] ThisClass* pThis_ = static_cast<ThisClass*>(pTarget_);             \
    __VA_ARGS__                                                                         \
  }

#define AFX_WM_ENTRY(message, ...) {(message), 0, 0, 0, nullptr, AFX_MSG_THUNK(__VA_ARGS__)},

#define AFX_WPARAM_WND() CWnd::FromHandle(reinterpret_cast<HWND>(call_.wParam))
#define AFX_LPARAM_WND() CWnd::FromHandle(reinterpret_cast<HWND>(call_.lParam))
#define AFX_LPARAM_POINT() CPoint(GET_X_LPARAM(call_.lParam), GET_Y_LPARAM(call_.lParam))

// Window messages, by the class library's fixed handler names.
#define ON_WM_CREATE() \
  AFX_WM_ENTRY(WM_CREATE, call_.lResult = pThis_->OnCreate(reinterpret_cast<LPCREATESTRUCT>(call_.lParam)); return TRUE;)
#define ON_WM_NCCREATE() \
  AFX_WM_ENTRY(WM_NCCREATE, call_.lResult = pThis_->OnNcCreate(reinterpret_cast<LPCREATESTRUCT>(call_.lParam)); return TRUE;)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, pThis_->OnDestroy(); return TRUE;)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, pThis_->OnNcDestroy(); return TRUE;)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, pThis_->OnClose(); return TRUE;)
#define ON_WM_SIZE()                                                                                 \
  AFX_WM_ENTRY(WM_SIZE, pThis_->OnSize(static_cast<UINT>(call_.wParam), LOWORD(call_.lParam), HIWORD(call_.lParam)); \
               return TRUE;)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, pThis_->OnPaint(); return TRUE;)
#define ON_WM_ERASEBKGND()                                                                        \
  AFX_WM_ENTRY(WM_ERASEBKGND,                                                                     \
               call_.lResult = pThis_->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(call_.wParam))); \
               return TRUE;)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, pThis_->OnTimer(static_cast<UINT_PTR>(call_.wParam)); return TRUE;)
#define AFX_MOUSE_ENTRY(message, handler) \
  AFX_WM_ENTRY(message, pThis_->handler(static_cast<UINT>(call_.wParam), AFX_LPARAM_POINT()); return TRUE;)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEWHEEL()                                                                           \
  AFX_WM_ENTRY(WM_MOUSEWHEEL,                                                                        \
               call_.lResult = pThis_->OnMouseWheel(GET_KEYSTATE_WPARAM(call_.wParam),               \
                                                    GET_WHEEL_DELTA_WPARAM(call_.wParam), AFX_LPARAM_POINT()); \
               return TRUE;)
#define ON_WM_MOUSELEAVE() AFX_WM_ENTRY(WM_MOUSELEAVE, pThis_->OnMouseLeave(); return TRUE;)
#define AFX_KEY_ENTRY(message, handler)                                                              \
  AFX_WM_ENTRY(message,                                                                              \
               pThis_->handler(static_cast<UINT>(call_.wParam), LOWORD(call_.lParam), HIWORD(call_.lParam)); \
               return TRUE;)
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, pThis_->OnSetFocus(AFX_WPARAM_WND()); return TRUE;)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, pThis_->OnKillFocus(AFX_WPARAM_WND()); return TRUE;)
#define ON_WM_ACTIVATE()                                                                               \
  AFX_WM_ENTRY(WM_ACTIVATE,                                                                            \
               pThis_->OnActivate(LOWORD(call_.wParam), AFX_LPARAM_WND(), static_cast<BOOL>(HIWORD(call_.wParam))); \
               return TRUE;)
#define ON_WM_SHOWWINDOW()                                                                              \
  AFX_WM_ENTRY(WM_SHOWWINDOW,                                                                           \
               pThis_->OnShowWindow(static_cast<BOOL>(call_.wParam), static_cast<UINT>(call_.lParam)); return TRUE;)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, pThis_->OnEnable(static_cast<BOOL>(call_.wParam)); return TRUE;)
// One entry for every WM_CTLCOLORxxx; the handler gets the control kind (CTLCOLOR_BTN, _STATIC, ...).
#define ON_WM_CTLCOLOR()                                                                               \
  AFX_WM_ENTRY(WM_CTLCOLOR,                                                                            \
               call_.lResult = reinterpret_cast<LRESULT>(pThis_->OnCtlColor(                            \
                   CDC::FromHandle(reinterpret_cast<HDC>(call_.wParam)), AFX_LPARAM_WND(),              \
                   call_.message - WM_CTLCOLORMSGBOX));                                                 \
               return TRUE;)
#define ON_WM_GETMINMAXINFO() \
  AFX_WM_ENTRY(WM_GETMINMAXINFO, pThis_->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(call_.lParam)); return TRUE;)
#define AFX_SCROLL_ENTRY(message, handler)                                                            \
  AFX_WM_ENTRY(message,                                                                               \
               pThis_->handler(LOWORD(call_.wParam), static_cast<UINT>(static_cast<short>(HIWORD(call_.wParam))), \
                               reinterpret_cast<CScrollBar*>(AFX_LPARAM_WND()));                      \
               return TRUE;)
#define ON_WM_HSCROLL() AFX_SCROLL_ENTRY(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() AFX_SCROLL_ENTRY(WM_VSCROLL, OnVScroll)
#define ON_WM_SETCURSOR()                                                                             \
  AFX_WM_ENTRY(WM_SETCURSOR,                                                                          \
               call_.lResult = pThis_->OnSetCursor(AFX_WPARAM_WND(),                                  \
                                                   static_cast<UINT>(static_cast<short>(LOWORD(call_.lParam))), \
                                                   HIWORD(call_.lParam));                             \
               return TRUE;)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, call_.lResult = pThis_->OnGetDlgCode(); return TRUE;)
#define ON_WM_CAPTURECHANGED() \
  AFX_WM_ENTRY(WM_CAPTURECHANGED, pThis_->OnCaptureChanged(AFX_LPARAM_WND()); return TRUE;)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, pThis_->OnSysColorChange(); return TRUE;)
#define ON_WM_MEASUREITEM()                                                                            \
  AFX_WM_ENTRY(WM_MEASUREITEM,                                                                         \
               pThis_->OnMeasureItem(static_cast<int>(call_.wParam),                                   \
                                     reinterpret_cast<LPMEASUREITEMSTRUCT>(call_.lParam));              \
               call_.lResult = TRUE; return TRUE;)
#define ON_WM_DRAWITEM()                                                                               \
  AFX_WM_ENTRY(WM_DRAWITEM,                                                                            \
               pThis_->OnDrawItem(static_cast<int>(call_.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(call_.lParam)); \
               call_.lResult = TRUE; return TRUE;)
// The handler receives the popup as CMenu*: code that names this entry includes the menu classes.
#define ON_WM_INITMENUPOPUP()                                                                          \
  AFX_WM_ENTRY(WM_INITMENUPOPUP,                                                                       \
               pThis_->OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(call_.wParam)),        \
                                       LOWORD(call_.lParam), static_cast<BOOL>(HIWORD(call_.lParam))); \
               return TRUE;)

// Reflected messages, handled by the control that caused them.
// A reflected CtlColor that returns null lets the parent's OnCtlColor decide.
#define ON_WM_CTLCOLOR_REFLECT()                                                                       \
  {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, nullptr, AFX_MSG_THUNK(                                     \
      const AFX_CTLCOLOR* ctl_ = reinterpret_cast<const AFX_CTLCOLOR*>(call_.lParam);                  \
      HBRUSH brush_ = pThis_->CtlColor(CDC::FromHandle(ctl_->hDC), ctl_->nCtlType);                    \
      call_.lResult = reinterpret_cast<LRESULT>(brush_); return brush_ != nullptr;)},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                     \
  {WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(wNotifyCode), 0, 0, nullptr,                        \
   AFX_MSG_THUNK((pThis_->*(memberFxn))(); return TRUE;)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                  \
  {WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(wNotifyCode), 0, 0, nullptr,                        \
   AFX_MSG_THUNK(return (pThis_->*(memberFxn))();)},

// Any message, with the raw parameters: `LRESULT OnMyMessage(WPARAM, LPARAM)`.
#define ON_MESSAGE(message, memberFxn) \
  AFX_WM_ENTRY(message, call_.lResult = (pThis_->*(memberFxn))(call_.wParam, call_.lParam); return TRUE;)
// A message number held in a variable (from RegisterWindowMessage).
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                              \
  {0xC000, 0, 0, 0, &(nMessageVariable),                                                                \
   AFX_MSG_THUNK(call_.lResult = (pThis_->*(memberFxn))(call_.wParam, call_.lParam); return TRUE;)},
// Thread messages of an application object: `void OnThreadMessage(WPARAM, LPARAM)`.
#define ON_THREAD_MESSAGE(message, memberFxn) \
  AFX_WM_ENTRY(message, (pThis_->*(memberFxn))(call_.wParam, call_.lParam); return TRUE;)

// Commands (menu items, accelerators, and BN_CLICKED, which shares CN_COMMAND's code 0).
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id), nullptr, AFX_MSG_THUNK((pThis_->*(memberFxn))(); return TRUE;)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                       \
  {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(idLast), nullptr, \
   AFX_MSG_THUNK((pThis_->*(memberFxn))(call_.nID); return TRUE;)},
// Update handlers: `void OnUpdateX(CCmdUI*)`; range handlers read the id from pCmdUI->m_nID.
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                 \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, static_cast<UINT>(id), static_cast<UINT>(id), nullptr, \
   AFX_MSG_THUNK((pThis_->*(memberFxn))(static_cast<CCmdUI*>(call_.pExtra)); return TRUE;)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                       \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, static_cast<UINT>(id), static_cast<UINT>(idLast), nullptr, \
   AFX_MSG_THUNK((pThis_->*(memberFxn))(static_cast<CCmdUI*>(call_.pExtra)); return TRUE;)},

// Control notifications through WM_COMMAND.
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                         \
  {WM_COMMAND, static_cast<WORD>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, \
   AFX_MSG_THUNK((pThis_->*(memberFxn))(); return TRUE;)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                               \
  {WM_COMMAND, static_cast<WORD>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(idLast), nullptr, \
   AFX_MSG_THUNK((pThis_->*(memberFxn))(call_.nID); return TRUE;)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)

// WM_NOTIFY: `void OnX(NMHDR*, LRESULT*)`.
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                          \
  {WM_NOTIFY, static_cast<WORD>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), nullptr,  \
   AFX_MSG_THUNK(AFX_NOTIFY* notify_ = static_cast<AFX_NOTIFY*>(call_.pExtra);                        \
                 (pThis_->*(memberFxn))(notify_->pNMHDR, notify_->pResult); return TRUE;)},
