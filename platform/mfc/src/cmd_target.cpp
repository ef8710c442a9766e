#include "mfc/cmd_target.h"

#include "mfc/cmd_ui.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

const AFX_MSGMAP* BaseMap(const AFX_MSGMAP* pMap) {
  return pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr;
}

}  // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                     UINT nID) {
  for (; pMap != nullptr; pMap = BaseMap(pMap)) {
    for (const AFX_MSGMAP_ENTRY* entry = pMap->lpEntries; entry->nMessage != 0; ++entry) {
      // Registered entries all carry 0xC000 and match only through their variable.
      if (entry->pnRegisteredMessage != nullptr) continue;
      if (entry->nMessage == nMessage && entry->nCode == nCode && nID >= entry->nID && nID <= entry->nLastID) {
        return entry;
      }
    }
  }
  return nullptr;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage) {
  for (; pMap != nullptr; pMap = BaseMap(pMap)) {
    for (const AFX_MSGMAP_ENTRY* entry = pMap->lpEntries; entry->nMessage != 0; ++entry) {
      const bool matches = entry->pnRegisteredMessage != nullptr
                               ? *entry->pnRegisteredMessage == nMessage
                               : entry->nMessage == nMessage && entry->nCode == 0 && entry->nID == 0;
      if (matches) return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // nCode packs the message in its high word (0 for WM_COMMAND), except for CN_UPDATE_COMMAND_UI.
  UINT nMessage = WM_COMMAND;
  UINT code = static_cast<UINT>(nCode);
  if (code != CN_UPDATE_COMMAND_UI) {
    if (HIWORD(code) != 0) nMessage = HIWORD(code);
    code = LOWORD(code);
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), nMessage, code, nID);
  if (entry == nullptr) return FALSE;
  if (pHandlerInfo != nullptr) {
    pHandlerInfo->pTarget = this;
    pHandlerInfo->pEntry = entry;
    return TRUE;
  }
  AFX_MSGCALL call;
  call.message = nMessage;
  call.nID = nID;
  call.pExtra = pExtra;
  if (code != CN_UPDATE_COMMAND_UI || pExtra == nullptr) return entry->pfn(this, call);
  // An update handler answers for its item unless it asks for the route to go on (ContinueRouting).
  CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
  pCmdUI->m_bContinueRouting = FALSE;
  entry->pfn(this, call);
  const BOOL handled = !pCmdUI->m_bContinueRouting;
  pCmdUI->m_bContinueRouting = FALSE;
  return handled;
}
