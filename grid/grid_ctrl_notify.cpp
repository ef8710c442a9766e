// The grid's notifications to the window that owns it.
#include "grid/grid_ctrl.h"

namespace Talvo {

LRESULT CGridCtrl::SendMessageToParent(int nRow, int nCol, int nMessage) const {
  if (!::IsWindow(m_hWnd)) return 0;
  CWnd* receiver = GetOwner();
  if (receiver == nullptr || !::IsWindow(receiver->m_hWnd)) return 0;
  NM_GRIDVIEW record{};
  record.hdr.hwndFrom = m_hWnd;
  record.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  record.hdr.code = static_cast<UINT>(nMessage);
  record.iRow = nRow;
  record.iColumn = nCol;
  return ::SendMessageW(receiver->m_hWnd, WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}

}  // namespace Talvo
