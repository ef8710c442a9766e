#include "controls/key_button_base.h"

#include <host/core_interface.h>
#include <max.h>

namespace Talvo {

IMPLEMENT_DYNAMIC(KeyButtonBase, OwnerDrawnButton)

BEGIN_MESSAGE_MAP(KeyButtonBase, OwnerDrawnButton)
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void KeyButtonBase::MakeFont(CFont& font, int height, int weight) {
  if (font.GetSafeHandle() != nullptr) return;
  LOGFONTW logFont = GetCOREInterface()->GetUILogFont();
  logFont.lfHeight = -height;
  logFont.lfWeight = weight;
  logFont.lfQuality = CLEARTYPE_QUALITY;
  font.CreateFontIndirect(&logFont);
}

// The button itself decides what a click is (press and release inside); it then reports BN_CLICKED to
// its parent as every button does, and the key button acts on it.
void KeyButtonBase::OnLButtonUp(UINT, CPoint point) {
  const bool clicked = ReleaseCompletesClick(point);
  HWND self = m_hWnd;
  Default();
  if (clicked && ::IsWindow(self)) OnClicked();
}

}  // namespace Talvo
