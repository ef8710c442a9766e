// OLE data transfer without COM: data sources that hold global-memory blocks by clipboard format,
// data objects that read them (from a source or from the clipboard), and drop targets registered
// on windows. Drags are driven by mfcsim::DragAndDrop, which delivers enter / over / leave / drop to the target registered for the window under the
// point, as the system's drag loop does.
#pragma once

#include <map>

#include "mfc/cmd_target.h"
#include "mfc/geometry.h"

class CWnd;
class COleDataSource;

using CLIPFORMAT = WORD;
using DROPEFFECT = DWORD;

#define DROPEFFECT_NONE 0
#define DROPEFFECT_COPY 1
#define DROPEFFECT_MOVE 2
#define DROPEFFECT_LINK 4
#define DROPEFFECT_SCROLL 0x80000000

#ifndef S_FALSE
#define S_FALSE ((HRESULT)1L)
#endif
#ifndef E_FAIL
#define E_FAIL ((HRESULT)0x80004005L)
#endif

// Counted: each call needs its OleUninitialize. S_OK the first time, S_FALSE when already initialised.
HRESULT OleInitialize(LPVOID pvReserved);
void OleUninitialize();

// Data to give away: blocks cached by format (each owned by the source from then on), put on the
// clipboard or dragged.
class COleDataSource : public CCmdTarget {
  DECLARE_DYNAMIC(COleDataSource)
 public:
  COleDataSource();
  ~COleDataSource() override;  // frees the cached blocks

  // Takes ownership of hGlobal (a block of GlobalAlloc); a block cached earlier for the format is freed.
  void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal);
  void Empty();
  BOOL IsDataAvailable(CLIPFORMAT cfFormat) const;
  // A copy of the cached block (the caller frees it), or null.
  HGLOBAL CopyGlobalData(CLIPFORMAT cfFormat) const;

  // Copies every block to the clipboard. The clipboard then owns this (heap) object until other
  // data replaces it or FlushClipboard; don't delete it afterwards.
  void SetClipboard();
  static void FlushClipboard();
  static COleDataSource* GetClipboardOwner();

 private:
  std::map<CLIPFORMAT, HGLOBAL> m_data;
};

// Reads data offered by a data source or by the clipboard.
class COleDataObject {
 public:
  COleDataObject() = default;
  ~COleDataObject() { Release(); }
  COleDataObject(const COleDataObject&) = delete;
  COleDataObject& operator=(const COleDataObject&) = delete;

  // Reads from the source, which must outlive the attachment (the data object never frees it).
  void Attach(COleDataSource* pDataSource);
  // Reads from the clipboard from now on; FALSE when the clipboard holds nothing.
  BOOL AttachClipboard();
  void Release();
  BOOL IsDataAvailable(CLIPFORMAT cfFormat) const;
  // A new block with the data (the caller frees it with GlobalFree), or null.
  HGLOBAL GetGlobalData(CLIPFORMAT cfFormat) const;

 private:
  COleDataSource* m_pDataSource = nullptr;
  bool m_bClipboard = false;
};

// A window's drop target: Register makes drags over the window reach these virtuals. Points are in
// the window's client coordinates; dwKeyState holds MK_ flags. The defaults refuse every drop.
class COleDropTarget : public CCmdTarget {
  DECLARE_DYNAMIC(COleDropTarget)
 public:
  COleDropTarget();
  ~COleDropTarget() override;  // revokes

  // FALSE when the window is gone or already has a drop target.
  BOOL Register(CWnd* pWnd);
  virtual void Revoke();

  virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  // Asked first on every move; a result with DROPEFFECT_SCROLL stands for OnDragOver's.
  virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);
  virtual void OnDragLeave(CWnd* pWnd);
  virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

  // The target registered for the window, or null.
  static COleDropTarget* FromRegisteredWindow(HWND hWnd);

 protected:
  HWND m_hWnd = nullptr;  // the registered window
};

namespace mfcsim {

// Drags the source's data from one screen point to another with the keys and mouse buttons of
// dwKeyState (MK_ flags) held, then drops it: the targets under the two points see enter, over,
// leave and drop as the user would cause them. Returns the drop's effect (DROPEFFECT_NONE when no
// target took it); dwEffects are the effects the source allows.
DROPEFFECT DragAndDrop(COleDataSource& source, POINT from, POINT to, DWORD dwKeyState = MK_LBUTTON,
                       DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
// Releases the clipboard's data source and the OLE initialisation count.
void ResetOle();

}  // namespace mfcsim
