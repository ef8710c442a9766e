// Edit: the program's themed edit field. After every change the user makes to its text (typing,
// deleting, pasting, cutting, undoing) it sends its notify message (0 = none) with wParam 0 and
// lParam 0 to its parent; Enter is never inserted and still notifies. While it has the focus the
// host's keyboard accelerators are off, so that typing is not taken for shortcuts.
#pragma once

#include <afxwin.h>

#include "controls/cell_editor_links.h"

namespace Talvo {

class Edit : public CEdit {
  DECLARE_DYNAMIC(Edit)
 public:
  Edit();
  ~Edit() override;

  // The message sent to the parent after each change; 0 sends nothing.
  UINT notifyMessage = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnSetFocus(CWnd* pOldWnd);
  void OnKillFocus(CWnd* pNewWnd);
  void OnDestroy();
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

  DECLARE_MESSAGE_MAP()

 private:
  void Notify();

  FocusAccelerators accelerators_;
};

}  // namespace Talvo
